#include "ProgressBar.h"

#include <commctrl.h>

namespace veyra {

const TClassInfo& TCustomProgressBar::StaticClass() {
    static const TClassInfo info(
        "TCustomProgressBar", &TWinControl::StaticClass(),
        TPropertyList<TCustomProgressBar>()
            .Integer("Max", &TCustomProgressBar::Max, &TCustomProgressBar::SetMax)
            .Integer("Min", &TCustomProgressBar::Min, &TCustomProgressBar::SetMin)
            .Enum("Orientation", {"pbHorizontal", "pbVertical"}, &TCustomProgressBar::Orientation,
                  &TCustomProgressBar::SetOrientation)
            .Integer("Position", &TCustomProgressBar::Position, &TCustomProgressBar::SetPosition)
            .Bool("Smooth", &TCustomProgressBar::Smooth, &TCustomProgressBar::SetSmooth)
            .Take());
    return info;
}

const TClassInfo& TProgressBar::StaticClass() {
    static const TClassInfo info(
        "TProgressBar", &TCustomProgressBar::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TProgressBar(owner); });
    return info;
}

TCustomProgressBar::TCustomProgressBar(TComponent* owner) : TWinControl(owner) {}

void TCustomProgressBar::SetMin(int value) {
    Min_ = value;
    WriteRange();
}

void TCustomProgressBar::SetMax(int value) {
    Max_ = value;
    WriteRange();
}

void TCustomProgressBar::SetPosition(int value) {
    Position_ = value;
    if (WindowHandle())
        SendMessageW(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void TCustomProgressBar::SetOrientation(TProgressBarOrientation orientation) {
    if (orientation == Orientation_)
        return;
    Orientation_ = orientation;
    RecreateWnd();
}

void TCustomProgressBar::SetSmooth(bool on) {
    if (on == Smooth_)
        return;
    Smooth_ = on;
    RecreateWnd();
}

void TCustomProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = PROGRESS_CLASSW;
    if (Orientation_ == pbVertical)
        params.Style |= PBS_VERTICAL;
    if (Smooth_)
        params.Style |= PBS_SMOOTH;
}

void TCustomProgressBar::WindowCreated() {
    WriteRange();
}

void TCustomProgressBar::WriteRange() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    // While loading, the position may come before the range.
    SendMessageW(window, PBM_SETRANGE32, static_cast<WPARAM>(Min_), static_cast<LPARAM>(Max_));
    SendMessageW(window, PBM_SETPOS, static_cast<WPARAM>(Position_), 0);
}

} // namespace veyra
