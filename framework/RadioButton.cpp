#include "RadioButton.h"

#include "ClassInfo.h"

namespace veyra {

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo info(
        "TRadioButton", &TButtonControl::StaticClass(),
        TPropertyList<TRadioButton>()
            .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TRadioButton(owner); });
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == Checked_)
        return;
    Checked_ = checked;
    if (WindowHandle())
        SendMessageW(WindowHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!checked || !Parent())
        return;
    for (TControl* sibling : Parent()->Controls())
        if (auto* radio = As<TRadioButton>(sibling); radio && radio != this)
            radio->SetChecked(false);
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::WindowCreated() {
    SendMessageW(WindowHandle(), BM_SETCHECK, Checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::ButtonClicked() {
    SetChecked(true);
    Click();
}

} // namespace veyra
