#include "WindowDispatch.h"

#include <algorithm>
#include <vector>

#include "Application.h"
#include "WinControl.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {
namespace {

struct TWaitingAction {
    TWinControl* Control;
    TDeferredAction Action;
};

// The controls whose window procedures are on the stack, innermost last; a
// destroyed control's entry becomes null. One UI thread, as everywhere in
// the framework. These records are never freed: windows still get messages
// while the program's static objects (the application and its forms) are
// destroyed at exit, after records made on first use would be gone.
std::vector<TWinControl*>& RunningStack() {
    static auto* stack = new std::vector<TWinControl*>();
    return *stack;
}

std::vector<TWaitingAction>& WaitingActions() {
    static auto* actions = new std::vector<TWaitingAction>();
    return *actions;
}

ThreadTimerHandle& RetryTimer() {
    static auto* timer = new ThreadTimerHandle();
    return *timer;
}

void RunAction(const TWaitingAction& waiting) {
    switch (waiting.Action) {
    case TDeferredAction::Recreate:
        waiting.Control->RecreateWnd();
        break;
    case TDeferredAction::Free:
        delete waiting.Control;
        break;
    }
}

void CALLBACK RunWaitingActions(HWND, UINT, UINT_PTR, DWORD) {
    // A modal loop inside some handler dispatched the timer: not yet.
    if (TWindowDispatch::Busy())
        return;
    auto& waiting = WaitingActions();
    while (!waiting.empty()) {
        const TWaitingAction next = waiting.front();
        waiting.erase(waiting.begin());
        try {
            RunAction(next);
        } catch (...) {
            // The control may be half destroyed; nobody is named.
            Application().HandleException(nullptr);
        }
    }
    RetryTimer().Reset();
}

} // namespace

TWindowDispatch::TScope::TScope(TWinControl* control) : Index_(RunningStack().size()) {
    RunningStack().push_back(control);
}

TWindowDispatch::TScope::~TScope() {
    RunningStack().pop_back();
}

bool TWindowDispatch::TScope::ControlAlive() const {
    return RunningStack()[Index_] != nullptr;
}

bool TWindowDispatch::Running(const TWinControl* control) {
    for (const TWinControl* running : RunningStack())
        for (const TWinControl* c = running; c; c = c->Parent())
            if (c == control)
                return true;
    return false;
}

bool TWindowDispatch::Busy() {
    return !RunningStack().empty();
}

void TWindowDispatch::Defer(TWinControl* control, TDeferredAction action) {
    auto& waiting = WaitingActions();
    const auto it =
        std::find_if(waiting.begin(), waiting.end(),
                     [control](const TWaitingAction& w) { return w.Control == control; });
    if (it != waiting.end()) {
        if (action == TDeferredAction::Free)
            it->Action = action;
        return;
    }
    waiting.push_back({control, action});
    // The shortest timer the platform has; it fires again while Busy.
    RetryTimer().Reset(
        SetTimer(nullptr, RetryTimer().Get(), USER_TIMER_MINIMUM, &RunWaitingActions));
}

bool TWindowDispatch::Waiting(const TWinControl* control) {
    const auto& waiting = WaitingActions();
    return std::any_of(waiting.begin(), waiting.end(),
                       [control](const TWaitingAction& w) { return w.Control == control; });
}

void TWindowDispatch::Forget(const TWinControl* control) {
    for (TWinControl*& running : RunningStack())
        if (running == control)
            running = nullptr;
    auto& waiting = WaitingActions();
    waiting.erase(
        std::remove_if(waiting.begin(), waiting.end(),
                       [control](const TWaitingAction& w) { return w.Control == control; }),
        waiting.end());
}

} // namespace veyra
