#pragma once

#include <windows.h>

#include "Control.h"

namespace veyra {

class TWinControl;

// A control without a window of its own: its parent paints it (WM_PAINT
// performed with the parent's DC, moved to the control's origin and clipped
// to it) and hands it the mouse messages over its bounds, with CM_MOUSEENTER
// and CM_MOUSELEAVE as the mouse comes and goes.
//
// Before it is freed it performs CM_RELEASE through its WindowProc, so that
// whoever hooked it lets go while the control still stands.
class TGraphicControl : public TControl {
    VEYRA_CLASS()
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // Asks the parent to repaint the control's bounds.
    void Invalidate() override;
    // Whether the mouse is over the control.
    bool MouseInControl() const { return MouseInControl_; }

    // The parent's side: paints the visible graphic children of parent that
    // meet clip (client coordinates) into dc, in z-order.
    static void PaintChildren(TWinControl& parent, HDC dc, const RECT& clip);
    // The graphic child of parent at a client point, topmost first; null
    // when none (hidden ones do not count).
    static TGraphicControl* ChildAt(const TWinControl& parent, POINT point);

protected:
    // Draws the control into dc, whose origin is the control's top-left.
    virtual void Paint(HDC dc);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // The left button went up at x, y (control coordinates).
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The mouse moved to x, y (control coordinates).
    virtual void MouseMove(TShiftState shift, int x, int y);

    void WndProc(TMessage& message) override;
    void BoundsChanged() override;
    void VisibleChanged() override;

private:
    bool MouseInControl_ = false;
    RECT PaintedBounds_{};
};

} // namespace veyra
