#pragma once

#include <windows.h>

#include "WinControl.h"

namespace veyra {

// A windowed control that draws itself: its own window class (named after
// its framework class, no system control behind it) and a Paint to
// override. WM_PAINT with a DC in wParam paints into that DC and leaves the
// window's update region alone, as a caller that wants the picture (a parent
// drawing its background for a child, a print) expects; otherwise the
// control paints what BeginPaint asks for.
class TCustomControl : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomControl(TComponent* owner);

protected:
    // Draws the control into dc. clip is the part of the client area to
    // draw, in client coordinates: the update rectangle, or the whole client
    // area when the DC came in wParam. Nothing here.
    virtual void Paint(HDC dc, const RECT& clip);

    void WndProc(TMessage& message) override;

private:
    void WmPaint(TMessage& message);
};

} // namespace veyra
