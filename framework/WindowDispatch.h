#pragma once

#include <cstddef>

namespace veyra {

class TWinControl;

// Work on a control that waits until no framework window procedure runs.
enum class TDeferredAction { Recreate, Free };

// Knows which framework controls are running a window procedure right now,
// and holds back work that must not happen under one. Destroying a window
// while its own procedure is still on the stack leaves that procedure (the
// platform's, for a common control) running on freed state: a tab control
// that sent TCN_SELCHANGE goes on using its items after the parent's handler
// returns. Held-back work runs from a thread timer once no framework window
// procedure runs at all, so it never lands in the middle of framework code;
// a modal loop inside a handler only delays it.
class TWindowDispatch {
public:
    // Marks control as running its window procedure while the scope lives.
    // Scopes nest; the control may be destroyed inside one.
    class TScope {
    public:
        explicit TScope(TWinControl* control);
        ~TScope();
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;
        // False once the control was destroyed during the call.
        bool ControlAlive() const;

    private:
        std::size_t Index_;
    };

    // Whether a window procedure of control, or of a control inside it, is running.
    static bool Running(const TWinControl* control);
    // Whether any framework window procedure is running.
    static bool Busy();
    // Holds action on control back until no framework window procedure
    // runs. One action waits per control; Free replaces a waiting Recreate.
    static void Defer(TWinControl* control, TDeferredAction action);
    // Whether an action waits for control.
    static bool Waiting(const TWinControl* control);
    // The control is being destroyed: it stops counting as running and its
    // waiting action is dropped.
    static void Forget(const TWinControl* control);
};

} // namespace veyra
