#include "MenuBarTracker.h"

#include "WinSkinMenu.h"
#include "skin/form/GuardedEntry.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

namespace {

// What the filter hook knows while one bar popup is tracked.
struct TTrackState {
    const TMenuBarHost* Host = nullptr;
    int OpenIndex = -1;
    HMENU OpenMenu = nullptr;     // the bar item's popup
    int NextIndex = -1;           // the bar item to open once this popup has closed
    bool NextByKeyboard = false;  // and whether its first item is then selected
    HMENU SelectedMenu = nullptr; // the menu holding the selected item, from WM_MENUSELECT
    bool SelectedHasPopup = false;
    POINT LastPoint{-1, -1};
};

TTrackState*& Current() {
    static TTrackState* state = nullptr;
    return state;
}

bool RightToLeft(const TTrackState& state) {
    return state.Host && state.Host->RightToLeft;
}

// Makes the menu loop end and, once the popup is gone, opens index.
bool SwitchTo(TTrackState& state, int index, bool byKeyboard) {
    if (index < 0 || index == state.OpenIndex)
        return false;
    state.NextIndex = index;
    state.NextByKeyboard = byKeyboard;
    EndMenu();
    return true;
}

int NeighbourIndex(const TTrackState& state, bool forward) {
    const TMenuBtn* next = state.Host->Bar->Neighbour(state.OpenIndex, forward, true);
    return next ? next->Index : -1;
}

// Left and Right: along the bar from the top popup; into and out of
// submenus as usual. Answers whether the key was used up.
bool OnArrow(TTrackState& state, WPARAM key) {
    bool right = key == VK_RIGHT;
    if (RightToLeft(state))
        right = !right;
    const bool inTopPopup = !state.SelectedMenu || state.SelectedMenu == state.OpenMenu;
    if (!right && inTopPopup)
        return SwitchTo(state, NeighbourIndex(state, false), true);
    if (right && !state.SelectedHasPopup)
        return SwitchTo(state, NeighbourIndex(state, true), true);
    return false;
}

bool OnMouse(TTrackState& state, const MSG& msg) {
    if (msg.pt.x == state.LastPoint.x && msg.pt.y == state.LastPoint.y)
        return false;
    state.LastPoint = msg.pt;
    const POINT point = state.Host->ToWindowPoint(msg.pt);
    const TMenuBtn* item = state.Host->Bar->ItemAtPoint(point);
    // There is no bar focus without a popup: the pointer passes over items
    // that open none.
    if (!item || !item->SubMenu || !item->ItemEnabled)
        return false;
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)
        return SwitchTo(state, item->Index, false);
    // A click on the open item's own caption closes its popup, and nothing more.
    if (item->Index == state.OpenIndex) {
        EndMenu();
        return true;
    }
    return SwitchTo(state, item->Index, false);
}

bool Filter(TTrackState& state, const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
        if (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)
            return OnArrow(state, msg.wParam);
        return false;
    case WM_SYSKEYDOWN:
        if (msg.wParam == VK_MENU) {
            state.NextIndex = -1;
            EndMenu();
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return OnMouse(state, msg);
    default:
        return false;
    }
}

LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam) {
    TTrackState* state = Current();
    // A message we fail on goes on through the menu loop as the platform runs it.
    if (code == MSGF_MENU && lParam && state &&
        GuardedEntry([&] { return Filter(*state, *reinterpret_cast<const MSG*>(lParam)); },
                     [] { return false; }))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The bar item to open after a popup closed, if any.
struct TNext {
    int Index = -1;
    bool ByKeyboard = false;
};

// Opens one popup; answers the next bar item to open.
TNext TrackOne(const TMenuBarHost& host, int index, bool selectFirst) {
    const auto& items = host.Bar->Items();
    if (index < 0 || index >= static_cast<int>(items.size()))
        return {};
    TMenuBtn& item = *items[static_cast<std::size_t>(index)];
    if (!item.SubMenu) {
        if (item.ItemEnabled && item.Command)
            PostMessageW(host.Window, WM_COMMAND, item.Command, 0);
        return {};
    }
    item.MouseDown();
    TTrackState state;
    state.Host = &host;
    state.OpenIndex = index;
    state.OpenMenu = item.SubMenu;
    // Where the pointer was when this popup was asked for (the click, or the
    // move that slid here), not where it is now: a move to where the pointer
    // already is may still wait in the queue, and is a move all the same.
    const DWORD asked = GetMessagePos();
    state.LastPoint = POINT{static_cast<short>(LOWORD(asked)), static_cast<short>(HIWORD(asked))};
    Current() = &state;
    struct TScope {
        ~TScope() { Current() = nullptr; }
    } clear;

    RECT window{};
    GetWindowRect(host.Window, &window);
    const int x = (host.RightToLeft ? item.BoundsRect.Right : item.BoundsRect.Left) + window.left;
    const int y = item.BoundsRect.Bottom + window.top;
    const HMENU popup = item.SubMenu;
    if (host.BeforeTrack)
        host.BeforeTrack(popup);
    {
        const HookHandle hook(
            SetWindowsHookExW(WH_MSGFILTER, &FilterProc, nullptr, GetCurrentThreadId()));
        // Posted messages come before the input that is waiting: this Down
        // is the loop's first message, and selects the popup's first item.
        if (item.ItemEnabled && selectFirst)
            PostMessageW(host.Window, WM_KEYDOWN, VK_DOWN, 0);
        if (item.ItemEnabled)
            TrackPopupMenu(popup,
                           TPM_RIGHTBUTTON | (host.RightToLeft ? TPM_RIGHTALIGN : TPM_LEFTALIGN), x,
                           y, 0, host.Window, nullptr);
    }
    if (!host.Alive())
        return {};
    if (host.AfterTrack)
        host.AfterTrack(popup);
    // The item may have gone with a menu rebuilt while its popup was open.
    const auto& after = host.Bar->Items();
    if (index < static_cast<int>(after.size()) &&
        after[static_cast<std::size_t>(index)].get() == &item)
        item.MouseLeave();
    return {state.NextIndex, state.NextByKeyboard};
}

} // namespace

void TMenuBarTracker::Track(const TMenuBarHost& host, int index, TOpenedBy openedBy) {
    if (Current() || !host.Bar || !host.ToWindowPoint || !host.Alive)
        return;
    bool selectFirst = openedBy == TOpenedBy::Keyboard;
    // Each pass opens one popup; a move along the bar closes it and names the next.
    while (index >= 0) {
        const TNext next = TrackOne(host, index, selectFirst);
        if (!host.Alive())
            return;
        selectFirst = next.ByKeyboard;
        index = next.Index;
    }
}

bool TMenuBarTracker::Tracking() {
    return Current() != nullptr;
}

int TMenuBarTracker::OpenIndex() {
    return Current() ? Current()->OpenIndex : -1;
}

void TMenuBarTracker::MenuSelect(WPARAM wParam, LPARAM lParam) {
    TTrackState* state = Current();
    if (!state)
        return;
    if (HIWORD(wParam) == 0xFFFF && lParam == 0) {
        state->SelectedMenu = nullptr; // the menu closed
        return;
    }
    state->SelectedMenu = reinterpret_cast<HMENU>(lParam);
    state->SelectedHasPopup = (HIWORD(wParam) & MF_POPUP) != 0;
}

} // namespace veyra
