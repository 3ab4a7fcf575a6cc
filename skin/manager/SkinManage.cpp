#include "SkinManage.h"

#include <algorithm>
#include <cwctype>
#include <utility>

#include "framework/ControlAtom.h"
#include "framework/CustomForm.h"
#include "framework/Screen.h"
#include "framework/WindowClass.h"
#include "skin/component/SkinData.h"
#include "skin/form/GuardedEntry.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/UserHandlesWin32.h"
#include "skin/menu/WinSkinPopMenu.h"

namespace veyra {
namespace {

constexpr DWORD kDialogStyleNoSkin = 0x200; // a "#32770" with this style bit is left alone
constexpr int kFollowerDelayMs = 300;
constexpr int kInitialIntervalMs = 100;
constexpr std::int64_t kNeverSkinnedTag = 99;

TSkinManage* gInstance = nullptr;
// Every manager of this module (the leader and followers made here), for the
// timer callback to find its own.
std::vector<TSkinManage*>& Managers() {
    static std::vector<TSkinManage*> managers;
    return managers;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

bool IsMdiChild(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}
bool IsChildStyle(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
}

// The module whose code this is: a manager skins the windows of its own module.
HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

// Tells the manager when a window skinning object goes away without it
// (its form owns it and was destroyed first), so the list never holds a
// freed object.
class TObjectWatcher : public TComponent {
public:
    explicit TObjectWatcher(std::vector<TWinSkinForm*>& windows)
        : TComponent(nullptr), Windows_(windows) {}
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove)
            std::erase(Windows_, static_cast<TWinSkinForm*>(component));
    }

private:
    std::vector<TWinSkinForm*>& Windows_;
};

} // namespace

struct TSkinManage::State {
    explicit State(HMODULE module) : Module(module), Watcher(Windows) {}

    HMODULE Module;
    HookHandle Hook;
    ThreadTimerHandle Timer;
    int IntervalMs = kInitialIntervalMs;
    bool TimerOn = false;
    TSkinRequest Pending = TSkinRequest::None;
    TSkinData* Requester = nullptr;
    TSkinData* Main = nullptr;
    bool Sweep = false;
    std::vector<TSkinData*> Components;
    std::vector<TWinSkinForm*> Windows;
    // The popup-menu objects, in the order their windows were created.
    std::vector<std::unique_ptr<TWinSkinPopMenu>> Popups;
    std::vector<TSkinManage*> Followers;
    TSkinManage* Leader = nullptr;
    TObjectWatcher Watcher;

    // Removes object from the list and frees it.
    void Free(TWinSkinForm* object) {
        std::erase(Windows, object);
        Watcher.RemoveFreeNotification(object);
        delete object;
    }
    // Lets go of object's window (full restore) and frees it.
    void Release(TWinSkinForm* object) {
        object->Unskin();
        Free(object);
    }
    // Frees every object whose window is gone or that has finished.
    void DropInvalid() {
        const std::vector<TWinSkinForm*> copy = Windows;
        for (TWinSkinForm* object : copy)
            if (object->Module() == Module &&
                (!IsWindow(object->Handle()) || object->LifeState() == TLifeState::Destroyed))
                Free(object);
    }
    std::vector<TWinSkinForm*> UsersOf(const TSkinData* component) const {
        std::vector<TWinSkinForm*> users;
        for (TWinSkinForm* object : Windows)
            if (object->SkinData() == component)
                users.push_back(object);
        return users;
    }
};

// ---- creation and shutdown -------------------------------------------------

namespace {
// Shuts the manager down before the static objects it relies on (the
// application object, the screen) are destroyed: it is made after them.
struct TShutdownAtExit {
    ~TShutdownAtExit() { TSkinManage::Shutdown(); }
};
} // namespace

TSkinManage::TSkinManage(HMODULE module) : State_(std::make_unique<State>(module)) {
    Managers().push_back(this);
}

TSkinManage::~TSkinManage() {
    CloseDown();
    std::erase(Managers(), this);
}

TSkinManage* TSkinManage::Instance() {
    return gInstance;
}

TSkinManage& TSkinManage::Create() {
    static TShutdownAtExit shutdownAtExit;
    if (!gInstance)
        gInstance = new TSkinManage(ThisModule());
    return *gInstance;
}

void TSkinManage::Shutdown() {
    delete std::exchange(gInstance, nullptr);
}

void TSkinManage::CloseDown() {
    RunningState_ = TRunningState::ShuttingDown;
    Enabled_ = false;
    State_->Timer.Reset();
    State_->TimerOn = false;
    const std::vector<TWinSkinForm*> copy = State_->Windows;
    for (TWinSkinForm* object : copy) {
        try {
            if (IsWindow(object->Handle()) && object->LifeState() != TLifeState::Destroyed)
                State_->Release(object);
            else
                State_->Free(object);
        } catch (...) {
            // A window that cannot be given back still loses its object.
            State_->Free(object);
        }
    }
    State_->Popups.clear();
    for (TSkinManage* follower : State_->Followers)
        follower->State_->Leader = nullptr;
    State_->Followers.clear();
    if (State_->Leader)
        std::erase(State_->Leader->State_->Followers, this);
    State_->Leader = nullptr;
    State_->Components.clear();
    State_->Main = nullptr;
    State_->Requester = nullptr;
    State_->Hook.Reset();
}

// ---- components ------------------------------------------------------------

void TSkinManage::Register(TSkinData* component) {
    if (!component || IsRegistered(component))
        return;
    State_->Components.push_back(component);
    if (!State_->Main && component->SkinFormtype() == sfMainform)
        State_->Main = component;
}

void TSkinManage::Unregister(TSkinData* component) {
    if (!IsRegistered(component))
        return;
    // Windows still painted with this component's skin let go before its
    // elements are freed.
    State_->DropInvalid();
    for (TWinSkinForm* object : State_->UsersOf(component))
        State_->Release(object);
    std::erase(State_->Components, component);
    if (State_->Main == component) {
        State_->Main = nullptr;
        for (TSkinData* other : State_->Components)
            if (other->SkinFormtype() == sfMainform) {
                State_->Main = other;
                break;
            }
    }
    if (State_->Requester == component) {
        State_->Requester = nullptr;
        State_->Pending = TSkinRequest::None;
    }
}

bool TSkinManage::IsRegistered(const TSkinData* component) const {
    return std::find(State_->Components.begin(), State_->Components.end(), component) !=
           State_->Components.end();
}

TSkinData* TSkinManage::MainSkinData() const {
    return State_->Main;
}
const std::vector<TSkinData*>& TSkinManage::Components() const {
    return State_->Components;
}

TSkinData* TSkinManage::ChooseSkinData(HWND window, const std::wstring& className) const {
    const auto lastWhere = [this](auto&& matches) -> TSkinData* {
        TSkinData* found = nullptr;
        for (TSkinData* component : State_->Components)
            if (matches(*component))
                found = component;
        return found;
    };
    if (TSkinData* own = lastWhere([window](const TSkinData& c) {
            const auto* form = As<TCustomForm>(c.Owner());
            return c.SkinFormtype() == sfOnlyThisForm && form && form->WindowHandle() == window;
        }))
        return own;
    const std::wstring lower = Lower(className);
    if (lower == L"tmessageform" || lower == L"#32770")
        if (TSkinData* dialog =
                lastWhere([](const TSkinData& c) { return c.SkinFormtype() == sfDialog; }))
            return dialog;
    if (TSkinData* main =
            lastWhere([](const TSkinData& c) { return c.SkinFormtype() == sfMainform; }))
        return main;
    return State_->Components.empty() ? nullptr : State_->Components.front();
}

bool TSkinManage::SkinDecision(HWND window, const std::wstring& className) const {
    TSkinData* main = State_->Main;
    if (!main)
        return true;
    bool doSkin = true;
    if (!main->HasOption(xoPreview) && Lower(className).find(L"preview") != std::wstring::npos)
        doSkin = false;
    if (className == L"#32770" && (GetWindowLongPtrW(window, GWL_STYLE) & kDialogStyleNoSkin) != 0)
        doSkin = false;
    return main->FormSkinQuestion(window, className, doSkin);
}

// ---- the hook --------------------------------------------------------------

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Nothing may escape into the window manager: a failed attach leaves the
    // window as it is. A follower made in another module has its own copy of
    // this code, and so its own hook.
    GuardedEntry([&] {
        if (gInstance && code >= 0)
            gInstance->OnHook(code, wParam, lParam);
    });
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::OnHook(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManage& manager = *this;
    if (manager.RunningState_ == TRunningState::ShuttingDown)
        return;
    const auto window = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND: {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        const std::wstring className = ClassNameOf(window);
        // A new size grip belongs to its parent's skinned window.
        if (Lower(className) == L"scrollbar" && (create->style & SBS_SIZEGRIP) &&
            create->hwndParent)
            if (TWinSkinForm* parent = manager.Find(create->hwndParent))
                parent->NewSizeGrip(window);
        if ((create->style & WS_CHILD) == 0 && className == L"#32768" && !manager.State_->Leader)
            manager.AttachPopup(window);
        if ((create->dwExStyle & WS_EX_MDICHILD) != 0)
            manager.Attach(window);
        break;
    }
    case HCBT_DESTROYWND:
        manager.DetachPopup(window);
        // A window that finished earlier (a closed message box) is let go
        // now rather than at the next activation, which may never come.
        manager.State_->DropInvalid();
        break;
    case HCBT_ACTIVATE:
        if (manager.RunningState_ == TRunningState::NotRunning)
            manager.RunningState_ = TRunningState::Running;
        manager.Attach(window);
        break;
    default:
        break;
    }
}

void TSkinManage::StartHook() {
    if (!State_->Hook.Get())
        State_->Hook.Reset(
            SetWindowsHookExW(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
}

bool TSkinManage::HookInstalled() const {
    return State_->Hook.Get() != nullptr;
}

// ---- attaching windows -----------------------------------------------------

namespace {

// The framework form of window: a form of the screen, else the object stored
// on the window by its framework.
TCustomForm* FrameworkFormOf(HWND window) {
    for (TCustomForm* form : Screen().Forms())
        if (form->WindowHandle() == window)
            return form;
    return As<TCustomForm>(TControlAtom::Find(window));
}

bool IsPlainMdiClientChild(HWND window) {
    if (!IsChildStyle(window) || IsMdiChild(window))
        return false;
    const HWND parent = GetParent(window);
    return parent && Lower(ClassNameOf(parent)) == L"mdiclient";
}

bool HasSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right > r.left && r.bottom > r.top;
}

} // namespace

bool TSkinManage::Attach(HWND window) {
    if (!Enabled_ || !window || RunningState_ == TRunningState::ShuttingDown)
        return false;
    State_->DropInvalid();
    if (SendMessageW(window, SKINMSG_ISSKINNED, 0, 0) == 1 || Find(window))
        return false;
    TCustomForm* form = FrameworkFormOf(window);
    if (!State_->Sweep && IsPlainMdiClientChild(window))
        return false;
    const std::wstring className = ClassNameOf(window);
    const bool ownModule =
        reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == State_->Module;
    if (!form && !ownModule && className != L"#32770")
        return false;
    if (!HasSize(window) && !IsMdiChild(window))
        return false;
    if (form && form->Tag() == kNeverSkinnedTag)
        return false;
    if (className.find(L"TcxPopupEditPopupWindow") != std::wstring::npos ||
        className == L"TApplication")
        return false;
    if (!SkinDecision(window, className))
        return false;
    TSkinData* component = ChooseSkinData(window, className);
    if (!component || component->NoSkin())
        return false;

    // A form owns its object; the list holds it until either lets go, and
    // the watcher hears of it when the form frees it first (a before-skin
    // handler may free the form right here).
    auto* object = new TWinSkinForm(form, window, Engine_, State_->Module, className);
    State_->Watcher.FreeNotification(object);
    State_->Windows.push_back(object);
    const TSkinWindow::TAliveGuard guard(*object);
    try {
        if (form)
            object->AttachToForm(component, form);
        else
            object->InitSkin(component);
    } catch (...) {
        // A before-skin handler (or anything else) that fails leaves the
        // window as it was; a later activation may try again.
        NoteStoppedException();
        if (guard.Alive())
            State_->Release(object);
        return false;
    }
    if (!guard.Alive())
        return false;
    PostMessageW(window, SKINMSG_INIT, 0, kSkinInitParam);
    return true;
}

void TSkinManage::SetChildWindowState(bool maximized) {
    if (maximized == ChildWindowState_)
        return;
    ChildWindowState_ = maximized;
    if (TSkinData* main = MainSkinData(); main && main->HasOption(xoMDIChildBorder))
        return;
    for (TWinSkinForm* object : State_->Windows)
        if (object->Kind() == TWindowKind::MdiChild)
            object->SetChildWindowState(maximized);
}

void TSkinManage::Detach(HWND window) {
    std::erase_if(State_->Windows,
                  [window](TWinSkinForm* object) { return object->Handle() == window; });
}

TWinSkinForm* TSkinManage::Find(HWND window) const {
    for (TWinSkinForm* object : State_->Windows)
        if (object->Handle() == window)
            return object;
    return nullptr;
}

void TSkinManage::Refresh(TSkinData* component) {
    State_->DropInvalid();
    for (TWinSkinForm* object : State_->UsersOf(component))
        Reload(object);
}

void TSkinManage::Reload(TWinSkinForm* object) {
    if (object->FrameFitsSkin()) {
        object->ReloadSkin();
        return;
    }
    // The new skin gives or takes away the skinned frame: the window is given
    // back as it was and skinned anew, the one way that is known to be exact.
    const HWND window = object->Handle();
    State_->Release(object);
    if (IsWindow(window))
        Attach(window);
}

std::vector<TWinSkinForm*> TSkinManage::WindowObjects() const {
    return State_->Windows;
}

// ---- popup menus -----------------------------------------------------------

bool TSkinManage::PopupModeAllows(TPopupMode mode, std::uint32_t skinControls) {
    switch (mode) {
    case TPopupMode::Context:
        return (skinControls & Bit(xcPopupMenu)) != 0;
    case TPopupMode::MenuBar:
        return (skinControls & (Bit(xcMainMenu) | Bit(xcMenuItem))) != 0;
    case TPopupMode::SystemMenu:
        return (skinControls & Bit(xcSystemMenu)) != 0;
    }
    return false;
}

bool TSkinManage::AttachPopup(HWND menuWindow) {
    if (!Enabled_ || IsPopupSkinned(menuWindow) ||
        SendMessageW(menuWindow, SKINMSG_ISSKINNED, 0, 0) == 1)
        return false;
    TSkinData* component = ChooseSkinData(menuWindow, ClassNameOf(menuWindow));
    if (!component || component->NoSkin() ||
        !PopupModeAllows(Engine_.PopupMode, component->SkinControls()))
        return false;
    auto popup = std::make_unique<TWinSkinPopMenu>(menuWindow, component);
    if (!popup->Attach())
        return false;
    State_->Popups.push_back(std::move(popup));
    return true;
}

TWinSkinPopMenu* TSkinManage::FindPopupWindow(HWND menuWindow) const {
    for (const auto& popup : State_->Popups)
        if (popup->Handle() == menuWindow)
            return popup.get();
    return nullptr;
}

std::size_t TSkinManage::PopupCount() const {
    return State_->Popups.size();
}

TWinSkinPopMenu* TSkinManage::FindPopup(HMENU menu) const {
    if (!menu)
        return nullptr;
    // The window says which menu it shows; the newest popup is the likeliest.
    for (auto it = State_->Popups.rbegin(); it != State_->Popups.rend(); ++it)
        if (IsWindow((*it)->Handle()) && (*it)->ShownMenu() == menu)
            return it->get();
    return nullptr;
}

void TSkinManage::DetachPopup(HWND menuWindow) {
    const auto removed = std::erase_if(
        State_->Popups, [menuWindow](const auto& popup) { return popup->Handle() == menuWindow; });
    if (removed && State_->Popups.empty()) {
        Engine_.PopupMode = TPopupMode::Context;
        PopupFlag = false;
    }
}

bool TSkinManage::IsPopupSkinned(HWND menuWindow) const {
    return std::any_of(State_->Popups.begin(), State_->Popups.end(),
                       [menuWindow](const auto& popup) { return popup->Handle() == menuWindow; });
}

// ---- followers -------------------------------------------------------------

void TSkinManage::AddFollower(TSkinManage* follower) {
    if (!follower || follower == this || follower->State_->Leader)
        return;
    State_->Followers.push_back(follower);
    follower->State_->Leader = this;
}

void TSkinManage::RemoveFollower(TSkinManage* follower) {
    if (follower && std::erase(State_->Followers, follower))
        follower->State_->Leader = nullptr;
}

TSkinManage* TSkinManage::Leader() const {
    return State_->Leader;
}
HMODULE TSkinManage::Module() const {
    return State_->Module;
}

TSkinManage* TSkinManage::NewFollower(TSkinManage& leader, HMODULE module) {
    auto* follower = new TSkinManage(module);
    leader.AddFollower(follower);
    return follower;
}

void TSkinManage::FreeFollower(TSkinManage* follower) {
    delete follower;
}

// ---- requests --------------------------------------------------------------

void TSkinManage::PointAt(TSkinData* component) {
    State_->Requester = component;
}
TSkinRequest TSkinManage::PendingRequest() const {
    return State_->Pending;
}
TSkinData* TSkinManage::RequestingComponent() const {
    return State_->Requester;
}
bool TSkinManage::TimerRunning() const {
    return State_->TimerOn;
}

void TSkinManage::CountClient() {
    // Any number of clients means running; the state is not a counter, so
    // that a fourth client cannot read as shutting down.
    if (RunningState_ == TRunningState::NotRunning)
        RunningState_ = TRunningState::Running;
}

void TSkinManage::PassToFollowers(TSkinRequest request, TSkinData* component) {
    for (TSkinManage* follower : State_->Followers) {
        if (request == TSkinRequest::SkinOn) {
            follower->Enabled_ = true;
            follower->Post(TSkinRequest::SkinOn, kFollowerDelayMs, component);
        } else if (request == TSkinRequest::SkinOff) {
            follower->Enabled_ = false;
        }
    }
}

void TSkinManage::Post(TSkinRequest request, int delayMs, TSkinData* component) {
    if (RunningState_ == TRunningState::ShuttingDown)
        return;
    State_->Pending = request;
    State_->Requester = component;
    State_->IntervalMs = delayMs;
    if (RunningState_ == TRunningState::NotRunning) {
        // Before the first window is activated there is nothing to attach:
        // the windows are attached as they are activated. The first of them
        // (the main form, as a program starts) is kept hidden from its attach
        // to its deferred initialisation, so that it is never drawn in the
        // platform's look first and then again in the skin's.
        if (request == TSkinRequest::SkinOn) {
            Enabled_ = true;
            Engine_.HideWhileSkinning = true;
        } else if (request == TSkinRequest::SkinOff) {
            Enabled_ = false;
            Engine_.HideWhileSkinning = false;
        }
        return;
    }
    // Switching on while running attaches the forms that are already up.
    if (request == TSkinRequest::SkinOn)
        State_->Sweep = true;
    PassToFollowers(request, component);
    // SetTimer with the id of the running timer only resets its interval.
    State_->Timer.Reset(SetTimer(nullptr, State_->Timer.Get(), static_cast<UINT>(delayMs),
                                 &TSkinManage::TimerProc));
    State_->TimerOn = true;
}

void CALLBACK TSkinManage::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    // A request that fails leaves the windows as far as it got.
    GuardedEntry([&] {
        for (TSkinManage* manager : Managers())
            if (manager->State_->Timer.Get() == id) {
                manager->TimerTick();
                return;
            }
    });
}

namespace {
using TTickAction = void (*)(TSkinManage&, TSkinData&);
struct TTickRule {
    TSkinRequest Request;
    bool OnlyThisForm;
    TTickAction Action;
};
} // namespace

void TSkinManage::TimerTick() {
    State_->Timer.Reset();
    State_->TimerOn = false;
    TSkinData* component = std::exchange(State_->Requester, nullptr);
    const TSkinRequest request = std::exchange(State_->Pending, TSkinRequest::None);
    if (!component)
        return;
    static const TTickRule rules[] = {
        {TSkinRequest::SkinOn, true, [](TSkinManage& m, TSkinData& c) { m.SkinOnForm(c); }},
        {TSkinRequest::SkinOff, true, [](TSkinManage& m, TSkinData& c) { m.SkinOffForm(c); }},
        {TSkinRequest::SkinChanged, true,
         [](TSkinManage& m, TSkinData& c) { m.SkinChangedForm(c); }},
        {TSkinRequest::SkinOn, false, [](TSkinManage& m, TSkinData& c) { m.SkinOnAll(c); }},
        {TSkinRequest::SkinOff, false, [](TSkinManage& m, TSkinData&) { m.SkinOffAll(); }},
        {TSkinRequest::SkinChanged, false,
         [](TSkinManage& m, TSkinData& c) { m.SkinChangedAll(c); }},
    };
    const bool onlyThisForm = component->SkinFormtype() == sfOnlyThisForm;
    for (const TTickRule& rule : rules)
        if (rule.Request == request && rule.OnlyThisForm == onlyThisForm)
            rule.Action(*this, *component);
    if (component->OnSkinChanged && IsRegistered(component))
        component->OnSkinChanged(component);
}

void TSkinManage::SkinOnForm(TSkinData& component) {
    Enabled_ = true;
    if (State_->Sweep)
        if (auto* form = As<TCustomForm>(component.Owner()); form && form->HandleAllocated()) {
            const HWND window = form->WindowHandle();
            if (IsWindowVisible(window) && !IsChildStyle(window))
                Attach(window);
        }
    State_->Sweep = false;
}

void TSkinManage::SkinOffForm(TSkinData& component) {
    Enabled_ = false;
    State_->DropInvalid();
    const std::vector<TWinSkinForm*> users = State_->UsersOf(&component);
    if (!users.empty())
        State_->Release(users.back());
}

void TSkinManage::SkinChangedForm(TSkinData& component) {
    State_->DropInvalid();
    const std::vector<TWinSkinForm*> users = State_->UsersOf(&component);
    if (!users.empty())
        Reload(users.front());
}

void TSkinManage::SkinOnAll(TSkinData& component) {
    Enabled_ = true;
    if (State_->Sweep) {
        const std::vector<TCustomForm*> forms = Screen().Forms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            TCustomForm* form = *it;
            if (!form->HandleAllocated())
                continue;
            const HWND window = form->WindowHandle();
            if (IsWindowVisible(window) && !IsChildStyle(window))
                Attach(window);
        }
    }
    State_->Sweep = false;
    PassToFollowers(TSkinRequest::SkinOn, &component);
}

void TSkinManage::SkinOffAll() {
    Enabled_ = false;
    State_->DropInvalid();
    while (!State_->Windows.empty())
        State_->Release(State_->Windows.front());
    PassToFollowers(TSkinRequest::SkinOff, nullptr);
}

void TSkinManage::SkinChangedAll(TSkinData& component) {
    State_->DropInvalid();
    for (TWinSkinForm* object : State_->UsersOf(&component))
        Reload(object);
}

} // namespace veyra
