#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Component.h"

namespace veyra {

// A menu operation that cannot be done: an index out of range, an item put
// inside itself, no command left to hand out.
class EMenuError : public EComponentError {
public:
    using EComponentError::EComponentError;
};

// Paints one owner-drawn item into rect of dc.
using TMenuDrawItemEvent =
    std::function<void(TObject* sender, HDC dc, const RECT& rect, bool selected)>;
// Answers the size of one owner-drawn item; width and height come in as the platform proposed them.
using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;

// One entry of a menu, and the parent of the entries of its submenu. An item
// is freed by its owner or by its parent item, whichever comes first; the other
// forgets it.
class TMenuItem : public TComponent {
    VEYRA_CLASS()
public:
    // The highest command an item is given; commands above it are the system menu's.
    static constexpr UINT MaxCommand = 0xEFFF;

    // Creates an item with a fresh command; owner (if any) will free it.
    explicit TMenuItem(TComponent* owner);
    // Frees the children and leaves the parent.
    ~TMenuItem() override;

    // The text shown; "-" makes the item a separator.
    const std::wstring& Caption() const { return Caption_; }
    void SetCaption(const std::wstring& caption);
    // Whether the item is a separator line.
    bool IsLine() const { return Caption_ == L"-"; }
    // Whether the item can be chosen; true at creation.
    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled);
    // Whether the item shows a check mark.
    bool Checked() const { return Checked_; }
    void SetChecked(bool checked);
    // The image of the menu's image list drawn beside the caption; -1 for none.
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int index);
    // Whether the item is its menu's default item, drawn bold.
    bool Default() const { return Default_; }
    void SetDefault(bool isDefault);
    // Whether the item is in the menu at all; true at creation.
    bool Visible() const { return Visible_; }
    void SetVisible(bool visible);
    // The platform menu of the item's children as last built, or null (the
    // menu that built it owns it).
    HMENU Handle() const { return Handle_; }
    void SetHandle(HMENU handle) { Handle_ = handle; }
    // The item itself or the descendant whose children's platform menu is handle, or nullptr.
    TMenuItem* FindByHandle(HMENU handle);
    // The key combination text drawn right-aligned, for example "ALT+F4".
    const std::wstring& ShortCutText() const { return ShortCutText_; }
    void SetShortCutText(const std::wstring& text);
    // The identifier of the item in platform menus: unique among the live
    // items of the process and never 0.
    UINT Command() const { return Command_; }

    // Appends item to this item's children (taking it from any other parent).
    void Add(TMenuItem* item);
    // Puts item at index (0 to Count) among the children; throws EMenuError
    // for an index out of range or an item that would contain itself.
    void Insert(int index, TMenuItem* item);
    // Takes item out of the children without freeing it; nothing when it is not one.
    void Remove(TMenuItem* item);
    // Frees every child.
    void Clear();
    // The number of children.
    int Count() const { return static_cast<int>(Items_.size()); }
    // The child at index; throws EMenuError when there is none.
    TMenuItem* Items(int index) const;
    // The position of item among the children, or -1.
    int IndexOf(const TMenuItem* item) const;
    // The item whose children include this one, or nullptr.
    TMenuItem* Parent() const { return Parent_; }
    // The topmost item above this one (this one when it has no parent).
    const TMenuItem* Root() const;
    // This item or the descendant with command, or nullptr.
    TMenuItem* Find(UINT command);
    // Counts the changes made to this item's tree; a built platform menu is
    // out of date when its root's count has moved on.
    std::uint64_t Version() const { return Version_; }

    // Runs OnClick when the item is enabled.
    void Click();

    bool InsertChildComponent(TComponent* component) override;

    // The live item with command, or nullptr: platform menus carry commands,
    // and an item may have gone since its menu was built.
    static TMenuItem* FromCommand(UINT command);

    TNotifyEvent OnClick;
    // Runs on the root item after any change to its tree; the menu that owns
    // the root listens here.
    std::function<void()> OnTreeChange;
    TMenuDrawItemEvent OnDrawItem;
    TMenuMeasureItemEvent OnMeasureItem;

private:
    void Changed();
    void Detach(TMenuItem* item);

    std::wstring Caption_;
    std::wstring ShortCutText_;
    bool Enabled_ = true;
    bool Checked_ = false;
    bool Default_ = false;
    bool Visible_ = true;
    HMENU Handle_ = nullptr;
    int ImageIndex_ = -1;
    UINT Command_ = 0;
    TMenuItem* Parent_ = nullptr;
    std::vector<TMenuItem*> Items_;
    std::uint64_t Version_ = 0;
};

} // namespace veyra
