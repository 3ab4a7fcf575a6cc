#include "SkinSystemMenu.h"

#include <algorithm>
#include <string>

#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "skin/form/PlatformVersion.h"

namespace veyra {

namespace {

// Glyphs of the skin component's menu image list.
constexpr int kRestoreGlyph = 0;
constexpr int kMaximizeGlyph = 1;
constexpr int kMinimizeGlyph = 2;
constexpr int kCloseGlyph = 3;

// One item of the platform's system menu, read by position.
struct TSystemMenuEntry {
    UINT Id = 0;
    UINT State = 0;
    std::wstring Text;
};

bool ReadSystemMenuEntry(HMENU menu, int position, TSystemMenuEntry& entry) {
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

bool Greyed(UINT state) {
    return (state & (MFS_GRAYED | MFS_DISABLED)) == (MFS_GRAYED | MFS_DISABLED);
}

} // namespace

void TSkinSystemMenu::Free() {
    delete Menu_;
    Menu_ = nullptr;
}

TPopupMenu* TSkinSystemMenu::Build(const TSystemMenuSource& source) {
    Free();
    Menu_ = new TPopupMenu(Owner_);
    Menu_->SetTag(kTag);
    Menu_->SetOwnerDraw(true);
    Menu_->SetImages(source.Glyphs);
    const TPlatformVersion& version = PlatformVersion();
    if (version.NT && version.Major < 5)
        AddFixedItems(source);
    else
        AddPlatformItems(source);
    return Menu_;
}

void TSkinSystemMenu::AddFixedItems(const TSystemMenuSource& source) {
    // The old platform's menu cannot be read reliably: a fixed one.
    struct TFixedItem {
        const wchar_t* Caption;
        int Tag; // the command's number, 100 for the separator
        bool Shown;
    };
    const TFixedItem fixed[] = {{L" Restore ", 0, true},
                                {L" Maximize ", 1, (source.SavedStyle & ssHadMaximizeBox) != 0},
                                {L" Minimize ", 2, (source.SavedStyle & ssHadMinimizeBox) != 0},
                                {L"-", 100, true},
                                {L" Close ", 3, true}};
    for (const TFixedItem& entry : fixed) {
        if (!entry.Shown)
            continue;
        auto* item = new TMenuItem(Menu_);
        item->SetCaption(entry.Caption);
        item->SetTag(entry.Tag);
        item->SetImageIndex(entry.Tag);
        const auto command = static_cast<TSystemMenuCommand>(entry.Tag);
        if (command == TSystemMenuCommand::Close)
            item->SetShortCutText(L"ALT+F4");
        const bool separator = entry.Tag > static_cast<int>(TSystemMenuCommand::Close);
        const auto carryOut = source.Command;
        item->OnClick = [carryOut, command, separator](TObject*) {
            if (carryOut && !separator)
                carryOut(command);
        };
        Menu_->Items()->Add(item);
    }
}

void TSkinSystemMenu::AddPlatformItems(const TSystemMenuSource& source) {
    if (!(source.SavedStyle & ssHadSystemMenu) || !source.PlatformMenu)
        return;
    const bool maximizeBox = (source.SavedStyle & ssHadMaximizeBox) != 0;
    const bool minimizeBox = (source.SavedStyle & ssHadMinimizeBox) != 0;
    const HWND window = source.Window;
    const int count = GetMenuItemCount(source.PlatformMenu);
    for (int position = 0; position < count; ++position) {
        TSystemMenuEntry entry;
        if (!ReadSystemMenuEntry(source.PlatformMenu, position, entry))
            continue;
        auto* item = new TMenuItem(Menu_);
        // The platform's text carries its shortcut after a tab.
        const std::size_t tab = entry.Text.find(L'\t');
        item->SetCaption(entry.Text.empty() ? std::wstring(L"-") : entry.Text.substr(0, tab));
        if (tab != std::wstring::npos)
            item->SetShortCutText(entry.Text.substr(tab + 1));
        item->SetTag(entry.Id);
        bool enabled = !Greyed(entry.State);
        int image = -1;
        switch (entry.Id & 0xFFF0) {
        case SC_SIZE:
            // The platform greys the states in only as it opens its own menu:
            // a window without a sizing border, or not normal, has no Size.
            enabled = enabled && source.Sizeable && source.State == TWindowState::Normal;
            break;
        case SC_MOVE:
            enabled = enabled && source.State != TWindowState::Maximized;
            break;
        case SC_MINIMIZE:
            image = kMinimizeGlyph;
            enabled = source.State != TWindowState::Minimized && minimizeBox;
            break;
        case SC_MAXIMIZE:
            image = kMaximizeGlyph;
            enabled = source.State != TWindowState::Maximized && maximizeBox;
            break;
        case SC_CLOSE:
            image = kCloseGlyph;
            break;
        case SC_RESTORE:
            image = kRestoreGlyph;
            enabled = source.State != TWindowState::Normal;
            break;
        default:
            break;
        }
        item->SetImageIndex(image);
        item->SetEnabled(enabled);
        item->SetChecked((entry.State & MFS_CHECKED) != 0);
        const UINT command = entry.Id;
        item->OnClick = [window, command](TObject*) {
            PostMessageW(window, WM_SYSCOMMAND, command, 0);
        };
        Menu_->Items()->Add(item);
    }
}

} // namespace veyra
