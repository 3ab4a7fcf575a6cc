#include "ButtonPainter.h"

#include <algorithm>

#include "Bitmap.h"
#include "ImageList.h"
#include "PropAccess.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

// Draws an image of the list greyed, with what the list leaves
// transparent kept.
void DrawImageDisabled(Bitmap& target, HIMAGELIST images, int index, int x, int y, int width,
                       int height) {
    DibSurface image(width, height);
    const Pixel key = PixelOf(kKeyColour);
    image.Pixels().Fill(key);
    ImageList_Draw(images, index, image.Dc(), 0, 0, ILD_TRANSPARENT);
    Bitmap& pixels = image.Pixels();
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            Pixel& p = pixels.At(column, row);
            if (SameRgb(p, key))
                continue;
            const int grey =
                (int{RedOf(ColourOf(p))} + GreenOf(ColourOf(p)) + BlueOf(ColourOf(p))) / 3;
            p = PixelOf(Rgb(grey, grey, grey));
        }
    DrawTransparent(target, RectOfSize(x, y, width, height), pixels);
}

} // namespace

std::wstring BreakCaption(std::wstring text) {
    if (const auto at = text.find(L"||"); at != std::wstring::npos)
        text.replace(at, 2, L"\r\n");
    return text;
}

TPictureContent PictureContentOf(const TObject& control) {
    TPictureContent content;
    if (auto* glyph = As<TBitmap>(GetObjectPropOf(&control, "Glyph", TBitmap::StaticClass())))
        content.Glyph = &glyph->Pixels();
    content.NumGlyphs = std::max<int>(static_cast<int>(GetIntProp(&control, "NumGlyphs")), 1);
    if (auto* images =
            As<TImageList>(GetObjectPropOf(&control, "Images", TImageList::StaticClass())))
        content.Images = images->Handle();
    content.ImageIndex = static_cast<int>(GetIntProp(&control, "ImageIndex"));
    content.DisabledIndex = static_cast<int>(GetIntProp(&control, "DisabledIndex"));
    content.Layout = ParseGlyphLayout(GetEnumPropText(&control, "Layout"));
    content.Margin = static_cast<int>(GetIntProp(&control, "Margin"));
    content.Spacing = static_cast<int>(GetIntProp(&control, "Spacing"));
    std::string alignment = GetEnumPropText(&control, "Alignment");
    std::transform(alignment.begin(), alignment.end(), alignment.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    content.CentreAlignment = alignment == "tacenter";
    content.Text = BreakCaption(GetStrPropW(&control, "Caption"));
    return content;
}

RECT DrawPictureAndCaption(DibSurface& surface, int width, int height,
                           const TPictureContent& content, int glyphFrame, bool enabled,
                           UINT extraFlags) {
    const bool glyph = content.Glyph && !content.Glyph->IsEmpty();
    const bool image = !glyph && content.Images && content.ImageIndex != -1;
    int glyphWidth = 0;
    int glyphHeight = 0;
    if (glyph) {
        glyphWidth = content.Glyph->Width() / content.NumGlyphs;
        glyphHeight = content.Glyph->Height();
    } else if (image) {
        ImageList_GetIconSize(content.Images, &glyphWidth, &glyphHeight);
    }
    const Rect area = PictureTextArea(width, height, glyphWidth, glyphHeight, content.Layout);
    RECT measured{area.Left, area.Top, area.Right, area.Bottom};
    if (!content.Text.empty())
        DrawUtf16Text(surface.Dc(), content.Text, measured, DT_CALCRECT | DT_WORDBREAK);
    else
        measured = RECT{};
    TPictureInput in;
    in.Width = width;
    in.Height = height;
    in.GlyphWidth = glyphWidth;
    in.GlyphHeight = glyphHeight;
    in.TextWidth = measured.right - measured.left;
    in.TextHeight = measured.bottom - measured.top;
    in.Margin = content.Margin;
    in.Spacing = content.Spacing;
    in.Layout = content.Layout;
    in.CentreAlignment = content.CentreAlignment;
    in.Speed = content.Speed;
    const TPictureLayout layout = LayoutPictureButton(in);

    GdiFlush();
    if (glyph) {
        DrawGlyphFrame(surface.Pixels(), layout.GlyphX, layout.GlyphY, *content.Glyph,
                       content.NumGlyphs, glyphFrame);
    } else if (image && enabled) {
        ImageList_Draw(content.Images, content.ImageIndex, surface.Dc(), layout.GlyphX,
                       layout.GlyphY, ILD_TRANSPARENT);
    } else if (image) {
        const int index = content.DisabledIndex != -1 ? content.DisabledIndex : content.ImageIndex;
        DrawImageDisabled(surface.Pixels(), content.Images, index, layout.GlyphX, layout.GlyphY,
                          glyphWidth, glyphHeight);
    }
    RECT text{layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
    if (content.Text.empty())
        return RECT{};
    UINT flags = DT_WORDBREAK | extraFlags;
    if (layout.Align == TCaptionAlign::Right)
        flags |= DT_RIGHT;
    else if (layout.Align == TCaptionAlign::Centre)
        flags |= DT_CENTER;
    const BkModeScope transparent(surface.Dc(), TRANSPARENT);
    RECT drawn = text;
    DrawUtf16Text(surface.Dc(), content.Text, drawn, flags);
    return text;
}

void PaintPlainPictureButton(HDC dc, const RECT& rect, const TPictureContent& content, HFONT font,
                             TButtonState state, TPlainFace face, bool latchedDown) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;
    DibSurface surface(width, height);
    RECT r{0, 0, width, height};
    FillRect(surface.Dc(), &r, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = state == TButtonState::Pressed || latchedDown;
    if (face == TPlainFace::Push)
        DrawFrameControl(surface.Dc(), &r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    else if (pressed)
        DrawEdge(surface.Dc(), &r, BDR_SUNKENOUTER, BF_RECT);
    else if (face == TPlainFace::Speed || state == TButtonState::Hot)
        DrawEdge(surface.Dc(), &r, BDR_RAISEDINNER, BF_RECT);
    const SelectObjectScope selected(surface.Dc(), font);
    const bool enabled = state != TButtonState::Disabled;
    const TextColourScope colour(surface.Dc(),
                                 GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const RECT text = DrawPictureAndCaption(surface, width, height, content,
                                            GlyphFrameFor(state, latchedDown), enabled, 0);
    if (state == TButtonState::Focused && face == TPlainFace::Push && text.right > text.left) {
        RECT focus = text;
        InflateRect(&focus, 2, 2);
        DrawFocusRect(surface.Dc(), &focus);
    }
    BitBlt(dc, rect.left, rect.top, width, height, surface.Dc(), 0, 0, SRCCOPY);
}

} // namespace veyra
