#pragma once

#include <windows.h>

#include <commctrl.h>

namespace veyra {

// The product's own subclass chains, in the manner of the common controls'
// SetWindowSubclass: the entry added last sees a message first and passes it
// on with CallNext; the window's previous procedure comes after the last
// entry, and gets its place back when the last entry leaves.
//
// The chains live in a table of the thread that owns the windows, not in a
// window property: under Wine every property lookup is a round trip to the
// server, and the common controls' chain makes three of them per message.
//
// An entry removed while the chain is in a call stays in place, skipped,
// until the outermost call returns, so a call in progress never steps onto a
// freed entry. When somebody set a window procedure of their own after the
// chain's, the chain stays in front of the previous procedure for them to
// call on into, and goes with the window's WM_NCDESTROY.
class TSubclassChain {
public:
    // Adds proc with id to window's chain, in front of the entries there;
    // an entry of the same proc and id only takes the new data. False when
    // the window is not one of this thread's or refuses a new procedure.
    static bool Add(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
    // Takes the entry of proc and id out of window's chain; false when there
    // is none.
    static bool Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id);
    // From inside an entry's procedure: the message goes to the next entry,
    // or to the window's previous procedure after the last one.
    static LRESULT CallNext(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
};

} // namespace veyra
