#include "ButtonLayout.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/imaging/Blit.h"
#include "skin/imaging/PixelOps.h"

namespace veyra {

TButtonState ChooseButtonState(TButtonKind kind, const TButtonStateInput& in) {
    if (kind == TButtonKind::Speed && in.LatchedDown)
        return TButtonState::Pressed;
    if (!in.Enabled)
        return TButtonState::Disabled;
    if (in.MouseDown)
        return TButtonState::Pressed;
    if (in.Hover)
        return TButtonState::Hot;
    if (in.Focused && kind != TButtonKind::Speed)
        return kind == TButtonKind::Menu ? TButtonState::Hot : TButtonState::Focused;
    return TButtonState::Normal;
}

int GlyphFrameFor(TButtonState state, bool latchedDown) {
    if (latchedDown)
        return 4;
    switch (state) {
    case TButtonState::Pressed:
        return 3;
    case TButtonState::Disabled:
        return 2;
    default:
        return 1;
    }
}

std::optional<Colour> ButtonTextColour(const TDataSkinButton& element, TButtonState state) {
    switch (state) {
    case TButtonState::Normal:
        if (element.NormalColour2Given)
            return element.NormalColour2;
        break;
    case TButtonState::Hot:
        if (element.MouseOverColour2Given)
            return element.MouseOverColour2;
        break;
    case TButtonState::Pressed:
        if (element.PressedColour2Given)
            return element.PressedColour2;
        break;
    default:
        break;
    }
    return std::nullopt;
}

void DrawGlyphFrame(Bitmap& target, int x, int y, const Bitmap& glyph, int n, int k) {
    if (glyph.IsEmpty() || n < 1 || glyph.Width() < n)
        return;
    const int width = glyph.Width() / n;
    const int frame = k >= 1 && k <= n ? k : 1;
    Bitmap picture(width, glyph.Height());
    DrawBitmap(picture, -width * (frame - 1), 0, glyph);
    if (k == 2)
        Grey(picture);
    const Colour key = ColourOf(picture.At(0, picture.Height() - 1));
    DrawTransparent(target, RectOfSize(x, y, width, glyph.Height()), picture, key);
}

TGlyphLayout ParseGlyphLayout(std::string_view valueName) {
    std::string lower(valueName);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "blglyphright")
        return TGlyphLayout::Right;
    if (lower == "blglyphtop")
        return TGlyphLayout::Top;
    if (lower == "blglyphbottom")
        return TGlyphLayout::Bottom;
    return TGlyphLayout::Left;
}

namespace {

bool Horizontal(TGlyphLayout layout) {
    return layout == TGlyphLayout::Left || layout == TGlyphLayout::Right;
}

// Margin and spacing along the layout axis: size of the button, glyph and
// text on that axis.
void ShareOut(const TPictureInput& in, int size, int glyph, int text, int& margin, int& spacing) {
    const bool centred = margin == -1 || (!in.Speed && in.CentreAlignment);
    if (centred) {
        if (spacing == -1) {
            margin = (size - (glyph + text)) / 3;
            spacing = margin;
        } else {
            margin = (size - (glyph + spacing + text)) / 2 + (in.Speed ? 1 : 0);
        }
    } else if (spacing == -1) {
        spacing = (size - margin - glyph - text) / 2;
    }
    // A button too small for its content, or a negative value given, must
    // not push the glyph out of its left or top edge.
    margin = std::max(margin, 0);
    spacing = std::max(spacing, 0);
}

} // namespace

Rect PictureTextArea(int width, int height, int glyphWidth, int glyphHeight, TGlyphLayout layout) {
    Rect area{2, 2, width - 2, height - 2};
    if (Horizontal(layout))
        area.Right -= glyphWidth + 2;
    else
        area.Bottom -= glyphHeight + 2;
    return area;
}

TPictureLayout LayoutPictureButton(const TPictureInput& in) {
    TPictureLayout out;
    int margin = in.Margin;
    int spacing = (in.TextWidth == 0 || in.GlyphWidth == 0) ? 0 : in.Spacing;
    int textX = 0;
    int textY = 0;
    if (Horizontal(in.Layout)) {
        out.GlyphY = (in.Height - in.GlyphHeight + 1) / 2;
        textY = (in.Height - in.TextHeight + 1) / 2;
        ShareOut(in, in.Width, in.GlyphWidth, in.TextWidth, margin, spacing);
        if (in.Layout == TGlyphLayout::Left) {
            out.GlyphX = margin;
            textX = margin + in.GlyphWidth + spacing;
        } else {
            out.GlyphX = in.Width - margin - in.GlyphWidth;
            textX = out.GlyphX - spacing - in.TextWidth;
            out.Align = TCaptionAlign::Right;
        }
    } else {
        out.GlyphX = (in.Width - in.GlyphWidth + 1) / 2;
        textX = (in.Width - in.TextWidth + 1) / 2;
        ShareOut(in, in.Height, in.GlyphHeight, in.TextHeight, margin, spacing);
        if (in.Layout == TGlyphLayout::Top) {
            out.GlyphY = margin;
            textY = margin + in.GlyphHeight + spacing;
        } else {
            out.GlyphY = in.Height - margin - in.GlyphHeight;
            textY = out.GlyphY - spacing - in.TextHeight;
        }
        out.Align = TCaptionAlign::Centre;
    }
    out.Text = RectOfSize(textX, textY, in.TextWidth, in.TextHeight);
    return out;
}

TMenuButtonLayout LayoutMenuButton(int width, int height, int textWidth, int textHeight) {
    TMenuButtonLayout out;
    const int textX = (width - TMenuButtonLayout::kArrowZone - textWidth) / 2 + 2;
    const int textY = (height - textHeight + 1) / 2;
    out.Text = RectOfSize(textX, textY, textWidth, textHeight);
    const int arrowY = height / 2 + 2;
    out.ArrowX[0] = width - 12;
    out.ArrowY[0] = arrowY;
    out.ArrowX[1] = width - 15;
    out.ArrowY[1] = arrowY - 3;
    out.ArrowX[2] = width - 9;
    out.ArrowY[2] = arrowY - 3;
    return out;
}

bool TwelveStateStrip(TCheckKind kind, int frameCount) {
    return frameCount == (kind == TCheckKind::CheckBox ? 12 : 8);
}

int CheckGlyphFrame(TCheckKind kind, TCheckValue value, bool disabled, int frameCount) {
    // Radio buttons have no mixed state.
    if (kind == TCheckKind::RadioButton && value == TCheckValue::Mixed)
        value = TCheckValue::Unchecked;
    int frame = 1;
    if (TwelveStateStrip(kind, frameCount)) {
        static constexpr int kTwelve[3][2] = {{1, 4}, {5, 8}, {9, 12}};
        frame = kTwelve[static_cast<int>(value)][disabled ? 1 : 0];
    } else if (value == TCheckValue::Mixed) {
        frame = 4;
    } else {
        frame = (value == TCheckValue::Checked ? 2 : 1) + (disabled ? 2 : 0);
    }
    return std::clamp(frame, 1, std::max(frameCount, 1));
}

TCheckLayout LayoutCheckBox(TCheckKind kind, const Rect& rect, int glyphWidth, int glyphHeight,
                            bool leftText) {
    TCheckLayout out;
    const int top = rect.Top + (rect.Height() - glyphHeight) / 2;
    // A radio glyph on the right stands one pixel in from the edge.
    const int inset = leftText && kind == TCheckKind::RadioButton ? 1 : 0;
    out.Text = rect;
    if (leftText) {
        const int right = rect.Right - inset;
        out.Glyph = {right - glyphWidth, top, right, top + glyphHeight};
        out.Text.Right = right - glyphWidth - 2;
    } else {
        out.Glyph = {rect.Left, top, rect.Left + glyphWidth, top + glyphHeight};
        out.Text.Left = rect.Left + glyphWidth + 2;
    }
    return out;
}

} // namespace veyra
