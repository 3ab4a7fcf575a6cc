#include "UpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Messages.h"

namespace veyra {

const TClassInfo& TCustomUpDown::StaticClass() {
    static const TClassInfo info(
        "TCustomUpDown", &TWinControl::StaticClass(),
        TPropertyList<TCustomUpDown>()
            .Object<TWinControl>("Associate", &TCustomUpDown::Associate,
                                 &TCustomUpDown::SetAssociate)
            .Integer("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement)
            .Integer("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax)
            .Integer("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin)
            .Event("OnClick", &TCustomUpDown::OnClick)
            .Enum("Orientation", {"udHorizontal", "udVertical"}, &TCustomUpDown::Orientation,
                  &TCustomUpDown::SetOrientation)
            .Integer("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition)
            .Bool("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap)
            .Take());
    return info;
}

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info(
        "TUpDown", &TCustomUpDown::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TUpDown(owner); });
    return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {}

void TCustomUpDown::SetAssociate(TWinControl* control) {
    if (control == Associate_ || control == this)
        return;
    if (Associate_)
        Associate_->RemoveFreeNotification(this);
    Associate_ = control;
    if (Associate_)
        Associate_->FreeNotification(this);
    // The buddy and the place beside it are fixed when the window is made.
    if (WindowHandle())
        RecreateWnd();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Associate_) {
        Associate_ = nullptr;
        if (const HWND window = WindowHandle())
            SendMessageW(window, UDM_SETBUDDY, 0, 0);
    }
}

void TCustomUpDown::SetMin(int value) {
    Min_ = value;
    WriteRange();
}

void TCustomUpDown::SetMax(int value) {
    Max_ = value;
    WriteRange();
}

int TCustomUpDown::Position() const {
    if (const HWND window = WindowHandle())
        return static_cast<int>(SendMessageW(window, UDM_GETPOS32, 0, 0));
    return Position_;
}

void TCustomUpDown::SetPosition(int value) {
    Position_ = value;
    if (const HWND window = WindowHandle())
        SendMessageW(window, UDM_SETPOS32, 0, value);
}

void TCustomUpDown::SetIncrement(int value) {
    Increment_ = std::max(value, 1);
    if (const HWND window = WindowHandle()) {
        UDACCEL accel{0, static_cast<UINT>(Increment_)};
        SendMessageW(window, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    }
}

void TCustomUpDown::SetOrientation(TUDOrientation orientation) {
    if (orientation == Orientation_)
        return;
    Orientation_ = orientation;
    RecreateWnd();
}

void TCustomUpDown::SetWrap(bool wrap) {
    if (wrap == Wrap_)
        return;
    Wrap_ = wrap;
    RecreateWnd();
}

void TCustomUpDown::WriteRange() {
    if (const HWND window = WindowHandle())
        SendMessageW(window, UDM_SETRANGE32, static_cast<WPARAM>(Min_), Max_);
}

void TCustomUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = UPDOWN_CLASSW;
    params.Style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (Orientation_ == udHorizontal)
        params.Style |= UDS_HORZ;
    if (Wrap_)
        params.Style |= UDS_WRAP;
    if (Associate_)
        params.Style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT;
}

void TCustomUpDown::WindowCreated() {
    const HWND window = WindowHandle();
    WriteRange();
    SetIncrement(Increment_);
    if (Associate_)
        SendMessageW(window, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Associate_->Handle()), 0);
    SendMessageW(window, UDM_SETPOS32, 0, Position_);
}

void TCustomUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        message.Result = 0;
        Position_ = Position();
        if (LOWORD(message.WParam) != SB_ENDSCROLL && OnClick)
            OnClick(this);
        return;
    case CM_RECREATEWND:
        if (WindowHandle())
            Position_ = Position();
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
