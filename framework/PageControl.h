#pragma once

#include <vector>

#include "WinControl.h"

namespace veyra {

class TTabSheet;

// Tab positions of a page control.
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
// Tab styles of a page control.
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// A platform tab control whose tabs switch between TTabSheet pages.
class TPageControl : public TWinControl {
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
    TTabPosition TabPosition() const { return TabPosition_; }
    void SetTabPosition(TTabPosition position) { TabPosition_ = position; }
    TTabStyle Style() const { return Style_; }
    void SetStyle(TTabStyle style) { Style_ = style; }

    // The rectangle the pages fill, in client coordinates.
    RECT AlignRect() const override;

    // Called by TTabSheet as it joins and leaves the control.
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    // Refreshes the tab of page (caption and image).
    void UpdateTab(TTabSheet* page);

    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void CreateChildHandles() override;
    void FontChanged() override;
    void WndProc(TMessage& message) override;

private:
    void CnNotify(TMessage& message);
    void ShowActivePage();
    void RebuildTabs();

    std::vector<TTabSheet*> Pages_;
    TTabSheet* ActivePage_ = nullptr;
    TTabPosition TabPosition_ = tpTop;
    TTabStyle Style_ = tsTabs;
};

} // namespace veyra
