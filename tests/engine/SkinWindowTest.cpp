#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "skin/form/SkinWindow.h"

namespace veyra {
namespace {

using test::TTestWindow;

// A skinning object whose handler for WM_APP + 1 is what a case says.
class TProbeWindow : public TSkinWindow {
public:
    using TSkinWindow::TSkinWindow;
    using THandler = std::function<LRESULT(TProbeWindow&)>;
    THandler Handler;
    using THookHandler = std::function<void(TProbeWindow&, TMessage&)>;
    THookHandler HookHandler;

    bool Attach() { return Subclass(); }
    void Detach() { RemoveSubclass(); }
    LRESULT PassOn() { return CallOld(WM_APP, 1, 2); }
    void Hook(TControl& control) { HookControl(control); }
    void PassOnHook(TMessage& message) { CallOldHook(message); }

protected:
    void HookProc(TMessage& message) override {
        if (HookHandler)
            HookHandler(*this, message);
        else
            CallOldHook(message);
    }

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_APP + 1 && Handler)
            return Handler(*this);
        return CallOld(msg, wParam, lParam);
    }
};

// What reaches the window's own procedure, and what the sender gets back,
// when the object's handler passes WM_APP on, throws, or frees itself.
TEST(SkinWindow, MessagesReachThePreviousHandlerExactlyOnceWhateverTheHandlerDoes) {
    struct TCase {
        const char* Name;
        TProbeWindow::THandler Handler;
        int Delivered;    // times WM_APP reached the window's own procedure
        int Unchanged;    // times WM_APP + 1 itself reached it
        LRESULT Answered; // what the sender got
    };
    TProbeWindow* freed = nullptr;
    const TCase cases[] = {
        {"passes on", [](TProbeWindow& w) { return w.PassOn(); }, 1, 0, TTestWindow::kTestAnswer},
        {"passes on twice",
         [](TProbeWindow& w) {
             w.PassOn();
             return w.PassOn();
         },
         1, 0, TTestWindow::kTestAnswer},
        {"throws after passing on",
         [](TProbeWindow& w) -> LRESULT {
             w.PassOn();
             throw std::runtime_error("after");
         },
         1, 0, TTestWindow::kTestAnswer},
        // A handler that failed before passing on: its message goes on unchanged.
        {"throws before passing on",
         [](TProbeWindow&) -> LRESULT { throw std::runtime_error("before"); }, 0, 1, 0},
        {"answers itself", [](TProbeWindow&) -> LRESULT { return 7; }, 0, 0, 7},
        {"frees itself after passing on",
         [&freed](TProbeWindow& w) {
             const LRESULT result = w.PassOn();
             freed = &w;
             delete &w;
             return result;
         },
         1, 0, TTestWindow::kTestAnswer},
        {"frees itself and throws",
         [&freed](TProbeWindow& w) -> LRESULT {
             w.PassOn();
             freed = &w;
             delete &w;
             throw std::runtime_error("gone");
         },
         1, 0, TTestWindow::kTestAnswer},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TTestWindow window(WS_OVERLAPPEDWINDOW);
        freed = nullptr;
        auto* probe = new TProbeWindow(window.Handle());
        ASSERT_TRUE(probe->Attach());
        probe->Handler = c.Handler;
        // WM_APP + 1 arrives; the handler passes WM_APP on in its place.
        window.Seen.clear();
        const LRESULT answer = SendMessageW(window.Handle(), WM_APP + 1, 0, 0);
        EXPECT_EQ(window.CountOf(WM_APP), c.Delivered);
        EXPECT_EQ(window.CountOf(WM_APP + 1), c.Unchanged);
        EXPECT_EQ(answer, c.Answered);
        if (!freed)
            delete probe;
        // The window works on without the object.
        EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), TTestWindow::kTestAnswer);
    }
}

// The framework hook path keeps the same promises: the previous hook sees a
// message once, whether the handler passes it on twice, throws after passing
// it on, or throws before (then the message goes on as if we were not there).
TEST(SkinWindow, FrameworkMessagesReachThePreviousHookExactlyOnce) {
    struct TCase {
        const char* Name;
        TProbeWindow::THookHandler Handler;
        int Delivered;
    };
    const TCase cases[] = {
        {"passes on twice",
         [](TProbeWindow& w, TMessage& m) {
             w.PassOnHook(m);
             w.PassOnHook(m);
         },
         1},
        {"throws after passing on",
         [](TProbeWindow& w, TMessage& m) {
             w.PassOnHook(m);
             throw std::runtime_error("after");
         },
         1},
        {"throws before passing on",
         [](TProbeWindow&, TMessage&) { throw std::runtime_error("before"); }, 1},
        {"answers itself", [](TProbeWindow&, TMessage& m) { m.Result = 7; }, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TForm form(nullptr);
        int delivered = 0;
        const TWndMethod counting(&delivered,
                                  [](void* data, TMessage&) { ++*static_cast<int*>(data); });
        form.SetWindowProc(counting);
        {
            TProbeWindow probe(nullptr);
            probe.Hook(form);
            probe.HookHandler = c.Handler;
            form.Perform(WM_APP + 5, 0, 0);
            EXPECT_EQ(delivered, c.Delivered);
        }
        EXPECT_EQ(form.WindowProc(), counting) << "the hook it had is given back";
    }
}

// Detaching in any order leaves every other subclass working and the window
// with exactly the procedure it had.
TEST(SkinWindow, DetachingInAnyOrderGivesTheWindowBackAsItWas) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    const LONG_PTR original = GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC);
    for (const bool firstGoesFirst : {true, false}) {
        auto first = std::make_unique<TProbeWindow>(window.Handle());
        auto second = std::make_unique<TProbeWindow>(window.Handle());
        ASSERT_TRUE(first->Attach());
        EXPECT_FALSE(first->Attach()) << "an object joins the chain once";
        ASSERT_TRUE(second->Attach());
        int firstSaw = 0;
        first->Handler = [&firstSaw](TProbeWindow& w) {
            ++firstSaw;
            return w.PassOn();
        };
        (firstGoesFirst ? first : second).reset();
        window.Seen.clear();
        SendMessageW(window.Handle(), WM_APP + 1, 0, 0);
        EXPECT_EQ(window.CountOf(WM_APP), firstGoesFirst ? 0 : 1);
        EXPECT_EQ(firstSaw, firstGoesFirst ? 0 : 1);
        first.reset();
        second.reset();
        EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC), original);
    }
}

} // namespace
} // namespace veyra
