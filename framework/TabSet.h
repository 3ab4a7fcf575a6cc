#pragma once

#include <string>
#include <vector>

#include "CustomControl.h"
#include "UpDown.h"
#include "skin/data/TabSetLayout.h"

namespace veyra {

// The arrows of a tab set whose tabs do not all fit: a horizontal up-down
// whose position is the first tab shown.
class TTabScroller : public TCustomUpDown {
    VEYRA_CLASS()
public:
    explicit TTabScroller(TComponent* owner);
};

// The older self-drawn tab strip: tabs hanging from its top edge, one per
// line of Tabs, drawn left to right from FirstIndex between StartMargin and
// EndMargin (skin/data/TabSetLayout). A click on a tab selects it and raises
// OnChange; when the tabs do not all fit, the scroller (the first component
// the tab set owns) shows at the right end and moves FirstIndex.
class TTabSet : public TCustomControl {
    VEYRA_CLASS()
public:
    // The width of the scroller.
    static constexpr int kScrollerWidth = 24;

    explicit TTabSet(TComponent* owner);

    const std::vector<std::wstring>& Tabs() const { return Tabs_; }
    // Replaces the tabs; the selection keeps its index while there is a tab
    // of that index, else the last tab is selected.
    void SetTabs(const std::vector<std::wstring>& tabs);
    // The selected tab, or -1.
    int TabIndex() const { return TabIndex_; }
    // Selects a tab without raising OnChange; an index with no tab selects none.
    void SetTabIndex(int index);
    // The first tab shown.
    int FirstIndex() const { return FirstIndex_; }
    void SetFirstIndex(int index);
    int StartMargin() const { return StartMargin_; }
    void SetStartMargin(int margin);
    int EndMargin() const { return EndMargin_; }
    void SetEndMargin(int margin);
    TTabScroller* Scroller() const { return Scroller_; }

    // The tabs as they are shown now, client coordinates.
    std::vector<TTabSetPlace> TabPlaces() const;

    // The user picked another tab (TabIndex).
    TNotifyEvent OnChange;

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint(HDC dc, const RECT& clip) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void WindowCreated() override;
    void BoundsChanged() override;
    void FontChanged() override;

private:
    int ValidIndex(int index) const;
    TTabSetInput LayoutInput() const;
    // Shows the scroller where the tabs need it, with their range.
    void UpdateScroller();
    void Changed();

    std::vector<std::wstring> Tabs_;
    int TabIndex_ = -1;
    int FirstIndex_ = 0;
    int StartMargin_ = 5;
    // Wide enough for the scroller: the tabs keep 12 more pixels free while
    // it shows, so that they end before it.
    int EndMargin_ = kScrollerWidth - kTabSetScrollerReserve + 3;
    TTabScroller* Scroller_ = nullptr;
};

} // namespace veyra
