#include "TabSet.h"

#include <algorithm>

#include "Font.h"
#include "GdiObject.h"

namespace veyra {

namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

} // namespace

const TClassInfo& TTabScroller::StaticClass() {
    static const TClassInfo info("TTabScroller", &TCustomUpDown::StaticClass());
    return info;
}

TTabScroller::TTabScroller(TComponent* owner) : TCustomUpDown(owner) {
    SetOrientation(udHorizontal);
}

const TClassInfo& TTabSet::StaticClass() {
    static const TClassInfo info(
        "TTabSet", &TCustomControl::StaticClass(),
        TPropertyList<TTabSet>()
            .Integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
            .Integer("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
            .Event("OnChange", &TTabSet::OnChange)
            .Integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
            .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
            .Strings("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TTabSet(owner); });
    return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 185, 21);
    // The scroller is the first component the tab set owns: the skin finds
    // it there.
    Scroller_ = new TTabScroller(this);
    Scroller_->SetVisible(false);
    Scroller_->SetParent(this);
    Scroller_->OnClick = [this](TObject*) {
        if (Scroller_)
            SetFirstIndex(Scroller_->Position());
    };
}

void TTabSet::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Scroller_)
        Scroller_ = nullptr;
}

int TTabSet::ValidIndex(int index) const {
    return index >= 0 && index < static_cast<int>(Tabs_.size()) ? index : -1;
}

void TTabSet::SetTabs(const std::vector<std::wstring>& tabs) {
    Tabs_ = tabs;
    // While loading, TabIndex may come before the tabs; Loaded checks it.
    if (!IsLoading()) {
        const int count = static_cast<int>(Tabs_.size());
        TabIndex_ = TabIndex_ < 0 ? ValidIndex(0) : ValidIndex(std::min(TabIndex_, count - 1));
        FirstIndex_ = std::clamp(FirstIndex_, 0, std::max(count - 1, 0));
    }
    Changed();
}

void TTabSet::SetTabIndex(int index) {
    TabIndex_ = IsLoading() ? index : ValidIndex(index);
    Changed();
}

void TTabSet::SetFirstIndex(int index) {
    const int last = std::max(static_cast<int>(Tabs_.size()) - 1, 0);
    FirstIndex_ = IsLoading() ? std::max(index, 0) : std::clamp(index, 0, last);
    Changed();
}

void TTabSet::SetStartMargin(int margin) {
    StartMargin_ = std::max(margin, 0);
    Changed();
}

void TTabSet::SetEndMargin(int margin) {
    EndMargin_ = std::max(margin, 0);
    Changed();
}

void TTabSet::Loaded() {
    TCustomControl::Loaded();
    TabIndex_ = ValidIndex(TabIndex_);
    FirstIndex_ = std::clamp(FirstIndex_, 0, std::max(static_cast<int>(Tabs_.size()) - 1, 0));
    Changed();
}

void TTabSet::Changed() {
    if (IsLoading())
        return;
    UpdateScroller();
    Invalidate();
}

void TTabSet::WindowCreated() {
    TCustomControl::WindowCreated();
    UpdateScroller();
}

void TTabSet::BoundsChanged() {
    TCustomControl::BoundsChanged();
    Changed();
}

void TTabSet::FontChanged() {
    TCustomControl::FontChanged();
    Changed();
}

TTabSetInput TTabSet::LayoutInput() const {
    TTabSetInput input;
    input.Width = Width();
    input.StartMargin = StartMargin_;
    input.EndMargin = EndMargin_;
    input.FirstIndex = FirstIndex_;
    input.ScrollerVisible = Scroller_ && Scroller_->Visible();
    const MemoryDc dc;
    const TSelectObject font(dc.Get(), Font()->Handle());
    for (const std::wstring& tab : Tabs_) {
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), tab.c_str(), static_cast<int>(tab.size()), &size);
        input.CaptionWidths.push_back(size.cx);
    }
    return input;
}

std::vector<TTabSetPlace> TTabSet::TabPlaces() const {
    return LayoutTabSet(LayoutInput());
}

void TTabSet::UpdateScroller() {
    if (!Scroller_)
        return;
    const bool needed = TabSetNeedsScroller(LayoutInput());
    const Rect place = TabSetScrollerRect(Width(), Height(), kScrollerWidth);
    Scroller_->SetBounds(place.Left, place.Top, place.Width(), place.Height());
    Scroller_->SetMin(0);
    Scroller_->SetMax(std::max(static_cast<int>(Tabs_.size()) - 1, 0));
    Scroller_->SetPosition(FirstIndex_);
    Scroller_->SetVisible(needed);
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        const int picked = TabSetTabAt(TabPlaces(), x);
        if (picked >= 0 && picked != TabIndex_) {
            TabIndex_ = picked;
            Invalidate();
            if (OnChange)
                OnChange(this);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTabSet::Paint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    FillSolid(dc, client, ColorToRGB(Color()));
    const COLORREF line = GetSysColor(COLOR_WINDOWFRAME);
    // The edge of the pages above, open under the selected tab.
    FillSolid(dc, RECT{0, 0, client.right, 1}, line);
    const TSelectObject font(dc, Font()->Handle());
    const BkModeScope transparent(dc, TRANSPARENT);
    const TextColourScope colour(dc, ColorToRGB(Font()->Color()));
    for (const TTabSetPlace& place : TabPlaces()) {
        const bool selected = place.Index == TabIndex_;
        RECT tab{place.Left, 0, place.Right, client.bottom - 1};
        FillSolid(dc, RECT{tab.left, selected ? 0 : 1, tab.right, tab.bottom},
                  selected ? ColorToRGB(Color()) : GetSysColor(COLOR_WINDOW));
        FillSolid(dc, RECT{tab.left, 0, tab.left + 1, tab.bottom}, line);
        FillSolid(dc, RECT{tab.right - 1, 0, tab.right, tab.bottom}, line);
        FillSolid(dc, RECT{tab.left, tab.bottom - 1, tab.right, tab.bottom}, line);
        const std::wstring& text = Tabs_[static_cast<std::size_t>(place.Index)];
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tab,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

} // namespace veyra
