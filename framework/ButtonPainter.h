#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/data/ButtonLayout.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

class TBitmap;
class TObject;

// What a picture button shows besides its face: a glyph strip or an image
// of an image list, and the caption, placed by Layout, Margin and Spacing.
struct TPictureContent {
    const Bitmap* Glyph = nullptr; // null or empty: none
    int NumGlyphs = 1;
    HIMAGELIST Images = nullptr;
    int ImageIndex = -1;
    int DisabledIndex = -1;
    TGlyphLayout Layout = TGlyphLayout::Left;
    int Margin = -1;
    int Spacing = -1;
    bool CentreAlignment = false;
    bool Speed = false;
    std::wstring Text;
};

// Reads the content from a control's published properties by name
// (Caption, Glyph, NumGlyphs, Images, ImageIndex, DisabledIndex, Layout,
// Margin, Spacing, Alignment), so any class that publishes them is drawn
// alike. The first "||" of the caption becomes a line break.
TPictureContent PictureContentOf(const TObject& control);

// The first "||" of a caption as a line break; later ones stay.
std::wstring BreakCaption(std::wstring text);

// Draws the picture and the caption into the top-left width x height of
// surface, with the font and text colour already selected in its DC.
// glyphFrame is the frame of the glyph strip (GlyphFrameFor); enabled picks
// the image list's normal or disabled image. extraFlags may add
// DT_RTLREADING. Answers the caption's rectangle (empty without one).
RECT DrawPictureAndCaption(DibSurface& surface, int width, int height,
                           const TPictureContent& content, int glyphFrame, bool enabled,
                           UINT extraFlags);

// How a picture button without a skin looks.
enum class TPlainFace { Push, FlatSpeed, Speed };

// The framework's own look of a picture button in state (the platform's
// button face and edges), with font for the caption, into rect of dc.
void PaintPlainPictureButton(HDC dc, const RECT& rect, const TPictureContent& content, HFONT font,
                             TButtonState state, TPlainFace face, bool latchedDown);

} // namespace veyra
