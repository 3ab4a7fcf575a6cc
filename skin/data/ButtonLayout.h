#pragma once

#include <optional>
#include <string_view>

#include "DataSkinObject.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/Rect.h"

// The arithmetic of skinned buttons: which frame of the Buttons strip a
// button shows, which frame of its glyph strip, its text colour, where the
// picture and the caption of a picture button go, the drop-down arrow of a
// menu button, and the glyph and text of check boxes and radio buttons.
// The skinning objects gather the inputs from their windows and paint what
// these answer.
namespace veyra {

// The frames of the Buttons element, counted from 1.
enum class TButtonState : int { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4, Focused = 5 };

// Which rule picks a button's state.
enum class TButtonKind : int {
    Push, // push and picture buttons: focus shows frame 5
    Menu, // menu buttons: focus looks hot, frame 5 is never used
    Speed // speed buttons: a published Down wins over everything
};

struct TButtonStateInput {
    bool Enabled = true;
    bool MouseDown = false; // mfDown: the left button or Space held on it
    bool Hover = false;     // mfHover
    bool Focused = false;
    bool LatchedDown = false; // a speed button's Down
};

// The Buttons frame for a button in the given state, strongest rule first.
TButtonState ChooseButtonState(TButtonKind kind, const TButtonStateInput& in);

// The frame of a glyph strip (NumGlyphs pictures side by side, counted
// from 1): pressed 3, disabled 2, a latched speed button 4, otherwise 1.
int GlyphFrameFor(TButtonState state, bool latchedDown);

// The text colour the Buttons element gives a state (NormalColour2,
// MouseOverColour2, PressedColour2 when given); none keeps the font's own.
// Disabled text is the button shadow whatever this answers.
std::optional<Colour> ButtonTextColour(const TDataSkinButton& element, TButtonState state);

// Draws frame k (from 1) of a strip of n equal pictures with its top-left
// at (x, y), frame 1 when the strip has fewer than k; frame 2 (disabled) is
// turned grey. The colour of the frame's bottom-left pixel is transparent.
// An empty strip or n below 1 draws nothing.
void DrawGlyphFrame(Bitmap& target, int x, int y, const Bitmap& glyph, int n, int k);

// Where a picture button's glyph sits against its caption.
enum class TGlyphLayout : int { Left, Right, Top, Bottom };

// The value name of a Layout property ("blGlyphTop" ...), any case; anything
// else is Left.
TGlyphLayout ParseGlyphLayout(std::string_view valueName);

// How the caption is aligned in its own rectangle.
enum class TCaptionAlign : int { Left = 0, Centre = 1, Right = 2 };

struct TPictureInput {
    int Width = 0; // the button
    int Height = 0;
    int GlyphWidth = 0; // one frame of the picture; 0 x 0 without one
    int GlyphHeight = 0;
    int TextWidth = 0; // the measured caption; 0 x 0 without one
    int TextHeight = 0;
    int Margin = -1;  // -1: centred
    int Spacing = -1; // -1: shared out
    TGlyphLayout Layout = TGlyphLayout::Left;
    // The control's Alignment is taCenter: a given Margin is recomputed.
    bool CentreAlignment = false;
    // The speed-button variant: no Alignment test, and a computed margin
    // against a given spacing moves one pixel further in.
    bool Speed = false;
};

struct TPictureLayout {
    int GlyphX = 0;
    int GlyphY = 0;
    Rect Text;
    TCaptionAlign Align = TCaptionAlign::Left;
    constexpr bool operator==(const TPictureLayout&) const = default;
};

// The area a picture button's caption is measured in: the button deflated
// by 2, less the glyph and two pixels along the layout axis.
Rect PictureTextArea(int width, int height, int glyphWidth, int glyphHeight, TGlyphLayout layout);

// The glyph and caption of a picture button. Margin and Spacing of -1 are
// computed; a margin or spacing that comes out negative (a button too small
// for its content, or a negative value given) is 0.
TPictureLayout LayoutPictureButton(const TPictureInput& in);

// A menu button: the caption centred left of the 17-pixel arrow zone, the
// arrow a down-pointing triangle in it.
struct TMenuButtonLayout {
    static constexpr int kArrowZone = 17;
    Rect Text;
    // The triangle's tip, then its top-left and top-right corners.
    int ArrowX[3] = {};
    int ArrowY[3] = {};
};
TMenuButtonLayout LayoutMenuButton(int width, int height, int textWidth, int textHeight);

// Check boxes and radio buttons.
enum class TCheckKind : int { CheckBox, RadioButton };
enum class TCheckValue : int { Unchecked, Checked, Mixed };

// Whether a glyph strip of frameCount frames is read in the 12-state
// layout (12 frames for check boxes, 8 for radio buttons).
bool TwelveStateStrip(TCheckKind kind, int frameCount);

// The glyph frame (from 1) for a value: in the 4-state layout unchecked 1,
// checked 2, each 2 further on when disabled, mixed 4; in the 12-state
// layout unchecked 1 / 4, checked 5 / 8, mixed 9 / 12 (normal / disabled).
// Always inside the strip: never above frameCount, never below 1.
int CheckGlyphFrame(TCheckKind kind, TCheckValue value, bool disabled, int frameCount);

struct TCheckLayout {
    Rect Glyph;
    Rect Text;
    constexpr bool operator==(const TCheckLayout&) const = default;
};

// The glyph and caption rectangles in rect: the glyph vertically centred at
// the left edge, or with leftText at the right edge (a radio glyph one
// pixel in), the caption beside it two pixels off.
TCheckLayout LayoutCheckBox(TCheckKind kind, const Rect& rect, int glyphWidth, int glyphHeight,
                            bool leftText);

} // namespace veyra
