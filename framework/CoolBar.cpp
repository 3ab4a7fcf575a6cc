#include "CoolBar.h"

#include <algorithm>
#include <string>

#include "ClassInfo.h"

namespace veyra {

const TClassInfo& TCoolBar::StaticClass() {
    static const TClassInfo info(
        "TCoolBar", &TWinControl::StaticClass(), TPropertyList<TCoolBar>().Take(),
        [](TComponent* owner) -> TComponent* { return new TCoolBar(owner); });
    return info;
}

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, 30);
}

void TCoolBar::AddBand(TWinControl* control, const std::wstring& text) {
    TCoolBand band;
    band.Text = text;
    band.Control = control;
    Bands_.push_back(band);
    if (control) {
        FreeNotification(control);
        control->SetParent(this);
    }
    WriteBands();
}

void TCoolBar::SetBandColor(int index, TColor color) {
    if (index < 0 || index >= static_cast<int>(Bands_.size()))
        throw EComponentError("Cool band index " + std::to_string(index) + " is out of range");
    Bands_[static_cast<std::size_t>(index)].Color = color;
    if (!HandleAllocated())
        return;
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_COLORS;
    info.clrFore = GetSysColor(COLOR_BTNTEXT);
    info.clrBack = ColorToRGB(color);
    SendMessageW(WindowHandle(), RB_SETBANDINFOW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&info));
    InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    const auto gone =
        std::remove_if(Bands_.begin(), Bands_.end(),
                       [component](const TCoolBand& band) { return band.Control == component; });
    if (gone == Bands_.end())
        return;
    Bands_.erase(gone, Bands_.end());
    // The freed control's window may be on its way out: the rebar forgets it first.
    if (HandleAllocated() && !IsDestroying())
        WriteBands();
}

void TCoolBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    // Registered with the other common controls only on request.
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_COOL_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    static_cast<void>(registered);
    params.SysClassName = REBARCLASSNAMEW;
    params.Style |= RBS_VARHEIGHT | RBS_BANDBORDERS | CCS_NODIVIDER | WS_CLIPCHILDREN;
}

void TCoolBar::WindowCreated() {
    TWinControl::WindowCreated();
    WriteBands();
}

void TCoolBar::WriteBands() {
    if (!HandleAllocated())
        return;
    const HWND window = WindowHandle();
    while (SendMessageW(window, RB_GETBANDCOUNT, 0, 0) > 0)
        SendMessageW(window, RB_DELETEBAND, 0, 0);
    for (TCoolBand& band : Bands_) {
        REBARBANDINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_COLORS | RBBIM_CHILD | RBBIM_CHILDSIZE;
        info.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
        info.lpText = band.Text.data();
        info.clrFore = GetSysColor(COLOR_BTNTEXT);
        info.clrBack = ColorToRGB(band.Color);
        info.hwndChild = band.Control ? band.Control->Handle() : nullptr;
        info.cyMinChild = static_cast<UINT>(
            band.MinHeight > 0 ? band.MinHeight : (band.Control ? band.Control->Height() : 0));
        SendMessageW(window, RB_INSERTBANDW, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(&info));
    }
}

} // namespace veyra
