#include "SkinWindow.h"

#include <commctrl.h>

#include "GuardedEntry.h"
#include "SubclassChain.h"
#include "framework/Control.h"
#include "skin/imaging/HandleCounts.h"

namespace veyra {

TSkinWindow::TSkinWindow(HWND window) : Handle_(window) {}

TSkinWindow::~TSkinWindow() {
    // The window may outlive this object: never leave an entry behind that
    // points at freed memory.
    RemoveSubclass();
    UnhookControl();
    *Alive_ = false;
}

bool TSkinWindow::Subclass() {
    if (Subclassed_ || !Handle_ || !IsWindow(Handle_))
        return false;
    // The object's address tells its entry apart from other objects' on the
    // same window.
    if (!TSubclassChain::Add(Handle_, &TSkinWindow::SubclassProc, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this)))
        return false;
    ChainProc_ = GetWindowLongPtrW(Handle_, GWLP_WNDPROC);
    Subclassed_ = true;
    CountHandles(THandleKind::Subclass, 1);
    return true;
}

void TSkinWindow::RemoveSubclass() {
    if (!Subclassed_)
        return;
    Subclassed_ = false;
    if (!IsWindow(Handle_)) {
        CountHandles(THandleKind::Subclass, -1);
        return;
    }
    const auto id = reinterpret_cast<UINT_PTR>(this);
    if (GetWindowLongPtrW(Handle_, GWLP_WNDPROC) == ChainProc_) {
        // Nobody replaced the procedure behind the chain's back: leaving the
        // chain puts back what was there, and keeps the entries of those who
        // subclassed after us in their order.
        TSubclassChain::Remove(Handle_, &TSkinWindow::SubclassProc, id);
        CountHandles(THandleKind::Subclass, -1);
    } else {
        // Somebody set a procedure of their own after us and calls on into
        // the chain. Leaving it would make the chain put the original
        // procedure back over theirs, so our entry stays as a pass-through
        // that lets go of the window when it is destroyed (and is counted
        // until then).
        TSubclassChain::Add(Handle_, &TSkinWindow::SubclassProc, id, 0);
    }
}

LRESULT TSkinWindow::CallOld(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!Call_)
        return TSubclassChain::CallNext(Handle_, msg, wParam, lParam);
    // The call record lives on SubclassProc's stack: it is still there when
    // the previous handler frees this object.
    return PassOn(*Call_, Handle_, msg, wParam, lParam);
}

bool TSkinWindow::OldCalled() const {
    return Call_ && Call_->OldCalled;
}

LRESULT TSkinWindow::PassOn(TCall& call, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (call.OldCalled)
        return call.OldResult;
    // Marked before the call: a throw from below must not send it twice.
    call.OldCalled = true;
    call.OldResult = TSubclassChain::CallNext(window, msg, wParam, lParam);
    return call.OldResult;
}

LRESULT CALLBACK TSkinWindow::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR refData) {
    auto* self = reinterpret_cast<TSkinWindow*>(refData);
    if (!self) {
        // A pass-through entry left by a detached object.
        if (msg == WM_NCDESTROY && TSubclassChain::Remove(window, &TSkinWindow::SubclassProc, id))
            CountHandles(THandleKind::Subclass, -1);
        return TSubclassChain::CallNext(window, msg, wParam, lParam);
    }
    TCall call;
    call.Outer = self->Call_;
    self->Call_ = &call;
    const TAliveGuard guard(*self);
    // A message our code failed on goes to the previous handler as if we were
    // not there, unless it has been there already: then its answer stands.
    const LRESULT result = GuardedEntry([&] { return self->WndProc(msg, wParam, lParam); },
                                        [&] { return PassOn(call, window, msg, wParam, lParam); });
    if (guard.Alive())
        self->Call_ = call.Outer;
    return result;
}

void TSkinWindow::HookControl(TControl& control) {
    if (HookedControl_)
        return;
    OldHook_ = control.WindowProc();
    control.SetWindowProc(TWndMethod::Of<&TSkinWindow::HookEntry>(this));
    HookedControl_ = &control;
}

void TSkinWindow::UnhookControl() {
    TControl* control = std::exchange(HookedControl_, nullptr);
    if (control && control->WindowProc() == TWndMethod::Of<&TSkinWindow::HookEntry>(this))
        control->SetWindowProc(OldHook_);
}

void TSkinWindow::ForgetHookedControl() {
    HookedControl_ = nullptr;
}

void TSkinWindow::CallOldHook(TMessage& message) {
    if (HookCall_) {
        if (HookCall_->OldCalled)
            return;
        HookCall_->OldCalled = true;
    }
    OldHook_(message);
}

void TSkinWindow::HookEntry(TMessage& message) {
    TCall call;
    call.Outer = HookCall_;
    HookCall_ = &call;
    const TAliveGuard guard(*this);
    // Kept aside: the handler may free this object before the fallback needs it.
    const TWndMethod old = OldHook_;
    // Ours must not take the message with them, nor deliver it twice; what
    // the previous hook throws stops here too.
    GuardedEntry([&] { HookProc(message); },
                 [&] {
                     if (!call.OldCalled) {
                         call.OldCalled = true;
                         old(message);
                     }
                 });
    if (guard.Alive())
        HookCall_ = call.Outer;
}

} // namespace veyra
