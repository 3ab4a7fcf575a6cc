#pragma once

#include <windows.h>

#include "skin/form/SkinWindow.h"

namespace veyra {

// A small child window of the engine's own that a skin object lays over
// part of a control and draws wholly from the skin (a date-time picker's
// drop-down button, a scroll-bar overlay). The base makes the window,
// answers its erase and paint through Paint, notes when the parent takes
// the window with it, and otherwise destroys the window with the object. A
// derived class handles the mouse in its own WndProc and gives every other
// message to this one.
class TOverlayWindow : public TSkinWindow {
public:
    ~TOverlayWindow() override;

protected:
    TOverlayWindow();

    // Makes the window, hidden and empty, as a child of parent in a window
    // class named className (registered on first use) and joins its
    // subclass chain; false, with no window left, when either fails.
    bool CreateOverlay(const wchar_t* className, DWORD exStyle, HWND parent);
    // The window was destroyed under the object (its parent went).
    bool WindowGone() const { return WindowGone_; }
    // Draws the window now, outside WM_PAINT; a paint that throws (a broken
    // skin) leaves it as it was.
    void PaintNow();
    // Draws the whole client area into dc.
    virtual void Paint(HDC dc) = 0;

    // Erase (nothing: the paint covers every pixel), paint and the window's
    // end; the rest goes to the previous handler.
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool WindowGone_ = false;
};

} // namespace veyra
