#pragma once

#include <windows.h>

#include <functional>

namespace veyra {

class TWinSkinMenu;

// What tracking a popup from a skinned menu bar needs of the window.
struct TMenuBarHost {
    HWND Window = nullptr;
    TWinSkinMenu* Bar = nullptr;
    bool RightToLeft = false;
    // A screen point in the window's coordinates.
    std::function<POINT(POINT screen)> ToWindowPoint;
    // Whether the window's skinning object still exists (the menu loop runs
    // outside code).
    std::function<bool()> Alive;
    // Run around each popup's tracking, for example to make its items owner-drawn.
    std::function<void(HMENU popup)> BeforeTrack;
    std::function<void(HMENU popup)> AfterTrack;
};

// How a bar item's popup was opened: from the keyboard the popup opens with
// its first item selected, as the platform's own bar does.
enum class TOpenedBy { Mouse, Keyboard };

// Runs the popups of a skinned menu bar as the platform runs its own: one
// popup at a time, opened under its bar item (right-aligned for right to
// left); while it is open, Left and Right and the pointer move along the bar
// (submenus still open and close as usual), Alt and Esc end menu mode. A
// message-filter hook watches the menu loop for that; which popup item is
// selected is learnt from the owner's WM_MENUSELECT, which the hook never
// sees. There is one menu loop per thread, so the state is the thread's.
class TMenuBarTracker {
public:
    // Opens the popup of the bar item at index and follows the user along
    // the bar until menu mode ends. An item without a popup posts its command
    // instead. The chosen item's command reaches the window as WM_COMMAND.
    static void Track(const TMenuBarHost& host, int index, TOpenedBy openedBy);
    // Whether a bar popup is being tracked now.
    static bool Tracking();
    // The bar item whose popup is open, or -1.
    static int OpenIndex();
    // The owner window's WM_MENUSELECT while a bar popup is tracked.
    static void MenuSelect(WPARAM wParam, LPARAM lParam);
};

} // namespace veyra
