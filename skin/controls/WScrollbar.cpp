#include "WScrollbar.h"

#include <windowsx.h>

#include <algorithm>

#include "ControlDrawing.h"
#include "ScrollbarPainter.h"
#include "SkinControl.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/SkinColours.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/Blit.h"
#include "skin/package/AsciiText.h"

namespace veyra {

namespace {

constexpr wchar_t kOverlayClass[] = L"TWScrollbar";

// A scroll-bar control lies along its framework "Kind" ("sbHorizontal" or
// not); a bare one along its window style.
TScrollAxis ControlAxis(HWND target) {
    if (const TWinControl* control = TWinControl::FromHandle(target);
        control && HasProperty(control, "Kind"))
        return LowerAscii(GetEnumPropText(control, "Kind")) == "sbhorizontal"
                   ? TScrollAxis::Horizontal
                   : TScrollAxis::Vertical;
    return (GetWindowLongPtrW(target, GWL_STYLE) & SBS_VERT) ? TScrollAxis::Vertical
                                                             : TScrollAxis::Horizontal;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

LPARAM PointParam(POINT p) {
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

} // namespace

TWScrollbar::TWScrollbar(TSkinControl& owner, HWND target, TScrollKind kind)
    : Owner_(owner), Target_(target), Kind_(kind),
      Axis_(kind == TScrollKind::HorzBar   ? TScrollAxis::Horizontal
            : kind == TScrollKind::VertBar ? TScrollAxis::Vertical
                                           : ControlAxis(target)),
      Arrow_(GetSystemMetrics(SM_CXHSCROLL)) {
    const HWND parent = target ? GetParent(target) : nullptr;
    // A window without a parent has no sibling to lay over its bar.
    if (parent)
        CreateOverlay(kOverlayClass, WS_EX_TOOLWINDOW, parent);
}

// ---------------------------------------------------------------------------
// The bar covered

std::optional<TScrollBarState> TWScrollbar::ReadState() const {
    if (!Target_ || !IsWindow(Target_))
        return std::nullopt;
    TScrollBarState state;
    const bool windowShown = (GetWindowLongPtrW(Target_, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool windowEnabled = IsWindowEnabled(Target_) != FALSE;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (Kind_ != TScrollKind::Control) {
        const LONG object = Kind_ == TScrollKind::HorzBar ? OBJID_HSCROLL : OBJID_VSCROLL;
        if (!GetScrollBarInfo(Target_, object, &info))
            return std::nullopt;
        state.Bar = info.rcScrollBar;
        state.Thumb = {info.xyThumbTop, info.xyThumbBottom};
        state.Visible = windowShown && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE) &&
                        !IsRectEmpty(&info.rcScrollBar);
        state.Enabled = windowEnabled && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        return state;
    }
    if (!GetWindowRect(Target_, &state.Bar))
        return std::nullopt;
    state.Visible = windowShown && !IsRectEmpty(&state.Bar);
    state.Enabled = windowEnabled;
    // The thumb is drawn where the platform's own hit test finds it, so that
    // a click on the drawn thumb drags it; the scroll information is the
    // fallback where the platform cannot say.
    if (GetScrollBarInfo(Target_, OBJID_CLIENT, &info)) {
        state.Thumb = {info.xyThumbTop, info.xyThumbBottom};
        state.Enabled = state.Enabled && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
        return state;
    }
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(Target_, SB_CTL, &scroll))
        return std::nullopt;
    const int length = Axis_ == TScrollAxis::Horizontal ? Width(state.Bar) : Height(state.Bar);
    state.Thumb =
        ControlThumbSpan(length, Arrow_,
                         {scroll.nMin, scroll.nMax,
                          static_cast<int>(std::min<UINT>(scroll.nPage, INT_MAX)), scroll.nPos});
    return state;
}

RECT TWScrollbar::BarInWindow() const {
    RECT bar = Last_.Bar;
    RECT window{};
    if (Target_ && GetWindowRect(Target_, &window))
        OffsetRect(&bar, -window.left, -window.top);
    return bar;
}

void TWScrollbar::Position() {
    const HWND window = Handle();
    if (!window || WindowGone())
        return;
    const std::optional<TScrollBarState> state = ReadState();
    // Placing follows size and skin changes: the kept background is drawn anew.
    BackgroundKey_ = {};
    if (state)
        Last_ = *state;
    if (!state || !state->Visible) {
        Hide();
        return;
    }
    POINT origin{state->Bar.left, state->Bar.top};
    ScreenToClient(GetParent(window), &origin);
    // Just above the target: after the window that precedes it.
    const HWND above = GetWindow(Target_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (above == window)
        flags |= SWP_NOZORDER;
    SetWindowPos(window, above ? above : HWND_TOP, origin.x, origin.y, Width(state->Bar),
                 Height(state->Bar), flags);
    Shown_ = true;
    Repaint();
}

void TWScrollbar::Hide() {
    Shown_ = false;
    // The bar's own style bit, not IsWindowVisible: a bar on a window that is
    // itself hidden (a page not shown, a form being skinned) would be taken
    // for hidden already and show up when its window does.
    if (Handle() && !WindowGone() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE))
        ShowWindow(Handle(), SW_HIDE);
}

void TWScrollbar::Refresh() {
    if (!Handle() || WindowGone())
        return;
    const std::optional<TScrollBarState> state = ReadState();
    if (!state) {
        Hide();
        return;
    }
    const bool moved = !EqualRect(&state->Bar, &Last_.Bar) || state->Visible != Shown_;
    if (moved) {
        Position();
    } else if (!(*state == Last_)) {
        Last_ = *state;
        Repaint();
    }
}

void TWScrollbar::NoteScrollCode(int code) {
    if (code == SB_ENDSCROLL) {
        Hot_ = TScrollPart::None;
        Pressed_ = false;
    } else if (code != SB_THUMBPOSITION) {
        Hot_ = ScrollPartOfCode(code);
    }
    Repaint();
}

void TWScrollbar::SetEnabled(bool enabled) {
    if (Handle() && !WindowGone())
        EnableWindow(Handle(), enabled);
    Repaint();
}

// ---------------------------------------------------------------------------
// Messages

LRESULT TWScrollbar::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        return OnMouseMove(lParam);
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnButtonDown(lParam);
    case WM_LBUTTONUP:
        return OnButtonUp(lParam);
    case WM_NCDESTROY:
        // The parent is going, and takes the overlay with it.
        Shown_ = false;
        return TOverlayWindow::WndProc(msg, wParam, lParam);
    default:
        return TOverlayWindow::WndProc(msg, wParam, lParam);
    }
}

void TWScrollbar::Repaint() {
    if (Shown_)
        PaintNow();
}

void TWScrollbar::Paint(HDC dc) {
    const TSkinDefinition* skin = Owner_.Skin();
    if (!skin)
        return;
    const int thickness = SkinScrollbarThickness(*skin, Arrow_);
    const std::optional<TScrollBarState> state = ReadState();
    if (thickness <= 0 || !state || !state->Visible)
        return;
    Last_ = *state;
    RECT client{};
    GetClientRect(Handle(), &client);
    const int barWidth = Width(state->Bar);
    const int barHeight = Height(state->Bar);
    const bool horizontal = Axis_ == TScrollAxis::Horizontal;
    if (barWidth <= 0 || barHeight <= 0)
        return;
    // A bar that grew past the overlay waits for the overlay to follow.
    if (Kind_ != TScrollKind::Control && (barWidth > client.right || barHeight > client.bottom))
        return;
    const int length = horizontal ? barWidth : barHeight;
    const int width = Kind_ != TScrollKind::Control ? barWidth : horizontal ? length : thickness;
    const int height = Kind_ != TScrollKind::Control ? barHeight : horizontal ? thickness : length;

    TThumbSpan thumb = state->Thumb;
    if (Pressed_ && Hot_ == TScrollPart::Thumb && Kind_ != TScrollKind::Control) {
        // The pointer as of the message the target's loop is handling.
        const DWORD at = GetMessagePos();
        const POINT cursor{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
        const int delta = horizontal ? cursor.x - PressCursor_.x : cursor.y - PressCursor_.y;
        thumb = DragThumbSpan(PressThumb_, delta, length, Arrow_);
    }

    if (!GrowDibSurface(Buffer_, width, height))
        return; // no buffer, no paint
    Bitmap& pixels = Buffer_->Pixels();
    Bitmap area = Bitmap::View(pixels.Row(0), width, height, pixels.Stride());
    const Pixel face = PixelOf(ResolveColour(Owner_.SkinColours().ButtonFace));
    const TScrollbarPaint bar{Axis_, length, Arrow_, thumb, state->Enabled, Hot_, Pressed_, face};
    // A drag moves only the thumb: the rest is drawn again only when its
    // size, state, arrows or skin change.
    const TScrollbarFrames frames = ScrollbarFrames(Axis_, state->Enabled, Hot_, Pressed_);
    const TBackgroundKey key{skin,           width, height, {frames.FirstArrow, frames.SecondArrow},
                             state->Enabled, face};
    if (!(key == BackgroundKey_)) {
        Background_ = Bitmap(width, height, PixelFormat::Bgra32, face);
        PaintScrollbarBackground(Background_, *skin, bar);
        BackgroundKey_ = key;
    }
    DrawBitmap(area, 0, 0, Background_);
    PaintScrollbarThumb(area, *skin, bar);
    if (Kind_ == TScrollKind::Control) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, client.right, client.bottom, Buffer_->Dc(), 0, 0, width, height,
                   SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, width, height, Buffer_->Dc(), 0, 0, SRCCOPY);
    }
}

int TWScrollbar::Along(POINT point) const {
    return Axis_ == TScrollAxis::Horizontal ? point.x : point.y;
}

TScrollPart TWScrollbar::HitTest(POINT client) const {
    const int length = Axis_ == TScrollAxis::Horizontal ? Width(Last_.Bar) : Height(Last_.Bar);
    return HitTestScrollbar(Along(client), length, Arrow_, Last_.Thumb);
}

LRESULT TWScrollbar::OnMouseMove(LPARAM lParam) {
    const TScrollPart part = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (part != Hot_) {
        Hot_ = part;
        Repaint();
    }
    TrackMouseLeave(Handle());
    return 0;
}

LRESULT TWScrollbar::OnMouseLeave() {
    if (!Pressed_ && Hot_ != TScrollPart::None) {
        Hot_ = TScrollPart::None;
        Repaint();
    }
    return 0;
}

POINT TWScrollbar::TargetPoint(LPARAM lParam) const {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // A built-in bar takes screen points (non-client messages); a control
    // takes its own client points.
    if (Kind_ == TScrollKind::Control)
        MapWindowPoints(Handle(), Target_, &point, 1);
    else
        ClientToScreen(Handle(), &point);
    return point;
}

LRESULT TWScrollbar::OnButtonDown(LPARAM lParam) {
    const TAliveGuard guard(*this);
    // Where the button went down, not where the pointer is by now.
    PressCursor_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(Handle(), &PressCursor_);
    if (const std::optional<TScrollBarState> state = ReadState()) {
        Last_ = *state;
        PressThumb_ = state->Thumb;
    }
    Hot_ = HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    Pressed_ = true;
    Repaint();
    ReleaseCapture();
    const HWND window = Handle();
    const POINT point = TargetPoint(lParam);
    // The platform's own scroll loop runs inside this call, until the
    // button comes up; the target, its skin object and this overlay may all
    // be gone when it returns.
    if (Kind_ == TScrollKind::Control)
        SendMessageW(Target_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    else
        SendMessageW(Target_, WM_NCLBUTTONDOWN,
                     Kind_ == TScrollKind::HorzBar ? HTHSCROLL : HTVSCROLL, PointParam(point));
    if (!guard.Alive() || WindowGone() || !IsWindow(window))
        return 0;
    Pressed_ = false;
    ReleaseCapture();
    POINT cursor{};
    RECT client{};
    GetCursorPos(&cursor);
    ScreenToClient(window, &cursor);
    GetClientRect(window, &client);
    Hot_ = PtInRect(&client, cursor) ? HitTest(cursor) : TScrollPart::None;
    if (Hot_ != TScrollPart::None)
        TrackMouseLeave(window);
    Repaint();
    return 0;
}

LRESULT TWScrollbar::OnButtonUp(LPARAM lParam) {
    Pressed_ = false;
    ReleaseCapture();
    // An up the target's loop did not take (it ran none) still reaches it.
    const POINT point = TargetPoint(lParam);
    if (Kind_ == TScrollKind::Control)
        PostMessageW(Target_, WM_LBUTTONUP, 0, PointParam(point));
    else
        PostMessageW(Target_, WM_NCLBUTTONUP, Kind_ == TScrollKind::HorzBar ? HTHSCROLL : HTVSCROLL,
                     PointParam(point));
    Repaint();
    return 0;
}

} // namespace veyra
