#include <gtest/gtest.h>

#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/Screen.h"
#include "framework/Timer.h"

namespace veyra {
namespace {

TEST(Application, DefaultErrorHandlerShowsTheMessage) {
    test::TMessageBoxRecorder boxes;
    try {
        throw std::runtime_error("Something failed");
    } catch (...) {
        Application().HandleException(nullptr);
    }
    try {
        throw 42;
    } catch (...) {
        Application().HandleException(nullptr);
    }
    EXPECT_EQ(boxes.Messages, (std::vector<std::wstring>{L"Something failed.", L"Unknown error."}));
}

TEST(Application, OnExceptionTakesOverFromTheMessageBox) {
    test::TMessageBoxRecorder boxes;
    std::wstring seen;
    Application().OnException = [&](TObject*, const std::exception_ptr& e) {
        seen = ExceptionMessage(e);
    };
    try {
        throw std::runtime_error("Handled elsewhere");
    } catch (...) {
        Application().HandleException(nullptr);
    }
    Application().OnException = nullptr;
    EXPECT_EQ(seen, L"Handled elsewhere");
    EXPECT_TRUE(boxes.Messages.empty());
}

TEST(Screen, ListsTheFormsFrontMostFirst) {
    TForm a(nullptr), b(nullptr), unshown(nullptr);
    a.SetBounds(0, 0, 200, 150);
    b.SetBounds(50, 50, 200, 150);
    a.Show();
    b.Show();
    SetWindowPos(a.WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    std::vector<TCustomForm*> forms = Screen().Forms();
    auto at = [&](TCustomForm* f) {
        return std::find(forms.begin(), forms.end(), f) - forms.begin();
    };
    ASSERT_EQ(forms.size(), 3u);
    EXPECT_LT(at(&a), at(&b));
    EXPECT_EQ(at(&unshown), 2) << "forms without a window come last";
    SetWindowPos(b.WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    forms = Screen().Forms();
    EXPECT_LT(at(&b), at(&a));
}

TEST(Timer, FiresFromTheMessageLoopAndStopsWhenDisabled) {
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 600) {
        Application().ProcessMessages();
        Sleep(5);
    }
    EXPECT_EQ(ticks, 3);
}

TEST(Timer, AnErrorInTheHandlerIsReportedAndTheTimerGoesOn) {
    test::TMessageBoxRecorder boxes;
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    const DWORD start = GetTickCount();
    while (ticks < 2 && GetTickCount() - start < 2000) {
        Application().ProcessMessages();
        Sleep(5);
    }
    timer.SetEnabled(false);
    EXPECT_GE(ticks, 2);
    ASSERT_FALSE(boxes.Messages.empty());
    EXPECT_EQ(boxes.Messages[0], L"tick failed.");
}

TEST(Form, ShowRunsTheShowHandlerEveryTimeAndCloseOfAnotherFormHides) {
    TForm form(nullptr);
    int shows = 0;
    form.OnShow = [&](TObject*) { ++shows; };
    form.Show();
    EXPECT_TRUE(IsWindowVisible(form.WindowHandle()));
    form.Hide();
    EXPECT_FALSE(IsWindowVisible(form.WindowHandle()));
    form.Show();
    EXPECT_EQ(shows, 2);
    SendMessageW(form.WindowHandle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(Application().Terminated()) << "only the main form ends the program";
}

} // namespace
} // namespace veyra
