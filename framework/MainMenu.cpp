#include "MainMenu.h"

#include <algorithm>

#include "ClassInfo.h"
#include "Messages.h"
#include "PopupMenu.h"

namespace veyra {

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info(
        "TMainMenu", &TComponent::StaticClass(),
        TPropertyList<TMainMenu>()
            .Bool("OwnerDraw", &TMainMenu::OwnerDraw, &TMainMenu::SetOwnerDraw)
            .Bool("RightToLeft", &TMainMenu::RightToLeft, &TMainMenu::SetRightToLeft)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TMainMenu(owner); });
    return info;
}

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner), Items_(std::make_unique<TMenuItem>(nullptr)) {
    Items_->OnTreeChange = [this] { ItemsChanged(); };
}

namespace {

// Takes the menu named by data off window when the window shows it.
BOOL CALLBACK LetGoOfMenu(HWND window, LPARAM data) {
    if (GetMenu(window) == reinterpret_cast<HMENU>(data))
        SetMenu(window, nullptr);
    return TRUE;
}

struct TShownSearch {
    HMENU Menu = nullptr;
    bool Shown = false;
};

// Stops at a window that shows the menu searched for.
BOOL CALLBACK FindShowingWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TShownSearch*>(data);
    search.Shown = GetMenu(window) == search.Menu;
    return !search.Shown;
}

bool ShownOnThisThread(HMENU menu) {
    TShownSearch search{menu};
    EnumThreadWindows(GetCurrentThreadId(), &FindShowingWindow, reinterpret_cast<LPARAM>(&search));
    return search.Shown;
}

} // namespace

TMainMenu::~TMainMenu() {
    // The items freed with the menu are no change to tell anybody of.
    Items_->OnTreeChange = nullptr;
    // The forms hear of the menu's end only after its platform menu is gone:
    // the windows of this thread that still show it let go of it first.
    if (Handle_)
        EnumThreadWindows(GetCurrentThreadId(), &LetGoOfMenu,
                          reinterpret_cast<LPARAM>(Handle_.Get()));
    for (const MenuHandle& retired : Retired_)
        EnumThreadWindows(GetCurrentThreadId(), &LetGoOfMenu,
                          reinterpret_cast<LPARAM>(retired.Get()));
}

void TMainMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == OwnerDraw_)
        return;
    OwnerDraw_ = ownerDraw;
    ItemsChanged();
}

void TMainMenu::SetWindowHandle(HWND window) {
    WindowHandle_ = window;
    ChangePosted_ = false;
}

void TMainMenu::ItemsChanged() {
    // Posted, so that a run of changes builds one new menu, and never while
    // the old one may be on screen in the middle of a change.
    if (!WindowHandle_ || ChangePosted_ || !IsWindow(WindowHandle_))
        return;
    ChangePosted_ = PostMessageW(WindowHandle_, CM_MENUCHANGED, kMenuItemsChanged, 0) != FALSE;
}

bool TMainMenu::Outdated() const {
    return !Handle_ || BuiltVersion_ != Items_->Version() || BuiltOwnerDraw_ != OwnerDraw_;
}

HMENU TMainMenu::Handle() {
    if (Outdated()) {
        // The new menu first. The old one stays until the window and its
        // skinned bar have taken the new one: destroyed now, it would be
        // left on the window (and its submenus in the bar) in the meantime.
        MenuHandle built = BuildPlatformMenu(*Items_, OwnerDraw_, true);
        if (Handle_)
            Retired_.push_back(std::move(Handle_));
        Handle_ = std::move(built);
        BuiltVersion_ = Items_->Version();
        BuiltOwnerDraw_ = OwnerDraw_;
    }
    return Handle_.Get();
}

bool TMainMenu::Owns(HMENU menu) const {
    return menu && (menu == Handle_.Get() || std::any_of(Retired_.begin(), Retired_.end(),
                                                         [menu](const MenuHandle& retired) {
                                                             return retired.Get() == menu;
                                                         }));
}

void TMainMenu::FreeRetired() {
    // A window that still shows a retired menu keeps it alive until it lets go.
    std::erase_if(Retired_,
                  [](const MenuHandle& retired) { return !ShownOnThisThread(retired.Get()); });
}

} // namespace veyra
