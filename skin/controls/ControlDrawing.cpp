#include "ControlDrawing.h"

#include <algorithm>

#include "framework/Control.h"
#include "framework/WinControl.h"
#include "skin/component/SkinData.h"
#include "skin/data/DataSkinObject.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

int RectWidth(const RECT& r) {
    return r.right - r.left;
}
int RectHeight(const RECT& r) {
    return r.bottom - r.top;
}

// A frame index that names a frame of an image split into frameCount parts
// of at least one pixel each.
bool FrameExists(const Bitmap& image, int frameCount, int frameIndex) {
    return !image.IsEmpty() && frameCount >= 1 && frameIndex >= 1 && frameIndex <= frameCount &&
           image.Width() >= frameCount;
}

// Text in the shadow colour while a control is disabled; the DC's own
// colour otherwise.
void DrawTextInState(HDC dc, std::wstring_view text, RECT& rect, UINT flags, bool enabled) {
    if (enabled) {
        DrawUtf16Text(dc, text, rect, flags);
        return;
    }
    const TextColourScope shadow(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawUtf16Text(dc, text, rect, flags);
}

} // namespace

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const BrushHandle brush(CreateSolidBrush(colour));
    if (brush)
        FillRect(dc, &rect, brush.Get());
}

void DrawElementState(Bitmap& target, const Rect& rect, int frameCount, int frameIndex,
                      const TDataSkinObject& element) {
    if (rect.Right < rect.Left || rect.Bottom < rect.Top)
        return;
    if (!FrameExists(element.Image, frameCount, frameIndex))
        return;
    DrawSlicedFrame(target, rect, element.Image, FrameLayout::Horizontal,
                    element.Tile != 0 ? MiddleFill::Tile : MiddleFill::Stretch,
                    element.Trans == 1 ? Transparency::KeyColour : Transparency::Opaque, frameCount,
                    frameIndex, element.GetMargins());
}

void DrawStripFrame(Bitmap& target, const Rect& rect, int frameCount, int frameIndex,
                    const Bitmap& image) {
    if (rect.Right < rect.Left || rect.Bottom < rect.Top)
        return;
    if (!FrameExists(image, frameCount, frameIndex))
        return;
    const int width = image.Width() / frameCount;
    const Rect source{width * (frameIndex - 1), 0, width * frameIndex, image.Height()};
    StretchDraw(target, rect, image, source, Transparency::KeyColour);
}

void DrawCaptionText(HDC dc, const RECT& rect, std::wstring_view text, bool enabled,
                     TTextPlace place, UINT extraFlags) {
    const UINT flags = static_cast<UINT>(place) | DT_EXPANDTABS;
    RECT t = rect;
    const BkModeScope transparent(dc, TRANSPARENT);
    DrawUtf16Text(dc, text, t, flags | DT_CALCRECT | DT_NOCLIP);
    const int dy = (RectHeight(rect) - RectHeight(t)) / 2 - 1;
    if (place == TTextPlace::Centre) {
        OffsetRect(&t, (RectWidth(rect) - RectWidth(t)) / 2, dy);
    } else {
        OffsetRect(&t, 0, dy);
        t.left = rect.left;
        t.right = rect.right;
    }
    DrawTextInState(dc, text, t, flags | extraFlags, enabled);
}

void DrawIconText(HDC dc, const RECT& rect, HIMAGELIST images, int imageIndex,
                  std::wstring_view text, bool enabled, TTextPlace place, UINT extraFlags) {
    int cx = 0;
    int cy = 0;
    if (images)
        ImageList_GetIconSize(images, &cx, &cy);
    RECT icon{};
    const bool withIcon = images && imageIndex != -1 && RectWidth(rect) > cx;
    if (withIcon)
        icon = RECT{0, 0, cx, cy};
    else
        cx = 0;

    const UINT flags = DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS;
    RECT x = rect;
    if (!text.empty())
        DrawUtf16Text(dc, text, x, flags | DT_CALCRECT | DT_NOCLIP);
    else
        x.right = x.left;

    OffsetRect(&icon, rect.left, rect.top);
    int p = 3;
    if (place == TTextPlace::Centre)
        p = (RectWidth(rect) - cx - RectWidth(x)) / 2;
    else if (place == TTextPlace::Right)
        p = RectWidth(rect) - cx - RectWidth(x) - 2;
    if (p < 2)
        p = 1;
    OffsetRect(&icon, p, (RectHeight(rect) - cy) / 2);
    OffsetRect(&x, p + cx, (RectHeight(rect) - RectHeight(x)) / 2);

    if (withIcon)
        ImageList_Draw(images, imageIndex, dc, icon.left, icon.top, ILD_TRANSPARENT);
    if (text.empty())
        return;
    const BkModeScope transparent(dc, TRANSPARENT);
    x.left = std::max(x.left, rect.left);
    x.right = std::min(x.right, rect.right);
    DrawTextInState(dc, text, x, flags | extraFlags, enabled);
}

COLORREF ToColorRef(Colour colour) {
    return static_cast<COLORREF>(ResolveColour(colour) & 0x00FFFFFFu);
}

void PaintParentBackground(TControl& control, HDC dc) {
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const SavedDcScope saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - control.Left(), origin.y - control.Top(), nullptr);
    const RECT bounds = control.BoundsRect();
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    // Sent to the window, not performed on the framework object: the parent's
    // own skinning (a skinned form fills its face) sits in its subclass chain.
    // The client is asked to print rather than to paint: a window's WM_PAINT
    // would validate its own update region and draw on its own DC.
    const HWND window = parent->WindowHandle();
    const auto dcParam = reinterpret_cast<WPARAM>(dc);
    SendMessageW(window, WM_ERASEBKGND, dcParam, 0);
    SendMessageW(window, WM_PRINTCLIENT, dcParam, PRF_CLIENT);
}

void PaintBetweenBeginAndEnd(HWND window, const std::function<void(HDC)>& paint) {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window, &ps);
    if (dc)
        CountHandles(THandleKind::PaintDc, 1);
    try {
        if (dc)
            paint(dc);
    } catch (...) {
    }
    EndPaint(window, &ps);
    if (dc)
        CountHandles(THandleKind::PaintDc, -1);
}

bool TrackMouseLeave(HWND window) {
    return window && TSkinData::OptionalTrackMouseLeave(window);
}

} // namespace veyra
