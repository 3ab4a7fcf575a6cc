#include "BandColours.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/CoolBar.h"

namespace veyra {

namespace {

// The rebar's own colours of band index; false when the window does not answer.
bool ReadBandColours(HWND rebar, int index, COLORREF& fore, COLORREF& back) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_COLORS;
    if (!SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&info)))
        return false;
    fore = info.clrFore;
    back = info.clrBack;
    return true;
}

void WriteBandColours(HWND rebar, int index, COLORREF fore, COLORREF back) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_COLORS;
    info.clrFore = fore;
    info.clrBack = back;
    SendMessageW(rebar, RB_SETBANDINFOW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&info));
}

} // namespace

void TBandColours::Adopt(TCoolBar& bar, TColor face) {
    const bool kept = std::any_of(Bars_.begin(), Bars_.end(),
                                  [&bar](const TKeptBar& k) { return k.Bar == &bar; });
    if (!kept) {
        TKeptBar record{&bar, {}};
        const HWND rebar = bar.HandleAllocated() ? bar.WindowHandle() : nullptr;
        for (std::size_t i = 0; i < bar.Bands().size(); ++i) {
            TSavedBand saved{bar.Bands()[i].Control, bar.Bands()[i].Color};
            if (rebar)
                saved.Read = ReadBandColours(rebar, static_cast<int>(i), saved.Fore, saved.Back);
            record.Bands.push_back(saved);
        }
        Bars_.push_back(std::move(record));
        bar.FreeNotification(this);
    }
    PaintFace(bar, face);
}

void TBandColours::Recolour(TColor face) {
    for (const TKeptBar& kept : Bars_)
        PaintFace(*kept.Bar, face);
}

void TBandColours::Release() {
    for (const TKeptBar& kept : std::exchange(Bars_, {})) {
        kept.Bar->RemoveFreeNotification(this);
        if (!kept.Bar->IsDestroying())
            GiveBack(*kept.Bar, kept.Bands);
    }
}

void TBandColours::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        std::erase_if(Bars_, [component](const TKeptBar& k) { return k.Bar == component; });
}

void TBandColours::PaintFace(TCoolBar& bar, TColor face) {
    for (int i = 0; i < static_cast<int>(bar.Bands().size()); ++i)
        bar.SetBandColor(i, face);
}

void TBandColours::GiveBack(TCoolBar& bar, const std::vector<TSavedBand>& saved) {
    const HWND rebar =
        bar.HandleAllocated() && IsWindow(bar.WindowHandle()) ? bar.WindowHandle() : nullptr;
    // Bands only go (with their control) or come at the end: the saved
    // bands still there are found in order.
    std::size_t next = 0;
    for (int i = 0; i < static_cast<int>(bar.Bands().size()) && next < saved.size(); ++i) {
        const TWinControl* control = bar.Bands()[static_cast<std::size_t>(i)].Control;
        while (next < saved.size() && saved[next].Control != control)
            ++next;
        if (next == saved.size())
            break;
        const TSavedBand& band = saved[next++];
        bar.SetBandColor(i, band.Color);
        if (rebar && band.Read)
            WriteBandColours(rebar, i, band.Fore, band.Back);
    }
}

} // namespace veyra
