#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

class TSkinDefinition;
class TMenuItem;
class TPopupMenu;

// Everything the item painter shows of one popup-menu item.
struct TMenuItemLook {
    std::wstring Caption;  // "&" marks the access key
    std::wstring ShortCut; // drawn right-aligned; may be empty
    bool Separator = false;
    bool Enabled = true;
    bool Checked = false;
    bool Default = false; // drawn bold
    bool Selected = false;
    bool RightToLeft = false;
    HIMAGELIST Images = nullptr; // not owned
    int ImageIndex = -1;
    // A native item's own bitmap (MIIM_BITMAP), shown when there is no
    // image-list image; not owned. The platform's HBMMENU_* stand-ins count
    // as none.
    HBITMAP Bitmap = nullptr;
};

// Where an item's background is cut from: the popup's frame image (the whole
// popup window) and the offset from the item's coordinates to the image's,
// that is the popup's client origin within its window.
struct TMenuItemBackdrop {
    const Bitmap* Image = nullptr;
    POINT Offset{};
};

// The platform's menu font, bold or plain; empty when the platform cannot say.
FontHandle CreateMenuFont(bool bold = false);

// Paints a popup item into rect of dc, composed off screen and copied in one
// block: with the skin's MenuItem element, the item's background cut from the
// backdrop (the scheme's Menu colour without one), then the element's frame 1
// (normal) or 4 (selected), or frame 2 for a separator; without the element,
// flat Menu and Hilight fills. Then the glyph box (image, or check mark),
// the caption and the shortcut, mirrored for right to left.
void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemLook& look, const TSkinDefinition* skin,
                   const TMenuItemBackdrop& backdrop);

// The size of an item of a native menu in the menu font: its text plus the
// glyph box and the element's left margin; separators are 8 high.
SIZE MeasureMenuItem(const TMenuItemLook& look, const TSkinDefinition* skin);

// The backdrop for an item drawn into dc: the frame image of the skinned
// popup window the DC paints (else of the one that says it shows menu);
// none when the popup is not skinned.
TMenuItemBackdrop BackdropFor(HDC dc, HMENU menu);

// How the skin paints the items of one framework menu. Skin and Images are
// asked at each paint, so a change shows at once.
struct TSkinnedMenu {
    std::function<const TSkinDefinition*()> Skin;
    std::function<HIMAGELIST()> Images; // may be empty: no images
    bool RightToLeft = false;
    // The depth of the first items skinned: 1 for the items of a popup menu,
    // 2 to leave a menu bar's own items to the bar.
    int FirstDepth = 1;
};

// Gives every item below root from FirstDepth on, recursively, the skinned
// painter and measurer, except items that have a painter of their own;
// again on a skinned tree, it reaches the items added since.
void SkinMenuItems(TMenuItem& root, const TSkinnedMenu& menu);
// Takes the skinned painter and measurer off every item below root, leaving
// handlers of the application's own.
void UnskinMenuItems(TMenuItem& root);

// Splits a native item's text at its tab into caption and shortcut.
void SplitItemText(const std::wstring& text, std::wstring& caption, std::wstring& shortCut);

} // namespace veyra
