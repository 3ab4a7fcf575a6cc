#pragma once

#include <windows.h>

#include "skin/data/SystemColours.h"

#include <cstdint>
#include <utility>

namespace veyra {

// Owns one GDI object (font, brush, bitmap, region) and deletes it once.
template <class H>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(H handle) : Handle_(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(TGdiObject&& other) noexcept : Handle_(std::exchange(other.Handle_, nullptr)) {}
    TGdiObject& operator=(TGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.Handle_, nullptr));
        return *this;
    }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;

    H Get() const { return Handle_; }
    explicit operator bool() const { return Handle_ != nullptr; }
    // Deletes the held object and takes handle instead.
    void Reset(H handle = nullptr)
    {
        if (Handle_)
            DeleteObject(Handle_);
        Handle_ = handle;
    }

private:
    H Handle_ = nullptr;
};

// Selects an object into a device context for one scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : Dc_(dc), Old_(SelectObject(dc, object)) {}
    ~TSelectObject() { SelectObject(Dc_, Old_); }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC Dc_;
    HGDIOBJ Old_;
};

// BeginPaint and EndPaint around one WM_PAINT, however the painting ends.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : Window_(window), Dc_(BeginPaint(window, &Paint_)) {}
    ~TPaintScope() { EndPaint(Window_, &Paint_); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    HDC Dc() const { return Dc_; }

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
inline COLORREF ColorToRGB(TColor color)
{
    const auto raw = static_cast<std::uint32_t>(color);
    return (raw & 0xFF000000u) == 0xFF000000u ? GetSysColor(static_cast<int>(raw & 0xFF)) : raw & 0x00FFFFFFu;
}

} // namespace veyra
