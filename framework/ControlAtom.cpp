#include "ControlAtom.h"

#include <cstdint>
#include <cwchar>

#include "skin/imaging/HandleCounts.h"

namespace veyra {

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

TWinControl* TControlAtom::Find(HWND window) {
    if (!window || !Atom())
        return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(Atom())));
}

void TControlAtom::Attach(HWND window, TWinControl* control) {
    Message();
    const bool alreadySet = kCountingHandles && Find(window) != nullptr;
    if (SetPropW(window, MAKEINTATOM(Atom()), control) && !alreadySet)
        CountHandles(THandleKind::WindowProperty, 1);
}

void TControlAtom::Detach(HWND window) {
    if (RemovePropW(window, MAKEINTATOM(Atom())))
        CountHandles(THandleKind::WindowProperty, -1);
}

} // namespace veyra
