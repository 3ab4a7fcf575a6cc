#include "CustomForm.h"

#include <utility>
#include <vector>

#include "Application.h"
#include "Button.h"
#include "FormReader.h"
#include "MainMenu.h"
#include "PopupMenu.h"
#include "Screen.h"

namespace veyra {

// What a modal loop keeps outside the form: the form may be freed while
// the loop runs (Release), and the windows it disabled must come back.
struct TCustomForm::TModalState {
    bool FormAlive = true;
};

namespace {

struct TThreadWindows {
    HWND Except;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
    auto& windows = *reinterpret_cast<TThreadWindows*>(data);
    if (window != windows.Except && IsWindowVisible(window) && IsWindowEnabled(window))
        windows.Found.push_back(window);
    return TRUE;
}

// Disables the thread's other visible, enabled top-level windows for as
// long as it lives, so that only the modal form takes input, and enables
// them again before the form goes, so that the platform gives the
// activation back to one of them rather than to another program.
class TOwnerWindowsDisabled {
public:
    explicit TOwnerWindowsDisabled(HWND modal) : Active_(GetActiveWindow()) {
        TThreadWindows windows{modal, {}};
        EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow,
                          reinterpret_cast<LPARAM>(&windows));
        Disabled_ = std::move(windows.Found);
        for (HWND window : Disabled_)
            EnableWindow(window, FALSE);
    }
    ~TOwnerWindowsDisabled() { EnableAgain(); }
    TOwnerWindowsDisabled(const TOwnerWindowsDisabled&) = delete;
    TOwnerWindowsDisabled& operator=(const TOwnerWindowsDisabled&) = delete;

    void EnableAgain() {
        for (HWND window : std::exchange(Disabled_, {}))
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }
    // The window that was active before the form showed, when it still is one.
    HWND PreviousActive() const { return IsWindow(Active_) ? Active_ : nullptr; }

private:
    HWND Active_;
    std::vector<HWND> Disabled_;
};

} // namespace

const TClassInfo& TCustomForm::StaticClass() {
    static const TClassInfo info(
        "TCustomForm", &TWinControl::StaticClass(),
        TPropertyList<TCustomForm>()
            .Integer("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
            .Integer("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
            .Object<TMainMenu>("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
            .Event("OnCreate", &TCustomForm::OnCreate)
            .Event("OnDestroy", &TCustomForm::OnDestroy)
            .Event("OnHide", &TCustomForm::OnHide)
            .Event("OnShow", &TCustomForm::OnShow)
            .Enum("Position",
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                   "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                  &TCustomForm::Position, &TCustomForm::SetPosition)
            .Take());
    return info;
}

const TClassInfo& TForm::StaticClass() {
    static const TClassInfo info("TForm", &TCustomForm::StaticClass());
    return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    // A form starts hidden; Show makes it visible.
    SetVisible(false);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (ModalState_)
        ModalState_->FormAlive = false;
    if (Created_ && OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            Application().HandleException(this);
        }
    }
    Screen().RemoveForm(this);
    DestroyHandle();
}

void TCustomForm::ReadDescription(const wchar_t* resourceName) {
    TFormReader::ReadFromResource(*this, resourceName);
}

void TCustomForm::AfterConstruction() {
    Created_ = true;
    DoCreate();
}

void TCustomForm::DoCreate() {
    // An error in the creation handler is reported, and the form lives on.
    if (OnCreate) {
        try {
            OnCreate(this);
        } catch (...) {
            Application().HandleException(this);
        }
    }
}

void TCustomForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated())
        SetForegroundWindow(WindowHandle());
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible())
        return;
    if (visible) {
        HandleNeeded();
        // The show handler runs before the window appears; an error in it is
        // reported and the window still appears.
        try {
            DoShow();
        } catch (...) {
            Application().HandleException(this);
        }
    } else if (HandleAllocated()) {
        DoHide();
    }
    TWinControl::SetVisible(visible);
}

void TCustomForm::Close() {
    if (ModalState_) {
        ModalResult_ = mrCancel;
        return;
    }
    if (Application().MainForm() == this)
        Application().Terminate();
    Hide();
}

int TCustomForm::ShowModal() {
    if (ModalState_)
        throw EInvalidOperation("The form is shown modally already");
    if (Visible())
        throw EInvalidOperation("A visible form cannot be made modal");
    HandleNeeded();
    TModalState state;
    TOwnerWindowsDisabled owners(WindowHandle());
    ModalResult_ = mrNone;
    ModalState_ = &state;
    int result = mrCancel;
    try {
        Show();
        result = RunModalLoop(state);
    } catch (...) {
        if (state.FormAlive)
            ModalState_ = nullptr;
        throw;
    }
    if (!state.FormAlive)
        return mrCancel; // freed meanwhile: nothing of the form is left to touch
    ModalState_ = nullptr;
    owners.EnableAgain();
    Hide();
    if (const HWND previous = owners.PreviousActive())
        SetActiveWindow(previous);
    return result;
}

int TCustomForm::RunModalLoop(TModalState& state) {
    // A form hidden meanwhile ends the loop too: nothing could end it later.
    while (ModalResult_ == mrNone && Visible())
        if (!Application().HandleMessage() || !state.FormAlive)
            break;
    if (!state.FormAlive)
        return mrCancel;
    return ModalResult_ != mrNone ? ModalResult_ : mrCancel;
}

void TCustomForm::Release() {
    if (HandleAllocated())
        PostMessageW(WindowHandle(), CM_RELEASE, 0, 0);
}

void TCustomForm::SetClientWidth(int width) {
    if (IsLoading() || !HandleAllocated()) {
        DesignClientSize_.cx = width;
        return;
    }
    SetWidth(Width() - ClientSize().cx + width);
}

void TCustomForm::SetClientHeight(int height) {
    if (IsLoading() || !HandleAllocated()) {
        DesignClientSize_.cy = height;
        return;
    }
    SetHeight(Height() - ClientSize().cy + height);
}

SIZE TCustomForm::ClientSize() const {
    if (HandleAllocated())
        return TWinControl::ClientSize();
    SIZE size = TWinControl::ClientSize();
    if (DesignClientSize_.cx >= 0)
        size.cx = DesignClientSize_.cx;
    if (DesignClientSize_.cy >= 0)
        size.cy = DesignClientSize_.cy;
    return size;
}

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    params.WndParent = nullptr;
    // A form made again stays where it is.
    if (!Recreating())
        PlaceOnScreen(params);
}

void TCustomForm::PlaceOnScreen(TCreateParams& params) const {
    if (Position_ == poScreenCenter || Position_ == poDesktopCenter ||
        Position_ == poMainFormCenter || Position_ == poOwnerFormCenter) {
        params.X = (GetSystemMetrics(SM_CXSCREEN) - params.Width) / 2;
        params.Y = (GetSystemMetrics(SM_CYSCREEN) - params.Height) / 2;
    }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == Menu_)
        return;
    if (Menu_) {
        RemoveFreeNotification(Menu_);
        if (Menu_->WindowHandle() == WindowHandle())
            Menu_->SetWindowHandle(nullptr);
    }
    Menu_ = menu;
    if (Menu_)
        FreeNotification(Menu_);
    if (HandleAllocated())
        ApplyMenu();
}

void TCustomForm::RefreshMenu() {
    if (HandleAllocated() && Menu_ && Menu_->Outdated())
        ApplyMenu();
}

void TCustomForm::ApplyMenu() {
    const HWND window = WindowHandle();
    TMainMenu* const menu = Menu_;
    if (menu)
        menu->SetWindowHandle(window);
    ::SetMenu(window, menu ? menu->Handle() : nullptr);
    // Sent through the window, so that whoever subclassed it hears of it too.
    // A nonzero answer says the window still shows the menu it had (a
    // skinned bar holding its updates), so the replaced menu must stay.
    const bool oldStillShown = SendMessageW(window, CM_MENUCHANGED, 0, 0) != 0;
    // Only now can nobody reach the replaced menu: the window and its
    // skinned bar hold the new one.
    if (menu && menu == Menu_ && !oldStillShown)
        menu->FreeRetired();
}

void TCustomForm::WmMenuChanged(TMessage& message) {
    if (message.WParam != kMenuItemsChanged || !Menu_) {
        TWinControl::WndProc(message);
        return;
    }
    // The menu on screen is not replaced under the platform's menu loop of
    // this window: the change waits for the loop's end.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    if (GetGUIThreadInfo(0, &thread) && (thread.flags & GUI_INMENUMODE) &&
        thread.hwndMenuOwner == WindowHandle()) {
        MenuChangeWaiting_ = true;
        return;
    }
    Menu_->ChangeNoticed();
    RefreshMenu();
}

bool TCustomForm::WmMenuItem(TMessage& message) {
    // Owner-drawn items of the form's menu; the platform asks the window
    // that shows the menu.
    if (!Menu_ || !message.LParam)
        return false;
    if (message.Msg == WM_MEASUREITEM) {
        auto& request = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        if (request.CtlType != ODT_MENU || !Menu_->FindItem(static_cast<UINT>(request.itemData)))
            return false;
        message.Result = AnswerMenuMeasureItem(request);
        return true;
    }
    const auto& request = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (request.CtlType != ODT_MENU || !Menu_->FindItem(static_cast<UINT>(request.itemData)))
        return false;
    message.Result = AnswerMenuDrawItem(request, Menu_->Images());
    return true;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Menu_) {
        Menu_ = nullptr;
        // The window must not keep a menu that is being freed.
        if (HandleAllocated() && !IsDestroying())
            ApplyMenu();
        else if (HandleAllocated())
            ::SetMenu(WindowHandle(), nullptr);
    }
}

void TCustomForm::WindowCreated() {
    TWinControl::WindowCreated();
    if (Menu_) {
        Menu_->SetWindowHandle(WindowHandle());
        ::SetMenu(WindowHandle(), Menu_->Handle());
    }
}

void TCustomForm::WmCommand(TMessage& message) {
    // A menu's (0) or an accelerator's (1) command: no control sends it.
    if (Menu_ && HIWORD(message.WParam) <= 1 && message.LParam == 0)
        if (TMenuItem* item = Menu_->FindItem(LOWORD(message.WParam))) {
            item->Click();
            message.Result = 0;
            return;
        }
    TWinControl::WndProc(message);
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_CLOSE:
        WmClose(message);
        return;
    case WM_COMMAND:
        WmCommand(message);
        return;
    case WM_DESTROY:
        // The menu is the menu component's to free, not the window's.
        // Asked without building: a menu built now would replace the one shown.
        if (Menu_ && Menu_->Owns(GetMenu(WindowHandle())))
            ::SetMenu(WindowHandle(), nullptr);
        if (Menu_ && Menu_->WindowHandle() == WindowHandle())
            Menu_->SetWindowHandle(nullptr);
        TWinControl::WndProc(message);
        return;
    case CM_MENUCHANGED:
        WmMenuChanged(message);
        return;
    case WM_EXITMENULOOP:
        TWinControl::WndProc(message);
        // Posted: the platform still uses the closing menu after this message.
        if (std::exchange(MenuChangeWaiting_, false) && Menu_)
            PostMessageW(WindowHandle(), CM_MENUCHANGED, kMenuItemsChanged, 0);
        return;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (!WmMenuItem(message))
            TWinControl::WndProc(message);
        return;
    case CM_DIALOGKEY:
        TWinControl::WndProc(message);
        if (!message.Result && (MoveInRadioGroup(message.WParam) || MoveByTab(message.WParam)))
            message.Result = 1;
        return;
    case CM_RELEASE:
        // Nothing of the form may be touched after this.
        delete this;
        return;
    default:
        TWinControl::WndProc(message);
    }
}

bool TCustomForm::MoveByTab(WPARAM key) {
    if (key != VK_TAB || GetKeyState(VK_CONTROL) < 0)
        return false;
    // The focused control, the innermost of the tab order that holds the focus.
    const HWND focus = GetFocus();
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    TWinControl* current = nullptr;
    for (TWinControl* control : order)
        if (control->HandleAllocated() &&
            (control->WindowHandle() == focus || IsChild(control->WindowHandle(), focus)))
            current = control;
    SelectNext(current, GetKeyState(VK_SHIFT) >= 0);
    // The key is the form's even when nothing else can take the focus.
    return true;
}

bool TCustomForm::MoveInRadioGroup(WPARAM key) {
    if (key != VK_LEFT && key != VK_RIGHT && key != VK_UP && key != VK_DOWN)
        return false;
    const auto isRadio = [](HWND window) {
        return (SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
    };
    const HWND focus = GetFocus();
    if (!focus || !IsChild(WindowHandle(), focus) || !isRadio(focus))
        return false;
    // The platform's group: the siblings from a WS_GROUP window up to the
    // next one, wrapping round, without the hidden and disabled ones.
    const HWND next = GetNextDlgGroupItem(GetParent(focus), focus, key == VK_LEFT || key == VK_UP);
    if (next && next != focus) {
        SetFocus(next);
        // The check follows the focus, as a click would give it.
        if (isRadio(next) && SendMessageW(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageW(next, BM_CLICK, 0, 0);
    }
    return true;
}

void TCustomForm::WmClose(TMessage& message) {
    Close();
    message.Result = 0;
}

} // namespace veyra
