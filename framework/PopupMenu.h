#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "Component.h"
#include "MenuItem.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

// A context menu: a tree of items shown as a platform popup menu at a screen
// point. Freeing the popup frees its items.
class TPopupMenu : public TComponent {
    VEYRA_CLASS()
public:
    explicit TPopupMenu(TComponent* owner);
    // Frees the items and the platform menu; a menu still on screen is closed.
    ~TPopupMenu() override;

    // The root item (owned by the popup); its children are the menu.
    TMenuItem* Items() const { return Items_.get(); }
    // Whether every item is drawn by its OnDrawItem or the plain painter.
    bool OwnerDraw() const { return OwnerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    // The images items show by ImageIndex; not owned.
    HIMAGELIST Images() const { return Images_; }
    void SetImages(HIMAGELIST images) { Images_ = images; }

    // The platform menu built from the items, owned by the popup; rebuilt
    // when the items have changed, except while the menu is on screen.
    // Throws EMenuError when the platform refuses to build it.
    HMENU Handle();
    // Raises OnPopup, shows the menu at screen point (x, y) and, once it has
    // closed, runs the chosen item's OnClick. Nothing while it is already shown.
    void Popup(int x, int y);
    // Whether the menu is on screen now.
    bool Tracking() const { return Tracking_ != nullptr; }
    bool InsertChildComponent(TComponent* component) override {
        return Items_->InsertChildComponent(component);
    }

    // Raised before the menu shows, in time to change the items.
    TNotifyEvent OnPopup;
    // Runs after any change to the items' tree. The seam of whoever draws
    // the items for the menu (the skin gives an item added to a skinned
    // menu its painter here), not an application event.
    std::function<void()> OnItemsChanged;

    // Shows a menu and answers the chosen command or 0. The default calls
    // TrackPopupMenu with TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
    // owned by PopupListWindow().
    using TTrackFunction = std::function<UINT(HMENU menu, UINT flags, int x, int y, HWND owner)>;
    // Replaces how menus are shown, for tests and embedders; returns the previous function.
    static TTrackFunction SetTrackFunction(TTrackFunction track);

    // The live popup menu whose tree holds item, or nullptr.
    static TPopupMenu* MenuOf(const TMenuItem* item);

private:
    struct TTrackState;

    void Rebuild();

    std::unique_ptr<TMenuItem> Items_;
    bool OwnerDraw_ = false;
    HIMAGELIST Images_ = nullptr;
    MenuHandle Handle_;
    std::uint64_t BuiltVersion_ = 0;
    bool BuiltOwnerDraw_ = false;
    TTrackState* Tracking_ = nullptr;
};

// Builds the platform menu of parent's visible children, a menu bar (bar)
// or a popup menu; parent and every item with children learn the handle of
// their menu. The caller owns the result. Throws EMenuError when the
// platform refuses.
MenuHandle BuildPlatformMenu(TMenuItem& parent, bool ownerDraw, bool bar = false);

// Answers a WM_MEASUREITEM for an owner-drawn item of a framework menu: its
// OnMeasureItem, or the plain painter's size. False when the request names
// no live item.
bool AnswerMenuMeasureItem(MEASUREITEMSTRUCT& request);
// Answers a WM_DRAWITEM likewise: its OnDrawItem, or the plain painter with
// images (the item's popup menu's images when null).
bool AnswerMenuDrawItem(const DRAWITEMSTRUCT& request, HIMAGELIST images = nullptr);

// The hidden window that owns tracked popup menus and answers WM_MEASUREITEM
// and WM_DRAWITEM for their owner-drawn items, and WM_COMMAND for their
// commands. Created on first use, by the user-interface thread that tracks
// menus; it lives as long as the process.
HWND PopupListWindow();

} // namespace veyra
