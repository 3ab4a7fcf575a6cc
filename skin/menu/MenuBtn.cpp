#include "MenuBtn.h"

#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

void FillLine(HDC dc, int left, int top, int right, int bottom, Colour colour) {
    const BrushHandle brush(CreateSolidBrush(ResolveColour(colour)));
    const RECT line{left, top, right, bottom};
    if (brush)
        FillRect(dc, &line, brush.Get());
}

// A one-pixel outline: light top and left, dark bottom and right, or the
// other way round for a sunken one.
void DrawOutline(HDC dc, const RECT& r, Colour topLeft, Colour bottomRight) {
    FillLine(dc, r.left, r.top, r.right, r.top + 1, topLeft);
    FillLine(dc, r.left, r.top, r.left + 1, r.bottom, topLeft);
    FillLine(dc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    FillLine(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
}

} // namespace

wchar_t TMenuBtn::AccessKey() const {
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != L'&')
            continue;
        if (Caption[i + 1] != L'&')
            return static_cast<wchar_t>(reinterpret_cast<UINT_PTR>(
                CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(Caption[i + 1])))));
        ++i; // "&&" is a literal ampersand
    }
    return 0;
}

void TMenuBtn::PaintInto(HDC dc) const {
    const Rect& bar = Canvas_.BarRect;
    RECT r{BoundsRect.Left - bar.Left, BoundsRect.Top - bar.Top, BoundsRect.Right - bar.Left,
           BoundsRect.Bottom - bar.Top};
    if (r.right <= r.left)
        return;
    if (State == Hot)
        DrawOutline(dc, r, Canvas_.Light, Canvas_.Dark);
    else if (State == Pressed)
        DrawOutline(dc, r, Canvas_.Dark, Canvas_.Light);
    const SelectObjectScope font(dc, Canvas_.Font ? static_cast<HGDIOBJ>(Canvas_.Font)
                                                  : GetStockObject(DEFAULT_GUI_FONT));
    const BkModeScope transparent(dc, TRANSPARENT);
    const TextColourScope colour(dc,
                                 ResolveColour(ItemEnabled ? Canvas_.Text : Canvas_.DisabledText));
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
    if (Canvas_.RightToLeft)
        format |= DT_RTLREADING;
    DrawUtf16Text(dc, Caption, r, format);
}

void TMenuBtn::Paint() {
    if (!Canvas_.Window || !Canvas_.BarImage || Canvas_.BarImage->IsEmpty() ||
        (Canvas_.CanPaint && !Canvas_.CanPaint()))
        return;
    const Rect& bar = Canvas_.BarRect;
    const int width = BoundsRect.Width();
    const int height = bar.Height();
    if (width <= 0 || height <= 0 || BoundsRect.Left < bar.Left)
        return;
    try {
        // The item's column of the bar, composed off screen and copied in one block.
        DibSurface column(width, height);
        DrawBitmap(column.Pixels(), bar.Left - BoundsRect.Left, 0, *Canvas_.BarImage);
        SetViewportOrgEx(column.Dc(), bar.Left - BoundsRect.Left, 0, nullptr);
        PaintInto(column.Dc());
        SetViewportOrgEx(column.Dc(), 0, 0, nullptr);
        const WindowDcScope dc(Canvas_.Window);
        if (dc.Get())
            DrawBitmapToDc(dc.Get(), BoundsRect.Left, bar.Top, column.Pixels());
    } catch (...) {
        // Painting errors are swallowed; the scopes let go of everything.
    }
}

} // namespace veyra
