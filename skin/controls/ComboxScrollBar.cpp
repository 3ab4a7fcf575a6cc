#include "ComboxScrollBar.h"

#include <algorithm>

#include "ControlDrawing.h"
#include "ScrollbarPainter.h"
#include "skin/data/ComboGeometry.h"
#include "skin/data/SkinDefinition.h"

namespace veyra {

namespace {

// A list scrolled by other routes than WM_VSCROLL: the message a combo's
// list gets while it tracks the mouse over its items.
constexpr UINT kListTrackMessage = 0x1AE;

// How long the drag loop sleeps between looks at the list when no message
// comes (a list destroyed or a capture lost by another thread sends none).
constexpr DWORD kDragWaitMs = 100;

// Messages whose handling in the list sets its scroll values with redraw
// on: the platform draws its own bar then even when nothing changed (Wine
// does, at every such call; a list resized as it drops down is one), so
// ours goes over it again whatever the bar looks like.
constexpr UINT kResetsTheBar[] = {
    WM_SIZE,          WM_KEYDOWN,       WM_MOUSEWHEEL, LB_ADDSTRING, LB_INSERTSTRING,
    LB_DELETESTRING,  LB_RESETCONTENT,  LB_SETSEL,     LB_SETCURSEL, LB_SETTOPINDEX,
    LB_SETCARETINDEX, LB_SETITEMHEIGHT, LB_SETCOUNT};

bool ResetsTheBar(UINT msg) {
    return std::find(std::begin(kResetsTheBar), std::end(kResetsTheBar), msg) !=
           std::end(kResetsTheBar);
}

int ArrowOf(const SCROLLBARINFO& bar) {
    return bar.dxyLineButton > 0 ? bar.dxyLineButton : GetSystemMetrics(SM_CXHSCROLL);
}

} // namespace

const TClassInfo& TComboxScrollBar::StaticClass() {
    static const TClassInfo info("TComboxScrollBar", &TSkinControl::StaticClass());
    return info;
}

TComboxScrollBar::TComboxScrollBar(TComponent* owner) : TSkinControl(owner) {}

bool TComboxScrollBar::ReadBar(SCROLLBARINFO& info) const {
    info = {};
    info.cbSize = sizeof info;
    return Handle() && GetScrollBarInfo(Handle(), OBJID_VSCROLL, &info);
}

// ---------------------------------------------------------------------------
// Messages

bool TComboxScrollBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        // The list's frame first (the platform's bar with it), then ours
        // over the bar at once.
        CallOldProc(message);
        Drawn_ = {};
        PaintWindow(nullptr);
        return false;
    case WM_NCMOUSEMOVE:
        // The platform would draw its hot arrows over ours.
        message.Result = 0;
        return false;
    case WM_NCLBUTTONDOWN:
        if (message.WParam == HTVSCROLL && OnNcButtonDown(message)) {
            message.Result = 0;
            return false;
        }
        return TSkinControl::BeforeMessage(message);
    case WM_CAPTURECHANGED:
        if (Dragging_)
            CaptureLost_ = true;
        return TSkinControl::BeforeMessage(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TComboxScrollBar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kListTrackMessage:
        Drawn_ = {};
        PaintWindow(nullptr);
        return;
    case WM_PAINT:
        // wParam may hold a client DC: the bar is outside it.
        RefreshIfChanged();
        return;
    default:
        break;
    }
    TSkinControl::AfterMessage(message);
    if (LifeState() != TControlLife::Attached || !SkinEnabled())
        return;
    if (ResetsTheBar(message.Msg)) {
        Drawn_ = {};
        if (IsWindowVisible(Handle()))
            PaintWindow(nullptr);
        return;
    }
    // Other routes that scroll the list without a scroll message end here.
    RefreshIfChanged();
}

void TComboxScrollBar::SkinEnabledChanged() {
    Drawn_ = {};
    if (Handle() && IsWindow(Handle()))
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

TComboxScrollBar::TDrawn TComboxScrollBar::DrawnOf(const SCROLLBARINFO& bar) const {
    TDrawn drawn;
    drawn.Bar = bar.rcScrollBar;
    drawn.Thumb = {bar.xyThumbTop, bar.xyThumbBottom};
    drawn.Visible = !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    drawn.Enabled = !(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    // The platform draws its bar again whenever the list sets new values
    // (a list resized as it drops down sets its page anew), even where the
    // thumb ends up in the same place.
    SCROLLINFO values{};
    values.cbSize = sizeof values;
    values.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (GetScrollInfo(Handle(), SB_VERT, &values))
        drawn.Values = {values.nMin, values.nMax, static_cast<int>(values.nPage), values.nPos};
    return drawn;
}

void TComboxScrollBar::RefreshIfChanged() {
    SCROLLBARINFO bar{};
    if (ReadBar(bar) && !(DrawnOf(bar) == Drawn_))
        PaintWindow(nullptr);
}

// ---------------------------------------------------------------------------
// Painting

void TComboxScrollBar::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    const TSkinDefinition* skin = Skin();
    SCROLLBARINFO bar{};
    if (!skin || !ReadBar(bar))
        return;
    const TDrawn drawn = DrawnOf(bar);
    Drawn_ = drawn;
    if (!drawn.Visible)
        return;
    RECT place = bar.rcScrollBar;
    OffsetRect(&place, -WindowRect_.left, -WindowRect_.top);
    const int width = place.right - place.left;
    const int length = place.bottom - place.top;
    if (width <= 0 || length <= 0 || place.left < rect.left || place.top < rect.top ||
        place.right > rect.right || place.bottom > rect.bottom)
        return;
    DibSurface* buffer = Buffer(width, length);
    if (!buffer)
        return;
    TScrollbarPaint paint;
    paint.Axis = TScrollAxis::Vertical;
    paint.Length = length;
    paint.Arrow = ArrowOf(bar);
    paint.Thumb = Dragging_ ? DragThumb_ : drawn.Thumb;
    paint.Enabled = drawn.Enabled;
    paint.Hot = Dragging_ ? TScrollPart::Thumb : TScrollPart::None;
    paint.Pressed = Dragging_;
    const COLORREF face = SchemeColour(&TSkinColours::ButtonFace);
    paint.Face = PixelOf(Rgb(GetRValue(face), GetGValue(face), GetBValue(face)));
    FillSolid(buffer->Dc(), RECT{0, 0, width, length}, face);
    if (!PaintScrollbar(buffer->Pixels(), *skin, paint))
        return;
    CopyBuffer(dc, place.left, place.top, width, length);
}

// ---------------------------------------------------------------------------
// The thumb drag

bool TComboxScrollBar::OnNcButtonDown(const TMessage& message) {
    SCROLLBARINFO bar{};
    if (Dragging_ || !Skin() || !ReadBar(bar) || (bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE))
        return false;
    const POINT point{static_cast<short>(LOWORD(message.LParam)),
                      static_cast<short>(HIWORD(message.LParam))};
    const int along = point.y - bar.rcScrollBar.top;
    if (point.x < bar.rcScrollBar.left || point.x >= bar.rcScrollBar.right ||
        along < bar.xyThumbTop || along > bar.xyThumbBottom)
        return false;
    DragThumb(bar, point);
    return true;
}

void TComboxScrollBar::DragThumb(const SCROLLBARINFO& bar, POINT start) {
    const HWND list = Handle();
    SCROLLINFO range{};
    range.cbSize = sizeof range;
    range.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(list, SB_VERT, &range))
        return;
    const TThumbSpan atPress{bar.xyThumbTop, bar.xyThumbBottom};
    const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
    const int arrow = ArrowOf(bar);
    const TScrollRange scroll{range.nMin, range.nMax, static_cast<int>(range.nPage), range.nPos};
    int last = range.nPos;

    const TAliveGuard guard(*this);
    Dragging_ = true;
    DragThumb_ = atPress;
    SetCapture(list);
    CaptureLost_ = false;
    PaintWindow(nullptr);
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        MSG msg{};
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!guard.Alive() || !IsWindow(list) || CaptureLost_ || GetCapture() != list)
                break;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kDragWaitMs, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break; // kept from the list, which would close on it
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!guard.Alive() || !IsWindow(list) || CaptureLost_)
            break;
        if (msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE)
            continue;
        POINT cursor{};
        GetCursorPos(&cursor);
        const int delta = cursor.y - start.y;
        const int position = ComboListDragPosition({atPress, length, arrow, scroll, delta});
        DragThumb_ = DragThumbSpan(atPress, delta, length, arrow);
        if (position != last) {
            last = position;
            SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
            if (!guard.Alive())
                break;
        }
        PaintWindow(nullptr);
    }
    if (guard.Alive()) {
        Dragging_ = false;
        CaptureLost_ = false;
    }
    if (IsWindow(list)) {
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
        PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
        if (GetCapture() == list)
            ReleaseCapture();
    }
    // The loop took the quit request the outer loop must see.
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    if (guard.Alive() && IsWindow(list))
        PaintWindow(nullptr);
}

} // namespace veyra
