#pragma once

#include <vector>

#include "CustomTabControl.h"

namespace veyra {

class TTabSheet;

// A platform tab control whose tabs switch between TTabSheet pages.
class TPageControl : public TCustomTabControl {
    VEYRA_CLASS()
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(Pages_.size()); }
    TTabSheet* Pages(int index) const;
    int IndexOfPage(const TTabSheet* page) const;
    // The page shown; nullptr when there are no pages.
    TTabSheet* ActivePage() const { return ActivePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return IndexOfPage(ActivePage_); }
    void SetActivePageIndex(int index);

    // Frees the page at index (nothing for an index out of range). The page
    // leaves at once: the count, the tabs and the active page (the next
    // page, else the previous) are right when this returns, and OnChange is
    // not raised. The page object and its window go at once too, unless a
    // window procedure of the page or of a control on it is running (a
    // close button on the page itself); then they go as soon as no
    // framework window procedure runs, hidden and out of the control until
    // then. So it is safe from anywhere, the page control's own message
    // handling included: a close box in a hook in front of its WindowProc,
    // OnChange, OnMouseDown. Only the page control's window and its state
    // are touched, never destroyed.
    void FreePage(int index);

    // Called by TTabSheet as it joins and leaves the control.
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    // Refreshes the tab of page (caption and image).
    void UpdateTab(TTabSheet* page);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    std::vector<TTabItem> TabItems() const override;
    int WantedTabIndex() const override { return ActivePageIndex(); }
    void Change() override;
    // Places every page in the display rectangle and shows the active one.
    void LayoutDisplay() override;

private:
    static TTabItem TabOf(const TTabSheet& page);

    std::vector<TTabSheet*> Pages_;
    TTabSheet* ActivePage_ = nullptr;
};

} // namespace veyra
