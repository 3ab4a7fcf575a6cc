#include "WinControl.h"
#include "WindowClass.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

#include "Application.h"
#include "ControlAtom.h"
#include "GraphicControl.h"
#include "TextConv.h"
#include "WindowDispatch.h"

namespace veyra {
namespace {

// The control whose window is being created: its first messages arrive
// before CreateWindowEx returns, so the window procedure binds them to it.
TWinControl* CreationControl = nullptr;

// The procedure each of our window classes passes unhandled messages to.
std::map<std::wstring, WNDPROC>& ClassDefaultProcs() {
    static std::map<std::wstring, WNDPROC> procs;
    return procs;
}

} // namespace

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info(
        "TWinControl", &TControl::StaticClass(),
        TPropertyList<TWinControl>()
            .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Take());
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    TWindowDispatch::Forget(this);
    DestroyHandle();
    // Children die with their parent even when another component owns them.
    while (!Controls_.empty()) {
        TControl* child = Controls_.back();
        RemoveControl(child);
        delete child;
    }
}

TWinControl* TWinControl::FromHandle(HWND window) {
    return TControlAtom::Find(window);
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return Handle_;
}

void TWinControl::HandleNeeded() {
    if (Handle_)
        return;
    if (Parent())
        Parent()->HandleNeeded();
    // Making the parent's window makes the children's too.
    if (!Handle_)
        CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Caption();
    params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= WS_VISIBLE;
    if (!Enabled())
        params.Style |= WS_DISABLED;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->Handle() : nullptr;
    params.WinClassName = Utf8ToWide(ClassName());
    // The platform's right-to-left styles, one per aspect of BiDiMode; each
    // class of window interprets WS_EX_RIGHT in its own way.
    if (UseRightToLeftReading())
        params.ExStyle |= WS_EX_RTLREADING;
    if (UseRightToLeftScrollBar())
        params.ExStyle |= WS_EX_LEFTSCROLLBAR;
    if (UseRightToLeftAlignment())
        params.ExStyle |= WS_EX_RIGHT;
}

void TWinControl::RegisterWindowClass(const TCreateParams& params, WNDPROC& defaultProc) {
    auto& procs = ClassDefaultProcs();
    if (const auto it = procs.find(params.WinClassName); it != procs.end()) {
        defaultProc = it->second;
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!params.SysClassName.empty()) {
        if (!GetClassInfoExW(nullptr, params.SysClassName.c_str(), &wc))
            throw std::runtime_error("The system window class " + WideToUtf8(params.SysClassName) +
                                     " is not available");
        defaultProc = wc.lpfnWndProc;
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        defaultProc = DefWindowProcW;
        wc.style = params.ClassStyle;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    }
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TWinControl::InitWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Cannot register the window class " +
                                 WideToUtf8(params.WinClassName));
    procs[params.WinClassName] = defaultProc;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    RegisterWindowClass(params, DefWndProc_);
    CreationControl = this;
    const HWND window =
        CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                        params.Style, params.X, params.Y, params.Width, params.Height,
                        params.WndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    const DWORD error = GetLastError();
    CreationControl = nullptr;
    if (!window) {
        Handle_ = nullptr;
        throw std::runtime_error("Cannot create the window of " + Name() + " (" + ClassName() +
                                 "), error " + std::to_string(error));
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    // A top-level window may have been placed elsewhere than asked (centred).
    if (!(params.Style & WS_CHILD))
        ReadBoundsFromWindow();
    WindowCreated();
    // The children are laid out for the window's real client size before
    // they are made, so that each window is made once where it belongs
    // instead of made and then moved and sized again.
    AlignControls();
    CreateChildHandles();
    AlignControls();
}

void TWinControl::CreateChildHandles() {
    for (TControl* child : Controls_)
        if (auto* win = As<TWinControl>(child); win && !win->Handle_)
            win->CreateWnd();
}

void TWinControl::DestroyHandle() {
    if (Handle_)
        DestroyWindow(Handle_);
    // A window destroyed by someone else's code still ends here clean.
    FinishDestroy();
}

void TWinControl::RecreateWnd() {
    if (!Handle_)
        return;
    if (TWindowDispatch::Running(this)) {
        TWindowDispatch::Defer(this, TDeferredAction::Recreate);
        return;
    }
    Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CmRecreateWnd(TMessage&) {
    if (!Handle_)
        return;
    TWinControl* focused = FocusedControlInside();
    const bool child = (GetWindowLongPtrW(Handle_, GWL_STYLE) & WS_CHILD) != 0;
    const HWND above = child ? GetWindow(Handle_, GW_HWNDPREV) : nullptr;
    Recreating_ = true;
    try {
        DestroyHandle();
        CreateWnd();
    } catch (...) {
        Recreating_ = false;
        throw;
    }
    Recreating_ = false;
    if (child)
        SetWindowPos(Handle_, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused && focused->Handle_)
        SetFocus(focused->Handle_);
}

TWinControl* TWinControl::FocusedControlInside() {
    TWinControl* focused = FindOwningControl(GetFocus());
    for (TWinControl* c = focused; c; c = c->Parent())
        if (c == this)
            return focused;
    return nullptr;
}

void TWinControl::FinishDestroy() {
    if (Handle_) {
        TControlAtom::Detach(Handle_);
        Handle_ = nullptr;
    }
}

LRESULT CALLBACK TWinControl::InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = TControlAtom::FindAttached(window);
    if (!control && CreationControl) {
        control = std::exchange(CreationControl, nullptr);
        control->Handle_ = window;
        TControlAtom::Attach(window, control);
    }
    if (!control)
        control = TControlAtom::FindStored(window);
    if (!control) {
        const auto it = ClassDefaultProcs().find(ClassNameOf(window));
        const WNDPROC proc = it != ClassDefaultProcs().end() ? it->second : DefWindowProcW;
        return CallWindowProcW(proc, window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    TWindowDispatch::TScope running(control);
    try {
        control->WindowProc()(message);
    } catch (...) {
        Application().HandleException(running.ControlAlive() ? control : nullptr);
    }
    if (msg == WM_NCDESTROY) {
        if (running.ControlAlive() && control->Handle_ == window)
            control->FinishDestroy();
        // A handle may come back for another window: nothing of this one stays.
        TControlAtom::Forget(window);
    }
    return message.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!Handle_)
        return;
    message.Result = CallWindowProcW(DefWndProc_ ? DefWndProc_ : DefWindowProcW, Handle_,
                                     message.Msg, message.WParam, message.LParam);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        WmEraseBkgnd(message);
        return;
    case WM_SIZE:
        DefaultHandler(message);
        WmSize(message);
        return;
    case WM_WINDOWPOSCHANGED:
        WmWindowPosChanged(message);
        return;
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (ReflectToChild(message))
            return;
        break;
    case WM_CONTEXTMENU:
        if (ShowPopupMenu(message))
            return;
        break;
    case CM_ENABLEDCHANGED:
        if (Handle_)
            EnableWindow(Handle_, Enabled());
        return;
    case WM_MOUSEMOVE:
        TrackGraphicHover(message);
        if (RouteMouseToGraphic(message))
            return;
        WmMouseMove(message);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        if (RouteMouseToGraphic(message))
            return;
        break;
    case WM_MOUSELEAVE:
        WmMouseLeave(message);
        return;
    case WM_SETFOCUS:
        WmSetFocus(message);
        Perform(CM_ENTER, 0, 0);
        return;
    case WM_KILLFOCUS:
        DefaultHandler(message);
        Perform(CM_EXIT, 0, 0);
        return;
    case CM_DIALOGKEY:
        Broadcast(message, true);
        return;
    case CM_FOCUSCHANGED:
        Broadcast(message, false);
        return;
    case WM_PAINT:
        WmPaint(message);
        return;
    case CM_RECREATEWND:
        CmRecreateWnd(message);
        return;
    default:
        break;
    }
    TControl::WndProc(message);
}

void TWinControl::WmMouseMove(TMessage& message) {
    EnterMouse();
    DefaultHandler(message);
}

void TWinControl::EnterMouse() {
    if (MouseInControl_)
        return;
    MouseInControl_ = true;
    // The platform says when the mouse leaves; that becomes CM_MOUSELEAVE.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle_, HOVER_DEFAULT};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER, 0, 0);
}

void TWinControl::WmMouseLeave(TMessage& message) {
    if (TControl* hover = std::exchange(HoverGraphic_, nullptr))
        hover->Perform(CM_MOUSELEAVE, 0, 0);
    if (MouseInControl_) {
        MouseInControl_ = false;
        Perform(CM_MOUSELEAVE, 0, 0);
    }
    DefaultHandler(message);
}

void TWinControl::WmSetFocus(TMessage& message) {
    DefaultHandler(message);
    // The form hears which of its controls has the focus now.
    if (TWinControl* form = ParentForm(); form && form != this)
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TWinControl::TrackGraphicHover(const TMessage& message) {
    const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    TGraphicControl* under = CaptureGraphic_ ? nullptr : TGraphicControl::ChildAt(*this, point);
    if (CaptureGraphic_ || under == HoverGraphic_)
        return;
    if (TControl* old = std::exchange(HoverGraphic_, under))
        old->Perform(CM_MOUSELEAVE, 0, 0);
    if (!under)
        return;
    // The parent's own leaving ends the child's hover too.
    EnterMouse();
    if (under->Enabled())
        under->Perform(CM_MOUSEENTER, 0, 0);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message) {
    const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    TControl* target = CaptureGraphic_ ? CaptureGraphic_ : TGraphicControl::ChildAt(*this, point);
    if (!target || !target->Enabled())
        return false;
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
        CaptureGraphic_ = target;
        SetCapture(Handle_);
    } else if (message.Msg == WM_LBUTTONUP) {
        CaptureGraphic_ = nullptr;
        if (GetCapture() == Handle_)
            ReleaseCapture();
    }
    const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
    message.Result = target->Perform(message.Msg, message.WParam, local);
    return true;
}

void TWinControl::Broadcast(TMessage& message, bool stopAtAnswer) {
    const std::vector<TControl*> children = Controls_;
    for (TControl* child : children) {
        if (std::find(Controls_.begin(), Controls_.end(), child) == Controls_.end())
            continue;
        message.Result = child->Perform(message.Msg, message.WParam, message.LParam);
        if (stopAtAnswer && message.Result != 0)
            return;
    }
    message.Result = 0;
}

void TWinControl::WmPaint(TMessage& message) {
    const bool graphicChildren =
        std::any_of(Controls_.begin(), Controls_.end(),
                    [](const TControl* child) { return child->Is<TGraphicControl>(); });
    if (!graphicChildren || message.WParam) {
        PaintSelf(message);
        if (message.WParam) {
            RECT client{};
            GetClientRect(Handle_, &client);
            TGraphicControl::PaintChildren(*this, reinterpret_cast<HDC>(message.WParam), client);
        }
        return;
    }
    // The windowless children are drawn over whatever the window drew, in
    // the one paint the platform asked for.
    const TPaintScope paint(Handle_);
    TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(paint.Dc()), 0, 0};
    PaintSelf(inner);
    TGraphicControl::PaintChildren(*this, paint.Dc(), paint.PaintRect());
    message.Result = 0;
}

void TWinControl::PaintSelf(TMessage& message) {
    // A common control draws into a DC given in wParam, so that one can be
    // passed on. A plain window has nothing of its own to draw (its
    // background is WM_ERASEBKGND's), and DefWindowProc would BeginPaint and
    // validate the window instead of drawing into the DC.
    if (message.WParam && (!DefWndProc_ || DefWndProc_ == DefWindowProcW)) {
        message.Result = 0;
        return;
    }
    DefaultHandler(message);
}

TWinControl* TWinControl::ParentForm() {
    TWinControl* top = this;
    while (top->Parent())
        top = top->Parent();
    return top;
}

TWinControl* TWinControl::FindOwningControl(HWND window) {
    for (; window; window = GetParent(window))
        if (TWinControl* control = FromHandle(window))
            return control;
    return nullptr;
}

void TWinControl::WmEraseBkgnd(TMessage& message) {
    if (DefWndProc_ && DefWndProc_ != DefWindowProcW) {
        DefaultHandler(message);
        return;
    }
    RECT r{};
    GetClientRect(Handle_, &r);
    TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(reinterpret_cast<HDC>(message.WParam), &r, brush.Get());
    message.Result = 1;
}

void TWinControl::WmSize(TMessage&) {
    AlignControls();
}

void TWinControl::WmWindowPosChanged(TMessage& message) {
    if (!ApplyingBounds_)
        ReadBoundsFromWindow();
    DefaultHandler(message);
}

void TWinControl::ReadBoundsFromWindow() {
    RECT r{};
    if (!Handle_ || !GetWindowRect(Handle_, &r))
        return;
    if (GetWindowLongPtrW(Handle_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(Handle_), reinterpret_cast<POINT*>(&r), 2);
    ApplyingBounds_ = true;
    try {
        SetBoundsForLayout(r);
    } catch (...) {
        ApplyingBounds_ = false;
        throw;
    }
    ApplyingBounds_ = false;
}

bool TWinControl::ReflectToChild(TMessage& message) {
    HWND from = nullptr;
    if (message.Msg == WM_NOTIFY && message.LParam)
        from = reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    else if (message.Msg == WM_DRAWITEM && message.LParam) {
        // A menu item's hwndItem is a menu, which the form's menus draw.
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        if (item->CtlType == ODT_MENU)
            return false;
        from = item->hwndItem;
    } else
        from = reinterpret_cast<HWND>(message.LParam);
    TWinControl* child = FromHandle(from);
    if (!child || child == this)
        return false;
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

void TWinControl::BoundsChanged() {
    if (Handle_ && !ApplyingBounds_) {
        ApplyingBounds_ = true;
        SetWindowPos(Handle_, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ApplyingBounds_ = false;
    }
    // Moved but not resized: the children keep their places.
}

void TWinControl::TextChanged() {
    if (Handle_)
        SetWindowTextW(Handle_, Caption().c_str());
}

void TWinControl::FontChanged() {
    if (Handle_)
        SendMessageW(Handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (TControl* child : Controls_)
        child->FollowParentFont();
}

void TWinControl::VisibleChanged() {
    if (!Handle_)
        return;
    const bool child = (GetWindowLongPtrW(Handle_, GWL_STYLE) & WS_CHILD) != 0;
    ShowWindow(Handle_, !Visible() ? SW_HIDE : child ? SW_SHOWNA : SW_SHOW);
}

void TWinControl::BiDiModeChanged() {
    // The reading order and alignment are window styles.
    RecreateWnd();
    TControl::BiDiModeChanged();
}

void TWinControl::Invalidate() {
    if (Handle_)
        InvalidateRect(Handle_, nullptr, TRUE);
}

void TWinControl::InsertControl(TControl* control) {
    Controls_.push_back(control);
    if (auto* win = As<TWinControl>(control)) {
        TabList_.push_back(win);
        if (Handle_ && win->Handle_)
            ::SetParent(win->Handle_, Handle_);
        else if (Handle_ && !win->IsLoading())
            win->CreateWnd();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    if (HoverGraphic_ == control)
        HoverGraphic_ = nullptr;
    if (CaptureGraphic_ == control)
        CaptureGraphic_ = nullptr;
    Controls_.erase(std::remove(Controls_.begin(), Controls_.end(), control), Controls_.end());
    TabList_.erase(std::remove(TabList_.begin(), TabList_.end(), control), TabList_.end());
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->TabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->TabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : TabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

namespace {

bool IsRadioButton(HWND window) {
    return (SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// An unchecked radio button whose group has a checked one: Tab goes to the
// checked one only, as in a dialog (the arrows move within the group).
bool IsPassedRadio(HWND window) {
    if (!IsRadioButton(window) || SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED)
        return false;
    for (HWND sibling = GetWindow(GetParent(window), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT))
        if (sibling != window && IsRadioButton(sibling) &&
            SendMessageW(sibling, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return true;
    return false;
}

// Whether window, below top, can take the focus by the Tab key.
bool TakesTabFocus(HWND window, HWND top) {
    if (!IsWindowVisible(window) || !(GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP))
        return false;
    for (HWND w = window; w && w != top; w = GetParent(w))
        if (!IsWindowEnabled(w))
            return false;
    return !IsPassedRadio(window);
}

} // namespace

bool TWinControl::SelectNext(TWinControl* current, bool forward) {
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    if (order.empty() || !Handle_)
        return false;
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t at = std::find(order.begin(), order.end(), current) - order.begin();
    if (at == count)
        at = forward ? -1 : count;
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t i = ((at + (forward ? step : -step)) % count + count) % count;
        TWinControl* next = order[static_cast<std::size_t>(i)];
        if (next == current || !next->Handle_ || !TakesTabFocus(next->Handle_, Handle_))
            continue;
        SetFocus(next->Handle_);
        return GetFocus() == next->Handle_ || IsChild(next->Handle_, GetFocus());
    }
    return false;
}

SIZE TWinControl::ClientSize() const {
    RECT r{};
    if (Handle_ && GetClientRect(Handle_, &r))
        return SIZE{r.right, r.bottom};
    return TControl::ClientSize();
}

RECT TWinControl::AlignRect() const {
    const SIZE size = ClientSize();
    return RECT{0, 0, size.cx, size.cy};
}

void TWinControl::AlignControls() {
    if (Aligning_)
        return;
    Aligning_ = true;
    try {
        RECT area = AlignRect();
        for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
            for (TControl* child : Controls_) {
                if (child->Align() != align || !child->Visible())
                    continue;
                RECT r = area;
                switch (align) {
                case alTop:
                    r.bottom = r.top + child->Height();
                    area.top = r.bottom;
                    break;
                case alBottom:
                    r.top = r.bottom - child->Height();
                    area.bottom = r.top;
                    break;
                case alLeft:
                    r.right = r.left + child->Width();
                    area.left = r.right;
                    break;
                case alRight:
                    r.left = r.right - child->Width();
                    area.right = r.left;
                    break;
                default:
                    break;
                }
                child->SetBoundsForLayout(r);
            }
        }
        const SIZE client = ClientSize();
        for (TControl* child : Controls_)
            if (child->Align() == alNone)
                child->ApplyAnchors(client);
    } catch (...) {
        Aligning_ = false;
        throw;
    }
    Aligning_ = false;
}

} // namespace veyra
