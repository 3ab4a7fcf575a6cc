#pragma once

#include <windows.h>

#include <string>

namespace veyra {

class TWinControl;

// The window property under which every framework window keeps its control
// object: "ControlOfs" followed by the module handle and the thread id, each
// as 8 upper-case hexadecimal digits. The name is also a registered window
// message, so that other modules of the process can find it.
class TControlAtom {
public:
    // The property name for this module and the current thread.
    static std::wstring Name();
    // The global atom of Name(), added on first use.
    static ATOM Atom();
    // The registered window message of Name().
    static UINT Message();
    // The framework control of window, or nullptr for a window of no framework control.
    static TWinControl* Find(HWND window);
    // The control Attach stored on window, looked up in the process alone:
    // nullptr for a window whose property was set any other way.
    static TWinControl* FindAttached(HWND window);
    // The control stored in window's property, read from the window itself:
    // for a window whose property was set other than by Attach.
    static TWinControl* FindStored(HWND window);
    // Stores control on window.
    static void Attach(HWND window, TWinControl* control);
    // Removes the property from window.
    static void Detach(HWND window);
    // Forgets window, which is being destroyed: the system drops its
    // properties with it, whoever stored them.
    static void Forget(HWND window);
};

} // namespace veyra
