#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace veyra {

// One native menu item the skin drew itself, as it was before.
struct TMarkedItem {
    HMENU Menu = nullptr;
    UINT Position = 0;
    UINT Id = 0;
    UINT Type = 0; // the item's own MFT_* flags
    UINT State = 0;
    ULONG_PTR Data = 0;
    std::wstring Text;        // caption, and the shortcut after a tab
    HBITMAP Bitmap = nullptr; // the item's own picture beside the text (MIIM_BITMAP)
    bool HasPopup = false;

    bool Separator() const { return (Type & MFT_SEPARATOR) != 0; }
};

// Makes the items of native popup menus owner-drawn for the time they are
// tracked, so that the skin paints them, and gives every item back exactly
// as it was afterwards (and when skinning ends): no item is ever left marked
// and blank. While marked, an item's data names its entry here, so that a
// measure request (which carries no menu) finds it.
class TOwnerDrawMarks {
public:
    TOwnerDrawMarks() = default;
    TOwnerDrawMarks(const TOwnerDrawMarks&) = delete;
    TOwnerDrawMarks& operator=(const TOwnerDrawMarks&) = delete;
    ~TOwnerDrawMarks() { UnmarkAll(); }

    // Marks every item of menu and, recursively, of its submenus; items that
    // are owner-drawn or bitmaps already, or whose picture the owner draws
    // (HBMMENU_CALLBACK), are left to their owner.
    void Mark(HMENU menu);
    // Gives every marked item back its type, data and text.
    void UnmarkAll();
    // The marked item a measure request names, or null.
    const TMarkedItem* FromMeasure(const MEASUREITEMSTRUCT& request) const;
    // The marked item a draw request names, or null.
    const TMarkedItem* FromDraw(const DRAWITEMSTRUCT& request) const;
    bool Empty() const { return Items_.empty(); }

private:
    const TMarkedItem* FromData(ULONG_PTR data, UINT id) const;
    void MarkRecursive(HMENU menu, int depth);

    std::vector<TMarkedItem> Items_;
};

} // namespace veyra
