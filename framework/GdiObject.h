#pragma once

#include <windows.h>

#include "skin/data/SystemColours.h"
#include "skin/imaging/GdiHandlesWin32.h"

#include <cstdint>
#include <utility>

namespace veyra {

// The framework's GDI owners are the imaging layer's: one owner for every
// GDI object in the program.
template <class H> using TGdiObject = GdiObject<H>;
using TSelectObject = SelectObjectScope;

// BeginPaint and EndPaint around one WM_PAINT, however the painting ends.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : Window_(window), Dc_(BeginPaint(window, &Paint_)) {
        if (Dc_)
            CountHandles(THandleKind::PaintDc, 1);
    }
    ~TPaintScope() {
        EndPaint(Window_, &Paint_);
        if (Dc_)
            CountHandles(THandleKind::PaintDc, -1);
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HDC Dc() const { return Dc_; }
    // The part of the client area to paint, as BeginPaint gave it.
    const RECT& PaintRect() const { return Paint_.rcPaint; }

private:
    HWND Window_;
    PAINTSTRUCT Paint_{};
    HDC Dc_;
};

// A colour value of the framework: 0x00BBGGRR, or 0xFF000000 plus a system colour index.
using TColor = std::int32_t;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
// The system colour references themselves (clBtnFace, clWindow ...) are the
// skin core's, so framework and skin speak of the same colours.

// The RGB value of a colour, system colours resolved now.
inline COLORREF ColorToRGB(TColor color) {
    const auto raw = static_cast<std::uint32_t>(color);
    return (raw & 0xFF000000u) == 0xFF000000u ? GetSysColor(static_cast<int>(raw & 0xFF))
                                              : raw & 0x00FFFFFFu;
}

} // namespace veyra
