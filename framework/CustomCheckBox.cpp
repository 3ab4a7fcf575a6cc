#include "CustomCheckBox.h"

#include "ClassInfo.h"

namespace veyra {

const TClassInfo& TCustomCheckBox::StaticClass() {
    static const TClassInfo info(
        "TCustomCheckBox", &TButtonControl::StaticClass(),
        TPropertyList<TCustomCheckBox>()
            .Enum("Alignment", {"taLeftJustify", "taRightJustify"}, &TCustomCheckBox::Alignment,
                  &TCustomCheckBox::SetAlignment)
            .Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
            .Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
            .Enum("State", {"cbUnchecked", "cbChecked", "cbGrayed"}, &TCustomCheckBox::State,
                  &TCustomCheckBox::SetState)
            .Take());
    return info;
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info(
        "TCheckBox", &TCustomCheckBox::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TCheckBox(owner); });
    return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state == State_)
        return;
    State_ = state;
    if (WindowHandle())
        SendMessageW(WindowHandle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void TCustomCheckBox::SetAlignment(TLeftRight alignment) {
    if (alignment == Alignment_)
        return;
    Alignment_ = alignment;
    RecreateWnd();
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_3STATE;
    if (Alignment_ == taLeftJustify)
        params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::WindowCreated() {
    // BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are the states in order.
    SendMessageW(WindowHandle(), BM_SETCHECK, static_cast<WPARAM>(State_), 0);
}

void TCustomCheckBox::ButtonClicked() {
    switch (State_) {
    case cbUnchecked:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(AllowGrayed_ ? cbGrayed : cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbUnchecked);
        break;
    }
    Click();
}

} // namespace veyra
