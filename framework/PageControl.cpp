#include "PageControl.h"

#include <algorithm>

#include "TabSheet.h"
#include "WindowDispatch.h"

namespace veyra {

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info(
        "TPageControl", &TCustomTabControl::StaticClass(),
        TPropertyList<TPageControl>()
            .Object<TTabSheet>("ActivePage", &TPageControl::ActivePage,
                               &TPageControl::SetActivePage)
            .Integer("ActivePageIndex", &TPageControl::ActivePageIndex,
                     &TPageControl::SetActivePageIndex)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TPageControl(owner); });
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
    // The sheets must not report back to a page control that is going away.
    for (TTabSheet* page : Pages_)
        RemoveFreeNotification(page);
    Pages_.clear();
    ActivePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? Pages_[static_cast<std::size_t>(index)] : nullptr;
}

int TPageControl::IndexOfPage(const TTabSheet* page) const {
    const auto it = std::find(Pages_.begin(), Pages_.end(), page);
    return it == Pages_.end() ? -1 : static_cast<int>(it - Pages_.begin());
}

TTabItem TPageControl::TabOf(const TTabSheet& page) {
    return TTabItem{page.Caption(), page.ImageIndex()};
}

std::vector<TTabItem> TPageControl::TabItems() const {
    std::vector<TTabItem> items;
    for (const TTabSheet* page : Pages_)
        items.push_back(TabOf(*page));
    return items;
}

void TPageControl::UpdateTab(TTabSheet* page) {
    if (const int index = IndexOfPage(page); index >= 0)
        WriteTab(index, TabOf(*page));
}

void TPageControl::InsertPage(TTabSheet* page) {
    if (IndexOfPage(page) >= 0)
        return;
    Pages_.push_back(page);
    FreeNotification(page);
    if (!ActivePage_ && !IsLoading())
        ActivePage_ = page;
    WriteTabs();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const int index = IndexOfPage(page);
    if (index < 0)
        return;
    Pages_.erase(Pages_.begin() + index);
    RemoveFreeNotification(page);
    if (ActivePage_ == page)
        ActivePage_ = Pages(std::min(index, PageCount() - 1));
    WriteTabs();
}

void TPageControl::FreePage(int index) {
    TTabSheet* page = Pages(index);
    if (!page)
        return;
    // The focus must not vanish with the page's window.
    const HWND pageWindow = page->WindowHandle();
    const HWND focus = GetFocus();
    if (pageWindow && WindowHandle() && (focus == pageWindow || IsChild(pageWindow, focus)))
        SetFocus(WindowHandle());
    page->SetVisible(false);
    page->SetPageControl(nullptr);
    if (TWindowDispatch::Running(page))
        TWindowDispatch::Defer(page, TDeferredAction::Free);
    else
        delete page;
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TCustomTabControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == ActivePage_)
        ActivePage_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && IndexOfPage(page) < 0)
        return;
    ActivePage_ = page;
    SelectTab(ActivePageIndex());
    LayoutDisplay();
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(Pages(index));
}

void TPageControl::LayoutDisplay() {
    const RECT area = DisplayRect();
    for (TTabSheet* page : Pages_) {
        page->SetBoundsForLayout(area);
        if (page != ActivePage_)
            page->SetVisible(false);
    }
    if (ActivePage_) {
        ActivePage_->SetVisible(true);
        if (ActivePage_->WindowHandle())
            BringWindowToTop(ActivePage_->WindowHandle());
    }
}

void TPageControl::Change() {
    SetActivePage(Pages(CurrentTabIndex()));
    TCustomTabControl::Change();
}

} // namespace veyra
