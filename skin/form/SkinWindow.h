#pragma once

#include <windows.h>

#include <memory>

#include "framework/WndMethod.h"

namespace veyra {

class TControl;

// The subclassing base of every skinning object: a window, a control, a menu
// bar or a popup menu. It sits in the window's subclass chain, and in front of
// a framework control's message hook when there is one, gives every message
// to one virtual handler per path, and guarantees two things to the classes
// built on it:
//
//  - a message reaches the previous handler exactly once when the handler
//    passes it on (CallOld), even when our code throws before or after that
//    call; a message our handler answers in full never reaches it;
//  - nothing touches the object after it has been freed during a call it made
//    (an event handler, a SendMessage, the previous procedure): TAliveGuard
//    says whether the object still exists.
//
// Detaching gives the window back exactly: the subclass chain is left in the
// order others made it, whoever subclassed before or after us.
class TSkinWindow {
public:
    // Tells whether an object still exists after a call that may have freed it.
    class TAliveGuard {
    public:
        explicit TAliveGuard(const TSkinWindow& object) : Alive_(object.Alive_) {}
        bool Alive() const { return *Alive_; }

    private:
        std::shared_ptr<const bool> Alive_;
    };

    explicit TSkinWindow(HWND window);
    TSkinWindow(const TSkinWindow&) = delete;
    TSkinWindow& operator=(const TSkinWindow&) = delete;
    // Leaves the subclass chain if still in it.
    virtual ~TSkinWindow();

    // The window this object skins.
    HWND Handle() const { return Handle_; }
    // Whether the object is in the window's subclass chain.
    bool Subclassed() const { return Subclassed_; }

protected:
    // Names the window this object skins, for objects that learn it only
    // when they attach; ignored while in a subclass chain.
    void SetHandle(HWND window) {
        if (!Subclassed_)
            Handle_ = window;
    }
    // Joins the window's subclass chain; false when the window refuses (or
    // is gone, or the object is in it already).
    bool Subclass();
    // Leaves the subclass chain, giving the window back as it was.
    void RemoveSubclass();

    // The object's message handler: one switch of small handlers; whatever
    // it does not answer in full goes to CallOld.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // Hands the message being handled (or, with other parameters, its
    // changed form) to the previous handler. Within one message only the
    // first call reaches it; a second call returns the first answer.
    LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam);
    // Whether the message being handled has been passed on already.
    bool OldCalled() const;

    // Puts this object's handler in front of a framework control's message
    // hook; the framework's own messages then reach HookProc first.
    void HookControl(TControl& control);
    // Gives the control back the hook it had, unless somebody hooked in
    // front of us since (they give ours back, which then is the old one).
    void UnhookControl();
    // The hooked control is being freed: nothing is given back to it.
    void ForgetHookedControl();
    bool ControlHooked() const { return HookedControl_ != nullptr; }
    // The object's handler of the framework control's messages; whatever it
    // does not answer goes to CallOldHook. The same two guarantees hold.
    virtual void HookProc(TMessage& message) { CallOldHook(message); }
    // Hands the framework message being handled to the previous hook, once.
    void CallOldHook(TMessage& message);

private:
    // One message being handled; they nest when a handler sends the window
    // another message.
    struct TCall {
        TCall* Outer = nullptr;
        bool OldCalled = false;
        LRESULT OldResult = 0;
    };

    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
    // The previous handler for a call whose object may be gone already.
    static LRESULT PassOn(TCall& call, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // The one entry of the framework hook.
    void HookEntry(TMessage& message);

    HWND Handle_;
    bool Subclassed_ = false;
    // The window procedure as others saw it right after we joined the chain.
    LONG_PTR ChainProc_ = 0;
    TCall* Call_ = nullptr;
    TControl* HookedControl_ = nullptr;
    TWndMethod OldHook_;
    TCall* HookCall_ = nullptr;
    std::shared_ptr<bool> Alive_ = std::make_shared<bool>(true);
};

} // namespace veyra
