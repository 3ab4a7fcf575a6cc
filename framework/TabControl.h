#pragma once

#include <string>
#include <vector>

#include "CustomTabControl.h"

namespace veyra {

// A platform tab control with a tab per text. The tabs switch nothing by
// themselves: OnChange tells which one the user picked (TabIndex), and
// controls placed on it are aligned in its display rectangle. With Images
// set, tab i shows image i.
class TTabControl : public TCustomTabControl {
    VEYRA_CLASS()
public:
    explicit TTabControl(TComponent* owner);

    const std::vector<std::wstring>& Tabs() const { return Tabs_; }
    // Replaces the tabs. The selected tab keeps its index while there is a
    // tab of that index, else the last tab is selected; the first tab is
    // selected when there was none.
    void SetTabs(const std::vector<std::wstring>& tabs);
    // The selected tab, or -1.
    int TabIndex() const { return TabIndex_; }
    // Selects a tab without raising OnChange; an index with no tab selects none (-1).
    void SetTabIndex(int index);

    void Loaded() override;

protected:
    std::vector<TTabItem> TabItems() const override;
    int WantedTabIndex() const override { return TabIndex_; }
    void Change() override;

private:
    int ValidIndex(int index) const;

    std::vector<std::wstring> Tabs_;
    int TabIndex_ = -1;
};

} // namespace veyra
