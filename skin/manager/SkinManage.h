#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "EngineState.h"

namespace veyra {

class TSkinData;
class TWinSkinForm;
class TCustomForm;
class TWinSkinPopMenu;

// The manager's running states.
enum class TRunningState : int { NotRunning = 0, Running = 1, ShuttingDown = 4 };

// The requests a skin component posts to the manager.
enum class TSkinRequest : int { None = 0, SkinOn = 1, SkinOff = 2, SkinChanged = 3 };

// The process-wide object that notices the process's windows (through a
// computer-based-training hook on the user-interface thread) and hands them
// to window skinning objects, and that carries out the skin components'
// switch-on, switch-off and skin-changed requests from a timer.
class TSkinManage {
public:
    // The manager of this process, or null before the first skin component
    // has loaded.
    static TSkinManage* Instance();
    // The manager, created on first use. It lives until Shutdown.
    static TSkinManage& Create();
    // Process end: lets go of every window, removes the hook, frees the manager.
    static void Shutdown();

    // Keeps the list of skin components; the first sfMainform one becomes the
    // main skin component.
    void Register(TSkinData* component);
    // Forgets component: every window still painted with it lets go first.
    void Unregister(TSkinData* component);
    // Whether component is registered.
    bool IsRegistered(const TSkinData* component) const;
    TSkinData* MainSkinData() const;
    // The registered components in registration order.
    const std::vector<TSkinData*>& Components() const;
    // The component whose skin window is painted with: the sfOnlyThisForm
    // component of that form, the sfDialog one for dialogs and message boxes,
    // an sfMainform one, else the first registered (the last registered one
    // wins a tie); null when none is registered.
    TSkinData* ChooseSkinData(HWND window, const std::wstring& className) const;
    // Whether window, of class className, is to be skinned at all (the
    // preview and dialog-style rules and the main component's OnFormSkin).
    bool SkinDecision(HWND window, const std::wstring& className) const;

    // Installs the window hook (once).
    void StartHook();
    bool HookInstalled() const;

    // Remembers a request of component, to be carried out by the timer after
    // delay milliseconds (while not running, switch-on and switch-off only set
    // the enabled flag).
    void Post(TSkinRequest request, int delayMs, TSkinData* component);
    // Makes component the one whose request runs next, without posting one.
    void PointAt(TSkinData* component);
    // The request waiting for the timer, and its component (null when none).
    TSkinRequest PendingRequest() const;
    TSkinData* RequestingComponent() const;
    // Whether the request timer is running.
    bool TimerRunning() const;
    // Counts one more component of the non-main types as a client: the
    // manager is running from then on.
    void CountClient();

    // Gives a window its window skinning object; false when it is not skinned.
    bool Attach(HWND window);
    // Forgets the window skinning object of window (called as it goes away).
    void Detach(HWND window);
    // The window skinning object of window, or null.
    TWinSkinForm* Find(HWND window) const;
    // Every window skinning object that uses component reloads its skin data.
    void Refresh(TSkinData* component);
    // The window skinning objects, in the order they were attached.
    std::vector<TWinSkinForm*> WindowObjects() const;

    // Popup menus: a new popup window whose kind of menu is switched on in
    // SkinControls gets a popup-menu skinning object, freed when the window goes.
    bool AttachPopup(HWND menuWindow);
    void DetachPopup(HWND menuWindow);
    bool IsPopupSkinned(HWND menuWindow) const;
    // The skinned popup window that shows menu (asked of each window), or null.
    TWinSkinPopMenu* FindPopup(HMENU menu) const;
    // The skinning object of a popup window, or null.
    TWinSkinPopMenu* FindPopupWindow(HWND menuWindow) const;
    // Whether a popup of this mode is skinned with components of these SkinControls.
    static bool PopupModeAllows(TPopupMode mode, std::uint32_t skinControls);
    // Handed to every new popup-menu skinning object.
    bool PopupFlag = false;

    // Followers: managers of other modules of the process that receive this
    // one's switch-on (300 ms later) and switch-off. follower is not owned.
    void AddFollower(TSkinManage* follower);
    void RemoveFollower(TSkinManage* follower);
    // The manager this one follows, or null for a leader.
    TSkinManage* Leader() const;
    // A manager for another module of the process, following leader; freed
    // with FreeFollower.
    static TSkinManage* NewFollower(TSkinManage& leader, HMODULE module);
    static void FreeFollower(TSkinManage* follower);
    // The module whose windows this manager skins.
    HMODULE Module() const;

    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled) { Enabled_ = enabled; }
    TRunningState RunningState() const { return RunningState_; }
    void SetRunningState(TRunningState state) { RunningState_ = state; }

    // The flags shared with the window skinning objects; the manager owns
    // them and hands them to every object it makes.
    TEngineState& Engine() { return Engine_; }
    const TEngineState& Engine() const { return Engine_; }

    // Which kind of popup menu opens next.
    void SetPopupMode(TPopupMode mode) { Engine_.PopupMode = mode; }
    TPopupMode PopupMode() const { return Engine_.PopupMode; }
    // The MDI children are shown maximized (true) or not. A change is handed
    // to every skinned MDI child, unless the main skin component leaves MDI
    // children their platform border.
    void SetChildWindowState(bool maximized);
    bool ChildWindowState() const { return ChildWindowState_; }

private:
    ~TSkinManage();

    explicit TSkinManage(HMODULE module);
    void CloseDown();
    // One window object takes the reloaded skin: in place, or skinned anew
    // when the skin gives or takes away the skinned frame.
    void Reload(TWinSkinForm* object);
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND window, UINT msg, UINT_PTR id, DWORD time);
    // Runs the pending request once (the request/form-type table).
    void TimerTick();
    void PassToFollowers(TSkinRequest request, TSkinData* component);
    void SkinOnForm(TSkinData& component);
    void SkinOffForm(TSkinData& component);
    void SkinChangedForm(TSkinData& component);
    void SkinOnAll(TSkinData& component);
    void SkinOffAll();
    void SkinChangedAll(TSkinData& component);

    bool Enabled_ = false;
    TRunningState RunningState_ = TRunningState::NotRunning;
    TEngineState Engine_;
    bool ChildWindowState_ = false;
    struct State;
    std::unique_ptr<State> State_;
};

} // namespace veyra
