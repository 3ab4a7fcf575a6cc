// The skinned copy of a window's system menu: built from the platform's menu
// each time it opens, with the four glyphs of the skin component, and carried
// out through WM_SYSCOMMAND so that the platform does the work.

#include "WinSkinForm.h"

#include "PlatformVersion.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "framework/Timer.h"
#include "skin/component/SkinData.h"
#include "skin/manager/SkinManage.h"

namespace veyra {

namespace {

// The popup mode the manager is told about before a system menu opens.
constexpr int kSystemMenuPopup = 2;

// Glyphs of the skin component's menu image list.
constexpr int kRestoreGlyph = 0;
constexpr int kMaximizeGlyph = 1;
constexpr int kMinimizeGlyph = 2;
constexpr int kCloseGlyph = 3;

constexpr std::int64_t kSystemMenuTag = 33333;

// One item of the platform's system menu, read by position.
struct TSystemMenuEntry {
    UINT Id = 0;
    UINT State = 0;
    std::wstring Text;
};

bool ReadSystemMenuEntry(HMENU menu, int position, TSystemMenuEntry& entry)
{
    wchar_t text[80] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 80;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info))
        return false;
    entry.Id = info.wID;
    entry.State = info.fState;
    entry.Text.assign(text, std::min<UINT>(info.cch, 79));
    return true;
}

} // namespace

void TWinSkinForm::FreeSkinnedSystemMenu()
{
    delete SkinnedSystemMenu_;
    SkinnedSystemMenu_ = nullptr;
}

void TWinSkinForm::ShowSystemMenu(POINT screen)
{
    const DWORD now = GetTickCount();
    const int doubleClickTime = static_cast<int>(DoubleClickTime_);
    if (doubleClickTime < 0 || now - LastMenuTick_ > static_cast<DWORD>(doubleClickTime)) {
        if (TSkinManage* manager = TSkinManage::Instance())
            manager->SetPopupMode(kSystemMenuPopup);
        LastMenuTick_ = now;
        BuildSkinnedSystemMenu();
        if (SkinnedSystemMenu_)
            SkinnedSystemMenu_->Popup(screen.x, screen.y);
        return;
    }
    // A second click within the double-click time: on a title button that
    // is a double click on the icon.
    if (HotObject_) {
        StopTimer();
        PostMessageW(Handle, WM_CLOSE, 0, 0);
    }
}

void TWinSkinForm::BuildSkinnedSystemMenu()
{
    FreeSkinnedSystemMenu();
    auto* menu = new TPopupMenu(this);
    SkinnedSystemMenu_ = menu;
    menu->SetTag(kSystemMenuTag);
    menu->SetOwnerDraw(true);
    if (SkinData_)
        menu->SetImages(SkinData_->MenuGlyphs());
    const HWND window = Handle;
    const bool maximizeBox = (SavedStyleBits_ & kHadMaximizeBox) != 0;
    const bool minimizeBox = (SavedStyleBits_ & kHadMinimizeBox) != 0;

    const TPlatformVersion& version = PlatformVersion();
    if (version.NT && version.Major < 5) {
        // The old platform's menu cannot be read reliably: a fixed one.
        struct TFixedItem {
            const wchar_t* Caption;
            int Tag;
            bool Shown;
        };
        const TFixedItem fixed[] = {{L" Restore ", 0, true},
                                    {L" Maximize ", 1, maximizeBox},
                                    {L" Minimize ", 2, minimizeBox},
                                    {L"-", 100, true},
                                    {L" Close ", 3, true}};
        for (const TFixedItem& entry : fixed) {
            if (!entry.Shown)
                continue;
            auto* item = new TMenuItem(menu);
            item->SetCaption(entry.Caption);
            item->SetTag(entry.Tag);
            item->SetImageIndex(entry.Tag);
            if (entry.Tag == 3)
                item->SetShortCutText(L"ALT+F4");
            const int tag = entry.Tag;
            item->OnClick = [this, tag](TObject*) {
                switch (tag) {
                case 0:
                    RestoreWindow();
                    break;
                case 1:
                    ToggleMaximize();
                    break;
                case 2:
                    ToggleMinimize();
                    break;
                case 3:
                    StopTimer();
                    PostMessageW(Handle, WM_CLOSE, 0, 0);
                    break;
                default:
                    break;
                }
            };
            menu->Items()->Add(item);
        }
        return;
    }

    HMENU system = SystemMenuHandle_ ? SystemMenuHandle_ : GetSystemMenu(Handle, FALSE);
    if (!(SavedStyleBits_ & kHadSystemMenu) || !system)
        return;
    const int count = GetMenuItemCount(system);
    for (int position = 0; position < count; ++position) {
        TSystemMenuEntry entry;
        if (!ReadSystemMenuEntry(system, position, entry))
            continue;
        auto* item = new TMenuItem(menu);
        // The platform's text carries its shortcut after a tab.
        const std::size_t tab = entry.Text.find(L'\t');
        item->SetCaption(entry.Text.empty() ? std::wstring(L"-") : entry.Text.substr(0, tab));
        if (tab != std::wstring::npos)
            item->SetShortCutText(entry.Text.substr(tab + 1));
        item->SetTag(entry.Id);
        bool enabled = (entry.State & (MFS_GRAYED | MFS_DISABLED)) != (MFS_GRAYED | MFS_DISABLED);
        int image = -1;
        switch (entry.Id & 0xFFF0) {
        case SC_SIZE:
        case SC_MOVE:
            enabled = WindowState_ != kMaximized;
            break;
        case SC_MINIMIZE:
            image = kMinimizeGlyph;
            enabled = WindowState_ != kMinimized && minimizeBox;
            break;
        case SC_MAXIMIZE:
            image = kMaximizeGlyph;
            enabled = WindowState_ != kMaximized && maximizeBox;
            break;
        case SC_CLOSE:
            image = kCloseGlyph;
            break;
        case SC_RESTORE:
            image = kRestoreGlyph;
            enabled = WindowState_ != kNormal;
            break;
        default:
            break;
        }
        item->SetImageIndex(image);
        item->SetEnabled(enabled);
        item->SetChecked((entry.State & MFS_CHECKED) != 0);
        const UINT command = entry.Id;
        item->OnClick = [window, command](TObject*) { PostMessageW(window, WM_SYSCOMMAND, command, 0); };
        menu->Items()->Add(item);
    }
}

} // namespace veyra
