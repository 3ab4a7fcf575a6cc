#include "FramePainter.h"

#include <algorithm>

#include "skin/data/BorderPieces.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {
namespace {

COLORREF ToColorRef(Colour c) {
    const Colour rgb = ResolveColour(c);
    return RGB(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// The caption text on the title bitmap: measured, placed by the title
// element, on its text back when the skin has one, cut with an ellipsis.
Rect DrawCaption(DibSurface& title, const Rect& titleRect, const TFramePaintInput& in) {
    const TSkinDefinition& skin = *in.Skin;
    const TDataSkinTitle& t = skin.Title;
    HDC dc = title.Dc();
    std::optional<SelectObjectScope> font;
    if (in.CaptionFont)
        font.emplace(dc, in.CaptionFont);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(
        dc, ToColorRef(in.Active ? skin.Colours.TitleTextActive : skin.Colours.TitleTextNoActive));

    const std::wstring text = kCaptionPrefix + in.Caption + kCaptionSuffix;
    RECT measured{titleRect.Left, titleRect.Top, titleRect.Right, titleRect.Bottom};
    DrawUtf16Text(dc, text, measured, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);

    TCaptionInput placement;
    placement.TitleRect = titleRect;
    placement.TextWidth = measured.right - measured.left;
    placement.TextHeight = measured.bottom - measured.top;
    placement.RightToLeft = in.RightToLeft;
    placement.Popup = in.Popup;
    placement.ButtonsLeftEdge = in.ButtonsLeftEdge;
    placement.Kind = in.Traits.Kind;
    const Rect placed = PlaceCaptionText(t, placement);

    if (!t.Image.IsEmpty())
        DrawThreeSliceTiled(title.Pixels(),
                            Rect{placed.Left, titleRect.Top, placed.Right, titleRect.Bottom},
                            t.Image, FrameLayout::Vertical, Transparency::KeyColour, 2,
                            in.Active ? 1 : 2, Margins{t.TXTBackleft, 0, t.TXTBackRight, 0});
    RECT textRect{placed.Left + t.TXTBackleft, placed.Top, placed.Right - t.TXTBackRight,
                  placed.Bottom};
    DrawUtf16Text(dc, text, textRect,
                  DT_SINGLELINE | DT_END_ELLIPSIS | (in.RightToLeft ? DT_RIGHT : 0));
    SetBkMode(dc, oldMode);
    return placed;
}

// The title buttons in the title bitmap; the menu-bar ones are left to the menu bar.
void DrawTitleButtons(DibSurface& title, const TTitleButtonLayout& layout,
                      const TFramePaintInput& in) {
    const auto& buttons = in.Buttons ? *in.Buttons : in.Skin->TitleButtons;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const TDataSkinSysButton& button = *buttons[i];
        const Rect& bounds = layout.Bounds[i];
        if (!layout.State[i].Visible || bounds.IsEmpty() ||
            button.Visibility == TTitleVisibility::MdiMaximizedChild)
            continue;
        if (IsIconAction(button.Action)) {
            if (in.Icon) {
                const int size = GetSystemMetrics(SM_CXSMICON);
                DrawIconEx(title.Dc(), bounds.Left, bounds.Top, in.Icon, size, size, 0, nullptr,
                           DI_NORMAL);
            } else if (in.IconBitmap && !in.IconBitmap->IsEmpty()) {
                DrawFrameStretched(title.Pixels(), bounds, *in.IconBitmap, Transparency::KeyColour,
                                   1, 1);
            }
            continue;
        }
        DrawFrameStretched(title.Pixels(), bounds, button.Image, Transparency::KeyColour,
                           std::max(button.Frame, 1),
                           TitleButtonFrameInTitle(button, in.Active, layout.State[i].Enabled));
    }
}

} // namespace

TFramePaintScratch::TFramePaintScratch() = default;
TFramePaintScratch::~TFramePaintScratch() = default;

TFramePaintResult PaintFrame(HDC dc, const TFramePaintInput& in) {
    const TSkinDefinition& skin = *in.Skin;
    const TFrameMetrics& m = in.Metrics;
    const int w = in.Width;
    const int h = in.Height;
    TFramePaintResult result;
    if (w <= 0 || h <= 0)
        return result;
    TFramePaintScratch ownScratch;
    TFramePaintScratch& scratch = in.Scratch ? *in.Scratch : ownScratch;

    Bitmap& left = scratch.Left;
    Bitmap& right = scratch.Right;
    if (!in.Minimized) {
        RenderBorderPiece(left, skin.Left, TBorderPiece::Left, m.BorderLeft, h, in.Active);
        RenderBorderPiece(right, skin.Right, TBorderPiece::Right, m.BorderRight, h, in.Active);
        RenderBorderPiece(scratch.Bottom, skin.Bottom, TBorderPiece::Bottom,
                          w - m.BorderLeft - m.BorderRight, m.BorderBottom, in.Active);
        DrawBitmapToDc(dc, 0, 0, left);
        DrawBitmapToDc(dc, w - m.BorderRight, 0, right);
        DrawBitmapToDc(dc, m.BorderLeft, h - m.BorderBottom, scratch.Bottom);
    }

    // A skin without a title has borders all the same.
    if (m.TitleHeight <= 0)
        return result;

    // The title bar is composed whole and copied in one block, so it never flickers.
    // The surface is kept a little wider than the window, so that a window
    // being resized a pixel at a time does not make a new one every step;
    // only the window's own width of it is composed and copied.
    const int titleHeight = in.Minimized ? h : m.TitleHeight;
    constexpr int kSpareWidth = 64;
    if (!scratch.Title || scratch.Title->Height() != titleHeight || scratch.Title->Width() < w ||
        scratch.Title->Width() > w + 4 * kSpareWidth)
        scratch.Title = std::make_unique<DibSurface>(w + kSpareWidth, titleHeight);
    DibSurface& title = *scratch.Title;
    Bitmap pixels = Bitmap::View(title.Pixels().Row(0), w, titleHeight, title.Pixels().Stride());
    Rect titleRect{m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight};
    if (in.Minimized) {
        pixels.Fill(PixelOf(ResolveColour(skin.Colours.ButtonFace)));
        titleRect = {0, 0, w, m.TitleHeight};
    } else {
        DrawBitmap(pixels, 0, 0, left);
        DrawBitmap(pixels, w - m.BorderRight, 0, right);
    }
    RenderBorderPiece(scratch.Top, skin.Top, TBorderPiece::Top, titleRect.Width(),
                      titleRect.Height(), in.Active);
    DrawBitmap(pixels, titleRect.Left, titleRect.Top, scratch.Top);
    result.TitleTextRect = DrawCaption(title, titleRect, in);

    TButtonLayoutInput layoutInput;
    layoutInput.WindowWidth = w;
    layoutInput.TitleTextRect = result.TitleTextRect;
    layoutInput.Metrics = m;
    layoutInput.MenuBarLeftWidth = in.MenuBarLeftWidth;
    layoutInput.RightToLeft = in.RightToLeft;
    result.Buttons = LayoutTitleButtons(in.Buttons ? *in.Buttons : skin.TitleButtons, in.Traits,
                                        layoutInput, in.Query);
    if (in.TitleBackdrop) {
        title.Pixels(); // what GDI drew into the surface has landed
        *in.TitleBackdrop = pixels;
    }
    DrawTitleButtons(title, result.Buttons, in);
    title.Pixels(); // the icon and text GDI drew have landed
    DrawBitmapToDc(dc, 0, 0, pixels);

    if (!in.Minimized && m.MenuBarHeight > 0 && !in.OwnMenuBar) {
        BrushHandle ownFace;
        if (!in.FaceBrush)
            ownFace.Reset(CreateSolidBrush(ToColorRef(skin.Colours.ButtonFace)));
        const RECT strip{m.BorderLeft, m.TitleHeight, w - m.BorderRight,
                         m.TitleHeight + m.MenuBarHeight};
        FillRect(dc, &strip, in.FaceBrush ? in.FaceBrush : ownFace.Get());
    }
    SetBkMode(dc, OPAQUE);
    return result;
}

} // namespace veyra
