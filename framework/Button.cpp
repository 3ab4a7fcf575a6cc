#include "Button.h"

#include "ClassInfo.h"
#include "CustomForm.h"

namespace veyra {

namespace {

std::vector<std::pair<std::string, std::int64_t>> ModalResultNames() {
    return {{"mrNone", mrNone},   {"mrOk", mrOk},       {"mrCancel", mrCancel},
            {"mrAbort", mrAbort}, {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore},
            {"mrYes", mrYes},     {"mrNo", mrNo},       {"mrAll", mrAll}};
}

} // namespace

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info(
        "TButton", &TButtonControl::StaticClass(),
        TPropertyList<TButton>()
            .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Bool("Default", &TButton::Default, &TButton::SetDefault)
            .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult,
                     ModalResultNames())
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TButton(owner); });
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value) {
    if (value == Default_)
        return;
    Default_ = value;
    if (WindowHandle())
        SendMessageW(WindowHandle(), BM_SETSTYLE, PushStyle(), TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.Style |= PushStyle();
}

void TButton::Click() {
    if (ModalResult_ != mrNone)
        if (auto* form = As<TCustomForm>(ParentForm()))
            form->SetModalResult(ModalResult_);
    TButtonControl::Click();
}

bool TButton::TakesEnter() const {
    const HWND focus = GetFocus();
    if (focus && focus == WindowHandle())
        return true;
    const TWinControl* focused = FromHandle(focus);
    return Default_ && !(focused && focused->Is<TButton>());
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGKEY) {
        const bool enter = message.WParam == VK_RETURN && TakesEnter();
        const bool escape = message.WParam == VK_ESCAPE && Cancel_;
        if ((enter || escape) && Visible() && Enabled() && IsWindowVisible(WindowHandle())) {
            Click();
            message.Result = 1;
            return;
        }
    }
    TButtonControl::WndProc(message);
}

} // namespace veyra
