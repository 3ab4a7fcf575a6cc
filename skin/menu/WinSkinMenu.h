#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "MenuBtn.h"
#include "skin/data/MenuBarLayout.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

class TSkinDefinition;

// The skinned menu bar of one window: one TMenuBtn per top-level item of the
// window's menu, laid out and painted in the frame's menu-bar strip from the
// skin's menu-bar element (the scheme's Menubar colour without it). The
// window keeps no platform menu bar while it has this object; the menu
// itself stays the window's and is given back when skinning ends.
class TWinSkinMenu {
public:
    // hot: the window's hot slot, shared with its title buttons.
    TWinSkinMenu(HWND window, TNCHotSlot& hot);
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Rebuilds the items from menu (captions read whole, in UTF-16); an
    // invalid or empty menu leaves no items. Not owned.
    void BuildFromMenu(HMENU menu);
    // The menu the items were built from.
    HMENU MenuHandle() const { return MenuHandle_; }

    // What the bar is drawn with; set before every layout and paint.
    void SetLook(const TSkinDefinition* skin, bool active, bool rightToLeft);
    // Lays the items out in bar (window coordinates) without painting.
    void LayoutBar(const Rect& bar);
    // Lays out and paints the bar into dc, a DC of the whole window.
    void PaintBar(HDC dc, const Rect& bar);

    const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return Items_; }
    // The item at a point in window coordinates (never one without caption), or null.
    TMenuBtn* ItemAtPoint(POINT point) const;
    // The first visible, enabled item whose access key is key, or null.
    TMenuBtn* ItemByAccessKey(wchar_t key) const;
    // The item Left (forward false) or Right reaches from index, or null;
    // with popupsOnly, only enabled items that open a popup.
    TMenuBtn* Neighbour(int index, bool forward, bool popupsOnly = false) const;
    // The bar in window coordinates as last laid out.
    const Rect& BarRect() const { return Canvas_.BarRect; }
    // The bar's background as last painted, before any caption.
    const Bitmap& BarImage() const { return BarImage_; }
    // The canvas the items paint on; the window decides when painting is allowed.
    TMenuBarCanvas& Canvas() { return Canvas_; }

private:
    std::vector<TMenuBarItemInput> LayoutInputs() const;
    int StartOffset(int barWidth) const;
    void PaintBackground(Bitmap& target, int width, int height) const;

    HWND Window_;
    TNCHotSlot& Hot_;
    HMENU MenuHandle_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> Items_;
    std::vector<int> CaptionWidths_; // measured at the last layout
    const TSkinDefinition* Skin_ = nullptr;
    bool Active_ = true;
    FontHandle Font_;
    Bitmap BarImage_;
    TMenuBarCanvas Canvas_;
};

} // namespace veyra
