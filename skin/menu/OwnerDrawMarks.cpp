#include "OwnerDrawMarks.h"

#include <algorithm>

namespace veyra {

namespace {

// Item data of a marked item: this tag in the high bits, its entry below.
// Sixteen bits of entries are far more than a menu holds.
constexpr ULONG_PTR kMarkTag = 0x5E4D0000;
constexpr ULONG_PTR kMarkMask = 0xFFFF0000;
constexpr std::size_t kMaxMarked = 0xFFFF;
// Submenus nest; a menu that contains itself must not recurse for ever.
constexpr int kMaxDepth = 16;

std::wstring ItemText(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info) || info.cch == 0)
        return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, position, TRUE, &info))
        return {};
    text.resize(std::min<std::size_t>(info.cch, text.size()));
    return text;
}

} // namespace

void TOwnerDrawMarks::Mark(HMENU menu) {
    MarkRecursive(menu, 0);
}

void TOwnerDrawMarks::MarkRecursive(HMENU menu, int depth) {
    if (!menu || !IsMenu(menu) || depth > kMaxDepth)
        return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count && Items_.size() < kMaxMarked; ++i) {
        const auto position = static_cast<UINT>(i);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_BITMAP;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info))
            continue;
        if (info.hSubMenu)
            MarkRecursive(info.hSubMenu, depth + 1);
        if ((info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) || info.hbmpItem == HBMMENU_CALLBACK)
            continue;
        TMarkedItem item;
        item.Menu = menu;
        item.Position = position;
        item.Id = info.wID;
        item.Type = info.fType;
        item.State = info.fState;
        item.Data = info.dwItemData;
        item.HasPopup = info.hSubMenu != nullptr;
        item.Bitmap = info.hbmpItem;
        if (!(info.fType & MFT_SEPARATOR))
            item.Text = ItemText(menu, position);
        MENUITEMINFOW marked{};
        marked.cbSize = sizeof(marked);
        marked.fMask = MIIM_FTYPE | MIIM_DATA;
        marked.fType = info.fType | MFT_OWNERDRAW;
        marked.dwItemData = kMarkTag | Items_.size();
        if (SetMenuItemInfoW(menu, position, TRUE, &marked))
            Items_.push_back(std::move(item));
    }
}

void TOwnerDrawMarks::UnmarkAll() {
    for (TMarkedItem& item : Items_) {
        if (!IsMenu(item.Menu))
            continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType = item.Type;
        info.dwItemData = item.Data;
        if (!item.Separator()) {
            // The text comes back with the type, as the item had it.
            info.fMask |= MIIM_STRING;
            info.dwTypeData = item.Text.data();
        }
        SetMenuItemInfoW(item.Menu, item.Position, TRUE, &info);
    }
    Items_.clear();
}

const TMarkedItem* TOwnerDrawMarks::FromData(ULONG_PTR data, UINT id) const {
    if ((data & kMarkMask) != kMarkTag)
        return nullptr;
    const std::size_t index = data & ~kMarkMask;
    if (index >= Items_.size())
        return nullptr;
    const TMarkedItem& item = Items_[index];
    // An item with a submenu reports its submenu's handle, cut to the id's width.
    return item.HasPopup || item.Id == id ? &item : nullptr;
}

const TMarkedItem* TOwnerDrawMarks::FromMeasure(const MEASUREITEMSTRUCT& request) const {
    return request.CtlType == ODT_MENU ? FromData(request.itemData, request.itemID) : nullptr;
}

const TMarkedItem* TOwnerDrawMarks::FromDraw(const DRAWITEMSTRUCT& request) const {
    if (request.CtlType != ODT_MENU)
        return nullptr;
    const TMarkedItem* item = FromData(request.itemData, request.itemID);
    return item && reinterpret_cast<HMENU>(request.hwndItem) == item->Menu ? item : nullptr;
}

} // namespace veyra
