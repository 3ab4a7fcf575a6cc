#pragma once

#include <functional>

#include "WinControl.h"

namespace veyra {

// Which way a scroll-bar control lies.
enum TScrollBarKind { sbHorizontal, sbVertical };

// What moved a scroll bar, by the platform's scroll codes.
enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

// A scroll notification: code, and the position it leads to, which the
// handler may change.
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& position)>;

// The platform's scroll-bar control under the framework. It moves itself on
// the scroll notifications its parent reflects to it (CN_HSCROLL,
// CN_VSCROLL): an arrow by SmallChange, the track by LargeChange, the thumb
// to where it is dragged; OnScroll sees each move first, OnChange follows a
// change of Position. Position stays between Min and Max - PageSize + 1.
class TCustomScrollBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return Kind_; }
    // A window style: a control with a window makes a new one.
    void SetKind(TScrollBarKind kind);
    int Min() const { return Min_; }
    void SetMin(int value) { SetParams(Position_, value, Max_); }
    int Max() const { return Max_; }
    void SetMax(int value) { SetParams(Position_, Min_, value); }
    int Position() const { return Position_; }
    void SetPosition(int value) { SetParams(value, Min_, Max_); }
    int PageSize() const { return PageSize_; }
    void SetPageSize(int value);
    int SmallChange() const { return SmallChange_; }
    void SetSmallChange(int value) { SmallChange_ = value; }
    int LargeChange() const { return LargeChange_; }
    void SetLargeChange(int value) { LargeChange_ = value; }
    // Sets position and range at once (a maximum below the minimum is
    // raised to it); raises OnChange when the position changed.
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void CnScroll(TMessage& message);
    int LastPosition() const;
    void WriteScrollInfo();

    TScrollBarKind Kind_ = sbHorizontal;
    int Min_ = 0;
    int Max_ = 100;
    int Position_ = 0;
    int PageSize_ = 0;
    int SmallChange_ = 1;
    int LargeChange_ = 1;
};

// The scroll bar as forms place it.
class TScrollBar : public TCustomScrollBar {
    VEYRA_CLASS()
public:
    explicit TScrollBar(TComponent* owner) : TCustomScrollBar(owner) {}
};

} // namespace veyra
