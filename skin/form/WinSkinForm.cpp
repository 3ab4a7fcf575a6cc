#include "WinSkinForm.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "FramePainter.h"
#include "FrameRegion.h"
#include "GuardedEntry.h"
#include "PlatformVersion.h"
#include "SkinMessages.h"
#include "framework/CustomForm.h"
#include "framework/MainMenu.h"
#include "framework/PopupMenu.h"
#include "framework/PropAccess.h"
#include "framework/Timer.h"
#include "framework/ToolBar.h"
#include "framework/WindowClass.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/ToolbarPainter.h"
#include "skin/data/SkinCodes.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/FaultSeamWin32.h"
#include "skin/imaging/UserHandlesWin32.h"
#include "skin/manager/SkinManage.h"
#include "skin/menu/MenuItemPainter.h"

namespace veyra {

namespace {

// The platform's themed caption redraw request.
constexpr UINT kThemedCaptionRedraw = 0x00AE;

// The system commands that a menu item may carry as a plain command.
constexpr WPARAM kSystemCommands[] = {SC_SIZE,       SC_MOVE,       SC_MINIMIZE, SC_MAXIMIZE,
                                      SC_NEXTWINDOW, SC_PREVWINDOW, SC_CLOSE,    SC_RESTORE};

// How often the hover of the title buttons is checked.
constexpr UINT kHoverTimerMs = 250;

POINT ScreenPointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Keeps a window from drawing for a scope, and lets it draw again however
// the scope ends.
class TRedrawOffScope {
public:
    explicit TRedrawOffScope(HWND window) : Window_(window) {
        SendMessageW(Window_, WM_SETREDRAW, FALSE, 0);
    }
    TRedrawOffScope(const TRedrawOffScope&) = delete;
    TRedrawOffScope& operator=(const TRedrawOffScope&) = delete;
    ~TRedrawOffScope() {
        if (IsWindow(Window_))
            SendMessageW(Window_, WM_SETREDRAW, TRUE, 0);
    }

private:
    HWND Window_;
};

// Keeps a shown window from being drawn while its frame changes size and
// shape, then draws it whole, frame, client and children, once. Each change
// would otherwise erase and paint the window and every child anew, and the
// first of them would show the new frame before it had its shape. Only the
// style bit is taken away: the window keeps its place on the screen, its
// place in the z-order and the focus. A window that skinning has already
// hidden (the manager hides a form while it is being skinned) is taken over
// as it is and shown at the end: showing it first only to hide it again
// would cost two more changes of its visibility, each of them a round of
// window-system requests.
class TReshapeScope {
public:
    enum class TStart { HideIfShown, AlreadyHidden };

    TReshapeScope(HWND window, TStart start) : Window_(window) {
        if (start == TStart::AlreadyHidden) {
            Held_ = true;
            return;
        }
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        Held_ = (style & WS_VISIBLE) != 0;
        if (Held_)
            SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    }
    TReshapeScope(const TReshapeScope&) = delete;
    TReshapeScope& operator=(const TReshapeScope&) = delete;
    ~TReshapeScope() {
        // The window may have been destroyed by what the size change ran.
        if (!Held_ || !IsWindow(Window_))
            return;
        SetWindowLongPtrW(Window_, GWL_STYLE, GetWindowLongPtrW(Window_, GWL_STYLE) | WS_VISIBLE);
        RedrawWindow(Window_, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

private:
    HWND Window_;
    bool Held_ = false;
};

FontHandle PlatformCaptionFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return {};
    return FontHandle(CreateFontIndirectW(&metrics.lfCaptionFont));
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner, HWND window, TEngineState& engine, HMODULE module,
                           std::wstring className)
    : TComponent(owner), TSkinWindow(window), Engine_(engine), Module_(module),
      ClassNameText_(std::move(className)), DoubleClickTime_(GetDoubleClickTime()) {}

TWinSkinForm::~TWinSkinForm() {
    // The window may outlive this object (the manager frees it on switch-off
    // after Unskin, or at shutdown): never leave a procedure behind that
    // points at freed memory.
    try {
        if (Subclassed() && IsWindow(Handle()))
            UnhookWindow();
        UnhookControl();
    } catch (...) {
    }
    FreeControlObjects();
    UnskinPopupMenus();
    TitleButtons_.Clear();
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (component == Control_) {
            ForgetHookedControl();
            Control_ = nullptr;
        }
        if (component == Timer_)
            Timer_ = nullptr;
        std::erase_if(SkinnedPopups_,
                      [component](const auto& skinned) { return skinned.first == component; });
        std::erase_if(SkinnedMainMenus_,
                      [component](const auto& skinned) { return skinned.first == component; });
        std::erase_if(ToolBars_, [component](const TAdoptedToolBar& adopted) {
            return adopted.Bar == component;
        });
        if (MenuBar_)
            for (const auto& item : MenuBar_->Items())
                if (item->MenuItem == component)
                    item->MenuItem = nullptr;
    }
}

void TWinSkinForm::SetSkinDefinition(const TSkinDefinition* skin) {
    SkinOverride_ = skin;
}

const TSkinDefinition* TWinSkinForm::Skin() const {
    if (SkinOverride_)
        return SkinOverride_;
    // The skin in force stays until a new one has loaded completely: a load
    // that failed or is under way still leaves the old elements to paint with.
    if (SkinData_ && SkinData_->HasSkin())
        return &SkinData_->Skin();
    return nullptr;
}

HFONT TWinSkinForm::CaptionFont() const {
    if (SkinData_ && SkinData_->CaptionFont())
        return SkinData_->CaptionFont();
    return OwnCaptionFont_.Get();
}

HBRUSH TWinSkinForm::ButtonFaceBrush() const {
    if (!SkinOverride_ && SkinData_ && SkinData_->BackgroundBrush())
        return SkinData_->BackgroundBrush();
    if (!OwnFaceBrush_) {
        const TSkinDefinition* skin = Skin();
        const Colour colour =
            ResolveColour(skin ? skin->Colours.ButtonFace : TSkinColours{}.ButtonFace);
        OwnFaceBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(colour & 0x00FFFFFFu)));
    }
    return OwnFaceBrush_.Get();
}

bool TWinSkinForm::AddControlObject(TSkinControl* object) {
    if (std::find(ControlObjects_.begin(), ControlObjects_.end(), object) != ControlObjects_.end())
        return true;
    ControlObjects_.push_back(object);
    return false;
}

void TWinSkinForm::RemoveControlObject(TSkinControl* object) {
    std::erase(ControlObjects_, object);
}

TSkinControl* TWinSkinForm::FindControlObject(HWND window) const {
    if (!window)
        return nullptr;
    for (auto it = ControlObjects_.rbegin(); it != ControlObjects_.rend(); ++it)
        if ((*it)->Handle() == window)
            return *it;
    return nullptr;
}

void TWinSkinForm::FreeControlObjects() {
    // Each object gives its control back as it found it (unless its window
    // is gone already) and is freed; it leaves the list as it detaches.
    while (!ControlObjects_.empty()) {
        TSkinControl* object = ControlObjects_.front();
        ControlObjects_.erase(ControlObjects_.begin());
        try {
            object->Detach();
        } catch (...) {
        }
        delete object;
    }
    HotControl_ = nullptr;
}

void TWinSkinForm::TellControlsSkinChanged() {
    // A copy: an object's repaint runs outside code that may free others.
    const std::vector<TSkinControl*> objects = ControlObjects_;
    for (TSkinControl* object : objects) {
        if (std::find(ControlObjects_.begin(), ControlObjects_.end(), object) ==
            ControlObjects_.end())
            continue;
        try {
            object->SkinChanged();
        } catch (...) {
        }
    }
}

void TWinSkinForm::RaiseBeforeSkinForm() {
    if (SkinData_ && SkinData_->OnBeforeSkinForm)
        SkinData_->OnBeforeSkinForm(Control_, Handle(), ClassNameText_);
}

void TWinSkinForm::RaiseAfterSkinForm() {
    if (SkinData_ && SkinData_->OnAfterSkinForm)
        SkinData_->OnAfterSkinForm(Control_, Handle(), ClassNameText_);
}

// ---------------------------------------------------------------------------
// Attaching

void TWinSkinForm::AttachToForm(TSkinData* skinData, TCustomForm* form) {
    Control_ = form;
    if (form)
        form->FreeNotification(this);
    SkinData_ = skinData;
    const TAliveGuard guard(*this);
    RaiseBeforeSkinForm();
    // The handler may have freed the form, and this object with it.
    if (!guard.Alive() || !Control_)
        return;
    if (skinData && skinData->Skins(xcMenuItem))
        SetPropText(form, "AutoScroll", L"False");
    InitSkin(skinData);
    if (!Subclassed())
        return;
    if (SkinFrame_)
        HookControl(*form);
    OldColor_ = form->Color();
    if (const TSkinDefinition* skin = Skin())
        form->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
    SkinPopupMenus();
    SkinMainMenus();
}

void TWinSkinForm::ReadWindowTraits() {
    const HWND window = Handle();
    Style_ = GetWindowLongPtrW(window, GWL_STYLE);
    ExStyle_ = GetWindowLongPtrW(window, GWL_EXSTYLE);
    RightToLeft_ = (ExStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    IsChild_ = (Style_ & WS_CHILD) != 0;
    const std::wstring className = ClassNameOf(window);
    if (ClassNameText_.empty())
        ClassNameText_ = className;
    OwnerWindow_ = GetWindow(window, GW_OWNER);

    SavedStyleBits_ = 0;
    if ((Style_ & WS_SYSMENU) || GetSystemMenu(window, FALSE))
        SavedStyleBits_ |= ssHadSystemMenu;
    if (Style_ & WS_MINIMIZEBOX)
        SavedStyleBits_ |= ssHadMinimizeBox;
    if (Style_ & WS_MAXIMIZEBOX)
        SavedStyleBits_ |= ssHadMaximizeBox;
    ReadWindowState();

    MDIClientHandle_ = FindWindowExW(window, nullptr, L"MDIClient", nullptr);
    if (MDIClientHandle_)
        Kind_ = TWindowKind::MdiFrame;
    if (ExStyle_ & WS_EX_MDICHILD)
        Kind_ = TWindowKind::MdiChild;

    BorderKind_ = TBorderKind::Single;
    if ((Style_ & WS_CAPTION) != WS_CAPTION)
        BorderKind_ = TBorderKind::NoCaption;
    else if (Style_ & WS_THICKFRAME)
        BorderKind_ = TBorderKind::Sizeable;
    else if (Style_ & DS_MODALFRAME)
        BorderKind_ = TBorderKind::Dialog;
    if (ExStyle_ & WS_EX_DLGMODALFRAME)
        BorderKind_ = TBorderKind::Dialog;
    if (className == L"#32770" || className == L"TMessageForm") {
        BorderKind_ = TBorderKind::Dialog;
        IsDialog_ = true;
    }
    if (CaptionRemovalWanted(PlatformVersion(), (ExStyle_ & WS_EX_APPWINDOW) != 0,
                             OwnerWindow_ != nullptr, Kind_ == TWindowKind::MdiChild))
        SavedStyleBits_ |= ssCaptionRemoved;
    UnicodeWindow_ = IsWindowUnicode(window) != FALSE;
}

void TWinSkinForm::InitSkin(TSkinData* skinData) {
    const HWND window = Handle();
    if (Subclassed() || !window || !IsWindow(window))
        return;
    Engine_.SkinningStarted = true;
    SkinData_ = skinData;
    if (!CaptionFont())
        OwnCaptionFont_ = PlatformCaptionFont();
    if (!Timer_) {
        Timer_ = new TTimer(this);
        Timer_->SetEnabled(false);
        Timer_->SetInterval(kHoverTimerMs);
        Timer_->OnTimer = [this](TObject* sender) { TimerTick(sender); };
    }

    ReadWindowTraits();
    SkinFrame_ = WantsSkinFrame();

    // What Unskin gives back: the platform's own non-client size, measured
    // before any style of ours changes it, and the region the window had.
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    SavedNonClientSize_ =
        SIZE{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    {
        RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
        if (copy && GetWindowRgn(window, copy.Get()) != ERROR)
            SavedRegion_ = std::move(copy);
    }

    if (Engine_.HideWhileSkinning && !IsChild_ && SkinFrame_ &&
        BorderKind_ != TBorderKind::NoCaption && (Style_ & WS_VISIBLE)) {
        Style_ &= ~static_cast<LONG_PTR>(WS_VISIBLE);
        SetWindowLongPtrW(window, GWL_STYLE, Style_);
        HiddenWhileSkinning_ = true;
    }

    if (PlatformVersion().Win9x && skinData)
        skinData->SetSkinControls(skinData->SkinControls() & ~Bit(xcSystemMenu));

    if (Kind_ == TWindowKind::MdiFrame) {
        MenuUpdate_ = SavedMenuUpdate_ = skinData ? skinData->MenuUpdate() : true;
        SubclassMdiClient();
    }

    Subclass();

    if (SkinFrame_) {
        MenuHandle_ = GetMenu(window);
        if (MenuHandle_ && Kind_ != TWindowKind::MdiChild)
            CreateMenuBar();
        const bool maximizedMdiMode =
            Kind_ == TWindowKind::MdiChild && Engine_.MaximizedMdiChildMode;
        if (!maximizedMdiMode && WindowState_ != TWindowState::Minimized)
            ApplyCaptionRemoval();
        BuildMetrics();
    } else {
        LifeState_ = TLifeState::Running;
    }

    if (IsMaximizedMdiChild())
        Engine_.MaximizedMdiChildMode = true;
}

// ---------------------------------------------------------------------------
// The window procedure

bool TWinSkinForm::WantsSkinFrame() const {
    if (SkinData_ && !SkinData_->Skins(xcMainMenu))
        return false;
    if (Kind_ == TWindowKind::MdiChild && SkinData_ && SkinData_->HasOption(xoMDIChildBorder))
        return false;
    // A window must never be left without a title bar to drag and buttons to
    // close it by: where the skin cannot draw one, the platform's frame,
    // caption and buttons stay, and the skin still dresses the controls.
    const TSkinDefinition* skin = Skin();
    return BorderKind_ == TBorderKind::NoCaption || !skin || TitleBarUsable(*skin);
}

bool TWinSkinForm::HandlesFrame() const {
    // A plain child window (not an MDI child) has no frame of ours.
    return SkinFrame_ && !(IsChild_ && Kind_ != TWindowKind::MdiChild);
}

bool TWinSkinForm::OwnsNonClientArea() const {
    return HandlesFrame() && LifeState_ != TLifeState::Created && !IsMaximizedMdiChild();
}

LRESULT TWinSkinForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCPAINT:
        return OnNcPaint(wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(wParam, lParam);
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case WM_NCACTIVATE:
        return OnNcActivate(wParam, lParam);
    case kThemedCaptionRedraw:
        return 0;
    case WM_INITMENUPOPUP:
        return OnInitMenuPopup(wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, wParam, lParam);
    case SKINMSG_INIT:
        return OnSkinInit();
    case SKINMSG_RESKINSCROLL:
        TControlMap(*this).ReskinControl(reinterpret_cast<HWND>(wParam));
        return 0;
    case SKINMSG_ISSKINNED:
        return 1;
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(wParam, lParam);
    case WM_SIZE:
        return OnSize(wParam, lParam);
    case WM_ACTIVATE:
        return OnActivate(wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(wParam, lParam);
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(wParam, lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case SKINMSG_MENUKEY:
        return OnMenuKey(wParam, lParam);
    case WM_MENUSELECT:
        return OnMenuSelect(wParam, lParam);
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, lParam);
    case WM_DRAWITEM:
        return OnDrawItem(wParam, lParam);
    case CM_MENUCHANGED:
        return OnMenuChanged(wParam, lParam);
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case SKINMSG_REPAINTFRAME:
        return OwnsNonClientArea() ? OnRepaintFrame() : CallOld(msg, wParam, lParam);
    case WM_NCMOUSEMOVE:
        return OnNcMouseMove(wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(wParam, lParam);
    case WM_NCLBUTTONUP:
        return OnNcLButtonUp(wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
        return OnNcLButtonDblClk(wParam, lParam);
    case WM_NCRBUTTONDOWN:
        return OnNcRButtonDown(wParam, lParam);
    default:
        return CallOld(msg, wParam, lParam);
    }
}

LRESULT TWinSkinForm::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    // Until the deferred initialisation the platform's frame must not show.
    if (LifeState_ == TLifeState::Created)
        return 0;
    if (!OwnsNonClientArea())
        return CallOld(WM_NCPAINT, wParam, lParam);
    HideSystemMenuStyle();
    if (SkinData_ && !SkinData_->FramePainting)
        return 0;
    if (BorderKind_ == TBorderKind::NoCaption)
        return CallOld(WM_NCPAINT, wParam, lParam);
    PaintFrame(nullptr);
    return 0;
}

LRESULT TWinSkinForm::OnEraseBkgnd(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(WM_ERASEBKGND, wParam, lParam);
    if (Control_)
        return result;
    const auto dc = reinterpret_cast<HDC>(wParam);
    RECT client{};
    if (dc && GetClientRect(Handle(), &client))
        FillRect(dc, &client, ButtonFaceBrush());
    return 1;
}

LRESULT TWinSkinForm::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    LifeState_ = TLifeState::InNcDestroy;
    UnhookWindow();
    // Out of the chain now; the message still goes to the procedure that was
    // there before us (or the chain of those who came after).
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(WM_NCDESTROY, wParam, lParam);
    if (guard.Alive())
        LifeState_ = TLifeState::Destroyed;
    return result;
}

LRESULT TWinSkinForm::OnNcActivate(WPARAM wParam, LPARAM lParam) {
    // Until the deferred initialisation the platform must not draw its caption.
    if (LifeState_ == TLifeState::Created && Kind_ != TWindowKind::MdiChild)
        return 0;
    if (!HandlesFrame())
        return CallOld(WM_NCACTIVATE, wParam, lParam);
    Active_ = LOBYTE(LOWORD(wParam)) != 0;
    if (!OwnsNonClientArea())
        return CallOld(WM_NCACTIVATE, wParam, lParam);
    if (Timer_)
        Timer_->SetEnabled(Active_);
    if (!Active_ && HotControl_) {
        const HWND control = std::exchange(HotControl_, nullptr);
        if (IsWindow(control))
            SendMessageW(control, CM_MOUSELEAVE, 0, 0);
    }
    if (Kind_ == TWindowKind::MdiFrame && MDIClientHandle_)
        SendMessageW(MDIClientHandle_, WM_NCACTIVATE, wParam, 0);
    else if (Kind_ == TWindowKind::MdiChild)
        CallOld(WM_NCACTIVATE, wParam, lParam);
    PaintFrame(nullptr);
    return 1;
}

LRESULT TWinSkinForm::OnActivate(WPARAM wParam, LPARAM lParam) {
    if (HandlesFrame())
        Active_ = LOBYTE(LOWORD(wParam)) != 0;
    return CallOld(WM_ACTIVATE, wParam, lParam);
}

LRESULT TWinSkinForm::OnInitMenuPopup(WPARAM wParam, LPARAM lParam) {
    const bool systemMenu =
        SystemMenuHandle_ && reinterpret_cast<HMENU>(wParam) == SystemMenuHandle_;
    Engine_.PopupMode = systemMenu ? TPopupMode::SystemMenu : TPopupMode::MenuBar;
    return CallOld(WM_INITMENUPOPUP, wParam, lParam);
}

LRESULT TWinSkinForm::OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(msg, wParam, lParam);
    if (Control_)
        return result;
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    if (msg == WM_CTLCOLORSTATIC)
        return reinterpret_cast<LRESULT>(ButtonFaceBrush());
    return result;
}

LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HandlesFrame() && wParam < 0xFF00 &&
        std::find(std::begin(kSystemCommands), std::end(kSystemCommands), wParam) !=
            std::end(kSystemCommands)) {
        PostMessageW(Handle(), WM_SYSCOMMAND, wParam, 0);
        return 0;
    }
    return CallOld(WM_COMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(WM_GETMINMAXINFO, wParam, lParam);
    if (!HandlesFrame())
        return result;
    ReadWindowState();
    if (WindowState_ == TWindowState::Minimized ||
        (Kind_ == TWindowKind::MdiChild && WindowState_ != TWindowState::Normal))
        RestoreCaption();
    else
        ApplyCaptionRemoval();
    return result;
}

LRESULT TWinSkinForm::OnWindowPosChanging(WPARAM wParam, LPARAM lParam) {
    // The size is final once the old procedure (and the platform's limits)
    // had their say.
    const LRESULT result = CallOld(WM_WINDOWPOSCHANGING, wParam, lParam);
    if (!HandlesFrame())
        return result;
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    // A normal window about to change size gets the region of its new size
    // now: set before the move, the platform reshapes the window it already
    // has instead of the one it is making, which takes a third of a resize
    // step under Wine. WM_SIZE still checks the region against the size.
    if (pos && !(pos->flags & SWP_NOSIZE) && Kind_ != TWindowKind::MdiChild &&
        LifeState_ == TLifeState::Running && WindowState_ == TWindowState::Normal &&
        !IsIconic(Handle()) && !IsZoomed(Handle())) {
        const SIZE size{pos->cx, pos->cy};
        BuildRegion(false, &size);
    }
    return result;
}

LRESULT TWinSkinForm::OnWindowPosChanged(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(WM_WINDOWPOSCHANGED, wParam, lParam);
    if (HandlesFrame())
        ReadWindowState();
    return result;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOld(WM_SIZE, wParam, lParam);
    if (!HandlesFrame())
        return result;
    if (wParam == SIZE_RESTORED)
        WindowState_ = TWindowState::Normal;
    else if (wParam == SIZE_MINIMIZED)
        WindowState_ = TWindowState::Minimized;
    else if (wParam == SIZE_MAXIMIZED)
        WindowState_ = TWindowState::Maximized;
    const bool mdiChildAside =
        Kind_ == TWindowKind::MdiChild &&
        (Engine_.MaximizedMdiChildMode || WindowState_ != TWindowState::Normal);
    // The size change repaints the frame once the window has its new size;
    // a second repaint for the region would double the cost of every step
    // of a resize.
    if (WindowState_ != TWindowState::Minimized && !mdiChildAside && PaintsFrame(LifeState_))
        BuildRegion(false);
    return result;
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if (!HandlesFrame())
        return CallOld(WM_SYSCOMMAND, wParam, lParam);
    if (!Tracking_ && (wParam & 0xFFF0) == SC_KEYMENU && lParam == ' ') {
        // Alt+Space: the skinned system menu under the client area's corner.
        POINT corner{0, 0};
        ClientToScreen(Handle(), &corner);
        ShowSystemMenu(corner);
        return 0;
    }
    if (!Tracking_ && (wParam & 0xFFF0) == SC_KEYMENU && lParam != ' ' && lParam != '-' &&
        !GetCapture() && MenuBar_ && OpenMenuByKey(static_cast<wchar_t>(lParam)))
        return 0;
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        WindowState_ = TWindowState::Minimized;
        if (Kind_ == TWindowKind::MdiChild)
            RestoreCaption();
        break;
    case SC_MAXIMIZE:
        WindowState_ = TWindowState::Maximized;
        break;
    case SC_RESTORE:
        WindowState_ = TWindowState::Normal;
        if (Kind_ == TWindowKind::MdiChild) {
            ApplyCaptionRemoval();
            Engine_.MaximizedMdiChildMode = false;
        }
        break;
    default:
        break;
    }
    return CallOld(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam) {
    if (wParam == kMenuItemsChanged && Tracking_) {
        // The bar's popups are on screen: their menu is not replaced now.
        MenuChangeHeld_ = true;
        return 0;
    }
    // Items added since the main menus were skinned are the skin's to draw
    // too (not while skin-off gives the menus back).
    if (wParam != kMenuItemsChanged && !SkinnedMainMenus_.empty())
        SkinMainMenus();
    if (!HandlesFrame())
        return CallOld(CM_MENUCHANGED, wParam, lParam);
    // The platform repaints its own frame for the new menu; that must not
    // be answered with a skinned paint halfway through.
    TSkinData* component = SkinData_;
    const bool painting = component ? component->FramePainting : true;
    if (component)
        component->FramePainting = false;
    const TAliveGuard guard(*this);
    LRESULT result = 0;
    try {
        result = CallOld(CM_MENUCHANGED, wParam, lParam);
    } catch (...) {
        if (component)
            component->FramePainting = painting;
        throw;
    }
    if (component)
        component->FramePainting = painting;
    if (!guard.Alive() || !MenuBarActive_)
        return result;
    if (HMENU menu = GetMenu(Handle())) {
        // The menu bar takes the new menu; the window keeps no platform menu
        // while skinned.
        MenuHandle_ = menu;
        SetMenu(Handle(), nullptr);
        if (MenuBar_ && MenuUpdate_) {
            BuildMenuBar(menu);
            PaintFrame(nullptr);
        }
    } else if (wParam != kMenuItemsChanged && Control_ && !Control_->Menu() && MenuBar_) {
        // The form shows no menu any more: the bar must not keep the old
        // one's items, whose menu goes with its component.
        MenuHandle_ = nullptr;
        BuildMenuBar(nullptr);
        PaintFrame(nullptr);
    }
    // A bar holding its updates still shows the menu it had: that one must stay.
    return MenuBar_ && !MenuUpdate_ ? 1 : result;
}

LRESULT TWinSkinForm::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    if (!OwnsNonClientArea())
        return CallOld(WM_NCCALCSIZE, wParam, lParam);
    // The platform turns the window rectangle into its own client rectangle
    // in place; ours is worked out from the window rectangle it was given.
    RECT windowRect{};
    if (!wParam && lParam)
        windowRect = *reinterpret_cast<const RECT*>(lParam);
    CallOld(WM_NCCALCSIZE, wParam, lParam);
    const TFrameMetrics& m = Metrics_;
    const bool bareWindow =
        BorderKind_ == TBorderKind::NoCaption ||
        (Kind_ == TWindowKind::MdiChild && WindowState_ != TWindowState::Normal);
    if (!wParam) {
        // The window rectangle in, the client rectangle out: the same rule as
        // below, so a size computed this way agrees with the one in force.
        // Without a caption (or as a non-normal MDI child) the platform's
        // frame stays. The answer to this form of the message is always 0.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (rect && !bareWindow) {
            const Rect client = SkinnedClientRect(windowRect.left, windowRect.top,
                                                  windowRect.right - windowRect.left,
                                                  windowRect.bottom - windowRect.top, m);
            *rect = RECT{client.Left, client.Top, client.Right, client.Bottom};
        }
        return 0;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (bareWindow) {
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    const WINDOWPOS& pos = *params->lppos;
    const Rect client = SkinnedClientRect(pos.x, pos.y, pos.cx, pos.cy, m);
    params->rgrc[0] = RECT{client.Left, client.Top, client.Right, client.Bottom};
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT platform = CallOld(WM_NCHITTEST, wParam, lParam);
    if (!OwnsNonClientArea() || (platform != HTNOWHERE && platform != HTCAPTION))
        return platform;
    POINT point = ScreenPointOf(lParam);
    ScreenToClient(Handle(), &point);
    if (!(Kind_ == TWindowKind::MdiChild && WindowState_ == TWindowState::Minimized))
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

LRESULT TWinSkinForm::OnRepaintFrame() {
    PaintFrame(nullptr);
    return 0;
}

// ---------------------------------------------------------------------------
// The non-client mouse

LRESULT TWinSkinForm::OnNcMouseMove(WPARAM wParam, LPARAM lParam) {
    if (!OwnsNonClientArea())
        return CallOld(WM_NCMOUSEMOVE, wParam, lParam);
    if (!Active_)
        return 0;
    const POINT point = ToWindowPoint(ScreenPointOf(lParam));
    if (TWinSysButton* button = ButtonAt(point)) {
        button->MouseEnter();
        return 0;
    }
    if (TMenuBtn* item = MenuBar_ ? MenuBar_->ItemAtPoint(point) : nullptr) {
        item->MouseEnter();
        return 0;
    }
    if (TNCObject* hot = Hot_.Object) {
        hot->MouseLeave();
        Hot_.Object = nullptr;
    }
    return CallOld(WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    if (!OwnsNonClientArea())
        return CallOld(WM_NCLBUTTONDOWN, wParam, lParam);
    const POINT point = ToWindowPoint(ScreenPointOf(lParam));
    if (TWinSysButton* button = ButtonAt(point)) {
        if (!Active_)
            SetForegroundWindow(Handle());
        button->MouseDown();
        return 0;
    }
    if (TMenuBtn* item = MenuBar_ ? MenuBar_->ItemAtPoint(point) : nullptr) {
        if (!Active_)
            SetForegroundWindow(Handle());
        TrackMenuBtn(item, TOpenedBy::Mouse);
        return 0;
    }
    // A maximized window is not dragged by its caption.
    if (WindowState_ == TWindowState::Maximized && Active_ && wParam == HTCAPTION)
        wParam = HTMENU;
    return CallOld(WM_NCLBUTTONDOWN, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcLButtonUp(WPARAM wParam, LPARAM lParam) {
    if (!OwnsNonClientArea())
        return CallOld(WM_NCLBUTTONUP, wParam, lParam);
    const POINT screen = ScreenPointOf(lParam);
    TWinSysButton* button = ButtonAt(ToWindowPoint(screen));
    if (!button)
        return CallOld(WM_NCLBUTTONUP, wParam, lParam);
    if (button == Hot_.Object) {
        button->MouseUp();
        PerformButtonAction(*button, screen);
    }
    return 0;
}

LRESULT TWinSkinForm::OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    if (!OwnsNonClientArea())
        return CallOld(WM_NCLBUTTONDBLCLK, wParam, lParam);
    const POINT point = ToWindowPoint(ScreenPointOf(lParam));
    if (TMenuBtn* item = MenuBar_ ? MenuBar_->ItemAtPoint(point) : nullptr) {
        // A quick second click on the bar is a click, never the caption's
        // double click.
        TrackMenuBtn(item, TOpenedBy::Mouse);
        return 0;
    }
    if (TWinSysButton* button = ButtonAt(point)) {
        if (IsIconAction(button->ButtonData->Action)) {
            StopTimer();
            PostSysCommand(SC_CLOSE);
        }
        return 0;
    }
    if (WindowState_ != TWindowState::Normal) {
        RestoreWindow();
        return 0;
    }
    if (SavedStyleBits_ & ssHadMaximizeBox) {
        ToggleMaximize();
        return 0;
    }
    return CallOld(WM_NCLBUTTONDBLCLK, wParam, lParam);
}

LRESULT TWinSkinForm::OnNcRButtonDown(WPARAM wParam, LPARAM lParam) {
    if (OwnsNonClientArea() && wParam == HTCAPTION && Kind_ != TWindowKind::MdiChild) {
        ShowSystemMenu(ScreenPointOf(lParam));
        return 0;
    }
    return CallOld(WM_NCRBUTTONDOWN, wParam, lParam);
}

POINT TWinSkinForm::ToWindowPoint(POINT screen) const {
    POINT point = screen;
    ScreenToClient(Handle(), &point);
    if (!(Kind_ == TWindowKind::MdiChild && WindowState_ == TWindowState::Minimized)) {
        point.x += Metrics_.BorderLeft;
        point.y += Metrics_.TitleHeight + Metrics_.MenuBarHeight;
    }
    return point;
}

// ---------------------------------------------------------------------------
// What the buttons do

void TWinSkinForm::StopTimer() {
    if (Timer_)
        Timer_->SetEnabled(false);
}

void TWinSkinForm::PostSysCommand(UINT command) {
    PostMessageW(Handle(), WM_SYSCOMMAND, command, 0);
}

bool TWinSkinForm::SystemMenuOffersClose() const {
    const TPlatformVersion& version = PlatformVersion();
    if ((version.NT && version.Major < 5) || version.Win9x)
        return true;
    HMENU menu = SystemMenuHandle_ ? SystemMenuHandle_ : GetSystemMenu(Handle(), FALSE);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    return menu && GetMenuItemInfoW(menu, SC_CLOSE, FALSE, &info);
}

void TWinSkinForm::SendToActiveMdiChild(UINT command) {
    if (Kind_ != TWindowKind::MdiFrame || !MDIClientHandle_)
        return;
    const auto child =
        reinterpret_cast<HWND>(SendMessageW(MDIClientHandle_, WM_MDIGETACTIVE, 0, 0));
    if (child)
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::PerformButtonAction(TWinSysButton& button, POINT screen) {
    const TTitleAction action = button.ButtonData->Action;
    switch (WindowCommandOf(action)) {
    case TTitleCommand::Close:
        if (SystemMenuOffersClose()) {
            StopTimer();
            PostSysCommand(SC_CLOSE);
        }
        break;
    case TTitleCommand::MaximizeRestore:
        if (button.Enabled)
            ToggleMaximize();
        break;
    case TTitleCommand::Minimize:
        if (button.Enabled)
            ToggleMinimize();
        break;
    case TTitleCommand::MdiMinimize:
        SendToActiveMdiChild(SC_MINIMIZE);
        break;
    case TTitleCommand::MdiRestore:
        SendToActiveMdiChild(SC_RESTORE);
        break;
    case TTitleCommand::MdiClose:
        SendToActiveMdiChild(SC_CLOSE);
        break;
    case TTitleCommand::SystemMenu:
        ShowSystemMenu(POINT{screen.x + 1, screen.y + 1});
        break;
    case TTitleCommand::Application:
        PostMessageW(Handle(), SKINMSG_TITLEACTION, static_cast<WPARAM>(action), 0);
        break;
    }
}

void TWinSkinForm::RestoreWindow() {
    WindowState_ = TWindowState::Normal;
    PostSysCommand(SC_RESTORE);
}

void TWinSkinForm::ToggleMaximize() {
    if (WindowState_ == TWindowState::Maximized) {
        RestoreWindow();
        return;
    }
    if (Kind_ == TWindowKind::MdiChild)
        Engine_.MaximizedMdiChildMode = true;
    WindowState_ = TWindowState::Maximized;
    PostSysCommand(SC_MAXIMIZE);
    Hot_.Object = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
    if (WindowState_ == TWindowState::Minimized) {
        RestoreWindow();
        return;
    }
    WindowState_ = TWindowState::Minimized;
    PutSystemMenuStyleBack();
    PostSysCommand(SC_MINIMIZE);
}

void TWinSkinForm::HideSystemMenuStyle() {
    // A minimized window keeps the style it was given back for its menu.
    if ((SavedStyleBits_ & ssCaptionRemoved) || WindowState_ == TWindowState::Minimized)
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (style & WS_SYSMENU)
        SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_SYSMENU));
}

void TWinSkinForm::PutSystemMenuStyleBack() {
    if (!(SavedStyleBits_ & ssHadSystemMenu) || !(Style_ & WS_SYSMENU))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (!(style & WS_SYSMENU))
        SetWindowLongPtrW(Handle(), GWL_STYLE, style | WS_SYSMENU);
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
    const DWORD now = GetTickCount();
    const int doubleClickTime = static_cast<int>(DoubleClickTime_);
    if (doubleClickTime < 0 || now - LastMenuTick_ > static_cast<DWORD>(doubleClickTime)) {
        Engine_.PopupMode = TPopupMode::SystemMenu;
        LastMenuTick_ = now;
        TSystemMenuSource source;
        source.Window = Handle();
        source.PlatformMenu =
            SystemMenuHandle_ ? SystemMenuHandle_ : GetSystemMenu(Handle(), FALSE);
        source.SavedStyle = SavedStyleBits_;
        source.State = WindowState_;
        source.Sizeable = (Style_ & WS_THICKFRAME) != 0;
        source.Glyphs = SkinData_ ? SkinData_->MenuGlyphs() : nullptr;
        source.Command = [this](TSystemMenuCommand command) {
            switch (command) {
            case TSystemMenuCommand::Restore:
                RestoreWindow();
                break;
            case TSystemMenuCommand::Maximize:
                ToggleMaximize();
                break;
            case TSystemMenuCommand::Minimize:
                ToggleMinimize();
                break;
            case TSystemMenuCommand::Close:
                StopTimer();
                PostMessageW(Handle(), WM_CLOSE, 0, 0);
                break;
            }
        };
        TPopupMenu* menu = SystemMenu_.Build(source);
        SkinMenuItems(*menu->Items(), SkinnedMenuOf([menu] { return menu->Images(); }, 1));
        // The menu runs its own loop; this object may be gone when it ends.
        menu->Popup(screen.x, screen.y);
        return;
    }
    // A second click within the double-click time: on a title button that
    // is a double click on the icon.
    if (Hot_.Object) {
        StopTimer();
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

// ---------------------------------------------------------------------------
// Deferred initialisation

LRESULT TWinSkinForm::OnSkinInit() {
    const HWND window = Handle();
    InitDone_ = true;
    SystemMenuHandle_ = GetSystemMenu(window, FALSE);
    RefreshIcon();
    GetClientRect(window, &ClientRect_);
    // A window hidden for skinning that gets its skinned frame below stays
    // hidden through the discovery and the frame change and is shown once,
    // drawn whole, when they are done; any other is shown again now.
    std::optional<TReshapeScope> reshaping;
    if (HiddenWhileSkinning_ || Engine_.HideWhileSkinning) {
        Engine_.HideWhileSkinning = false;
        HiddenWhileSkinning_ = false;
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
        if (!(style & WS_VISIBLE)) {
            if (GetsTopLevelFrame())
                reshaping.emplace(window, TReshapeScope::TStart::AlreadyHidden);
            else
                SetWindowLongPtrW(window, GWL_STYLE, style | WS_VISIBLE);
        }
    }
    const TAliveGuard guard(*this);
    // The application's OnSkinControl runs from here and may free the form.
    if (Control_)
        TControlMap(*this).DiscoverControls();
    else
        TControlMap(*this).DiscoverChildWindows();
    if (!guard.Alive())
        return 0;

    if (LifeState_ == TLifeState::Created && SkinFrame_) {
        if (Kind_ == TWindowKind::MdiChild) {
            if (WindowState_ == TWindowState::Maximized) {
                if (Engine_.MdiClientHandle)
                    PostMessageW(Engine_.MdiClientHandle, SKINMSG_MDIREDRAW,
                                 reinterpret_cast<WPARAM>(window), 0);
            } else if (WindowState_ == TWindowState::Minimized) {
                RestoreCaption();
            } else {
                LifeState_ = TLifeState::ApplyingSize;
                ApplyFrameSize(true);
                if (!guard.Alive())
                    return 0;
                LifeState_ = TLifeState::Running;
                PaintBeforeRegion();
                if (!guard.Alive())
                    return 0;
                BuildRegion();
            }
        } else if (GetsTopLevelFrame()) {
            LifeState_ = TLifeState::ApplyingSize;
            if (!reshaping)
                reshaping.emplace(window, TReshapeScope::TStart::HideIfShown);
            ApplyFrameSize(false);
            if (!guard.Alive())
                return 0;
            LifeState_ = TLifeState::Running;
            if (WindowState_ == TWindowState::Maximized) {
                ForceFrameRecalc();
            } else {
                BuildRegion();
            }
        }
    }
    reshaping.reset();
    if (!guard.Alive())
        return 0;
    if (Timer_)
        Timer_->SetEnabled(true);
    FinishSkinning(guard);
    return 0;
}

// A top-level window whose frame the deferred initialisation sizes and
// shapes (an MDI child has its own path, and a minimized window keeps the
// platform's small frame until it is restored).
bool TWinSkinForm::GetsTopLevelFrame() const {
    return LifeState_ == TLifeState::Created && SkinFrame_ && Kind_ != TWindowKind::MdiChild &&
           !IsChild_ && BorderKind_ != TBorderKind::NoCaption &&
           WindowState_ != TWindowState::Minimized;
}

// The new frame size leaves the whole window to paint. Painting it before
// the region is set keeps the region's repaint to the frame: a window whose
// paint is still pending is erased again, children and all, whenever more of
// it is invalidated, so the client and every child would be erased twice.
void TWinSkinForm::PaintBeforeRegion() {
    const HWND window = Handle();
    if (IsWindowVisible(window))
        UpdateWindow(window);
}

void TWinSkinForm::FinishSkinning(const TAliveGuard& guard) {
    // Outside code runs from here on and may free the form (and this
    // object) or recreate its window: the state is final before it runs.
    if (LifeState_ != TLifeState::Destroyed)
        LifeState_ = TLifeState::Running;
    SendMessageW(Handle(), SKINMSG_FORMSKINNED, 0, kSkinSignature);
    if (guard.Alive())
        RaiseAfterSkinForm();
}

// ---------------------------------------------------------------------------
// The framework form's message hook

void TWinSkinForm::HookProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        OnFormSetText(message);
        break;
    case SKINMSG_SKINCHANGED:
        Reskin();
        break;
    case SKINMSG_PAINTFRAME:
        if (message.LParam != kSkinSignature) {
            CallOldHook(message);
            break;
        }
        if (message.WParam)
            PaintFrame(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinSignature;
        break;
    case SKINMSG_QUERY:
        message.Result = message.LParam == kSkinSignature ? kSkinSignature : 1;
        break;
    case CM_DIALOGCHAR:
        OnDialogChar(message);
        break;
    default:
        CallOldHook(message);
        break;
    }
}

void TWinSkinForm::OnFormSetText(TMessage& message) {
    const HWND window = Handle();
    if (!IsWindowVisible(window)) {
        CallOldHook(message);
        return;
    }
    const TAliveGuard guard(*this);
    if (UnicodeWindow_ || Kind_ == TWindowKind::MdiChild) {
        CallOldHook(message);
    } else {
        // The platform draws its own caption while setting an ANSI window's
        // text; keep it from reaching the screen.
        const TRedrawOffScope redrawOff(window);
        CallOldHook(message);
    }
    if (!guard.Alive())
        return;
    if (WindowState_ == TWindowState::Maximized) {
        if (Engine_.MdiClientHandle)
            PostMessageW(Engine_.MdiClientHandle, SKINMSG_MDIREDRAW,
                         reinterpret_cast<WPARAM>(window), 0);
    } else if (WindowState_ == TWindowState::Minimized) {
        PaintFrame(nullptr);
    } else {
        ForceFrameRecalc();
    }
}

// ---------------------------------------------------------------------------
// Re-skin, timer, detaching

void TWinSkinForm::ReloadSkin() {
    if (!Subclassed())
        return;
    // A framework form re-skins through its message hook, so that whoever
    // hooks in front of us sees the request too.
    if (Control_ && ControlHooked())
        Control_->Perform(SKINMSG_SKINCHANGED, 0, 0);
    else
        Reskin();
}

void TWinSkinForm::Reskin() {
    OwnFaceBrush_.Reset();
    const TAliveGuard guard(*this);
    const TSkinDefinition* skin = Skin();
    if (Control_ && skin) {
        BandColours_.Recolour(static_cast<TColor>(skin->Colours.ButtonFace));
        // Colour changes run the framework's handlers, which may free the form.
        Control_->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
        for (TComponent* component : Control_->Components())
            if (auto* owned = dynamic_cast<TCustomForm*>(component))
                owned->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
        if (!guard.Alive())
            return;
    }
    TellControlsSkinChanged();
    if (!guard.Alive())
        return;
    LifeState_ = TLifeState::Reskinning;
    if (SkinFrame_) {
        BuildMetrics();
        // Seam: the owner-drawn menu hooks are re-applied here with the form's menus.
        if (!IsChild_ && BorderKind_ != TBorderKind::NoCaption &&
            WindowState_ != TWindowState::Minimized) {
            ApplyFrameSize(true);
            if (guard.Alive() && Control_) {
                // A new layout for the framework's aligned controls.
                Control_->SetHeight(Control_->Height() + 1);
                Control_->SetHeight(Control_->Height() - 1);
            }
            if (!guard.Alive())
                return;
            BuildRegion();
        }
        PaintFrame(nullptr);
    }
    FinishSkinning(guard);
}

void TWinSkinForm::TimerTick(TObject*) {
    // A timer callback returns to the message loop whatever happens.
    GuardedEntry([&] {
        if (Tracking_)
            return;
        if (TNCObject* hot = Hot_.Object) {
            POINT cursor{};
            GetCursorPos(&cursor);
            const POINT point = ToWindowPoint(cursor);
            if (!hot->BoundsRect.Contains(point.x, point.y)) {
                hot->MouseLeave();
                Hot_.Object = nullptr;
            }
        }
        if (!Control_ && HotControl_) {
            POINT cursor{};
            RECT bounds{};
            GetCursorPos(&cursor);
            if (!IsWindow(HotControl_) || !GetWindowRect(HotControl_, &bounds) ||
                !PtInRect(&bounds, cursor)) {
                const HWND control = std::exchange(HotControl_, nullptr);
                if (IsWindow(control))
                    SendMessageW(control, CM_MOUSELEAVE, 0, 0);
            }
        }
    });
}

void TWinSkinForm::UnhookWindow() {
    if (!SkinFrame_) {
        LightDetach();
        return;
    }
    StopTimer();
    if (!Subclassed())
        return;
    UnhookControl();
    RemoveSubclass();
    FreeControlObjects();
    UnmarkOwnerDrawn();
    UnskinPopupMenus();
    FreeMenuBar();
    UnsubclassMdiClient();
}

void TWinSkinForm::LightDetach() {
    StopTimer();
    FreeControlObjects();
    const bool windowLives = LifeState_ != TLifeState::InNcDestroy;
    UnskinPopupMenus();
    if (Control_ && windowLives)
        Control_->SetColor(OldColor_);
    RemoveSubclass();
    UnsubclassMdiClient();
    if (Control_ && windowLives)
        for (TControl* child : Control_->Controls())
            child->Invalidate();
}

void TWinSkinForm::Unskin() {
    if (!Subclassed())
        return;
    if (!SkinFrame_) {
        LightDetach();
        return;
    }
    SystemMenu_.Free();
    StopTimer();
    UnhookControl();
    RemoveSubclass();
    FreeControlObjects();
    UnmarkOwnerDrawn();
    UnskinPopupMenus();
    if (Control_ && LifeState_ != TLifeState::InNcDestroy)
        Control_->SetColor(OldColor_);
    RestoreStyleAndSize();
}

void TWinSkinForm::RestoreStyleAndSize() {
    const HWND window = Handle();
    // The style bits we took away while skinned.
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if ((SavedStyleBits_ & ssHadSystemMenu) && (Style_ & WS_SYSMENU))
        style |= WS_SYSMENU;
    if (SavedStyleBits_ & ssCaptionRemoved)
        style |= Style_ & WS_CAPTION;
    if (HiddenWhileSkinning_) {
        style |= WS_VISIBLE;
        HiddenWhileSkinning_ = false;
    }
    SetWindowLongPtrW(window, GWL_STYLE, style);
    FreeMenuBar();
    UnsubclassMdiClient();

    if (LifeState_ != TLifeState::InNcDestroy && (Kind_ == TWindowKind::MdiChild || !IsChild_)) {
        RECT outer{};
        GetWindowRect(window, &outer);
        POINT topLeft{outer.left, outer.top};
        if (Kind_ == TWindowKind::MdiChild)
            ScreenToClient(GetParent(window), &topLeft);
        int width = outer.right - outer.left;
        int height = outer.bottom - outer.top;
        if (FrameSizeApplied_) {
            // The client area keeps its size; the frame becomes the platform's again.
            width += SavedNonClientSize_.cx - Metrics_.BorderLeft - Metrics_.BorderRight;
            height += SavedNonClientSize_.cy - Metrics_.TitleHeight - Metrics_.BorderBottom -
                      Metrics_.MenuBarHeight;
        }
        SetWindowPos(window, nullptr, topLeft.x, topLeft.y, width, height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    // The window owns the region it is given; the saved copy goes to it.
    SetWindowRgn(window, SavedRegion_.Release(), TRUE);
    RegionSet_ = false;
    RegionWidth_ = RegionHeight_ = -1;
}

// ---------------------------------------------------------------------------
// Frame geometry

void TWinSkinForm::BuildMetrics() {
    const TSkinDefinition* skin = Skin();
    const int menuBarHeight = MenuBarActive_ ? GetSystemMetrics(SM_CYMENU) : 0;
    Metrics_ = skin ? ComputeFrameMetrics(*skin, BorderKind_, menuBarHeight) : TFrameMetrics{};
    if (Kind_ == TWindowKind::MdiChild && BorderKind_ != TBorderKind::NoCaption) {
        // An MDI child keeps at least the platform's title height, the rest
        // of it standing in for the menu-bar strip.
        const int platformTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
        if (platformTitle > Metrics_.TitleHeight)
            Metrics_.MenuBarHeight = platformTitle - Metrics_.TitleHeight;
    }
    RebuildTitleButtons();
}

void TWinSkinForm::ReadWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(Handle(), &placement))
        return;
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        WindowState_ = TWindowState::Minimized;
        break;
    case SW_SHOWMAXIMIZED:
        WindowState_ = TWindowState::Maximized;
        break;
    default:
        WindowState_ = TWindowState::Normal;
        break;
    }
}

void TWinSkinForm::ApplyCaptionRemoval() {
    if (!(SavedStyleBits_ & ssCaptionRemoved))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (style & WS_CAPTION)
        SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
}

void TWinSkinForm::RestoreCaption() {
    if (!(SavedStyleBits_ & ssCaptionRemoved))
        return;
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR caption = Style_ & WS_CAPTION;
    if ((style & caption) != caption)
        SetWindowLongPtrW(Handle(), GWL_STYLE, style | caption);
}

void TWinSkinForm::ForceFrameRecalc() {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

std::wstring TWinSkinForm::ReadCaption() const {
    const HWND window = Handle();
    if (UnicodeWindow_) {
        const int length = GetWindowTextLengthW(window);
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        text.resize(copied > 0 ? copied : 0);
        return text;
    }
    // An ANSI window answers in its code page; longer captions are cut at
    // the buffer's end.
    char buffer[1000] = {};
    const LRESULT copied =
        SendMessageA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer));
    const int length = static_cast<int>(copied > 0 ? copied : 0);
    const int wide = MultiByteToWideChar(CP_ACP, 0, buffer, length, nullptr, 0);
    std::wstring text(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0)
        MultiByteToWideChar(CP_ACP, 0, buffer, length, text.data(), wide);
    return text;
}

int TWinSkinForm::DialogCaptionWidth() const {
    const std::wstring text = kCaptionPrefix + ReadCaption() + kCaptionSuffix;
    WindowDcScope dc(nullptr);
    if (!dc.Get())
        return 0;
    const HFONT font = CaptionFont();
    SelectObjectScope selected(dc.Get(), font ? static_cast<HGDIOBJ>(font)
                                              : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void TWinSkinForm::ApplyFrameSize(bool keepClientRect) {
    const HWND window = Handle();
    if (WindowState_ == TWindowState::Maximized) {
        ForceFrameRecalc();
        return;
    }
    int clientWidth = 0;
    int clientHeight = 0;
    if (keepClientRect) {
        RECT client{};
        GetClientRect(window, &client);
        clientWidth = client.right;
        clientHeight = client.bottom;
    } else if (Control_) {
        clientWidth = Control_->ClientWidth();
        clientHeight = Control_->ClientHeight();
        if (Kind_ != TWindowKind::MdiChild)
            clientHeight -= Metrics_.MenuBarHeight;
    } else {
        if (IsDialog_ || LifeState_ == TLifeState::Reskinning)
            GetClientRect(window, &ClientRect_);
        clientWidth = ClientRect_.right - ClientRect_.left;
        clientHeight = ClientRect_.bottom - ClientRect_.top;
        // The platform gave the client area the room of the menu it no longer
        // shows; the skinned menu-bar strip takes that room back.
        if (MenuBarActive_ && Kind_ != TWindowKind::MdiChild)
            clientHeight -= Metrics_.MenuBarHeight;
    }
    int width = clientWidth + Metrics_.BorderLeft + Metrics_.BorderRight;
    const int height =
        clientHeight + Metrics_.TitleHeight + Metrics_.BorderBottom + Metrics_.MenuBarHeight;

    if (IsDialog_ && !keepClientRect) {
        // A dialog is as wide as its caption needs; its controls stay centred.
        const TSkinDefinition* skin = Skin();
        const int needed =
            (skin ? skin->Title.LeftWidth + skin->Title.RightWidth : 0) + DialogCaptionWidth();
        if (needed > width) {
            const int shift = (needed - width) / 2;
            for (HWND child = GetWindow(window, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT bounds{};
                GetWindowRect(child, &bounds);
                MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
                SetWindowPos(child, nullptr, bounds.left + shift, bounds.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            width = needed;
        }
    }
    // The object may be freed by what the size change runs; this is the last
    // thing it does.
    FrameSizeApplied_ = true;
    SetWindowPos(window, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::BuildRegion(bool redraw, const SIZE* size) {
    if (LifeState_ == TLifeState::Destroyed || !SkinFrame_ || !Subclassed())
        return;
    if (Kind_ == TWindowKind::MdiChild && WindowState_ != TWindowState::Normal)
        return;
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    const int w = size ? size->cx : outer.right - outer.left;
    const int h = size ? size->cy : outer.bottom - outer.top;
    if (w <= 0 || h <= 0)
        return;
    if (w == RegionWidth_ && h == RegionHeight_ && Kind_ != TWindowKind::MdiChild &&
        LifeState_ != TLifeState::Reskinning)
        return;
    const TSkinDefinition* skin = Skin();
    if (!skin)
        return;
    RegionHandle region;
    try {
        region = BuildFrameRegion(*skin, Metrics_, BorderKind_, Active_, w, h, RegionScratch_);
    } catch (...) {
        // A shape the platform cannot make leaves the window as it is shaped
        // now; the next size change tries again.
        NoteStoppedException();
        return;
    }
    RegionWidth_ = w;
    RegionHeight_ = h;
    // The window owns the region from here on, and deletes the one it had.
    if (!VEYRA_PLATFORM_FAILS(SetWindowRgn) &&
        SetWindowRgn(Handle(), region.Get(), redraw ? TRUE : FALSE)) {
        region.Release();
        RegionSet_ = true;
    }
}

void TWinSkinForm::PaintFrame(HDC dc) {
    if (!PaintsFrame(LifeState_) || BorderKind_ == TBorderKind::NoCaption || IsMaximizedMdiChild())
        return;
    try {
        std::optional<WindowDcScope> windowDc;
        if (!dc)
            windowDc.emplace(Handle());
        const HDC target = dc ? dc : windowDc->Get();
        const TSkinDefinition* skin = Skin();
        if (!target || !skin)
            return;
        RECT outer{};
        GetWindowRect(Handle(), &outer);
        TFramePaintInput input =
            FramePaintInput(*skin, outer.right - outer.left, outer.bottom - outer.top);
        input.TitleBackdrop = &TitleBackdrop_;
        input.OwnMenuBar = MenuBar_ != nullptr;
        if (!PaintScratch_)
            PaintScratch_ = std::make_unique<TFramePaintScratch>();
        input.Scratch = PaintScratch_.get();
        SavedDcScope saved(target);
        const TFramePaintResult painted = veyra::PaintFrame(target, input);
        TitleTextRect_ = painted.TitleTextRect;
        ButtonsLeftEdge_ = painted.Buttons.ButtonsLeftEdge;
        TitleButtons_.ApplyLayout(painted.Buttons);
        if (MenuBar_ && WindowState_ != TWindowState::Minimized)
            PaintMenuBar(target, input.Width);
    } catch (...) {
        // Painting errors are swallowed; the DC scopes still let go.
    }
}

// The caption as the window keeps it, read without a message: painting runs
// inside the window's own message handling.
std::wstring TWinSkinForm::CaptionText() const {
    std::wstring text(1024, L'\0');
    const int length = InternalGetWindowText(Handle(), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    return text;
}

void TWinSkinForm::RefreshIcon() {
    const HWND window = Handle();
    IconHandle_ = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    // A window that was never given an icon shows its class's, as the
    // platform's own caption does.
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    if (!IconHandle_)
        IconHandle_ = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    if (width <= 0 || height <= 0)
        return;
    // Failing all of those, the platform's standard application icon, which
    // is what its caption shows then. It is loaded at the small size straight
    // from its resource (shared, never destroyed): the picture drawn for that
    // size, without a second read of the resource for a scaled copy.
    bool loadedSmall = false;
    if (!IconHandle_) {
        IconHandle_ = static_cast<HICON>(
            LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
        loadedSmall = IconHandle_ != nullptr;
    }
    if (IconBitmap_.IsEmpty()) {
        // Until the window shows an icon, the application's stands in.
        if (SkinData_ && SkinData_->AppIcon().Width() == width &&
            SkinData_->AppIcon().Height() == height)
            IconBitmap_ = SkinData_->AppIcon();
        else
            IconBitmap_ = Bitmap(width, height, PixelFormat::Bgra32, PixelOf(kKeyColour));
    }
    if (!IconHandle_)
        return;
    // An icon handle always shows the same picture: the window's icon has
    // not changed since the bitmap was drawn from it. Drawing it again means
    // reading the icon's resource once more, which costs a millisecond or
    // more under Wine each time a window is skinned.
    if (IconHandle_ == IconDrawnFrom_ && IconBitmap_.Width() == width &&
        IconBitmap_.Height() == height)
        return;
    try {
        DibSurface surface(width, height);
        surface.Pixels().Fill(PixelOf(kKeyColour));
        // A copy made for the small size looks better than a squeezed big icon.
        const IconHandle scaled(loadedSmall
                                    ? nullptr
                                    : static_cast<HICON>(CopyImage(IconHandle_, IMAGE_ICON, width,
                                                                   height, LR_COPYFROMRESOURCE)));
        DrawIconEx(surface.Dc(), 0, 0, scaled ? scaled.Get() : IconHandle_, width, height, 0,
                   nullptr, DI_NORMAL);
        IconBitmap_ = surface.Pixels();
        IconDrawnFrom_ = IconHandle_;
    } catch (...) {
        // The previous picture stays.
    }
}

void TWinSkinForm::RebuildTitleButtons() {
    const TSkinDefinition* skin = Skin();
    if (skin && std::any_of(skin->TitleButtons.begin(), skin->TitleButtons.end(),
                            [](const auto& button) { return IsIconAction(button->Action); }))
        RefreshIcon();
    TitleButtons_.Rebuild(skin, IconBitmap_);
    TTitleButtonCanvas canvas;
    canvas.Window = Handle();
    canvas.Backdrop = &TitleBackdrop_;
    canvas.Icon = IconHandle_;
    canvas.IconBitmap = &IconBitmap_;
    canvas.Face = skin ? skin->Colours.ButtonFace : TSkinColours{}.ButtonFace;
    canvas.CanPaint = [this] { return PaintsFrame(LifeState_); };
    canvas.MenuBarBackdrop = [this](Rect& barRect) -> const Bitmap* {
        if (!MenuBar_)
            return nullptr;
        barRect = MenuBar_->BarRect();
        return &MenuBar_->BarImage();
    };
    TitleButtons_.SetCanvas(std::move(canvas));
}

TFramePaintInput TWinSkinForm::FramePaintInput(const TSkinDefinition& skin, int width,
                                               int height) const {
    TFramePaintInput in;
    in.Skin = &skin;
    in.Metrics = Metrics_;
    in.Width = width;
    in.Height = height;
    in.Active = Active_;
    in.Minimized = WindowState_ == TWindowState::Minimized;
    in.Caption = CaptionText();
    in.CaptionFont = CaptionFont();
    in.FaceBrush = ButtonFaceBrush();
    in.RightToLeft = RightToLeft_;
    in.Popup = (Style_ & WS_POPUP) != 0;
    in.ButtonsLeftEdge = ButtonsLeftEdge_;
    in.Traits.Maximized = WindowState_ == TWindowState::Maximized;
    in.Traits.Active = Active_;
    in.Traits.HasSystemMenu = (SavedStyleBits_ & ssHadSystemMenu) != 0;
    in.Traits.HasMinimizeBox = (SavedStyleBits_ & ssHadMinimizeBox) != 0;
    in.Traits.HasMaximizeBox = (SavedStyleBits_ & ssHadMaximizeBox) != 0;
    in.Traits.IsDialogClass = IsDialog_;
    in.Traits.MdiFrameWithMaximizedChild = MenuBar_ && ActiveMdiChildMaximized();
    in.Traits.Kind = BorderKind_;
    in.Icon = IconHandle_;
    in.IconBitmap = &IconBitmap_;
    in.Buttons = &TitleButtons_.Elements();

    if (const TDataSkinObject* menuBar = skin.Find("Personality"))
        in.MenuBarLeftWidth = menuBar->LeftWidth;
    const HWND window = Handle();
    in.Query = [window](int code, int action) {
        return SendMessageW(window, SKINMSG_BUTTONQUERY, static_cast<WPARAM>(code), action) > 0;
    };
    return in;
}

// ---------------------------------------------------------------------------
// Size grips and the MDI children's state

void TWinSkinForm::NewSizeGrip(HWND grip) {
    if (grip && GetParent(grip) == Handle())
        SizeGrip_ = grip;
}

void TWinSkinForm::SetChildWindowState(bool maximized) {
    if (Kind_ != TWindowKind::MdiChild || !SkinFrame_ || !Subclassed())
        return;
    if (maximized)
        RestoreCaption();
    else if (WindowState_ == TWindowState::Normal)
        ApplyCaptionRemoval();
    else
        return;
    ForceFrameRecalc();
}

// ---------------------------------------------------------------------------
// Seams of the later parts

void TWinSkinForm::CreateMenuBar() {
    // The window gives up its platform menu; the frame makes room for ours.
    MenuBarActive_ = true;
    Metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
    MenuBar_ = std::make_unique<TWinSkinMenu>(Handle(), Hot_);
    BuildMenuBar(MenuHandle_);
    MenuBar_->Canvas().CanPaint = [this] { return PaintsFrame(LifeState_); };
    SetMenu(Handle(), nullptr);
}

void TWinSkinForm::BuildMenuBar(HMENU menu) {
    ForgetBarMenuItems();
    MenuBar_->BuildFromMenu(menu);
    // A framework form's bar items know their framework items: by their
    // popup's handle, or by command.
    TMainMenu* framework = Control_ ? Control_->Menu() : nullptr;
    if (!framework)
        return;
    for (const auto& item : MenuBar_->Items()) {
        item->MenuItem = item->SubMenu ? framework->FindItemByHandle(item->SubMenu)
                                       : framework->FindItem(item->Command);
        if (!item->MenuItem)
            continue;
        // An item freed before the rebuild its change posted is let go of at once.
        FreeNotification(item->MenuItem);
        if (!item->MenuItem->Caption().empty())
            item->Caption = item->MenuItem->Caption();
    }
}

void TWinSkinForm::ForgetBarMenuItems() {
    if (!MenuBar_)
        return;
    for (const auto& item : MenuBar_->Items())
        RemoveFreeNotification(std::exchange(item->MenuItem, nullptr));
}

void TWinSkinForm::FreeMenuBar() {
    if (!MenuBarActive_)
        return;
    MenuBarActive_ = false;
    ForgetBarMenuItems();
    MenuBar_.reset();
    if (!MenuHandle_)
        return;
    if (LifeState_ != TLifeState::InNcDestroy && IsWindow(Handle())) {
        // A window that took a newer menu while we let go of it keeps that one.
        if (!GetMenu(Handle()) && IsMenu(MenuHandle_))
            SetMenu(Handle(), MenuHandle_);
    } else if (IsMenu(MenuHandle_) &&
               !(Control_ && Control_->Menu() && Control_->Menu()->Owns(MenuHandle_))) {
        // The window would have destroyed its menu with itself; it no longer
        // has it, so the menu goes here (unless a menu component owns it).
        DestroyMenu(MenuHandle_);
    }
    MenuHandle_ = nullptr;
}

void TWinSkinForm::PaintMenuBar(HDC dc, int windowWidth) {
    const Rect bar{Metrics_.BorderLeft, Metrics_.TitleHeight, windowWidth - Metrics_.BorderRight,
                   Metrics_.TitleHeight + Metrics_.MenuBarHeight};
    if (bar.IsEmpty())
        return;
    MenuBar_->SetLook(Skin(), Active_, RightToLeft_);
    MenuBar_->PaintBar(dc, bar);
    // A maximized MDI child's buttons, on the bar the frame paint left them to.
    for (const auto& button : TitleButtons_.Buttons())
        if (button->Visible &&
            button->ButtonData->Visibility == TTitleVisibility::MdiMaximizedChild)
            TitleButtons_.PaintOnBar(dc, *button);
}

void TWinSkinForm::TrackMenuBtn(TMenuBtn* button, TOpenedBy openedBy) {
    if (!button || !MenuBar_ || Tracking_ || TMenuBarTracker::Tracking())
        return;
    const TAliveGuard guard(*this);
    TMenuBarHost host;
    host.Window = Handle();
    host.Bar = MenuBar_.get();
    host.RightToLeft = RightToLeft_;
    host.ToWindowPoint = [this](POINT screen) { return ToWindowPoint(screen); };
    host.Alive = [guard] { return guard.Alive(); };
    host.BeforeTrack = [this](HMENU popup) {
        Engine_.PopupMode = TPopupMode::MenuBar;
        MarkOwnerDrawn(popup);
    };
    host.AfterTrack = [this](HMENU) { UnmarkOwnerDrawn(); };
    Tracking_ = true;
    try {
        TMenuBarTracker::Track(host, button->Index, openedBy);
    } catch (...) {
        if (guard.Alive())
            Tracking_ = false;
        throw;
    }
    if (!guard.Alive())
        return;
    Tracking_ = false;
    if (std::exchange(MenuChangeHeld_, false))
        PostMessageW(Handle(), CM_MENUCHANGED, kMenuItemsChanged, 0);
}

bool TWinSkinForm::OpenMenuByKey(wchar_t key) {
    TMenuBtn* button = nullptr;
    if (key == 0) {
        if (TMenuBtn* first = MenuBar_->Neighbour(-1, true))
            button = first;
    } else {
        button = MenuBar_->ItemByAccessKey(key);
    }
    if (!button)
        return false;
    TrackMenuBtn(button, TOpenedBy::Keyboard);
    return true;
}

LRESULT TWinSkinForm::OnMenuKey(WPARAM wParam, LPARAM lParam) {
    if (!HandlesFrame())
        return CallOld(SKINMSG_MENUKEY, wParam, lParam);
    if (MenuBar_)
        if (TMenuBtn* item = MenuBar_->ItemAtPoint(ToWindowPoint(ScreenPointOf(lParam))))
            TrackMenuBtn(item, TOpenedBy::Keyboard);
    return 0;
}

LRESULT TWinSkinForm::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    // The message-filter hook never sees this message: the selection that
    // Left and Right depend on is learnt here.
    if (Tracking_)
        TMenuBarTracker::MenuSelect(wParam, lParam);
    return CallOld(WM_MENUSELECT, wParam, lParam);
}

void TWinSkinForm::OnDialogChar(TMessage& message) {
    const TAliveGuard guard(*this);
    CallOldHook(message);
    if (!guard.Alive() || message.Result != 0 || !MenuBar_)
        return;
    const bool altAlone = (GetKeyState(VK_MENU) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000) &&
                          !(GetKeyState(VK_SHIFT) & 0x8000);
    const auto key = static_cast<wchar_t>(message.WParam);
    if (altAlone && MenuBar_->ItemByAccessKey(key)) {
        // Opened once the key's own messages are done, as the platform's bar does.
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
        message.Result = 1;
    }
}

void TWinSkinForm::MarkOwnerDrawn(HMENU popup) {
    // Items are the skin's to draw only when the form's menus are skinned.
    if (SkinData_ && !SkinData_->Skins(xcMainMenu) && !SkinData_->Skins(xcMenuItem))
        return;
    OwnerDrawMarks_.Mark(popup);
}

void TWinSkinForm::UnmarkOwnerDrawn() {
    OwnerDrawMarks_.UnmarkAll();
}

namespace {

TMenuItemLook LookOfMarked(const TMarkedItem& item, UINT state, bool rightToLeft) {
    TMenuItemLook look;
    SplitItemText(item.Text, look.Caption, look.ShortCut);
    look.Separator = item.Separator();
    look.Enabled = (state & (ODS_GRAYED | ODS_DISABLED)) == 0;
    look.Checked = (state & ODS_CHECKED) != 0;
    look.Default = (state & ODS_DEFAULT) != 0 || (item.State & MFS_DEFAULT) != 0;
    look.Selected = (state & ODS_SELECTED) != 0;
    look.RightToLeft = rightToLeft || (item.Type & MFT_RIGHTORDER) != 0;
    look.Bitmap = item.Bitmap;
    return look;
}

} // namespace

LRESULT TWinSkinForm::OnMeasureItem(WPARAM wParam, LPARAM lParam) {
    auto* request = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    const TMarkedItem* item = request ? OwnerDrawMarks_.FromMeasure(*request) : nullptr;
    if (!item)
        return CallOld(WM_MEASUREITEM, wParam, lParam);
    const UINT state = (item->State & MFS_DEFAULT) ? ODS_DEFAULT : 0;
    const SIZE size = MeasureMenuItem(LookOfMarked(*item, state, RightToLeft_), Skin());
    request->itemWidth = static_cast<UINT>(std::max<LONG>(size.cx, 0));
    request->itemHeight = static_cast<UINT>(std::max<LONG>(size.cy, 0));
    return TRUE;
}

LRESULT TWinSkinForm::OnDrawItem(WPARAM wParam, LPARAM lParam) {
    const auto* request = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const TMarkedItem* item = request ? OwnerDrawMarks_.FromDraw(*request) : nullptr;
    if (!item)
        return CallOld(WM_DRAWITEM, wParam, lParam);
    try {
        PaintMenuItem(request->hDC, request->rcItem,
                      LookOfMarked(*item, request->itemState, RightToLeft_), Skin(),
                      BackdropFor(request->hDC, item->Menu));
    } catch (...) {
        // Painting errors are swallowed; the item keeps what it had.
    }
    return TRUE;
}

void TWinSkinForm::CollectPopupMenus(TComponent& owner, std::vector<TPopupMenu*>& menus) const {
    for (TComponent* component : owner.Components()) {
        if (auto* menu = dynamic_cast<TPopupMenu*>(component))
            menus.push_back(menu);
        else if (dynamic_cast<TCustomForm*>(component))
            CollectPopupMenus(*component, menus);
    }
}

void TWinSkinForm::SkinPopupMenus() {
    if (Control_ && ClassNameText_ != L"TwwRichEditForm")
        SkinOwnedPopupMenus(*Control_);
}

void TWinSkinForm::SkinOwnedPopupMenus(TComponent& owner) {
    if (!Control_ || !SkinData_ || !SkinData_->Skins(xcPopupMenu))
        return;
    std::vector<TPopupMenu*> menus;
    CollectPopupMenus(owner, menus);
    for (TPopupMenu* menu : menus)
        SkinPopupMenu(*menu);
}

TSkinnedMenu TWinSkinForm::SkinnedMenuOf(std::function<HIMAGELIST()> images, int firstDepth) {
    TSkinnedMenu skinned;
    skinned.Skin = [this] { return Skin(); };
    skinned.Images = std::move(images);
    skinned.RightToLeft = RightToLeft_;
    skinned.FirstDepth = firstDepth;
    return skinned;
}

namespace {

// Hung on a skinned popup menu, so that an item added to it gets the skin's
// painter at once; a type of its own, so that skin-off takes off only this.
struct TPopupItemsWatch {
    const TWinSkinForm* Form;
    TPopupMenu* Menu;
    TSkinnedMenu Skinned;
    void operator()() const { SkinMenuItems(*Menu->Items(), Skinned); }
};

bool WatchedBy(const TPopupMenu& menu, const TWinSkinForm* form) {
    const auto* watch = menu.OnItemsChanged.target<TPopupItemsWatch>();
    return watch && watch->Form == form;
}

} // namespace

void TWinSkinForm::SkinPopupMenu(TPopupMenu& menu) {
    if (menu.Tag() == SkinData_->DisableTag() ||
        std::any_of(SkinnedPopups_.begin(), SkinnedPopups_.end(),
                    [&menu](const auto& skinned) { return skinned.first == &menu; }))
        return;
    SkinnedPopups_.emplace_back(&menu, menu.OwnerDraw());
    menu.FreeNotification(this);
    menu.SetOwnerDraw(true);
    const TSkinnedMenu skinned = SkinnedMenuOf([&menu] { return menu.Images(); }, 1);
    SkinMenuItems(*menu.Items(), skinned);
    if (!menu.OnItemsChanged)
        menu.OnItemsChanged = TPopupItemsWatch{this, &menu, skinned};
}

void TWinSkinForm::SkinControlMenus(TControl& control) {
    if (!SkinData_ || !Control_)
        return;
    // A control's popup menu is skinned with the form's (xcPopupMenu); a tool
    // bar's drop-down menus with the bar (its rule asked for xcToolbar).
    if (SkinData_->Skins(xcPopupMenu))
        if (TPopupMenu* menu = control.PopupMenu())
            SkinPopupMenu(*menu);
    if (auto* bar = dynamic_cast<TToolBar*>(&control); bar && SkinData_->Skins(xcToolbar))
        for (TToolButton* button : bar->Buttons())
            if (TPopupMenu* menu = button->DropdownMenu())
                SkinPopupMenu(*menu);
}

void TWinSkinForm::SkinMainMenus() {
    if (!Control_ || !SkinData_ || !SkinData_->Skins(xcMenuItem))
        return;
    for (TComponent* component : Control_->Components()) {
        auto* menu = dynamic_cast<TMainMenu*>(component);
        if (!menu)
            continue;
        if (std::none_of(SkinnedMainMenus_.begin(), SkinnedMainMenus_.end(),
                         [menu](const auto& skinned) { return skinned.first == menu; })) {
            SkinnedMainMenus_.emplace_back(menu, menu->OwnerDraw());
            menu->FreeNotification(this);
            menu->SetOwnerDraw(true);
        }
        // The bar's own items stay the platform's; their popups are ours.
        SkinMenuItems(*menu->Items(), SkinnedMenuOf([menu] { return menu->Images(); }, 2));
    }
    Control_->RefreshMenu();
}

void TWinSkinForm::UnskinMainMenus() {
    for (const auto& [menu, ownerDraw] : std::exchange(SkinnedMainMenus_, {})) {
        UnskinMenuItems(*menu->Items());
        menu->SetOwnerDraw(ownerDraw);
        menu->RemoveFreeNotification(this);
    }
    if (Control_ && LifeState_ != TLifeState::InNcDestroy && !Control_->IsDestroying() &&
        Control_->HandleAllocated())
        Control_->RefreshMenu();
}

void TWinSkinForm::UnskinPopupMenus() {
    for (const auto& [menu, ownerDraw] : std::exchange(SkinnedPopups_, {})) {
        if (WatchedBy(*menu, this))
            menu->OnItemsChanged = nullptr;
        UnskinMenuItems(*menu->Items());
        menu->SetOwnerDraw(ownerDraw);
        menu->RemoveFreeNotification(this);
    }
    UnskinMainMenus();
    ReleaseToolBars();
    BandColours_.Release();
}

void TWinSkinForm::AdoptToolBar(TToolBar& bar) {
    if (std::any_of(ToolBars_.begin(), ToolBars_.end(),
                    [&bar](const TAdoptedToolBar& adopted) { return adopted.Bar == &bar; }))
        return;
    TAdoptedToolBar adopted{&bar, !bar.OnCustomDraw, !bar.OnCustomDrawButton};
    if (adopted.Background)
        bar.OnCustomDraw = [this](TToolBar*, const RECT& rect, HDC dc, bool& defaultDraw) {
            const bool keep = SkinData_ && SkinData_->HasOption(xoToolbarBK);
            if (PaintToolBarBackground(dc, rect, Skin(), keep))
                defaultDraw = false;
        };
    if (adopted.Buttons)
        bar.OnCustomDrawButton = [this](TToolBar*, TToolButton*, TToolButtonDraw& draw) {
            if (LifeState_ != TLifeState::Running)
                return;
            if (PaintToolButton(draw.Dc, draw.Rect, draw.State, Skin(), draw.TextColour))
                draw.DrawFace = false;
        };
    bar.FreeNotification(this);
    ToolBars_.push_back(adopted);
    bar.Invalidate();
}

void TWinSkinForm::AdoptCoolBar(TCoolBar& bar) {
    const TSkinDefinition* skin = Skin();
    BandColours_.Adopt(
        bar, static_cast<TColor>(skin ? skin->Colours.ButtonFace : TSkinColours{}.ButtonFace));
}

void TWinSkinForm::ReleaseToolBars() {
    for (const TAdoptedToolBar& adopted : std::exchange(ToolBars_, {})) {
        if (adopted.Background)
            adopted.Bar->OnCustomDraw = nullptr;
        if (adopted.Buttons)
            adopted.Bar->OnCustomDrawButton = nullptr;
        adopted.Bar->RemoveFreeNotification(this);
        adopted.Bar->Invalidate();
    }
}

void TWinSkinForm::SubclassMdiClient() {
    if (!MDIClientHandle_ || MdiClient_)
        return;
    TMdiFrameLink link;
    link.SkinFrame = [this] { return SkinFrame_ && Subclassed(); };
    link.KeepScrollBars = [this] { return SkinData_ && SkinData_->HasOption(xoMDIScrollbar); };
    link.HoldMenuUpdate = [this] { MenuUpdate_ = false; };
    link.ChildDestroyed = [this] { MdiChildDestroyed(); };
    link.FrameMenuSet = [this] { MdiFrameMenuSet(); };
    MdiClient_ = std::make_unique<TSkinMdiClient>(MDIClientHandle_, Engine_, std::move(link));
    if (!MdiClient_->Attach())
        MdiClient_.reset();
}

void TWinSkinForm::UnsubclassMdiClient() {
    if (!MdiClient_)
        return;
    MdiClient_->Detach();
    MdiClient_.reset();
}

bool TWinSkinForm::ActiveMdiChildMaximized() const {
    if (Kind_ != TWindowKind::MdiFrame || !MDIClientHandle_)
        return false;
    bool maximized = false;
    TSkinMdiClient::ActiveChild(MDIClientHandle_, &maximized);
    return maximized;
}

void TWinSkinForm::MdiChildDestroyed() {
    if (!TSkinMdiClient::ActiveChild(MDIClientHandle_) && MenuBar_) {
        // The last child is gone: the bar follows the frame's menu again.
        MenuUpdate_ = SavedMenuUpdate_;
        BuildMenuBar(MenuHandle_);
    }
    PaintFrame(nullptr);
}

void TWinSkinForm::MdiFrameMenuSet() {
    // Without a bar of ours the frame keeps the platform's menu: taking it
    // away would leave the frame with no menu at all.
    if (!MenuBar_)
        return;
    if (HMENU menu = GetMenu(Handle())) {
        MenuHandle_ = menu;
        BuildMenuBar(menu);
        SetMenu(Handle(), nullptr);
    }
    PaintFrame(nullptr);
}

} // namespace veyra
