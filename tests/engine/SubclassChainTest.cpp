#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FormTestSupport.h"
#include "skin/form/SubclassChain.h"

namespace veyra {
namespace {

using test::TTestWindow;

std::string Log;

// Entry 'B' sends WM_APP + 1 from inside WM_APP; entry 'A' takes 'B' out of
// the chain from inside WM_APP. Both log what they see, then pass it on.
LRESULT CALLBACK Entry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                       DWORD_PTR) {
    if (msg == WM_APP || msg == WM_APP + 1)
        Log += std::string(1, static_cast<char>(id)) + std::to_string(msg - WM_APP) + " ";
    if (msg == WM_APP && id == 'B')
        SendMessageW(window, WM_APP + 1, 0, 0);
    if (msg == WM_APP && id == 'A')
        TSubclassChain::Remove(window, &Entry, 'B');
    return TSubclassChain::CallNext(window, msg, wParam, lParam);
}

// A message sent from inside the chain runs the whole chain and the one in
// progress carries on where it was; an entry taken out during a call is
// skipped from then on; the last entry out gives the procedure back.
TEST(SubclassChain, KeepsItsOrderThroughNestedMessagesAndRemovalDuringACall) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    const HWND h = window.Handle();
    const LONG_PTR original = GetWindowLongPtrW(h, GWLP_WNDPROC);
    ASSERT_TRUE(TSubclassChain::Add(h, &Entry, 'A', 0));
    ASSERT_TRUE(TSubclassChain::Add(h, &Entry, 'B', 0));

    Log.clear();
    EXPECT_EQ(SendMessageW(h, WM_APP, 0, 0), TTestWindow::kTestAnswer);
    EXPECT_EQ(Log, "B0 B1 A1 A0 ");
    EXPECT_EQ(window.CountOf(WM_APP), 1);
    EXPECT_EQ(window.CountOf(WM_APP + 1), 1);

    Log.clear();
    SendMessageW(h, WM_APP, 0, 0);
    EXPECT_EQ(Log, "A0 ") << "B left during the first message";
    EXPECT_FALSE(TSubclassChain::Remove(h, &Entry, 'B'));
    EXPECT_TRUE(TSubclassChain::Remove(h, &Entry, 'A'));
    EXPECT_EQ(GetWindowLongPtrW(h, GWLP_WNDPROC), original);
}

// A window destroyed with entries still in its chain takes the chain along.
TEST(SubclassChain, GoesWithItsWindow) {
    auto window = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW);
    const HWND h = window->Handle();
    ASSERT_TRUE(TSubclassChain::Add(h, &Entry, 'A', 0));
    window.reset();
    EXPECT_FALSE(TSubclassChain::Remove(h, &Entry, 'A'));
    EXPECT_FALSE(TSubclassChain::Add(h, &Entry, 'A', 0)) << "no window any more";
}

} // namespace
} // namespace veyra
