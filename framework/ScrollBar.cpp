#include "ScrollBar.h"

#include <algorithm>

#include "framework/Messages.h"

namespace veyra {

const TClassInfo& TCustomScrollBar::StaticClass() {
    static const TClassInfo info(
        "TCustomScrollBar", &TWinControl::StaticClass(),
        TPropertyList<TCustomScrollBar>()
            .Enum("Kind", {"sbHorizontal", "sbVertical"}, &TCustomScrollBar::Kind,
                  &TCustomScrollBar::SetKind)
            .Integer("LargeChange", &TCustomScrollBar::LargeChange,
                     &TCustomScrollBar::SetLargeChange)
            .Integer("Max", &TCustomScrollBar::Max, &TCustomScrollBar::SetMax)
            .Integer("Min", &TCustomScrollBar::Min, &TCustomScrollBar::SetMin)
            .Event("OnChange", &TCustomScrollBar::OnChange)
            .Event("OnScroll", &TCustomScrollBar::OnScroll)
            .Integer("PageSize", &TCustomScrollBar::PageSize, &TCustomScrollBar::SetPageSize)
            .Integer("Position", &TCustomScrollBar::Position, &TCustomScrollBar::SetPosition)
            .Integer("SmallChange", &TCustomScrollBar::SmallChange,
                     &TCustomScrollBar::SetSmallChange)
            .Take());
    return info;
}

const TClassInfo& TScrollBar::StaticClass() {
    static const TClassInfo info(
        "TScrollBar", &TCustomScrollBar::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TScrollBar(owner); });
    return info;
}

TCustomScrollBar::TCustomScrollBar(TComponent* owner) : TWinControl(owner) {}

void TCustomScrollBar::SetKind(TScrollBarKind kind) {
    if (kind == Kind_)
        return;
    Kind_ = kind;
    RecreateWnd();
}

void TCustomScrollBar::SetPageSize(int value) {
    PageSize_ = std::max(value, 0);
    SetParams(Position_, Min_, Max_);
}

int TCustomScrollBar::LastPosition() const {
    return std::max(Min_, Max_ - std::max(PageSize_ - 1, 0));
}

void TCustomScrollBar::SetParams(int position, int min, int max) {
    Min_ = min;
    Max_ = std::max(max, min);
    // While loading, the position may come before the range.
    const int next = IsLoading() ? position : std::clamp(position, Min_, LastPosition());
    const bool changed = next != Position_;
    Position_ = next;
    WriteScrollInfo();
    if (changed && !IsLoading() && OnChange)
        OnChange(this);
}

void TCustomScrollBar::Loaded() {
    TWinControl::Loaded();
    Position_ = std::clamp(Position_, Min_, LastPosition());
    WriteScrollInfo();
}

void TCustomScrollBar::WriteScrollInfo() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = Min_;
    info.nMax = Max_;
    info.nPage = static_cast<UINT>(PageSize_);
    info.nPos = Position_;
    SetScrollInfo(window, SB_CTL, &info, TRUE);
}

void TCustomScrollBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"SCROLLBAR";
    params.Style |= WS_TABSTOP | (Kind_ == sbVertical ? SBS_VERT : SBS_HORZ);
}

void TCustomScrollBar::WindowCreated() {
    WriteScrollInfo();
}

void TCustomScrollBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        CnScroll(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCustomScrollBar::CnScroll(TMessage& message) {
    message.Result = 0;
    const int code = LOWORD(message.WParam);
    if (code > scEndScroll)
        return;
    int position = Position_;
    switch (code) {
    case scLineUp:
        position -= SmallChange_;
        break;
    case scLineDown:
        position += SmallChange_;
        break;
    case scPageUp:
        position -= LargeChange_;
        break;
    case scPageDown:
        position += LargeChange_;
        break;
    case scPosition:
    case scTrack: {
        // The 32-bit track position; the notification carries only 16 bits.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        position =
            GetScrollInfo(WindowHandle(), SB_CTL, &info) ? info.nTrackPos : HIWORD(message.WParam);
        break;
    }
    case scTop:
        position = Min_;
        break;
    case scBottom:
        position = Max_;
        break;
    default:
        break;
    }
    position = std::clamp(position, Min_, LastPosition());
    if (OnScroll)
        OnScroll(this, static_cast<TScrollCode>(code), position);
    SetPosition(position);
}

} // namespace veyra
