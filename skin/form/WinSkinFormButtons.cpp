// The title-bar buttons of a skinned window and the non-client mouse: which
// button a point hits, how a button paints itself on state changes, what a
// click, a double click or a right click on the caption does, and the window
// state commands those lead to.

#include "WinSkinForm.h"

#include <algorithm>

#include "PlatformVersion.h"
#include "SkinMessages.h"
#include "framework/Timer.h"
#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/manager/SkinManage.h"

namespace veyra {

namespace {

POINT ScreenPointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

bool IsSystemMenuAction(int action) { return action == 3 || action == 11 || action == 12; }
bool IsIconAction(int action) { return action == 3 || action == 11; }

} // namespace

// ---------------------------------------------------------------------------
// The button objects

void TWinSkinForm::FreeTitleButtons()
{
    HotObject_ = nullptr;
    TitleButtons_.clear();
    ButtonElements_.clear();
}

void TWinSkinForm::RebuildTitleButtons()
{
    FreeTitleButtons();
    const TSkinDefinition* skin = Skin();
    if (!skin)
        return;
    for (const auto& element : skin->TitleButtons) {
        // The window keeps its own copy: the icon button takes this window's
        // icon, which other windows of the same skin do not share.
        auto copy = std::make_unique<TDataSkinSysButton>(*element);
        if (IsIconAction(copy->Action)) {
            RefreshIcon();
            if (copy->Image.IsEmpty())
                copy->Image = IconBitmap_;
            copy->Frame = 1;
        }
        TitleButtons_.push_back(std::make_unique<TWinSysButton>(this, copy.get()));
        ButtonElements_.push_back(std::move(copy));
    }
}

void TWinSkinForm::ApplyButtonLayout(const TTitleButtonLayout& layout)
{
    HotObject_ = nullptr;
    const std::size_t count = std::min({TitleButtons_.size(), layout.Bounds.size(), layout.State.size()});
    for (std::size_t i = 0; i < count; ++i) {
        TWinSysButton& button = *TitleButtons_[i];
        button.BoundsRect = layout.Bounds[i];
        button.Visible = layout.State[i].Visible;
        button.Enabled = layout.State[i].Enabled;
        button.State = TNCObject::kNormal;
    }
}

POINT TWinSkinForm::ToWindowPoint(POINT screen) const
{
    POINT point = screen;
    ScreenToClient(Handle, &point);
    if (!(Kind_ == kMdiChild && WindowState_ == kMinimized)) {
        point.x += Metrics_.BorderLeft;
        point.y += Metrics_.TitleHeight + Metrics_.MenuBarHeight;
    }
    return point;
}

TWinSysButton* TWinSkinForm::ButtonAt(POINT point) const
{
    for (const auto& button : TitleButtons_) {
        const Rect& r = button->BoundsRect;
        if (button->Visible && button->ButtonData->Action >= 0 && point.x >= r.Left && point.x < r.Right &&
            point.y >= r.Top && point.y < r.Bottom)
            return button.get();
    }
    return nullptr;
}

void TWinSkinForm::PaintTitleButton(const TWinSysButton& button)
{
    if ((LifeState_ != kRunning && LifeState_ != kReskinning) || !button.Visible || button.BoundsRect.IsEmpty())
        return;
    try {
        const TDataSkinSysButton& data = *button.ButtonData;
        const Rect& bounds = button.BoundsRect;
        DibSurface surface(bounds.Width(), bounds.Height());
        Bitmap& pixels = surface.Pixels();
        if (const TSkinDefinition* skin = Skin())
            pixels.Fill(PixelOf(ResolveColour(skin->Colours.ButtonFace)));
        // What the title bar has under the button, then the button on it.
        DrawBitmap(pixels, -bounds.Left, -bounds.Top, TitleBackdrop_);
        const Rect target{0, 0, bounds.Width(), bounds.Height()};
        if (IsIconAction(data.Action)) {
            if (IconHandle_) {
                const int size = GetSystemMetrics(SM_CXSMICON);
                DrawIconEx(surface.Dc(), 0, 0, IconHandle_, size, size, 0, nullptr, DI_NORMAL);
            } else if (!IconBitmap_.IsEmpty()) {
                DrawFrameStretched(surface.Pixels(), target, IconBitmap_, Transparency::KeyColour, 1, 1);
            }
        } else {
            DrawFrameStretched(pixels, target, data.Image, Transparency::KeyColour, std::max(data.Frame, 1),
                               TitleButtonFrameForState(data, button.State, button.Enabled));
        }
        WindowDcScope dc(Handle);
        if (dc.Get())
            DrawBitmapToDc(dc.Get(), bounds.Left, bounds.Top, surface.Pixels());
    } catch (...) {
        // A button that cannot be drawn now is drawn by the next frame paint.
    }
}

// ---------------------------------------------------------------------------
// The non-client mouse

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam)
{
    if (!Active_)
        return 0;
    if (TWinSysButton* button = ButtonAt(ToWindowPoint(ScreenPointOf(lParam)))) {
        button->MouseEnter();
        return 0;
    }
    if (TNCObject* hot = HotObject_) {
        hot->MouseLeave();
        HotObject_ = nullptr;
    }
    return CallOld(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (TWinSysButton* button = ButtonAt(ToWindowPoint(ScreenPointOf(lParam)))) {
        if (!Active_)
            SetForegroundWindow(Handle);
        button->MouseDown();
        return 0;
    }
    // A maximized window is not dragged by its caption.
    if (WindowState_ == kMaximized && Active_ && wParam == HTCAPTION)
        wParam = HTMENU;
    return CallOld(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam)
{
    const POINT screen = ScreenPointOf(lParam);
    TWinSysButton* button = ButtonAt(ToWindowPoint(screen));
    if (!button)
        return CallOld(WM_NCLBUTTONUP, wParam, lParam);
    if (button == HotObject_) {
        button->MouseUp();
        PerformButtonAction(*button, screen);
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam)
{
    if (TWinSysButton* button = ButtonAt(ToWindowPoint(ScreenPointOf(lParam)))) {
        if (IsIconAction(button->ButtonData->Action)) {
            StopTimer();
            PostSysCommand(SC_CLOSE);
        }
        return 0;
    }
    if (WindowState_ == kMaximized || WindowState_ == kMinimized) {
        RestoreWindow();
        return 0;
    }
    if (SavedStyleBits_ & kHadMaximizeBox) {
        ToggleMaximize();
        return 0;
    }
    return CallOld(WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam == HTCAPTION && Kind_ != kMdiChild) {
        ShowSystemMenu(ScreenPointOf(lParam));
        return 0;
    }
    return CallOld(WM_NCRBUTTONDOWN, wParam, lParam);
}

// ---------------------------------------------------------------------------
// What the buttons do

void TWinSkinForm::StopTimer()
{
    if (Timer_)
        Timer_->SetEnabled(false);
}

void TWinSkinForm::PostSysCommand(UINT command) { PostMessageW(Handle, WM_SYSCOMMAND, command, 0); }

bool TWinSkinForm::SystemMenuOffersClose() const
{
    const TPlatformVersion& version = PlatformVersion();
    if ((version.NT && version.Major < 5) || version.Win9x)
        return true;
    HMENU menu = SystemMenuHandle_ ? SystemMenuHandle_ : GetSystemMenu(Handle, FALSE);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    return menu && GetMenuItemInfoW(menu, SC_CLOSE, FALSE, &info);
}

void TWinSkinForm::SendToActiveMdiChild(UINT command)
{
    if (Kind_ != kMdiFrame || !MDIClientHandle_)
        return;
    const auto child = reinterpret_cast<HWND>(SendMessageW(MDIClientHandle_, WM_MDIGETACTIVE, 0, 0));
    if (child)
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::PerformButtonAction(TWinSysButton& button, POINT screen)
{
    const int action = button.ButtonData->Action;
    switch (action) {
    case 0:
        if (SystemMenuOffersClose()) {
            StopTimer();
            PostSysCommand(SC_CLOSE);
        }
        break;
    case 1:
    case 22:
        if (button.Enabled)
            ToggleMaximize();
        break;
    case 2:
    case 23:
        if (button.Enabled)
            ToggleMinimize();
        break;
    case 7:
    case 60:
        SendToActiveMdiChild(SC_MINIMIZE);
        break;
    case 8:
    case 61:
        SendToActiveMdiChild(SC_RESTORE);
        break;
    case 9:
    case 62:
        SendToActiveMdiChild(SC_CLOSE);
        break;
    default:
        if (IsSystemMenuAction(action))
            ShowSystemMenu(POINT{screen.x + 1, screen.y + 1});
        else
            PostMessageW(Handle, SKINMSG_TITLEACTION, static_cast<WPARAM>(action), 0);
        break;
    }
}

void TWinSkinForm::RestoreWindow()
{
    WindowState_ = kNormal;
    PostSysCommand(SC_RESTORE);
}

void TWinSkinForm::ToggleMaximize()
{
    if (WindowState_ == kMaximized) {
        RestoreWindow();
        return;
    }
    if (Kind_ == kMdiChild)
        if (TSkinManage* manager = TSkinManage::Instance())
            manager->MaximizedMdiChildMode = true;
    WindowState_ = kMaximized;
    PostSysCommand(SC_MAXIMIZE);
    HotObject_ = nullptr;
}

void TWinSkinForm::ToggleMinimize()
{
    if (WindowState_ == kMinimized) {
        RestoreWindow();
        return;
    }
    WindowState_ = kMinimized;
    PutSystemMenuStyleBack();
    PostSysCommand(SC_MINIMIZE);
}

void TWinSkinForm::HideSystemMenuStyle()
{
    // A minimized window keeps the style it was given back for its menu.
    if ((SavedStyleBits_ & kCaptionRemoved) || WindowState_ == kMinimized)
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
    if (style & WS_SYSMENU)
        SetWindowLongPtrW(Handle, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
}

void TWinSkinForm::PutSystemMenuStyleBack()
{
    if (!(SavedStyleBits_ & kHadSystemMenu) || !(Style_ & WS_SYSMENU))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
    if (!(style & WS_SYSMENU))
        SetWindowLongPtrW(Handle, GWL_STYLE, style | WS_SYSMENU);
}

// ---------------------------------------------------------------------------
// Size grips and the MDI children's state

void TWinSkinForm::NewSizeGrip(HWND grip)
{
    if (grip && GetParent(grip) == Handle)
        SizeGrip_ = grip;
}

void TWinSkinForm::SetChildWindowState(bool maximized)
{
    if (Kind_ != kMdiChild || !SkinFrame_ || !Subclassed_)
        return;
    if (maximized)
        RestoreCaption();
    else if (WindowState_ == kNormal)
        ApplyCaptionRemoval();
    else
        return;
    ForceFrameRecalc();
}

} // namespace veyra
