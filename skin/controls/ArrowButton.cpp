#include "ArrowButton.h"

#include <commctrl.h>

#include "ControlDrawing.h"
#include "SkinControl.h"
#include "skin/data/ComboGeometry.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

constexpr wchar_t kArrowClass[] = L"TArrowButton";

// ComboxArrow: normal, (pressed), (disabled), hot.
constexpr int kNormalFrame = 1;
constexpr int kHotFrame = 4;

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

} // namespace

TArrowButton::TArrowButton(TSkinControl& owner, HWND picker)
    : Owner_(owner), Picker_(picker), Arrow_(GetSystemMetrics(SM_CXHSCROLL)) {
    if (!picker)
        return;
    // The picker must not paint its own button over ours.
    SetWindowLongPtrW(picker, GWL_STYLE, GetWindowLongPtrW(picker, GWL_STYLE) | WS_CLIPCHILDREN);
    if (!CreateOverlay(kArrowClass, 0, picker))
        return;
    Place();
    Show(true);
}

void TArrowButton::Place() {
    if (!Handle() || WindowGone())
        return;
    RECT picker{};
    GetWindowRect(Picker_, &picker);
    // The platform's own button decides the side where it can say.
    DATETIMEPICKERINFO info{};
    info.cbSize = sizeof info;
    Rect platform{};
    if (SendMessageW(Picker_, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info)))
        platform = {info.rcButton.left, info.rcButton.top, info.rcButton.right,
                    info.rcButton.bottom};
    RECT client{};
    GetClientRect(Picker_, &client);
    const bool leftStyle = (GetWindowLongPtrW(Picker_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const Rect r = DateTimeArrowRect(picker.right - picker.left, Arrow_,
                                     ComboButtonSide(platform, client.right, leftStyle));
    SetWindowPos(Handle(), HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE);
}

void TArrowButton::Show(bool on) {
    if (Handle() && !WindowGone())
        ShowWindow(Handle(), on ? SW_SHOWNA : SW_HIDE);
}

LRESULT TArrowButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        return OnMouseMove();
    case WM_MOUSELEAVE:
        return OnMouseLeave();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnButtonDown(msg, wParam, lParam);
    case WM_LBUTTONUP:
        return OnButtonUp(msg, wParam, lParam);
    default:
        return TOverlayWindow::WndProc(msg, wParam, lParam);
    }
}

void TArrowButton::Paint(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    if (!GrowDibSurface(Buffer_, client.right, client.bottom))
        return;
    FillSolid(Buffer_->Dc(), client, Owner_.SchemeColour(&TSkinColours::ButtonFace));
    const TSkinDefinition* skin = Owner_.Skin();
    const TDataSkinObject* arrow = skin ? skin->Find("ComboxArrow") : nullptr;
    if (arrow && !arrow->Image.IsEmpty()) {
        const int frames = std::max(arrow->Frame, 1);
        const int frame = Hot_ && frames >= kHotFrame ? kHotFrame : kNormalFrame;
        if (arrow->Image.Width() >= frames)
            DrawFrameStretched(Buffer_->Pixels(), RectOfSize(0, 0, client.right, client.bottom),
                               arrow->Image, Transparency::Opaque, frames, frame);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, Buffer_->Dc(), 0, 0, SRCCOPY);
}

LRESULT TArrowButton::OnMouseMove() {
    if (!Hot_ && IsWindowEnabled(Picker_)) {
        Hot_ = true;
        TrackMouseLeave(Handle());
        PaintNow();
    }
    return 0;
}

LRESULT TArrowButton::OnMouseLeave() {
    if (Hot_) {
        Hot_ = false;
        PaintNow();
    }
    return 0;
}

LRESULT TArrowButton::OnButtonDown(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(msg, wParam, lParam);
    RECT own{};
    GetWindowRect(Handle(), &own);
    POINT origin{own.left, own.top};
    ScreenToClient(Picker_, &origin);
    const int x = static_cast<short>(LOWORD(lParam)) + origin.x;
    const int y = static_cast<short>(HIWORD(lParam)) + origin.y;
    // The picker's own button under ours takes the click and opens the
    // calendar, as if ours were not there.
    PostMessageW(Picker_, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
    PostMessageW(Picker_, WM_LBUTTONUP, 0, PointParam(x, y));
    PaintNow();
    return result;
}

LRESULT TArrowButton::OnButtonUp(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(msg, wParam, lParam);
    if (!IsWindow(Picker_))
        return result;
    // An open calendar keeps the focus it took: taking it back would close it.
    const auto calendar = reinterpret_cast<HWND>(SendMessageW(Picker_, DTM_GETMONTHCAL, 0, 0));
    if (calendar && IsWindowVisible(calendar))
        return result;
    if (GetFocus() != Picker_ && !IsChild(Picker_, GetFocus()))
        SetFocus(Picker_);
    return result;
}

} // namespace veyra
