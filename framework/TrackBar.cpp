#include "TrackBar.h"

#include <commctrl.h>

#include "Messages.h"

namespace veyra {

const TClassInfo& TCustomTrackBar::StaticClass() {
    static const TClassInfo info(
        "TCustomTrackBar", &TWinControl::StaticClass(),
        TPropertyList<TCustomTrackBar>()
            .Integer("Frequency", &TCustomTrackBar::Frequency, &TCustomTrackBar::SetFrequency)
            .Integer("Max", &TCustomTrackBar::Max, &TCustomTrackBar::SetMax)
            .Integer("Min", &TCustomTrackBar::Min, &TCustomTrackBar::SetMin)
            .Event("OnChange", &TCustomTrackBar::OnChange)
            .Enum("Orientation", {"trHorizontal", "trVertical"}, &TCustomTrackBar::Orientation,
                  &TCustomTrackBar::SetOrientation)
            .Integer("Position", &TCustomTrackBar::Position, &TCustomTrackBar::SetPosition)
            .Take());
    return info;
}

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info(
        "TTrackBar", &TCustomTrackBar::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TTrackBar(owner); });
    return info;
}

TCustomTrackBar::TCustomTrackBar(TComponent* owner) : TWinControl(owner) {}

void TCustomTrackBar::SetMin(int value) {
    Min_ = value;
    WriteAll();
}

void TCustomTrackBar::SetMax(int value) {
    Max_ = value;
    WriteAll();
}

void TCustomTrackBar::SetPosition(int value) {
    const bool changed = value != Position_;
    Position_ = value;
    if (WindowHandle())
        SendMessageW(WindowHandle(), TBM_SETPOS, TRUE, value);
    if (changed && !IsLoading() && OnChange)
        OnChange(this);
}

void TCustomTrackBar::SetFrequency(int value) {
    Frequency_ = value;
    WriteAll();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation orientation) {
    if (orientation == Orientation_)
        return;
    Orientation_ = orientation;
    RecreateWnd();
}

void TCustomTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = TRACKBAR_CLASSW;
    params.Style |= WS_TABSTOP | TBS_AUTOTICKS | (Orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TCustomTrackBar::WindowCreated() {
    WriteAll();
}

void TCustomTrackBar::WriteAll() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, TBM_SETRANGEMIN, FALSE, Min_);
    SendMessageW(window, TBM_SETRANGEMAX, FALSE, Max_);
    SendMessageW(window, TBM_SETTICFREQ, static_cast<WPARAM>(Frequency_), 0);
    SendMessageW(window, TBM_SETPOS, TRUE, Position_);
}

void TCustomTrackBar::CnScroll() {
    const int now = static_cast<int>(SendMessageW(WindowHandle(), TBM_GETPOS, 0, 0));
    if (now == Position_)
        return;
    Position_ = now;
    if (OnChange)
        OnChange(this);
}

void TCustomTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        CnScroll();
        message.Result = 0;
        return;
    case CN_NOTIFY:
        // The number is shared with a message whose lParam is a small
        // signature; nothing below 64 KB is ever a notification's address.
        if (message.LParam >= 0x10000 && reinterpret_cast<const NMHDR*>(message.LParam)->code ==
                                             static_cast<UINT>(NM_CUSTOMDRAW)) {
            message.Result = CDRF_DODEFAULT;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
