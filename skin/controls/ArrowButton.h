#pragma once

#include <windows.h>

#include <memory>

#include "OverlayWindow.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

class TSkinControl;

// The skinned drop-down button of a date-time picker: a small window of its
// own laid over the picker's calendar button, inside the picker, drawn from
// the skin's ComboxArrow picture (normal, or hot while the mouse is over it
// and the picker is enabled). A click on it becomes a click on the picker's
// own button, which opens the picker's calendar; the picker then gets the
// focus. Owned by its skin object; the window goes with it, or with the
// picker.
class TArrowButton : public TOverlayWindow {
public:
    // Made at once over picker's button, drawn with owner's skin.
    TArrowButton(TSkinControl& owner, HWND picker);

    // Puts the button where the picker's calendar button is now.
    void Place();
    void Show(bool on);
    bool Hot() const { return Hot_; }
    HWND Picker() const { return Picker_; }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove();
    LRESULT OnMouseLeave();
    LRESULT OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) override;

    TSkinControl& Owner_;
    HWND Picker_;
    int Arrow_;
    bool Hot_ = false;
    std::unique_ptr<DibSurface> Buffer_;
};

} // namespace veyra
