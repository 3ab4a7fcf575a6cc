#pragma once

// Owners of GDI handles and scopes of device-context state, so painting code
// never deletes, releases, deselects or resets anything by hand.

#include <windows.h>

#include <type_traits>
#include <utility>

#include "HandleCounts.h"
#include "UniqueHandle.h"

namespace veyra {

// The counted kind of a GDI object type.
template <typename Handle> constexpr THandleKind GdiKindOf() {
    if constexpr (std::is_same_v<Handle, HBITMAP>)
        return THandleKind::Bitmap;
    else if constexpr (std::is_same_v<Handle, HRGN>)
        return THandleKind::Region;
    else if constexpr (std::is_same_v<Handle, HFONT>)
        return THandleKind::Font;
    else if constexpr (std::is_same_v<Handle, HBRUSH>)
        return THandleKind::Brush;
    else if constexpr (std::is_same_v<Handle, HPEN>)
        return THandleKind::Pen;
    else
        return THandleKind::GdiObject;
}

// Frees a GDI object (bitmap, region, font, brush, pen).
template <typename Handle> struct GdiObjectDeleter {
    static constexpr Handle Null = nullptr;
    static constexpr THandleKind Kind = GdiKindOf<Handle>();
    void operator()(Handle handle) const { DeleteObject(handle); }
};

// Owns one GDI object and deletes it.
template <typename Handle> using GdiObject = UniqueHandle<Handle, GdiObjectDeleter<Handle>>;

using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;

// A memory device context compatible with the screen (or with another DC),
// deleted when the owner goes.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith = nullptr) : Dc_(CreateCompatibleDC(compatibleWith)) {
        if (Dc_ != nullptr)
            CountHandles(THandleKind::MemoryDc, 1);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    MemoryDc(MemoryDc&& other) noexcept : Dc_(std::exchange(other.Dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            Free();
            Dc_ = std::exchange(other.Dc_, nullptr);
        }
        return *this;
    }
    ~MemoryDc() { Free(); }

    HDC Get() const { return Dc_; }
    explicit operator bool() const { return Dc_ != nullptr; }

private:
    void Free() {
        if (Dc_ == nullptr)
            return;
        DeleteDC(Dc_);
        CountHandles(THandleKind::MemoryDc, -1);
    }

    HDC Dc_ = nullptr;
};

// Selects an object into a DC for the scope and puts the previous one back.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : Dc_(dc), Previous_(SelectObject(dc, object)) {
        if (Selected())
            CountHandles(THandleKind::SelectedObject, 1);
    }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    SelectObjectScope(SelectObjectScope&& other) noexcept
        : Dc_(std::exchange(other.Dc_, nullptr)),
          Previous_(std::exchange(other.Previous_, nullptr)) {}
    SelectObjectScope& operator=(SelectObjectScope&&) = delete;
    ~SelectObjectScope() {
        if (!Selected())
            return;
        SelectObject(Dc_, Previous_);
        CountHandles(THandleKind::SelectedObject, -1);
    }

private:
    bool Selected() const {
        return Dc_ != nullptr && Previous_ != nullptr && Previous_ != HGDI_ERROR;
    }

    HDC Dc_ = nullptr;
    HGDIOBJ Previous_ = nullptr;
};

// A window's DC for a scope: the whole window's (window true) or the client
// area's; a null window gives the screen's. Released at the end.
class WindowDcScope {
public:
    explicit WindowDcScope(HWND window, bool wholeWindow = true)
        : Window_(window), Dc_(wholeWindow && window ? GetWindowDC(window) : GetDC(window)) {
        if (Dc_)
            CountHandles(THandleKind::WindowDc, 1);
    }
    WindowDcScope(const WindowDcScope&) = delete;
    WindowDcScope& operator=(const WindowDcScope&) = delete;
    ~WindowDcScope() {
        if (!Dc_)
            return;
        ReleaseDC(Window_, Dc_);
        CountHandles(THandleKind::WindowDc, -1);
    }
    HDC Get() const { return Dc_; }

private:
    HWND Window_;
    HDC Dc_;
};

// Saves a DC's whole state for a scope.
class SavedDcScope {
public:
    explicit SavedDcScope(HDC dc) : Dc_(dc), Saved_(SaveDC(dc)) {
        if (Saved_)
            CountHandles(THandleKind::SavedDc, 1);
    }
    SavedDcScope(const SavedDcScope&) = delete;
    SavedDcScope& operator=(const SavedDcScope&) = delete;
    ~SavedDcScope() {
        if (!Saved_)
            return;
        RestoreDC(Dc_, Saved_);
        CountHandles(THandleKind::SavedDc, -1);
    }

private:
    HDC Dc_;
    int Saved_;
};

// Sets how a DC fills behind text and hatches (TRANSPARENT or OPAQUE) for a
// scope, cheaper than saving the whole DC for one setting.
class BkModeScope {
public:
    BkModeScope(HDC dc, int mode) : Dc_(dc), Previous_(SetBkMode(dc, mode)) {}
    BkModeScope(const BkModeScope&) = delete;
    BkModeScope& operator=(const BkModeScope&) = delete;
    ~BkModeScope() {
        if (Previous_ != 0)
            SetBkMode(Dc_, Previous_);
    }

private:
    HDC Dc_;
    int Previous_;
};

// Sets a DC's text colour for a scope.
class TextColourScope {
public:
    TextColourScope(HDC dc, COLORREF colour) : Dc_(dc), Previous_(SetTextColor(dc, colour)) {}
    TextColourScope(const TextColourScope&) = delete;
    TextColourScope& operator=(const TextColourScope&) = delete;
    ~TextColourScope() {
        if (Previous_ != CLR_INVALID)
            SetTextColor(Dc_, Previous_);
    }

private:
    HDC Dc_;
    COLORREF Previous_;
};

} // namespace veyra
