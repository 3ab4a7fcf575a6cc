#include "PopupMenu.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Application.h"
#include "MenuPainter.h"

namespace veyra {

// What a running Popup shares with the destructor: a popup freed while its
// menu is on screen hands its platform menu over, to be destroyed once the
// platform has let go of it.
struct TPopupMenu::TTrackState {
    bool Alive = true;
    bool Shown = false;
    MenuHandle Orphan;
};

namespace {

constexpr UINT TrackFlags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN;
constexpr wchar_t PopupListClassName[] = L"TPopupList";

std::vector<TPopupMenu*>& LivePopups() {
    // Never destroyed, as the live items: forms freed at the very end of the
    // process still free their popup menus.
    static auto* popups = new std::vector<TPopupMenu*>;
    return *popups;
}

UINT DefaultTrack(HMENU menu, UINT flags, int x, int y, HWND owner) {
    return static_cast<UINT>(TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr));
}

TPopupMenu::TTrackFunction& CurrentTrackFunction() {
    static TPopupMenu::TTrackFunction track = &DefaultTrack;
    return track;
}

// Adds item at the end of menu, with its submenu when it has children.
void AppendItem(HMENU menu, TMenuItem& item, bool ownerDraw) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = item.Command();
    // The command, not the item's address: a message from an old menu is then
    // resolved among the live items and never reaches a freed one.
    info.dwItemData = item.Command();
    info.fState = (item.Enabled() ? 0u : MFS_DISABLED | MFS_GRAYED) |
                  (item.Checked() ? MFS_CHECKED : 0u) | (item.Default() ? MFS_DEFAULT : 0u);
    std::wstring text;
    if (item.IsLine()) {
        info.fType = MFT_SEPARATOR | (ownerDraw ? MFT_OWNERDRAW : 0u);
    } else if (ownerDraw) {
        info.fType = MFT_OWNERDRAW;
    } else {
        info.fType = MFT_STRING;
        info.fMask |= MIIM_STRING;
        text = item.ShortCutText().empty() ? item.Caption()
                                           : item.Caption() + L"\t" + item.ShortCutText();
        info.dwTypeData = text.data();
    }
    MenuHandle subMenu;
    item.SetHandle(nullptr);
    if (item.Count() > 0 && !item.IsLine()) {
        subMenu = BuildPlatformMenu(item, ownerDraw);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = subMenu.Get();
    }
    if (!InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info))
        throw EMenuError("The platform refused a menu item");
    subMenu.Release(); // now destroyed with its parent menu
}

} // namespace

MenuHandle BuildPlatformMenu(TMenuItem& parent, bool ownerDraw, bool bar) {
    MenuHandle menu(bar ? CreateMenu() : CreatePopupMenu());
    if (!menu)
        throw EMenuError("The platform refused to create a menu");
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i)->Visible())
            AppendItem(menu.Get(), *parent.Items(i), ownerDraw);
    parent.SetHandle(menu.Get());
    return menu;
}

namespace {

// The live item that an owner-draw request names by its item data, or nullptr.
TMenuItem* ItemOfData(ULONG_PTR data) {
    return data > 0 && data <= TMenuItem::MaxCommand
               ? TMenuItem::FromCommand(static_cast<UINT>(data))
               : nullptr;
}

} // namespace

bool AnswerMenuMeasureItem(MEASUREITEMSTRUCT& request) {
    TMenuItem* item = request.CtlType == ODT_MENU ? ItemOfData(request.itemData) : nullptr;
    if (!item)
        return false;
    MemoryDc dc;
    if (!dc)
        return false;
    TMenuFontScope font(dc.Get());
    int width = static_cast<int>(std::min<UINT>(request.itemWidth, 0x7FFF));
    int height = static_cast<int>(std::min<UINT>(request.itemHeight, 0x7FFF));
    if (item->OnMeasureItem)
        item->OnMeasureItem(item, dc.Get(), width, height);
    else
        TMenuPainter::Measure(*item, dc.Get(), width, height);
    request.itemWidth = static_cast<UINT>(std::max(width, 0));
    request.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
}

bool AnswerMenuDrawItem(const DRAWITEMSTRUCT& request, HIMAGELIST images) {
    TMenuItem* item =
        request.CtlType == ODT_MENU && request.hDC ? ItemOfData(request.itemData) : nullptr;
    if (!item)
        return false;
    TSavedDcScope saved(request.hDC);
    TMenuFontScope font(request.hDC);
    if (item->OnDrawItem) {
        item->OnDrawItem(item, request.hDC, request.rcItem,
                         (request.itemState & ODS_SELECTED) != 0);
    } else {
        const TPopupMenu* menu = images ? nullptr : TPopupMenu::MenuOf(item);
        TMenuPainter::Draw(*item, menu ? menu->Images() : images, request.hDC, request.rcItem,
                           request.itemState);
    }
    return true;
}

namespace {

// A menu tracked without TPM_RETURNCMD reports its choice here.
bool OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != 0 || lParam != 0)
        return false;
    TMenuItem* item = TMenuItem::FromCommand(LOWORD(wParam));
    if (!item)
        return false;
    try {
        item->Click();
    } catch (...) {
        Application().HandleException(item);
    }
    return true;
}

LRESULT CALLBACK PopupListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_MEASUREITEM:
            if (lParam && AnswerMenuMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (lParam && AnswerMenuDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_COMMAND:
            if (OnCommand(wParam, lParam))
                return 0;
            break;
        default:
            break;
        }
    } catch (...) {
        // A failed measurement or painting leaves the item as it is; it must
        // not unwind through the platform's menu code.
        return message == WM_COMMAND ? 0 : TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Owns the popup list window and destroys it with the process's statics.
class TPopupListOwner {
public:
    TPopupListOwner() = default;
    TPopupListOwner(const TPopupListOwner&) = delete;
    TPopupListOwner& operator=(const TPopupListOwner&) = delete;
    ~TPopupListOwner() {
        if (Window_ && IsWindow(Window_))
            DestroyWindow(Window_);
    }

    HWND Get() {
        // A window destroyed behind our back (or never made) is made again.
        if (!Window_ || !IsWindow(Window_))
            Window_ = Create();
        return Window_;
    }

private:
    static HWND Create() {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &PopupListProc;
        wc.hInstance = instance;
        wc.lpszClassName = PopupListClassName;
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return nullptr;
        // An ordinary hidden top-level window: a message-only window cannot own a tracked menu.
        return CreateWindowExW(WS_EX_TOOLWINDOW, PopupListClassName, L"", WS_POPUP, 0, 0, 0, 0,
                               nullptr, nullptr, instance, nullptr);
    }

    HWND Window_ = nullptr;
};

} // namespace

HWND PopupListWindow() {
    static TPopupListOwner owner;
    return owner.Get();
}

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info(
        "TPopupMenu", &TComponent::StaticClass(),
        TPropertyList<TPopupMenu>()
            .Bool("OwnerDraw", &TPopupMenu::OwnerDraw, &TPopupMenu::SetOwnerDraw)
            .Event("OnPopup", &TPopupMenu::OnPopup)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); });
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), Items_(std::make_unique<TMenuItem>(nullptr)) {
    LivePopups().push_back(this);
    Items_->OnTreeChange = [this] {
        if (OnItemsChanged)
            OnItemsChanged();
    };
}

TPopupMenu::~TPopupMenu() {
    auto& popups = LivePopups();
    popups.erase(std::remove(popups.begin(), popups.end(), this), popups.end());
    if (Tracking_) {
        Tracking_->Alive = false;
        if (Tracking_->Shown) {
            Tracking_->Orphan = std::move(Handle_);
            EndMenu();
        }
    }
    // The items freed with the popup are no change to tell anybody of.
    Items_->OnTreeChange = nullptr;
    Items_.reset();
}

void TPopupMenu::SetOwnerDraw(bool ownerDraw) {
    OwnerDraw_ = ownerDraw;
}

HMENU TPopupMenu::Handle() {
    const bool stale =
        !Handle_ || BuiltVersion_ != Items_->Version() || BuiltOwnerDraw_ != OwnerDraw_;
    // The platform menu on screen must stay as it is until it closes.
    if (stale && !(Tracking_ && Tracking_->Shown))
        Rebuild();
    return Handle_.Get();
}

void TPopupMenu::Rebuild() {
    Handle_ = BuildPlatformMenu(*Items_, OwnerDraw_);
    BuiltVersion_ = Items_->Version();
    BuiltOwnerDraw_ = OwnerDraw_;
}

void TPopupMenu::Popup(int x, int y) {
    if (Tracking_)
        return;
    TTrackState state;
    Tracking_ = &state;
    // Whatever happens below, a popup that still exists is no longer tracking.
    struct TTrackingScope {
        TPopupMenu& Menu;
        TTrackState& State;
        ~TTrackingScope() {
            if (State.Alive)
                Menu.Tracking_ = nullptr;
        }
    } scope{*this, state};

    if (OnPopup)
        OnPopup(this);
    if (!state.Alive)
        return;
    Rebuild();
    const TTrackFunction track = CurrentTrackFunction();
    state.Shown = true;
    const UINT command = track ? track(Handle_.Get(), TrackFlags, x, y, PopupListWindow()) : 0;
    state.Shown = false;
    if (!state.Alive || command == 0)
        return;
    Tracking_ = nullptr;
    // The command is looked up afresh: the item may have gone while the menu was open.
    TMenuItem* item = TMenuItem::FromCommand(command);
    if (item && item->Root() == Items_.get())
        item->Click();
}

TPopupMenu::TTrackFunction TPopupMenu::SetTrackFunction(TTrackFunction track) {
    TTrackFunction previous = std::move(CurrentTrackFunction());
    CurrentTrackFunction() = track ? std::move(track) : TTrackFunction(&DefaultTrack);
    return previous;
}

TPopupMenu* TPopupMenu::MenuOf(const TMenuItem* item) {
    if (!item)
        return nullptr;
    const TMenuItem* root = item->Root();
    for (TPopupMenu* popup : LivePopups())
        if (popup->Items_.get() == root)
            return popup;
    return nullptr;
}

} // namespace veyra
