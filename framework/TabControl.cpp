#include "TabControl.h"

#include <algorithm>

namespace veyra {

const TClassInfo& TTabControl::StaticClass() {
    static const TClassInfo info(
        "TTabControl", &TCustomTabControl::StaticClass(),
        TPropertyList<TTabControl>()
            .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
            .Strings("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TTabControl(owner); });
    return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

int TTabControl::ValidIndex(int index) const {
    return index >= 0 && index < static_cast<int>(Tabs_.size()) ? index : -1;
}

void TTabControl::SetTabs(const std::vector<std::wstring>& tabs) {
    Tabs_ = tabs;
    // While loading, TabIndex may come before the tabs; Loaded checks it.
    if (!IsLoading()) {
        const int count = static_cast<int>(Tabs_.size());
        TabIndex_ = TabIndex_ < 0 ? ValidIndex(0) : ValidIndex(std::min(TabIndex_, count - 1));
    }
    WriteTabs();
}

void TTabControl::SetTabIndex(int index) {
    TabIndex_ = IsLoading() ? index : ValidIndex(index);
    SelectTab(TabIndex_);
}

void TTabControl::Loaded() {
    TCustomTabControl::Loaded();
    TabIndex_ = ValidIndex(TabIndex_);
    SelectTab(TabIndex_);
}

std::vector<TTabItem> TTabControl::TabItems() const {
    std::vector<TTabItem> items;
    for (std::size_t i = 0; i < Tabs_.size(); ++i)
        items.push_back(TTabItem{Tabs_[i], static_cast<int>(i)});
    return items;
}

void TTabControl::Change() {
    TabIndex_ = CurrentTabIndex();
    TCustomTabControl::Change();
}

} // namespace veyra
