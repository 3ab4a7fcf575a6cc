#include "GraphicControl.h"

#include <windowsx.h>

#include "ClassInfo.h"
#include "GdiObject.h"
#include "WinControl.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() {
    try {
        Perform(CM_RELEASE, 0, 0);
    } catch (...) {
    }
    Invalidate();
}

void TGraphicControl::Invalidate() {
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const RECT bounds = BoundsRect();
    InvalidateRect(parent->WindowHandle(), &bounds, TRUE);
}

void TGraphicControl::BoundsChanged() {
    // The old place shows the parent again, the new one the control.
    if (Parent() && Parent()->HandleAllocated())
        InvalidateRect(Parent()->WindowHandle(), &PaintedBounds_, TRUE);
    PaintedBounds_ = BoundsRect();
    Invalidate();
}

void TGraphicControl::VisibleChanged() {
    TWinControl* parent = Parent();
    if (parent && parent->HandleAllocated()) {
        const RECT bounds = BoundsRect();
        InvalidateRect(parent->WindowHandle(), &bounds, TRUE);
    }
}

void TGraphicControl::Paint(HDC) {}

void TGraphicControl::MouseUp(TMouseButton, TShiftState, int, int) {}

void TGraphicControl::MouseMove(TShiftState, int, int) {}

void TGraphicControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam)
            Paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return;
    case CM_MOUSEENTER:
        MouseInControl_ = true;
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        MouseInControl_ = false;
        MouseLeave();
        return;
    case WM_LBUTTONUP:
        MouseUp(mbLeft, KeysToShiftState(message.WParam), GET_X_LPARAM(message.LParam),
                GET_Y_LPARAM(message.LParam));
        return;
    case WM_MOUSEMOVE:
        MouseMove(KeysToShiftState(message.WParam), GET_X_LPARAM(message.LParam),
                  GET_Y_LPARAM(message.LParam));
        return;
    default:
        TControl::WndProc(message);
    }
}

void TGraphicControl::PaintChildren(TWinControl& parent, HDC dc, const RECT& clip) {
    for (TControl* child : parent.Controls()) {
        auto* graphic = As<TGraphicControl>(child);
        if (!graphic || !graphic->Visible())
            continue;
        const RECT bounds = graphic->BoundsRect();
        RECT meet{};
        if (!IntersectRect(&meet, &bounds, &clip))
            continue;
        const SavedDcScope saved(dc);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
        graphic->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

TGraphicControl* TGraphicControl::ChildAt(const TWinControl& parent, POINT point) {
    const auto& children = parent.Controls();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* graphic = As<TGraphicControl>(*it);
        const RECT bounds = graphic ? graphic->BoundsRect() : RECT{};
        if (graphic && graphic->Visible() && PtInRect(&bounds, point))
            return graphic;
    }
    return nullptr;
}

} // namespace veyra
