#include "ButtonControl.h"

#include "ClassInfo.h"

namespace veyra {

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info(
        "TButtonControl", &TWinControl::StaticClass(),
        TPropertyList<TButtonControl>().Event("OnClick", &TButtonControl::OnClick).Take());
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {}

void TButtonControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TButtonControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"BUTTON";
    params.Style |= WS_TABSTOP;
}

void TButtonControl::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        ButtonClicked();
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
