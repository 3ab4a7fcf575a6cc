#pragma once

#include <vector>

#include "skin/imaging/Rect.h"

// The arithmetic of a skinned menu bar and of the items of skinned popup
// menus: where each bar item goes, which item a point or a key reaches, and
// how wide an owner-drawn item is. Painting, hit testing and keyboard moves
// all use these functions, so what is drawn and what is reached agree.
//
//   bar:  | s | caption + 10 | caption + 10 | ...                     |
//   right to left:                     ... | caption + 10 | caption + 10 | s |
namespace veyra {

// One top-level item of a menu bar as the layout sees it.
struct TMenuBarItemInput {
    int CaptionWidth = 0; // the caption measured in the menu font
    bool Visible = true;
    bool HasCaption = true; // an empty caption is never hit
    bool Enabled = true;
    bool HasPopup = true;
};

// Where the first item starts, from the bar's near edge. With the skin's
// menu-bar element it is the element's kept margin on that side plus a gap
// (its RightWidth + 8 right to left, its LeftWidth + 4 otherwise), cut to
// 12 on a bar narrower than that; without the element, 6.
int MenuBarStartOffset(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft,
                       int barWidth);

// The items' rectangles in the coordinates of bar, one per item in order: an
// invisible item gets an empty rectangle; a visible one is its caption plus
// 10 wide (a caption that measures 0 stays 0 wide), as high as the bar less
// its last row, placed one after the other from the start offset, leftwards
// from the right edge when rightToLeft.
std::vector<Rect> LayoutMenuBar(const Rect& bar, int startOffset,
                                const std::vector<TMenuBarItemInput>& items, bool rightToLeft);

// The first item whose rectangle holds (x, y) and that has a caption, or -1.
int MenuBarItemAt(const std::vector<Rect>& rects, const std::vector<TMenuBarItemInput>& items,
                  int x, int y);

// The item the Left (forward false) or Right (forward true) key moves to from
// current, wrapping around at either end and skipping items that are hidden
// or have no caption; current itself when no other item qualifies, -1 when
// none does. A current of -1 starts before the first item (forward) or after
// the last. With popupsOnly only enabled items with a popup qualify: while a
// popup is open, the keys move from popup to popup.
int MenuBarNeighbour(const std::vector<TMenuBarItemInput>& items, int current, bool forward,
                     bool popupsOnly = false);

// How an owner-drawn popup item is measured: the menu item element's left
// margin (0 without the element) and whether the menu has an image list.
struct TMenuItemMeasure {
    int ElementLeftWidth = 0;
    bool HasImages = false;
};

// The width of an item of a form's main menu: its own measured width plus the
// element's left margin, 10, and 25 more without images.
int MainMenuItemWidth(int measuredWidth, const TMenuItemMeasure& measure);
// The width of an item of a popup menu: its own measured width plus the
// element's left margin, 12, and 23 more without images.
int PopupMenuItemWidth(int measuredWidth, const TMenuItemMeasure& measure);
// The size of an item of a native menu from its text's width and the font's
// height: text + 26 + the element's left margin wide; 4 higher than the text
// when there is text, 8 high when there is none (a separator).
struct TMenuItemSize {
    int Width = 0;
    int Height = 0;
};
TMenuItemSize NativeMenuItemSize(int textWidth, int textHeight, bool hasText, int elementLeftWidth);

// Where the parts of an owner-drawn item go inside its rectangle item.
struct TMenuItemParts {
    Rect GlyphBox;    // the image or check mark; empty for a separator
    Rect TextRect;    // the caption, vertically centred in it
    Rect ShortCutEnd; // the shortcut text ends at this rectangle's far edge
};
// The glyph box sits 1 in from the item's top and 1 + leftWidth in from its
// near edge, glyphSize square (at least 16 for a checked item); the caption
// starts 3 beyond it and ends 1 before the far edge; the shortcut ends 10
// before the far edge. Right to left mirrors every part within item.
TMenuItemParts LayoutMenuItem(const Rect& item, int leftWidth, int glyphSize, bool checked,
                              bool separator, bool rightToLeft);

} // namespace veyra
