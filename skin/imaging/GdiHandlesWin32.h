#pragma once

// Move-only owners of GDI handles and of device-context state, so painting
// code never deletes, releases or deselects anything by hand.

#include <windows.h>

#include <utility>

namespace veyra {

// Owns one GDI object (bitmap, region, font, brush, pen) and deletes it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : Handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : Handle_(std::exchange(other.Handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        Reset(std::exchange(other.Handle_, nullptr));
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return Handle_; }
    explicit operator bool() const { return Handle_ != nullptr; }
    // Gives up ownership: the caller deletes the handle (or hands it to the
    // system, as SetWindowRgn takes its region).
    Handle Release() { return std::exchange(Handle_, nullptr); }
    // Deletes the handle held and takes handle instead.
    void Reset(Handle handle = nullptr) {
        if (Handle_ != nullptr && Handle_ != handle)
            DeleteObject(Handle_);
        Handle_ = handle;
    }

private:
    Handle Handle_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;

// A memory device context compatible with the screen (or with another DC),
// deleted when the owner goes.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith = nullptr) : Dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    MemoryDc(MemoryDc&& other) noexcept : Dc_(std::exchange(other.Dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            if (Dc_ != nullptr)
                DeleteDC(Dc_);
            Dc_ = std::exchange(other.Dc_, nullptr);
        }
        return *this;
    }
    ~MemoryDc() {
        if (Dc_ != nullptr)
            DeleteDC(Dc_);
    }

    HDC Get() const { return Dc_; }
    explicit operator bool() const { return Dc_ != nullptr; }

private:
    HDC Dc_ = nullptr;
};

// Selects an object into a DC for the scope and puts the previous one back.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : Dc_(dc), Previous_(SelectObject(dc, object)) {}
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    SelectObjectScope(SelectObjectScope&& other) noexcept
        : Dc_(std::exchange(other.Dc_, nullptr)), Previous_(std::exchange(other.Previous_, nullptr)) {}
    SelectObjectScope& operator=(SelectObjectScope&&) = delete;
    ~SelectObjectScope() {
        if (Dc_ != nullptr && Previous_ != nullptr && Previous_ != HGDI_ERROR)
            SelectObject(Dc_, Previous_);
    }

private:
    HDC Dc_ = nullptr;
    HGDIOBJ Previous_ = nullptr;
};

// A window's DC for a scope: the whole window's (window true) or the client
// area's; a null window gives the screen's. Released at the end.
class WindowDcScope {
public:
    explicit WindowDcScope(HWND window, bool wholeWindow = true)
        : Window_(window), Dc_(wholeWindow && window ? GetWindowDC(window) : GetDC(window)) {}
    WindowDcScope(const WindowDcScope&) = delete;
    WindowDcScope& operator=(const WindowDcScope&) = delete;
    ~WindowDcScope() {
        if (Dc_)
            ReleaseDC(Window_, Dc_);
    }
    HDC Get() const { return Dc_; }

private:
    HWND Window_;
    HDC Dc_;
};

// Saves a DC's whole state for a scope.
class SavedDcScope {
public:
    explicit SavedDcScope(HDC dc) : Dc_(dc), Saved_(SaveDC(dc)) {}
    SavedDcScope(const SavedDcScope&) = delete;
    SavedDcScope& operator=(const SavedDcScope&) = delete;
    ~SavedDcScope() {
        if (Saved_)
            RestoreDC(Dc_, Saved_);
    }

private:
    HDC Dc_;
    int Saved_;
};

} // namespace veyra
