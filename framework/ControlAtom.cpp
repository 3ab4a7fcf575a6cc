#include "ControlAtom.h"

#include <cstdint>
#include <cwchar>
#include <unordered_map>

#include "skin/imaging/HandleCounts.h"

namespace veyra {

namespace {

// The windows this module has stored a control on, kept in the process as
// well as in the window property. Reading a property is a request to the
// window server (about 40 us each under Wine), and the framework's window
// procedure finds its control for every message: a few hundred requests
// before the viewer's first paint.
struct TAttachedWindows {
    SRWLOCK Lock = SRWLOCK_INIT;
    std::unordered_map<HWND, TWinControl*> Controls;
};

TAttachedWindows& AttachedWindows() {
    // Never freed: windows may still be destroyed while static objects go.
    static auto* const windows = new TAttachedWindows;
    return *windows;
}

} // namespace

std::wstring TControlAtom::Name() {
    wchar_t text[40];
    const auto module =
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetModuleHandleW(nullptr)));
    std::swprintf(text, 40, L"ControlOfs%.8X%.8X", module,
                  static_cast<unsigned>(GetCurrentThreadId()));
    return text;
}

ATOM TControlAtom::Atom() {
    // One framework thread per process: the name is made once, on that thread.
    static const ATOM atom = GlobalAddAtomW(Name().c_str());
    return atom;
}

UINT TControlAtom::Message() {
    static const UINT message = RegisterWindowMessageW(Name().c_str());
    return message;
}

TWinControl* TControlAtom::FindAttached(HWND window) {
    TAttachedWindows& attached = AttachedWindows();
    AcquireSRWLockShared(&attached.Lock);
    const auto it = attached.Controls.find(window);
    TWinControl* control = it != attached.Controls.end() ? it->second : nullptr;
    ReleaseSRWLockShared(&attached.Lock);
    return control;
}

TWinControl* TControlAtom::Find(HWND window) {
    if (!window)
        return nullptr;
    if (TWinControl* control = FindAttached(window))
        return control;
    return FindStored(window);
}

TWinControl* TControlAtom::FindStored(HWND window) {
    // Stored by other means than Attach: the property is what counts.
    if (!window || !Atom())
        return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(Atom())));
}

void TControlAtom::Attach(HWND window, TWinControl* control) {
    Message();
    const bool alreadySet = kCountingHandles && Find(window) != nullptr;
    if (!SetPropW(window, MAKEINTATOM(Atom()), control))
        return;
    if (!alreadySet)
        CountHandles(THandleKind::WindowProperty, 1);
    TAttachedWindows& attached = AttachedWindows();
    AcquireSRWLockExclusive(&attached.Lock);
    attached.Controls[window] = control;
    ReleaseSRWLockExclusive(&attached.Lock);
}

void TControlAtom::Detach(HWND window) {
    Forget(window);
    if (RemovePropW(window, MAKEINTATOM(Atom())))
        CountHandles(THandleKind::WindowProperty, -1);
}

void TControlAtom::Forget(HWND window) {
    TAttachedWindows& attached = AttachedWindows();
    AcquireSRWLockExclusive(&attached.Lock);
    attached.Controls.erase(window);
    ReleaseSRWLockExclusive(&attached.Lock);
}

} // namespace veyra
