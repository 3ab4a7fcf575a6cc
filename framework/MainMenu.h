#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Component.h"
#include "MenuItem.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

// A form's menu bar: a tree of items whose top level is the bar and whose
// deeper levels are its popups. The form shows it through its Menu
// property; a chosen item's OnClick runs from the form's WM_COMMAND.
class TMainMenu : public TComponent {
    VEYRA_CLASS()
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The root item (owned by the menu); its children are the bar's items.
    TMenuItem* Items() const { return Items_.get(); }
    // Whether every item is drawn by its OnDrawItem or the plain painter.
    bool OwnerDraw() const { return OwnerDraw_; }
    void SetOwnerDraw(bool ownerDraw);
    // The images items show by ImageIndex; not owned.
    HIMAGELIST Images() const { return Images_; }
    void SetImages(HIMAGELIST images) { Images_ = images; }
    // Whether the bar reads from right to left.
    bool RightToLeft() const { return RightToLeft_; }
    void SetRightToLeft(bool rightToLeft) { RightToLeft_ = rightToLeft; }

    // The platform menu bar built from the items, owned by the menu; rebuilt
    // when the items have changed. The menu it replaces is kept (retired)
    // until FreeRetired, as a window or a skinned bar may still show it.
    // Throws EMenuError when the platform refuses to build it.
    HMENU Handle();
    // Whether Handle() would build a new menu now.
    bool Outdated() const;
    // Whether menu is the platform menu last built or one it replaced that
    // is not yet destroyed; never builds.
    bool Owns(HMENU menu) const;
    // Destroys the retired menus that no window of this thread shows; the
    // caller knows that nobody else (a skinned bar) holds them any more.
    void FreeRetired();
    // The item with command, or nullptr.
    TMenuItem* FindItem(UINT command) const { return Items_->Find(command); }
    // The item whose popup is the platform menu handle, or nullptr.
    TMenuItem* FindItemByHandle(HMENU handle) const { return Items_->FindByHandle(handle); }

    bool InsertChildComponent(TComponent* component) override {
        return Items_->InsertChildComponent(component);
    }

    // The form window that shows the menu, or null; the form sets it. A
    // change to the items is posted to it once (CM_MENUCHANGED with
    // kMenuItemsChanged) until the window takes the new menu.
    HWND WindowHandle() const { return WindowHandle_; }
    void SetWindowHandle(HWND window);
    // The window has taken note of the posted change.
    void ChangeNoticed() { ChangePosted_ = false; }

private:
    void ItemsChanged();

    std::unique_ptr<TMenuItem> Items_;
    bool OwnerDraw_ = false;
    bool RightToLeft_ = false;
    HIMAGELIST Images_ = nullptr;
    MenuHandle Handle_;
    std::vector<MenuHandle> Retired_;
    std::uint64_t BuiltVersion_ = 0;
    bool BuiltOwnerDraw_ = false;
    HWND WindowHandle_ = nullptr;
    bool ChangePosted_ = false;
};

} // namespace veyra
