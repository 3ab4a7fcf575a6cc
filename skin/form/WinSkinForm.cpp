#include "WinSkinForm.h"

#include <commctrl.h>

#include <algorithm>

#include "FramePainter.h"
#include "PlatformVersion.h"
#include "SkinMessages.h"
#include "framework/CustomForm.h"
#include "framework/PropAccess.h"
#include "framework/Timer.h"
#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/manager/SkinManage.h"

namespace veyra {

namespace {

// The id under which this object's procedure sits in the window's subclass chain.
constexpr UINT_PTR kSubclassId = 0x5346; // "SF"

// The platform's themed caption redraw request.
constexpr UINT kThemedCaptionRedraw = 0x00AE;

// The system commands that a menu item may carry as a plain command.
constexpr WPARAM kSystemCommands[] = {SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE,
                                      SC_NEXTWINDOW, SC_PREVWINDOW, SC_CLOSE, SC_RESTORE};

TSkinManage* Manager() { return TSkinManage::Instance(); }

std::wstring ClassNameOf(HWND window)
{
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, length > 0 ? length : 0);
}

} // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner)
    : TComponent(owner), CaptionPrefix_(L" "), CaptionSuffix_(L"  "), DoubleClickTime_(GetDoubleClickTime())
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        CaptionFont_.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
}

TWinSkinForm::~TWinSkinForm()
{
    // The window may outlive this object (the manager frees it on switch-off
    // after Unskin, or at shutdown): never leave a procedure behind that
    // points at freed memory.
    try {
        if (Subclassed_ && Handle && IsWindow(Handle))
            UnhookWindow();
        RestoreFormHook();
    } catch (...) {
    }
    FreeControlObjects();
    FreeTitleButtons();
    if (TSkinManage* manager = Manager(); manager && Handle)
        manager->Detach(Handle);
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (component == Control_) {
            FormHookInstalled_ = false;
            Control_ = nullptr;
        }
        if (component == Timer_)
            Timer_ = nullptr;
    }
}

void TWinSkinForm::SetSkinDefinition(const TSkinDefinition* skin) { SkinOverride_ = skin; }

const TSkinDefinition* TWinSkinForm::Skin() const
{
    if (SkinOverride_)
        return SkinOverride_;
    // While the component is still loading it has no skin to give.
    if (SkinData_ && !SkinData_->NoSkin())
        return &SkinData_->Skin();
    return nullptr;
}

bool TWinSkinForm::AddControlObject(TSkinControl* object)
{
    if (std::find(ControlObjects_.begin(), ControlObjects_.end(), object) != ControlObjects_.end())
        return true;
    ControlObjects_.push_back(object);
    return false;
}

void TWinSkinForm::RemoveControlObject(TSkinControl* object)
{
    std::erase(ControlObjects_, object);
}

void TWinSkinForm::FreeControlObjects()
{
    // Seam: the control skinning objects are owned by their controls; asking
    // each to detach comes with the control skinning base. Until then the
    // list only forgets them.
    ControlObjects_.clear();
    HotControl_ = nullptr;
}

void TWinSkinForm::RaiseBeforeSkinForm()
{
    if (SkinData_ && SkinData_->OnBeforeSkinForm)
        SkinData_->OnBeforeSkinForm(Control_, Handle, ClassNameText);
}

void TWinSkinForm::RaiseAfterSkinForm()
{
    if (SkinData_ && SkinData_->OnAfterSkinForm)
        SkinData_->OnAfterSkinForm(Control_, Handle, ClassNameText);
}

// ---------------------------------------------------------------------------
// Attaching

void TWinSkinForm::AttachToForm(TSkinData* skinData, TCustomForm* form)
{
    Control_ = form;
    if (form)
        form->FreeNotification(this);
    SkinData_ = skinData;
    RaiseBeforeSkinForm();
    if (form && skinData && (skinData->SkinControls() & Bit(xcMenuItem)))
        SetPropText(form, "AutoScroll", L"False");
    InitSkin(skinData);
    if (!form || !Subclassed_)
        return;
    if (SkinFrame_) {
        OldControlWndProc_ = form->WindowProc();
        form->SetWindowProc(TWndMethod::Of<&TWinSkinForm::FormMessageHook>(this));
        FormHookInstalled_ = true;
    }
    OldColor_ = form->Color();
    if (const TSkinDefinition* skin = Skin())
        form->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
    // Seam: with xcMenuItem the form's main menus become owner-drawn; that
    // arrives with the form's owner-drawn menus.
}

void TWinSkinForm::InitSkin(TSkinData* skinData)
{
    if (Subclassed_ || !Handle || !IsWindow(Handle))
        return;
    TSkinManage* manager = Manager();
    if (manager)
        manager->SkinningStarted = true;
    SkinData_ = skinData;
    if (!Timer_) {
        Timer_ = new TTimer(this);
        Timer_->SetEnabled(false);
        Timer_->SetInterval(250);
        Timer_->OnTimer = [this](TObject* sender) { TimerTick(sender); };
    }

    const std::uint32_t controls = skinData ? skinData->SkinControls() : Bit(xcMainMenu);
    const std::uint32_t options = skinData ? skinData->Options() : 0;
    SkinFrame_ = (controls & Bit(xcMainMenu)) != 0;

    Style_ = GetWindowLongPtrW(Handle, GWL_STYLE);
    ExStyle_ = GetWindowLongPtrW(Handle, GWL_EXSTYLE);
    RightToLeft_ = (ExStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    IsChild_ = (Style_ & WS_CHILD) != 0;
    const std::wstring className = ClassNameOf(Handle);
    if (ClassNameText.empty())
        ClassNameText = className;
    OwnerWindow_ = GetWindow(Handle, GW_OWNER);

    SavedStyleBits_ = 0;
    if ((Style_ & WS_SYSMENU) || GetSystemMenu(Handle, FALSE))
        SavedStyleBits_ |= kHadSystemMenu;
    if (Style_ & WS_MINIMIZEBOX)
        SavedStyleBits_ |= kHadMinimizeBox;
    if (Style_ & WS_MAXIMIZEBOX)
        SavedStyleBits_ |= kHadMaximizeBox;

    ReadWindowState();
    ThickFrame_ = (Style_ & WS_THICKFRAME) != 0;

    MDIClientHandle_ = FindWindowExW(Handle, nullptr, L"MDIClient", nullptr);
    if (MDIClientHandle_)
        Kind_ = kMdiFrame;
    if (ExStyle_ & WS_EX_MDICHILD) {
        Kind_ = kMdiChild;
        if (options & Bit(xoMDIChildBorder))
            SkinFrame_ = false;
    }

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

    if (CaptionRemovalWanted(PlatformVersion(), (ExStyle_ & WS_EX_APPWINDOW) != 0, OwnerWindow_ != nullptr,
                             Kind_ == kMdiChild))
        SavedStyleBits_ |= kCaptionRemoved;

    // What Unskin gives back: the platform's own non-client size, measured
    // before any style of ours changes it, and the region the window had.
    RECT window{}, client{};
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    SavedNonClientSize_ = SIZE{(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
    {
        RegionHandle copy(CreateRectRgn(0, 0, 0, 0));
        if (copy && GetWindowRgn(Handle, copy.Get()) != ERROR)
            SavedRegion_ = std::move(copy);
    }

    UnicodeWindow_ = IsWindowUnicode(Handle) != FALSE;
    if (manager && manager->HideWhileSkinning && !IsChild_ && SkinFrame_ && BorderKind_ != TBorderKind::NoCaption &&
        (Style_ & WS_VISIBLE)) {
        Style_ &= ~static_cast<LONG_PTR>(WS_VISIBLE);
        SetWindowLongPtrW(Handle, GWL_STYLE, Style_);
        HiddenWhileSkinning_ = true;
    }

    if (PlatformVersion().Win9x && skinData)
        skinData->SetSkinControls(skinData->SkinControls() & ~Bit(xcSystemMenu));

    if (Kind_ == kMdiFrame) {
        MenuUpdate_ = skinData ? skinData->MenuUpdate() : true;
        SubclassMdiClient();
    }

    Subclass();

    if (SkinFrame_) {
        MenuHandle_ = GetMenu(Handle);
        if (MenuHandle_ && Kind_ != kMdiChild)
            CreateMenuBar();
        const bool maximizedMdiMode = Kind_ == kMdiChild && manager && manager->MaximizedMdiChildMode;
        if (!maximizedMdiMode && WindowState_ != kMinimized)
            ApplyCaptionRemoval();
        BuildMetrics();
    } else {
        LifeState_ = kRunning;
    }

    if (Kind_ == kMdiChild && WindowState_ == kMaximized && manager && !manager->MaximizedMdiChildMode)
        manager->MaximizedMdiChildMode = true;
}

// ---------------------------------------------------------------------------
// Subclassing

void TWinSkinForm::Subclass()
{
    OldWndProc_ = GetWindowLongPtrW(Handle, GWLP_WNDPROC);
    if (!SetWindowSubclass(Handle, &TWinSkinForm::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return;
    ObjectProc_ = GetWindowLongPtrW(Handle, GWLP_WNDPROC);
    Subclassed_ = true;
}

void TWinSkinForm::RemoveSubclass()
{
    if (!Subclassed_)
        return;
    Subclassed_ = false;
    if (!IsWindow(Handle))
        return;
    if (GetWindowLongPtrW(Handle, GWLP_WNDPROC) == ObjectProc_) {
        // Nobody replaced the procedure behind the subclass chain's back:
        // leaving the chain puts back what was there (or keeps the chain of
        // those who subclassed after us the same way).
        RemoveWindowSubclass(Handle, &TWinSkinForm::SubclassProc, kSubclassId);
    } else {
        // Somebody set a procedure of their own after us and calls on into
        // the chain. Leaving it would make the chain put the original
        // procedure back over theirs, so our entry stays as a plain pass-through
        // that lets go of the window when it is destroyed.
        SetWindowSubclass(Handle, &TWinSkinForm::SubclassProc, kSubclassId, 0);
    }
}

LRESULT CALLBACK TWinSkinForm::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR refData)
{
    auto* self = reinterpret_cast<TWinSkinForm*>(refData);
    if (!self) {
        if (msg == WM_NCDESTROY)
            RemoveWindowSubclass(window, &TWinSkinForm::SubclassProc, kSubclassId);
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    try {
        return self->SkinWndProc(msg, wParam, lParam);
    } catch (...) {
        // Nothing may be thrown into the window manager: the message goes to
        // the previous procedure as if we were not there.
        try {
            return DefSubclassProc(window, msg, wParam, lParam);
        } catch (...) {
            return 0;
        }
    }
}

LRESULT TWinSkinForm::CallOld(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(Handle, msg, wParam, lParam);
}

void TWinSkinForm::RestoreFormHook()
{
    if (!FormHookInstalled_ || !Control_)
        return;
    FormHookInstalled_ = false;
    // Put back only what we replaced: somebody who hooked in front of us
    // keeps their hook (they restore ours, which then is the old one).
    if (Control_->WindowProc() == TWndMethod::Of<&TWinSkinForm::FormMessageHook>(this))
        Control_->SetWindowProc(OldControlWndProc_);
}

// ---------------------------------------------------------------------------
// The window procedure: stage 1, the gate, stages 2 and 3.

LRESULT TWinSkinForm::SkinWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_NCPAINT:
        if (LifeState_ == kCreated)
            return 0;
        break;
    case WM_ERASEBKGND:
        return OnEraseBkgnd(wParam, lParam);
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case WM_NCACTIVATE:
        if (LifeState_ == kCreated && Kind_ != kMdiChild)
            return 0;
        break;
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
        // Seam: replacing a control's scroll-bar object comes with the
        // scroll-bar skinning; until then the request is ignored.
        return 0;
    case SKINMSG_ISSKINNED:
        return 1;
    default:
        break;
    }
    if (!SkinFrame_)
        return CallOld(msg, wParam, lParam);
    // A plain child window (not an MDI child) has no frame of ours.
    if (IsChild_ && Kind_ != kMdiChild)
        return CallOld(msg, wParam, lParam);
    return FrameWndProc(msg, wParam, lParam);
}

LRESULT TWinSkinForm::FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Stage 2: bookkeeping; most messages go on to the old procedure later.
    switch (msg) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam);
    case WM_GETMINMAXINFO:
        return OnGetMinMaxInfo(wParam, lParam);
    case WM_SIZE:
        // Handled once here; the old procedure sees it once.
        return OnSize(wParam, lParam);
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        Active_ = LOBYTE(LOWORD(wParam)) != 0;
        break;
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(wParam, lParam);
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = CallOld(msg, wParam, lParam);
        ReadWindowState();
        return result;
    }
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case SKINMSG_MENUKEY:
        // Seam: opening the menu-bar popup under a point comes with the menu bar.
        return 0;
    case CM_MENUCHANGED:
        return OnMenuChanged(wParam, lParam);
    default:
        break;
    }

    // Stage 3: the skinned non-client area, once initialised.
    if (LifeState_ == kCreated || IsMaximizedMdiChild())
        return CallOld(msg, wParam, lParam);
    switch (msg) {
    case WM_NCACTIVATE:
        return OnNcActivate(wParam, lParam);
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCPAINT:
        return OnNcPaint(wParam, lParam);
    case SKINMSG_REPAINTFRAME:
        PaintFrame(nullptr);
        return 0;
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
    // Seam: the owner-drawn menu items of the form's own menus (WM_DRAWITEM,
    // WM_MEASUREITEM) are answered by the menu skinning once it exists.
    default:
        return CallOld(msg, wParam, lParam);
    }
}

LRESULT TWinSkinForm::OnEraseBkgnd(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallOld(WM_ERASEBKGND, wParam, lParam);
    if (Control_)
        return result;
    const auto dc = reinterpret_cast<HDC>(wParam);
    RECT client{};
    if (dc && GetClientRect(Handle, &client))
        FillRect(dc, &client, ButtonFaceBrush());
    return 1;
}

LRESULT TWinSkinForm::OnNcDestroy(WPARAM wParam, LPARAM lParam)
{
    LifeState_ = kInNcDestroy;
    UnhookWindow();
    // The subclass is gone now; the window's procedure is the one that was
    // there before us (or the chain of those who came after).
    const LRESULT result = DefSubclassProc(Handle, WM_NCDESTROY, wParam, lParam);
    LifeState_ = kDestroyed;
    return result;
}

LRESULT TWinSkinForm::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (TSkinManage* manager = Manager())
        manager->SetPopupMode(reinterpret_cast<HMENU>(wParam) == SystemMenuHandle_ && SystemMenuHandle_ ? 2 : 1);
    return CallOld(WM_INITMENUPOPUP, wParam, lParam);
}

LRESULT TWinSkinForm::OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallOld(msg, wParam, lParam);
    if (Control_)
        return result;
    const auto dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    if (msg == WM_CTLCOLORSTATIC)
        return reinterpret_cast<LRESULT>(ButtonFaceBrush());
    return result;
}

LRESULT TWinSkinForm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (wParam < 0xFF00 && std::find(std::begin(kSystemCommands), std::end(kSystemCommands), wParam) !=
                               std::end(kSystemCommands)) {
        PostMessageW(Handle, WM_SYSCOMMAND, wParam, 0);
        return 0;
    }
    return CallOld(WM_COMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallOld(WM_GETMINMAXINFO, wParam, lParam);
    ReadWindowState();
    if (WindowState_ == kMinimized || (Kind_ == kMdiChild && WindowState_ != kNormal))
        RestoreCaption();
    else
        ApplyCaptionRemoval();
    return result;
}

LRESULT TWinSkinForm::OnWindowPosChanging(WPARAM wParam, LPARAM lParam)
{
    // The size is final once the old procedure (and the platform's limits)
    // had their say.
    const LRESULT result = CallOld(WM_WINDOWPOSCHANGING, wParam, lParam);
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
    // A normal window about to change size gets the region of its new size
    // now: set before the move, the platform reshapes the window it already
    // has instead of the one it is making, which takes a third of a resize
    // step under Wine. WM_SIZE still checks the region against the size.
    if (pos && !(pos->flags & SWP_NOSIZE) && Kind_ != kMdiChild && LifeState_ == kRunning &&
        WindowState_ == kNormal && !IsIconic(Handle) && !IsZoomed(Handle)) {
        const SIZE size{pos->cx, pos->cy};
        BuildRegion(false, &size);
    }
    return result;
}

LRESULT TWinSkinForm::OnSize(WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallOld(WM_SIZE, wParam, lParam);
    if (wParam == SIZE_RESTORED)
        WindowState_ = kNormal;
    else if (wParam == SIZE_MINIMIZED)
        WindowState_ = kMinimized;
    else if (wParam == SIZE_MAXIMIZED)
        WindowState_ = kMaximized;
    const TSkinManage* manager = Manager();
    const bool mdiChildAside =
        Kind_ == kMdiChild && ((manager && manager->MaximizedMdiChildMode) || WindowState_ != kNormal);
    // The size change repaints the frame once the window has its new size;
    // a second repaint for the region would double the cost of every step
    // of a resize.
    if (WindowState_ != kMinimized && !mdiChildAside && (LifeState_ == kRunning || LifeState_ == kReskinning))
        BuildRegion(false);
    return result;
}

LRESULT TWinSkinForm::OnSysCommand(WPARAM wParam, LPARAM lParam)
{
    TSkinManage* manager = Manager();
    if (!Tracking_ && (wParam & 0xFFF0) == SC_KEYMENU && lParam == ' ') {
        // Alt+Space: the skinned system menu under the client area's corner.
        POINT corner{0, 0};
        ClientToScreen(Handle, &corner);
        ShowSystemMenu(corner);
        return 0;
    }
    // Seam: SC_KEYMENU with a letter opens the skinned menu bar's popup once
    // the menu bar exists; until then the platform handles it.
    switch (wParam & 0xFFF0) {
    case SC_MINIMIZE:
        WindowState_ = kMinimized;
        if (Kind_ == kMdiChild)
            RestoreCaption();
        break;
    case SC_MAXIMIZE:
        WindowState_ = kMaximized;
        break;
    case SC_RESTORE:
        WindowState_ = kNormal;
        if (Kind_ == kMdiChild) {
            ApplyCaptionRemoval();
            if (manager)
                manager->MaximizedMdiChildMode = false;
        }
        break;
    default:
        break;
    }
    return CallOld(WM_SYSCOMMAND, wParam, lParam);
}

LRESULT TWinSkinForm::OnMenuChanged(WPARAM wParam, LPARAM lParam)
{
    // The platform repaints its own frame for the new menu; that must not
    // be answered with a skinned paint halfway through.
    const bool painting = SkinData_ ? SkinData_->FramePainting : true;
    if (SkinData_)
        SkinData_->FramePainting = false;
    LRESULT result = 0;
    try {
        result = CallOld(CM_MENUCHANGED, wParam, lParam);
    } catch (...) {
        if (SkinData_)
            SkinData_->FramePainting = painting;
        throw;
    }
    if (SkinData_)
        SkinData_->FramePainting = painting;
    if (!MenuBarActive_)
        return result;
    if (HMENU menu = GetMenu(Handle)) {
        // The menu bar takes the new menu (seam: it rebuilds its buttons once
        // it exists); the window keeps no platform menu while skinned.
        MenuHandle_ = menu;
        SetMenu(Handle, nullptr);
    }
    return result;
}

// ---------------------------------------------------------------------------
// Deferred initialisation

LRESULT TWinSkinForm::OnSkinInit()
{
    InitDone_ = true;
    SystemMenuHandle_ = GetSystemMenu(Handle, FALSE);
    RefreshIcon();
    GetClientRect(Handle, &ClientRect_);
    TSkinManage* manager = Manager();
    if (HiddenWhileSkinning_ || (manager && manager->HideWhileSkinning)) {
        if (manager)
            manager->HideWhileSkinning = false;
        HiddenWhileSkinning_ = false;
        const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
        if (!(style & WS_VISIBLE))
            SetWindowLongPtrW(Handle, GWL_STYLE, style | WS_VISIBLE);
    }
    if (Control_)
        DiscoverControls();
    else
        DiscoverChildWindows();

    if (LifeState_ == kCreated && SkinFrame_) {
        if (Kind_ == kMdiChild) {
            if (WindowState_ == kMaximized) {
                if (manager && manager->MdiClientHandle)
                    PostMessageW(manager->MdiClientHandle, SKINMSG_MDIREDRAW, reinterpret_cast<WPARAM>(Handle), 0);
            } else if (WindowState_ == kMinimized) {
                RestoreCaption();
            } else {
                LifeState_ = kApplyingSize;
                ApplyFrameSize(true);
                LifeState_ = kRunning;
                BuildRegion();
            }
        } else if (!IsChild_ && BorderKind_ != TBorderKind::NoCaption && WindowState_ != kMinimized) {
            LifeState_ = kApplyingSize;
            ApplyFrameSize(false);
            LifeState_ = kRunning;
            if (WindowState_ == kMaximized)
                ForceFrameRecalc();
            else
                BuildRegion();
        }
    }
    SendMessageW(Handle, SKINMSG_FORMSKINNED, 0, kSkinSignature);
    RaiseAfterSkinForm();
    LifeState_ = kRunning;
    if (Timer_)
        Timer_->SetEnabled(true);
    return 0;
}

std::vector<TControl*> TWinSkinForm::DiscoverControls()
{
    std::vector<TControl*> found;
    if (!Control_)
        return found;
    const std::int64_t disableTag = SkinData_ ? SkinData_->DisableTag() : 99;
    auto add = [&found](TControl* control) {
        if (std::find(found.begin(), found.end(), control) == found.end())
            found.push_back(control);
    };
    // Seam: each control found is mapped to its control skinning class (and
    // the popup menus made owner-drawn) once those classes exist.
    for (TComponent* component : Control_->Components())
        if (auto* control = dynamic_cast<TControl*>(component); control && control->Tag() != disableTag)
            add(control);
    std::vector<TWinControl*> tabOrder;
    Control_->GetTabOrderList(tabOrder);
    for (TWinControl* control : tabOrder) {
        const HWND window = control->WindowHandle();
        if (!window || control->Tag() == disableTag)
            continue;
        if (SendMessageW(window, SKINMSG_ISSKINNED, 0, 0) == 1)
            continue;
        add(control);
    }
    return found;
}

std::vector<HWND> TWinSkinForm::DiscoverChildWindows()
{
    std::vector<HWND> found;
    for (HWND child = GetTopWindow(Handle); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)
            found.push_back(child); // Seam: mapped to a control skinning class later.
    return found;
}

// ---------------------------------------------------------------------------
// The framework form's message hook

void TWinSkinForm::FormMessageHook(TMessage& message)
{
    try {
        switch (message.Msg) {
        case WM_SETTEXT:
            OnFormSetText(message);
            return;
        case SKINMSG_SKINCHANGED:
            Reskin();
            return;
        case SKINMSG_PAINTFRAME:
            if (message.LParam != kSkinSignature)
                break;
            if (message.WParam)
                PaintFrame(reinterpret_cast<HDC>(message.WParam));
            message.Result = kSkinSignature;
            return;
        case SKINMSG_QUERY:
            message.Result = message.LParam == kSkinSignature ? kSkinSignature : 1;
            return;
        // Seam: CM_DIALOGCHAR opens the menu bar by its accelerators once the
        // menu bar exists; until then the old hook has it.
        default:
            break;
        }
        OldControlWndProc_(message);
    } catch (...) {
        // The framework hands errors of its own handlers to the application;
        // ours must not take the message with them.
        OldControlWndProc_(message);
    }
}

void TWinSkinForm::OnFormSetText(TMessage& message)
{
    if (!IsWindowVisible(Handle)) {
        OldControlWndProc_(message);
        return;
    }
    if (UnicodeWindow_ || Kind_ == kMdiChild) {
        OldControlWndProc_(message);
    } else {
        // The platform draws its own caption while setting an ANSI window's
        // text; keep it from reaching the screen.
        SendMessageW(Handle, WM_SETREDRAW, FALSE, 0);
        OldControlWndProc_(message);
        SendMessageW(Handle, WM_SETREDRAW, TRUE, 0);
    }
    if (WindowState_ == kMaximized) {
        if (TSkinManage* manager = Manager(); manager && manager->MdiClientHandle)
            PostMessageW(manager->MdiClientHandle, SKINMSG_MDIREDRAW, reinterpret_cast<WPARAM>(Handle), 0);
    } else if (WindowState_ == kMinimized) {
        PaintFrame(nullptr);
    } else {
        ForceFrameRecalc();
    }
}

// ---------------------------------------------------------------------------
// Re-skin, timer, detaching

void TWinSkinForm::ReloadSkin()
{
    if (!Subclassed_)
        return;
    // A framework form re-skins through its message hook, so that whoever
    // hooks in front of us sees the request too.
    if (Control_ && FormHookInstalled_)
        Control_->Perform(SKINMSG_SKINCHANGED, 0, 0);
    else
        Reskin();
}

void TWinSkinForm::Reskin()
{
    ButtonFaceBrush_.Reset();
    const TSkinDefinition* skin = Skin();
    if (Control_ && skin) {
        Control_->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
        for (TComponent* component : Control_->Components())
            if (auto* owned = dynamic_cast<TCustomForm*>(component))
                owned->SetColor(static_cast<TColor>(skin->Colours.ButtonFace));
    }
    // Seam: every control object is told that the skin changed once the
    // control skinning base exists.
    LifeState_ = kReskinning;
    if (SkinFrame_) {
        BuildMetrics();
        // Seam: the owner-drawn menu hooks are re-applied here with the form's menus.
        if (!IsChild_ && BorderKind_ != TBorderKind::NoCaption && WindowState_ != kMinimized) {
            ApplyFrameSize(true);
            if (Control_) {
                // A new layout for the framework's aligned controls.
                Control_->SetHeight(Control_->Height() + 1);
                Control_->SetHeight(Control_->Height() - 1);
            }
            BuildRegion();
        }
        PaintFrame(nullptr);
    }
    SendMessageW(Handle, SKINMSG_FORMSKINNED, 0, kSkinSignature);
    RaiseAfterSkinForm();
    LifeState_ = kRunning;
}

void TWinSkinForm::TimerTick(TObject*)
{
    try {
        if (Tracking_)
            return;
        if (TNCObject* hot = HotObject_) {
            POINT cursor{};
            GetCursorPos(&cursor);
            const POINT point = ToWindowPoint(cursor);
            const Rect& r = hot->BoundsRect;
            if (point.x < r.Left || point.x >= r.Right || point.y < r.Top || point.y >= r.Bottom) {
                hot->MouseLeave();
                HotObject_ = nullptr;
            }
        }
        if (!Control_ && HotControl_) {
            POINT cursor{};
            RECT bounds{};
            GetCursorPos(&cursor);
            if (!IsWindow(HotControl_) || !GetWindowRect(HotControl_, &bounds) || !PtInRect(&bounds, cursor)) {
                const HWND control = HotControl_;
                HotControl_ = nullptr;
                if (IsWindow(control))
                    SendMessageW(control, CM_MOUSELEAVE, 0, 0);
            }
        }
    } catch (...) {
        // A timer callback returns to the message loop whatever happens.
    }
}

void TWinSkinForm::UnhookWindow()
{
    if (!SkinFrame_) {
        LightDetach();
        return;
    }
    if (Timer_)
        Timer_->SetEnabled(false);
    if (!Subclassed_)
        return;
    RestoreFormHook();
    RemoveSubclass();
    FreeControlObjects();
    FreeMenuBar();
    UnsubclassMdiClient();
}

void TWinSkinForm::LightDetach()
{
    if (Timer_)
        Timer_->SetEnabled(false);
    FreeControlObjects();
    if (Control_) {
        // Seam: the owner-drawn popup and main menus are undone here.
        if (LifeState_ != kInNcDestroy)
            Control_->SetColor(OldColor_);
    }
    RemoveSubclass();
    UnsubclassMdiClient();
    if (Control_ && LifeState_ != kInNcDestroy)
        for (TControl* child : Control_->Controls())
            child->Invalidate();
}

void TWinSkinForm::Unskin()
{
    if (!Subclassed_)
        return;
    if (!SkinFrame_) {
        LightDetach();
        return;
    }
    FreeSkinnedSystemMenu();
    if (Timer_)
        Timer_->SetEnabled(false);
    RestoreFormHook();
    RemoveSubclass();
    FreeControlObjects();
    if (Control_ && LifeState_ != kInNcDestroy)
        Control_->SetColor(OldColor_);

    // The style bits we took away while skinned.
    LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
    if ((SavedStyleBits_ & kHadSystemMenu) && (Style_ & WS_SYSMENU))
        style |= WS_SYSMENU;
    if (SavedStyleBits_ & kCaptionRemoved)
        style |= Style_ & WS_CAPTION;
    if (HiddenWhileSkinning_) {
        style |= WS_VISIBLE;
        HiddenWhileSkinning_ = false;
    }
    SetWindowLongPtrW(Handle, GWL_STYLE, style);
    FreeMenuBar();
    UnsubclassMdiClient();

    if (LifeState_ != kInNcDestroy && (Kind_ == kMdiChild || !IsChild_)) {
        RECT window{};
        GetWindowRect(Handle, &window);
        POINT topLeft{window.left, window.top};
        if (Kind_ == kMdiChild)
            ScreenToClient(GetParent(Handle), &topLeft);
        int width = window.right - window.left;
        int height = window.bottom - window.top;
        if (FrameSizeApplied_) {
            // The client area keeps its size; the frame becomes the platform's again.
            width += SavedNonClientSize_.cx - Metrics_.BorderLeft - Metrics_.BorderRight;
            height += SavedNonClientSize_.cy - Metrics_.TitleHeight - Metrics_.BorderBottom - Metrics_.MenuBarHeight;
        }
        SetWindowPos(Handle, nullptr, topLeft.x, topLeft.y, width, height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    // The window owns the region it is given; the saved copy goes to it.
    SetWindowRgn(Handle, SavedRegion_.Release(), TRUE);
    RegionSet_ = false;
    RegionWidth_ = RegionHeight_ = -1;
}

// ---------------------------------------------------------------------------
// Seams of the later parts

void TWinSkinForm::CreateMenuBar()
{
    // Seam: the skinned menu-bar object is created here and builds its buttons
    // from MenuHandle_. What it does to the window is done already: the
    // window gives up its platform menu and the frame makes room for the bar.
    MenuBarActive_ = true;
    Metrics_.MenuBarHeight = GetSystemMetrics(SM_CYMENU);
    SetMenu(Handle, nullptr);
}

void TWinSkinForm::FreeMenuBar()
{
    if (!MenuBarActive_)
        return;
    MenuBarActive_ = false;
    if (!MenuHandle_)
        return;
    if (LifeState_ != kInNcDestroy && IsWindow(Handle)) {
        SetMenu(Handle, MenuHandle_);
    } else if (IsMenu(MenuHandle_)) {
        // The window would have destroyed its menu with itself; it no longer
        // has it, so the menu goes here.
        DestroyMenu(MenuHandle_);
    }
    MenuHandle_ = nullptr;
}

void TWinSkinForm::SubclassMdiClient()
{
    // Seam: the MDI client's own subclassing comes with the MDI handling.
}

void TWinSkinForm::UnsubclassMdiClient()
{
    // Seam: see SubclassMdiClient.
}

} // namespace veyra
