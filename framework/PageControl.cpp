#include "PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "TabSheet.h"

namespace veyra {

const TClassInfo& TPageControl::StaticClass() {
    static const TClassInfo info(
        "TPageControl", &TWinControl::StaticClass(),
        TPropertyList<TPageControl>()
            .Object<TTabSheet>("ActivePage", &TPageControl::ActivePage,
                               &TPageControl::SetActivePage)
            .Integer("ActivePageIndex", &TPageControl::ActivePageIndex,
                     &TPageControl::SetActivePageIndex)
            .Event("OnChange", &TPageControl::OnChange)
            .Enum("Style", {"tsTabs", "tsButtons", "tsFlatButtons"}, &TPageControl::Style,
                  &TPageControl::SetStyle)
            .Enum("TabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"},
                  &TPageControl::TabPosition, &TPageControl::SetTabPosition)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TPageControl(owner); });
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {}

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

void TPageControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = WC_TABCONTROLW;
    params.Style |= WS_TABSTOP;
    if (TabPosition_ == tpBottom)
        params.Style |= TCS_BOTTOM;
    if (Style_ != tsTabs)
        params.Style |= TCS_BUTTONS | (Style_ == tsFlatButtons ? TCS_FLATBUTTONS : 0);
}

void TPageControl::WindowCreated() {
    RebuildTabs();
}

void TPageControl::CreateChildHandles() {
    TWinControl::CreateChildHandles();
    ShowActivePage();
}

void TPageControl::RebuildTabs() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < PageCount(); ++i) {
        std::wstring text = Pages_[static_cast<std::size_t>(i)]->Caption();
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text.data();
        item.iImage = Pages_[static_cast<std::size_t>(i)]->ImageIndex();
        SendMessageW(window, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(window, TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
    ShowActivePage();
}

void TPageControl::UpdateTab(TTabSheet* page) {
    const int index = IndexOfPage(page);
    if (!WindowHandle() || index < 0)
        return;
    std::wstring text = page->Caption();
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = page->ImageIndex();
    SendMessageW(WindowHandle(), TCM_SETITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    // A longer caption may wrap the tabs into another row.
    ShowActivePage();
}

void TPageControl::FontChanged() {
    TWinControl::FontChanged();
    // The tabs' height follows the font, and the pages' area with it.
    ShowActivePage();
}

void TPageControl::InsertPage(TTabSheet* page) {
    if (IndexOfPage(page) >= 0)
        return;
    Pages_.push_back(page);
    FreeNotification(page);
    if (!ActivePage_ && !IsLoading())
        ActivePage_ = page;
    RebuildTabs();
    ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const int index = IndexOfPage(page);
    if (index < 0)
        return;
    Pages_.erase(Pages_.begin() + index);
    RemoveFreeNotification(page);
    if (ActivePage_ == page)
        ActivePage_ = Pages(std::min(index, PageCount() - 1));
    RebuildTabs();
    ShowActivePage();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == ActivePage_)
        ActivePage_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && IndexOfPage(page) < 0)
        return;
    ActivePage_ = page;
    if (WindowHandle())
        SendMessageW(WindowHandle(), TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()), 0);
    ShowActivePage();
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(Pages(index));
}

void TPageControl::ShowActivePage() {
    const RECT area = AlignRect();
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

RECT TPageControl::AlignRect() const {
    RECT r{0, 0, Width(), Height()};
    if (WindowHandle()) {
        GetClientRect(WindowHandle(), &r);
        SendMessageW(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    } else {
        // Before the window exists: the usual frame and one row of tabs.
        InflateRect(&r, -4, -4);
        r.top += 20;
    }
    return r;
}

void TPageControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_NOTIFY:
        CnNotify(message);
        return;
    case WM_SIZE:
        TWinControl::WndProc(message);
        ShowActivePage();
        return;
    default:
        TWinControl::WndProc(message);
    }
}

void TPageControl::CnNotify(TMessage& message) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (!header || header->code != static_cast<UINT>(TCN_SELCHANGE)) {
        message.Result = 0;
        return;
    }
    const int index = static_cast<int>(SendMessageW(WindowHandle(), TCM_GETCURSEL, 0, 0));
    SetActivePage(Pages(index));
    if (OnChange)
        OnChange(this);
    message.Result = 0;
}

} // namespace veyra
