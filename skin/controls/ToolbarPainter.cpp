#include "ToolbarPainter.h"

#include <commctrl.h>

#include "ControlDrawing.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

constexpr int kButtonFrames = 5;

} // namespace

int ToolButtonFrame(UINT state) {
    if (state & (CDIS_SELECTED | CDIS_CHECKED))
        return 2;
    if (state & (CDIS_HOT | CDIS_FOCUS))
        return 4;
    if ((state & CDIS_DEFAULT) && !(state & (CDIS_GRAYED | CDIS_DISABLED)))
        return 1;
    return 0;
}

bool PaintToolBarBackground(HDC dc, const RECT& rect, const TSkinDefinition* skin,
                            bool keepPlatformBackground) {
    const TDataSkinObject* element = skin ? skin->Find("Toolbar") : nullptr;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!dc || keepPlatformBackground || !element || element->Image.IsEmpty() || width <= 0 ||
        height <= 0)
        return false;
    DibSurface surface(width, height);
    DrawFrameStretched(surface.Pixels(), Rect{0, 0, width, height}, element->Image,
                       Transparency::Opaque, 1, 1);
    DrawBitmapToDc(dc, rect.left, rect.top, surface.Pixels());
    return true;
}

bool PaintToolButton(HDC dc, const RECT& rect, UINT state, const TSkinDefinition* skin,
                     COLORREF& textColour) {
    const int frame = ToolButtonFrame(state);
    if (!dc || !skin || frame == 0 || skin->Buttons.Image.IsEmpty())
        return false;
    const RECT inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    const int width = inner.right - inner.left;
    const int height = inner.bottom - inner.top;
    if (width <= 0 || height <= 0)
        return false;
    // What the bar shows there first, so that the element's transparent
    // parts keep it.
    DibSurface surface(width, height);
    BitBlt(surface.Dc(), 0, 0, width, height, dc, inner.left, inner.top, SRCCOPY);
    DrawElementState(surface.Pixels(), Rect{0, 0, width, height}, kButtonFrames, frame,
                     skin->Buttons);
    DrawBitmapToDc(dc, inner.left, inner.top, surface.Pixels());
    const TDataSkinButton& buttons = skin->Buttons;
    if (frame == 1 && buttons.NormalColour2Given)
        textColour = ResolveColour(buttons.NormalColour2);
    else if (frame == 2 && buttons.PressedColour2Given)
        textColour = ResolveColour(buttons.PressedColour2);
    else if (frame == 4 && buttons.MouseOverColour2Given)
        textColour = ResolveColour(buttons.MouseOverColour2);
    return true;
}

} // namespace veyra
