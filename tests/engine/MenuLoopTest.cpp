// What the platform's menu loop does that the skinned menu bar builds on:
// which messages a message-filter hook sees while a popup is tracked, what
// a popup-menu window has outside its client area, and whether posted keys
// and mouse moves reach the tracking loop. Checked against the real loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "FormTestSupport.h"
#include "skin/imaging/UniqueHandle.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {
namespace {

using test::TTestWindow;

constexpr UINT kFirst = 101;

// A popup menu of three string items, commands 101 to 103.
HMENU ThreeItemMenu() {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kFirst, L"&One");
    AppendMenuW(menu, MF_STRING, kFirst + 1, L"&Two");
    AppendMenuW(menu, MF_STRING, kFirst + 2, L"T&hree");
    return menu;
}

// Records what a thread's message-filter hook is shown, and runs a step the
// first time the menu loop idles in it.
struct TFilterLog {
    std::vector<std::pair<int, UINT>> Seen; // (hook code, message)
    std::function<void()> OnFirstMenuMessage;
    bool FirstDone = false;

    static TFilterLog*& Current() {
        static TFilterLog* log = nullptr;
        return log;
    }
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        TFilterLog* log = Current();
        if (log && code >= 0 && lParam) {
            log->Seen.emplace_back(code, reinterpret_cast<const MSG*>(lParam)->message);
            if (code == MSGF_MENU && !log->FirstDone && log->OnFirstMenuMessage) {
                log->FirstDone = true;
                log->OnFirstMenuMessage();
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    bool SawInMenu(UINT msg) const {
        return std::any_of(Seen.begin(), Seen.end(), [msg](const auto& s) {
            return s.first == MSGF_MENU && s.second == msg;
        });
    }
};

class MenuLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetForegroundWindow(Window.Handle());
        TFilterLog::Current() = &Log;
        Hook.Reset(
            SetWindowsHookExW(WH_MSGFILTER, &TFilterLog::Proc, nullptr, GetCurrentThreadId()));
        ASSERT_TRUE(Hook);
    }
    void TearDown() override { TFilterLog::Current() = nullptr; }

    UINT Track(HMENU menu) {
        RECT outer{};
        GetWindowRect(Window.Handle(), &outer);
        return static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN,
                                                outer.left + 40, outer.top + 60, 0, Window.Handle(),
                                                nullptr));
    }
    void PostKey(UINT key) { PostMessageW(Window.Handle(), WM_KEYDOWN, key, 0); }

    TTestWindow Window{WS_OVERLAPPEDWINDOW | WS_VISIBLE};
    TFilterLog Log;
    HookHandle Hook;
};

BOOL CALLBACK FindShownMenuWindow(HWND window, LPARAM out) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring_view(name) == L"#32768" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    return TRUE;
}

// The popup-menu window of the thread that is on screen, or null.
HWND OpenMenuWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindShownMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Posted keys drive the loop; the hook sees them under MSGF_MENU, but never
// WM_MENUSELECT, which is sent to the owner and so bypasses the queue: the
// selected item has to be learnt from the owner's procedure.
TEST_F(MenuLoopTest, PostedKeysReachTheLoopAndTheFilterHookSeesThemButNotMenuSelect) {
    MenuHandle menu(ThreeItemMenu());
    PostKey(VK_DOWN);
    PostKey(VK_DOWN);
    PostKey(VK_RETURN);
    EXPECT_EQ(Track(menu.Get()), kFirst + 1u);
    EXPECT_TRUE(Log.SawInMenu(WM_KEYDOWN));
    EXPECT_FALSE(Log.SawInMenu(WM_MENUSELECT));
    EXPECT_GT(Window.CountOf(WM_MENUSELECT), 0);
}

// The popup window's 3-pixel border lies either outside its client area
// (where WM_NCPAINT can paint a skinned one) or, as Wine makes it, inside:
// no non-client area at all, the items inset by 3 in the client. Either way
// the first item starts 3 pixels in from the window's corner, and the
// popup's skinning has to find out which case it is in.
TEST_F(MenuLoopTest, PopupBorderIsThreePixelsOutsideOrInsideTheClientArea) {
    MenuHandle menu(ThreeItemMenu());
    RECT outer{};
    RECT first{};
    POINT origin{};
    Log.OnFirstMenuMessage = [&] {
        if (HWND popup = OpenMenuWindow()) {
            GetWindowRect(popup, &outer);
            ClientToScreen(popup, &origin);
            GetMenuItemRect(nullptr, menu.Get(), 0, &first);
        }
        PostKey(VK_ESCAPE);
    };
    EXPECT_EQ(Track(menu.Get()), 0u);
    ASSERT_GT(outer.right, outer.left) << "no popup window was found while tracking";
    const POINT border{origin.x - outer.left, origin.y - outer.top};
    const POINT inset{first.left - origin.x, first.top - origin.y};
    RecordProperty("NonClientBorder", std::to_string(border.x) + "," + std::to_string(border.y));
    RecordProperty("ItemInset", std::to_string(inset.x) + "," + std::to_string(inset.y));
    EXPECT_EQ(border.x + inset.x, 3);
    EXPECT_EQ(border.y + inset.y, 3);
}

// Moves the pointer to a screen point as a user would.
void SendMouseTo(POINT screen) {
    test::SendMouseInput(screen, 0);
}

// The pointer moved over an item selects it; Return then chooses it. A
// posted move carries its screen point in lParam (the loop reads it from
// there), a real one comes from the input queue.
TEST_F(MenuLoopTest, MouseMovesOverAnItemSelectIt) {
    enum class TMove { Posted, Input };
    for (TMove how : {TMove::Posted, TMove::Input}) {
        SCOPED_TRACE(how == TMove::Posted ? "posted" : "input");
        MenuHandle menu(ThreeItemMenu());
        Log = {};
        Log.OnFirstMenuMessage = [&] {
            RECT third{};
            GetMenuItemRect(nullptr, menu.Get(), 2, &third);
            const POINT centre{(third.left + third.right) / 2, (third.top + third.bottom) / 2};
            if (how == TMove::Input) {
                SendMouseTo(centre);
            } else {
                SetCursorPos(centre.x, centre.y);
                PostMessageW(OpenMenuWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
            }
            PostKey(VK_RETURN);
        };
        EXPECT_EQ(Track(menu.Get()), kFirst + 2u);
        EXPECT_TRUE(Log.SawInMenu(WM_MOUSEMOVE));
    }
}

} // namespace
} // namespace veyra
