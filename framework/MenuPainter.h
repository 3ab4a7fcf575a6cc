#pragma once

#include <windows.h>
#include <commctrl.h>

#include "GdiObject.h"

namespace veyra {

class TMenuItem;

// Where the parts of a plainly drawn menu item go: pure geometry, shared by
// measuring and painting so the two cannot disagree.
//
//   | margin | glyph 16 | margin | caption ... gap ... shortcut | right margin |
struct TMenuItemLayout {
    static constexpr int Margin = 4;
    static constexpr int GlyphSize = 16;
    static constexpr int GutterWidth = Margin + GlyphSize + Margin;
    static constexpr int ShortCutGap = 16;
    static constexpr int RightMargin = 8;
    static constexpr int SeparatorHeight = 8;

    // The square in the gutter that holds the image or the check mark.
    static RECT GlyphRect(const RECT& item);
    // The room for the caption and the shortcut text.
    static RECT TextRect(const RECT& item);
    // The row of the separator's etched line (its shadow row; the light row lies below).
    static int SeparatorY(const RECT& item);
    // The width and height an item needs for text of the given sizes.
    static SIZE ItemSize(SIZE caption, SIZE shortCut, int textHeight);
};

// Draws and measures menu items that have no painter of their own, in the
// platform's menu colours and font.
class TMenuPainter {
public:
    // Answers the size item needs, measured in dc with the menu font.
    static void Measure(const TMenuItem& item, HDC dc, int& width, int& height);
    // Paints item into rect of dc; state holds the ODS_* flags of the draw
    // request, images (not owned, may be null) the menu's image list.
    static void Draw(const TMenuItem& item, HIMAGELIST images, HDC dc, const RECT& rect,
                     UINT state);
    // A new font like the platform's menu font (caller owns it); empty when the
    // platform cannot say, and the stock GUI font serves instead.
    static TGdiObject<HFONT> CreateMenuFont();

private:
    static void DrawSeparator(HDC dc, const RECT& rect);
    static void DrawGlyph(const TMenuItem& item, HIMAGELIST images, HDC dc, const RECT& box,
                          COLORREF background);
    static void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour);
    static void DrawCaption(const TMenuItem& item, HDC dc, const RECT& rect, UINT state,
                            COLORREF colour);
};

// Selects the platform's menu font into a device context for the scope.
class TMenuFontScope {
public:
    explicit TMenuFontScope(HDC dc);
    TMenuFontScope(const TMenuFontScope&) = delete;
    TMenuFontScope& operator=(const TMenuFontScope&) = delete;

private:
    TGdiObject<HFONT> Font_;
    TSelectObject Select_;
};

// Saves a device context's state (colours, modes, selections) and restores it
// at the end of the scope, so a painter handed the DC cannot change it for others.
using TSavedDcScope = SavedDcScope;

} // namespace veyra
