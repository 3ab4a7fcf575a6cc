// The frame geometry of a skinned window: border widths, the client area
// answered to WM_NCCALCSIZE, the outer size, the shaped region and, until the
// skinned painter takes over, the plain frame fill.

#include "WinSkinForm.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "FramePainter.h"
#include "SkinMessages.h"
#include "framework/CustomForm.h"
#include "framework/Timer.h"
#include "skin/data/BorderPieces.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/BitmapRegion.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/component/SkinData.h"
#include "skin/imaging/RegionWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// The opaque pixels of one border piece rendered for a w x h place, as
// rectangles at (x, y) of the window.
void AddBorderPieceShape(std::vector<Rect>& shape, Bitmap& piece, const TDataSkinBorder& border, TBorderPiece kind,
                         bool active, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    RenderBorderPiece(piece, border, kind, width, height, active);
    const std::vector<Rect> runs = RegionOfBitmap(piece, x, y, KeyTolerance{1, 1, 1});
    shape.insert(shape.end(), runs.begin(), runs.end());
}

} // namespace

void TWinSkinForm::BuildMetrics()
{
    const TSkinDefinition* skin = Skin();
    const int menuBarHeight = MenuBarActive_ ? GetSystemMetrics(SM_CYMENU) : 0;
    Metrics_ = skin ? ComputeFrameMetrics(*skin, BorderKind_, menuBarHeight) : TFrameMetrics{};
    if (Kind_ == kMdiChild && BorderKind_ != TBorderKind::NoCaption) {
        // An MDI child keeps at least the platform's title height, the rest
        // of it standing in for the menu-bar strip.
        const int platformTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (platformTitle > Metrics_.TitleHeight)
            Metrics_.MenuBarHeight = platformTitle - Metrics_.TitleHeight;
    }
    RebuildTitleButtons();
}

void TWinSkinForm::ReadWindowState()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(Handle, &placement))
        return;
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        WindowState_ = kMinimized;
        break;
    case SW_SHOWMAXIMIZED:
        WindowState_ = kMaximized;
        break;
    default:
        WindowState_ = kNormal;
        break;
    }
}

void TWinSkinForm::ApplyCaptionRemoval()
{
    if (!(SavedStyleBits_ & kCaptionRemoved))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
    if (style & WS_CAPTION)
        SetWindowLongPtrW(Handle, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
}

void TWinSkinForm::RestoreCaption()
{
    if (!(SavedStyleBits_ & kCaptionRemoved))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
    const LONG_PTR caption = Style_ & WS_CAPTION;
    if ((style & caption) != caption)
        SetWindowLongPtrW(Handle, GWL_STYLE, style | caption);
}

void TWinSkinForm::ForceFrameRecalc()
{
    SetWindowPos(Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

std::wstring TWinSkinForm::ReadCaption() const
{
    if (UnicodeWindow_) {
        const int length = GetWindowTextLengthW(Handle);
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const int copied = GetWindowTextW(Handle, text.data(), static_cast<int>(text.size()));
        text.resize(copied > 0 ? copied : 0);
        return text;
    }
    // An ANSI window answers in its code page; longer captions are cut at
    // the buffer's end.
    char buffer[1000] = {};
    const LRESULT copied = SendMessageA(Handle, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
    const int length = static_cast<int>(copied > 0 ? copied : 0);
    const int wide = MultiByteToWideChar(CP_ACP, 0, buffer, length, nullptr, 0);
    std::wstring text(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0)
        MultiByteToWideChar(CP_ACP, 0, buffer, length, text.data(), wide);
    return text;
}

int TWinSkinForm::DialogCaptionWidth() const
{
    const std::wstring text = CaptionPrefix_ + ReadCaption() + CaptionSuffix_;
    WindowDcScope dc(nullptr);
    if (!dc.Get())
        return 0;
    SelectObjectScope font(dc.Get(), CaptionFont_ ? static_cast<HGDIOBJ>(CaptionFont_.Get())
                                                  : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void TWinSkinForm::ApplyFrameSize(bool keepClientRect)
{
    if (WindowState_ == kMaximized) {
        ForceFrameRecalc();
        return;
    }
    int clientWidth = 0;
    int clientHeight = 0;
    if (keepClientRect) {
        RECT client{};
        GetClientRect(Handle, &client);
        clientWidth = client.right;
        clientHeight = client.bottom;
    } else if (Control_) {
        clientWidth = Control_->ClientWidth();
        clientHeight = Control_->ClientHeight();
        if (Kind_ != kMdiChild)
            clientHeight -= Metrics_.MenuBarHeight;
    } else {
        if (IsDialog_ || LifeState_ == kReskinning)
            GetClientRect(Handle, &ClientRect_);
        clientWidth = ClientRect_.right - ClientRect_.left;
        clientHeight = ClientRect_.bottom - ClientRect_.top;
        // The platform gave the client area the room of the menu it no longer
        // shows; the skinned menu-bar strip takes that room back.
        if (MenuBarActive_ && Kind_ != kMdiChild)
            clientHeight -= Metrics_.MenuBarHeight;
    }
    int width = clientWidth + Metrics_.BorderLeft + Metrics_.BorderRight;
    const int height = clientHeight + Metrics_.TitleHeight + Metrics_.BorderBottom + Metrics_.MenuBarHeight;

    if (IsDialog_ && !keepClientRect) {
        // A dialog is as wide as its caption needs; its controls stay centred.
        const TSkinDefinition* skin = Skin();
        const int needed =
            (skin ? skin->Title.LeftWidth + skin->Title.RightWidth : 0) + DialogCaptionWidth();
        if (needed > width) {
            const int shift = (needed - width) / 2;
            for (HWND child = GetWindow(Handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                RECT bounds{};
                GetWindowRect(child, &bounds);
                MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&bounds), 2);
                SetWindowPos(child, nullptr, bounds.left + shift, bounds.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            width = needed;
        }
    }
    SetWindowPos(Handle, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    FrameSizeApplied_ = true;
}

void TWinSkinForm::BuildRegion(bool redraw, const SIZE* size)
{
    if (LifeState_ == kDestroyed || !SkinFrame_ || !Subclassed_)
        return;
    if (Kind_ == kMdiChild && WindowState_ != kNormal)
        return;
    RECT window{};
    GetWindowRect(Handle, &window);
    const int w = size ? size->cx : window.right - window.left;
    const int h = size ? size->cy : window.bottom - window.top;
    if (w <= 0 || h <= 0)
        return;
    if (w == RegionWidth_ && h == RegionHeight_ && Kind_ != kMdiChild && LifeState_ != kReskinning)
        return;
    const TSkinDefinition* skin = Skin();
    if (!skin)
        return;

    const TFrameMetrics& m = Metrics_;
    RegionHandle region;
    const bool anyTransparent = skin->Left.Trans || skin->Right.Trans || skin->Top.Trans || skin->Bottom.Trans;
    if (!anyTransparent) {
        region.Reset(CreateRectRgn(0, 0, w, h));
    } else {
        std::vector<Rect> shape;
        shape.push_back(Rect{m.BorderLeft, m.TitleHeight, w - m.BorderRight, h - m.BorderBottom});
        if (BorderKind_ != TBorderKind::NoCaption) {
            const int innerWidth = w - m.BorderLeft - m.BorderRight;
            if (skin->Left.Trans == 1 && h > 1)
                AddBorderPieceShape(shape, RegionScratch_, skin->Left, TBorderPiece::Left, Active_, 0, 0, m.BorderLeft, h);
            else
                shape.push_back(Rect{0, 0, m.BorderLeft, h});
            if (skin->Right.Trans == 1 && h > 1)
                AddBorderPieceShape(shape, RegionScratch_, skin->Right, TBorderPiece::Right, Active_, w - m.BorderRight, 0,
                                    m.BorderRight, h);
            else
                shape.push_back(Rect{w - m.BorderRight, 0, w, h});
            if (skin->Bottom.Trans == 1 && m.BorderBottom >= 2)
                AddBorderPieceShape(shape, RegionScratch_, skin->Bottom, TBorderPiece::Bottom, Active_, m.BorderLeft,
                                    h - m.BorderBottom, innerWidth, m.BorderBottom);
            else
                shape.push_back(Rect{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h});
            if (skin->Top.Trans == 1 && m.TitleHeight > 1 && !skin->Top.Image.IsEmpty())
                AddBorderPieceShape(shape, RegionScratch_, skin->Top, TBorderPiece::Top, Active_, m.BorderLeft, 0, innerWidth,
                                    m.TitleHeight);
            else
                shape.push_back(Rect{m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight});
        }
        region = RegionFromRects(MergeRowRuns(shape));
        if (!region)
            region.Reset(CreateRectRgn(0, 0, 0, 0));
    }
    RegionWidth_ = w;
    RegionHeight_ = h;
    // The window owns the region from here on, and deletes the one it had.
    if (SetWindowRgn(Handle, region.Get(), redraw ? TRUE : FALSE)) {
        region.Release();
        RegionSet_ = true;
    }
}

HBRUSH TWinSkinForm::ButtonFaceBrush()
{
    if (!ButtonFaceBrush_) {
        const TSkinDefinition* skin = Skin();
        const Colour colour = ResolveColour(skin ? skin->Colours.ButtonFace : TSkinColours{}.ButtonFace);
        ButtonFaceBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(colour & 0x00FFFFFFu)));
    }
    return ButtonFaceBrush_.Get();
}

void TWinSkinForm::PaintFrame(HDC dc)
{
    if ((LifeState_ != kRunning && LifeState_ != kReskinning) || BorderKind_ == TBorderKind::NoCaption ||
        IsMaximizedMdiChild())
        return;
    try {
        std::optional<WindowDcScope> windowDc;
        if (!dc)
            windowDc.emplace(Handle);
        const HDC target = dc ? dc : windowDc->Get();
        const TSkinDefinition* skin = Skin();
        if (!target || !skin)
            return;
        RECT window{};
        GetWindowRect(Handle, &window);
        TFramePaintInput input = FramePaintInput(*skin, window.right - window.left, window.bottom - window.top);
        input.TitleBackdrop = &TitleBackdrop_;
        if (!PaintScratch_)
            PaintScratch_ = std::make_unique<TFramePaintScratch>();
        input.Scratch = PaintScratch_.get();
        SavedDcScope saved(target);
        const TFramePaintResult painted = veyra::PaintFrame(target, input);
        TitleTextRect_ = painted.TitleTextRect;
        ButtonsLeftEdge_ = painted.Buttons.ButtonsLeftEdge;
        ApplyButtonLayout(painted.Buttons);
    } catch (...) {
        // Painting errors are swallowed; the DC scopes still let go.
    }
}

// The caption as the window keeps it, read without a message: painting runs
// inside the window's own message handling.
std::wstring TWinSkinForm::CaptionText() const
{
    std::wstring text(1024, L'\0');
    const int length = InternalGetWindowText(Handle, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

void TWinSkinForm::RefreshIcon()
{
    IconHandle_ = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    // A window that was never given an icon shows its class's, as the
    // platform's own caption does.
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICONSM));
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(GetClassLongPtrW(Handle, GCLP_HICON));
    // Failing all of those, the platform's standard application icon (shared,
    // never destroyed), which is what its caption shows then.
    if (!IconHandle_)
        IconHandle_ = LoadIconW(nullptr, IDI_APPLICATION);
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    if (width <= 0 || height <= 0)
        return;
    if (IconBitmap_.IsEmpty()) {
        // Until the window shows an icon, the application's stands in.
        if (SkinData_ && SkinData_->AppIcon().Width() == width && SkinData_->AppIcon().Height() == height)
            IconBitmap_ = SkinData_->AppIcon();
        else
            IconBitmap_ = Bitmap(width, height, PixelFormat::Bgra32, PixelOf(kKeyColour));
    }
    if (!IconHandle_)
        return;
    try {
        DibSurface surface(width, height);
        surface.Pixels().Fill(PixelOf(kKeyColour));
        // A copy made for the small size looks better than a squeezed big icon.
        const auto scaled = static_cast<HICON>(CopyImage(IconHandle_, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
        DrawIconEx(surface.Dc(), 0, 0, scaled ? scaled : IconHandle_, width, height, 0, nullptr, DI_NORMAL);
        if (scaled)
            DestroyIcon(scaled);
        IconBitmap_ = surface.Pixels();
    } catch (...) {
        // The previous picture stays.
    }
}

TFramePaintInput TWinSkinForm::FramePaintInput(const TSkinDefinition& skin, int width, int height) const
{
    TFramePaintInput in;
    in.Skin = &skin;
    in.Metrics = Metrics_;
    in.Width = width;
    in.Height = height;
    in.Active = Active_;
    in.Minimized = WindowState_ == kMinimized;
    in.Caption = CaptionText();
    in.CaptionFont = CaptionFont_.Get();
    in.RightToLeft = RightToLeft_;
    in.Popup = (Style_ & WS_POPUP) != 0;
    in.ButtonsLeftEdge = ButtonsLeftEdge_;
    in.Traits.Maximized = WindowState_ == kMaximized;
    in.Traits.Active = Active_;
    in.Traits.HasSystemMenu = (SavedStyleBits_ & 8) != 0;
    in.Traits.HasMinimizeBox = (SavedStyleBits_ & 2) != 0;
    in.Traits.HasMaximizeBox = (SavedStyleBits_ & 1) != 0;
    in.Traits.IsDialogClass = IsDialog_;
    in.Traits.Kind = BorderKind_;
    in.Icon = IconHandle_;
    in.IconBitmap = &IconBitmap_;
    in.Buttons = &ButtonElements_;

    if (const TDataSkinObject* menuBar = skin.Find("Personality"))
        in.MenuBarLeftWidth = menuBar->LeftWidth;
    const HWND window = Handle;
    in.Query = [window](int code, int action) {
        return SendMessageW(window, SKINMSG_BUTTONQUERY, static_cast<WPARAM>(code), action) > 0;
    };
    return in;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam)
{
    Active_ = wParam != 0;
    if (Timer_)
        Timer_->SetEnabled(Active_);
    if (!Active_ && HotControl_) {
        const HWND control = HotControl_;
        HotControl_ = nullptr;
        if (IsWindow(control))
            SendMessageW(control, CM_MOUSELEAVE, 0, 0);
    }
    if (Kind_ == kMdiFrame && MDIClientHandle_)
        SendMessageW(MDIClientHandle_, WM_NCACTIVATE, wParam, 0);
    else if (Kind_ == kMdiChild)
        CallOld(WM_NCACTIVATE, wParam, lParam);
    if (!IsMaximizedMdiChild())
        PaintFrame(nullptr);
    return 1;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    // The platform turns the window rectangle into its own client rectangle
    // in place; ours is worked out from the window rectangle it was given.
    RECT windowRect{};
    if (!wParam && lParam)
        windowRect = *reinterpret_cast<const RECT*>(lParam);
    const LRESULT platform = CallOld(WM_NCCALCSIZE, wParam, lParam);
    const TFrameMetrics& m = Metrics_;
    const bool bareWindow =
        BorderKind_ == TBorderKind::NoCaption || (Kind_ == kMdiChild && WindowState_ != kNormal);
    if (!wParam) {
        // The window rectangle in, the client rectangle out: the same rule as
        // below, so a size computed this way agrees with the one in force.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        // Without a caption (or as a non-normal MDI child) the platform's frame stays.
        if (!rect || bareWindow)
            return platform;
        const RECT outer = windowRect;
        *rect = RECT{outer.left + m.BorderLeft, outer.top + m.TitleHeight + m.MenuBarHeight,
                     outer.right - m.BorderRight, outer.bottom - m.BorderBottom};
        if (rect->right < rect->left)
            rect->right = rect->left;
        if (rect->bottom < rect->top)
            rect->bottom = rect->top;
        return 0;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (bareWindow) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    const WINDOWPOS& pos = *params->lppos;
    RECT client{pos.x + m.BorderLeft, pos.y + m.TitleHeight + m.MenuBarHeight, pos.x + pos.cx - m.BorderRight,
                pos.y + pos.cy - m.BorderBottom};
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam)
{
    const LRESULT platform = CallOld(WM_NCHITTEST, wParam, lParam);
    if (platform != HTNOWHERE && platform != HTCAPTION)
        return platform;
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(Handle, &point);
    if (!(Kind_ == kMdiChild && WindowState_ == kMinimized))
        point.y += Metrics_.TitleHeight + Metrics_.MenuBarHeight;
    switch (CaptionHitTest(point.y, Metrics_)) {
    case TCaptionHit::Caption:
        return HTCAPTION;
    case TCaptionHit::Menu:
        return HTMENU;
    default:
        return platform;
    }
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam)
{
    HideSystemMenuStyle();
    if (SkinData_ && !SkinData_->FramePainting)
        return 0;
    if (BorderKind_ == TBorderKind::NoCaption || IsMaximizedMdiChild())
        return CallOld(WM_NCPAINT, wParam, lParam);
    PaintFrame(nullptr);
    return 0;
}

} // namespace veyra
