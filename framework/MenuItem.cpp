#include "MenuItem.h"

#include <algorithm>
#include <map>

namespace veyra {
namespace {

// Every live item by its command. Messages from platform menus are resolved
// here, so an item that has gone is never reached through an old menu.
std::map<UINT, TMenuItem*>& LiveItems() {
    // Never destroyed: the application object frees its forms, and the
    // items they own, after the other statics are gone.
    static auto* items = new std::map<UINT, TMenuItem*>;
    return *items;
}

// Commands are handed out in rising order and only reused after the whole
// range has been used, so that a menu built before an item was freed does not
// name a newer item.
UINT AllocateCommand() {
    static UINT next = 1;
    for (UINT tries = 0; tries < TMenuItem::MaxCommand; ++tries) {
        const UINT command = next;
        next = next >= TMenuItem::MaxCommand ? 1 : next + 1;
        if (!LiveItems().contains(command))
            return command;
    }
    throw EMenuError("Every menu command is in use");
}

} // namespace

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info(
        "TMenuItem", &TComponent::StaticClass(),
        TPropertyList<TMenuItem>()
            .WString("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
            .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
            .WString("ShortCutText", &TMenuItem::ShortCutText, &TMenuItem::SetShortCutText)
            .Event("OnClick", &TMenuItem::OnClick)
            .Event("OnDrawItem", &TMenuItem::OnDrawItem)
            .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TMenuItem(owner); });
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), Command_(AllocateCommand()) {
    LiveItems()[Command_] = this;
}

TMenuItem::~TMenuItem() {
    LiveItems().erase(Command_);
    Clear();
    if (Parent_)
        Parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::wstring& caption) {
    if (caption != Caption_) {
        Caption_ = caption;
        Changed();
    }
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled != Enabled_) {
        Enabled_ = enabled;
        Changed();
    }
}

void TMenuItem::SetChecked(bool checked) {
    if (checked != Checked_) {
        Checked_ = checked;
        Changed();
    }
}

void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault != Default_) {
        Default_ = isDefault;
        Changed();
    }
}

void TMenuItem::SetVisible(bool visible) {
    if (visible != Visible_) {
        Visible_ = visible;
        Changed();
    }
}

TMenuItem* TMenuItem::FindByHandle(HMENU handle) {
    if (!handle)
        return nullptr;
    if (Handle_ == handle)
        return this;
    for (TMenuItem* item : Items_)
        if (TMenuItem* found = item->FindByHandle(handle))
            return found;
    return nullptr;
}

bool TMenuItem::InsertChildComponent(TComponent* component) {
    auto* item = As<TMenuItem>(component);
    if (!item)
        return false;
    Add(item);
    return true;
}

void TMenuItem::SetImageIndex(int index) {
    // Every negative index means "no image".
    index = std::max(index, -1);
    if (index != ImageIndex_) {
        ImageIndex_ = index;
        Changed();
    }
}

void TMenuItem::SetShortCutText(const std::wstring& text) {
    if (text != ShortCutText_) {
        ShortCutText_ = text;
        Changed();
    }
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item)
        throw EMenuError("No menu item to insert");
    for (const TMenuItem* above = this; above; above = above->Parent_)
        if (above == item)
            throw EMenuError("A menu item cannot be put inside itself");
    // Taking the item from its old place first keeps the index meaningful
    // when it moves within this item.
    if (item->Parent_)
        item->Parent_->Remove(item);
    if (index < 0 || index > Count())
        throw EMenuError("Menu index " + std::to_string(index) + " is out of range");
    Items_.insert(Items_.begin() + index, item);
    item->Parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    if (IndexOf(item) < 0)
        return;
    Detach(item);
    Changed();
}

void TMenuItem::Detach(TMenuItem* item) {
    Items_.erase(std::find(Items_.begin(), Items_.end(), item));
    item->Parent_ = nullptr;
}

void TMenuItem::Clear() {
    if (Items_.empty())
        return;
    while (!Items_.empty()) {
        TMenuItem* last = Items_.back();
        Detach(last);
        delete last;
    }
    Changed();
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EMenuError("Menu index " + std::to_string(index) + " is out of range");
    return Items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto it = std::find(Items_.begin(), Items_.end(), item);
    return it == Items_.end() ? -1 : static_cast<int>(it - Items_.begin());
}

const TMenuItem* TMenuItem::Root() const {
    const TMenuItem* root = this;
    while (root->Parent_)
        root = root->Parent_;
    return root;
}

TMenuItem* TMenuItem::Find(UINT command) {
    if (command == Command_)
        return this;
    for (TMenuItem* child : Items_)
        if (TMenuItem* found = child->Find(command))
            return found;
    return nullptr;
}

void TMenuItem::Click() {
    if (Enabled_ && OnClick)
        OnClick(this);
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
    const auto it = LiveItems().find(command);
    return it == LiveItems().end() ? nullptr : it->second;
}

void TMenuItem::Changed() {
    TMenuItem* root = this;
    while (root->Parent_)
        root = root->Parent_;
    ++root->Version_;
    if (root->OnTreeChange)
        root->OnTreeChange();
}

} // namespace veyra
