#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "StartupProbe.h"

namespace veyra {
namespace {

constexpr wchar_t kClassName[] = L"VeyraStartupProbeTest";

// What the test window saw, with the counter at the end of each.
struct TSeen {
    int Paints = 0;
    long long LastPaint = 0;
    bool Posted = false;
    long long PostedAt = 0;
    int Timers = 0;
};
TSeen gSeen;

long long Now() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LRESULT CALLBACK ProbeTestProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        ++gSeen.Paints;
        gSeen.LastPaint = Now();
        return 0;
    }
    if (msg == WM_TIMER) {
        ++gSeen.Timers;
        return 0;
    }
    if (msg == WM_APP) {
        gSeen.Posted = true;
        gSeen.PostedAt = Now();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND ShowTestWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &ProbeTestProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    const HWND window = CreateWindowExW(0, kClassName, L"probe", WS_OVERLAPPEDWINDOW, 10, 10, 300,
                                        200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

bool HandleOne() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return false;
    DispatchMessageW(&msg);
    return true;
}

TEST(StartupProbe, OnlyTheVariableSwitchesItOnAndAnIdleProbeRecordsNothing) {
    const struct {
        const char* Variant;
        bool Enabled;
    } cases[] = {{"", false}, {"0", false}, {"1", true}, {"without-web-views", true}};
    for (const auto& c : cases) {
        TStartupProbe probe(c.Variant);
        probe.Mark("entry");
        EXPECT_EQ(probe.Enabled(), c.Enabled) << c.Variant;
        EXPECT_EQ(probe.Marks().size(), c.Enabled ? 1u : 0u) << c.Variant;
    }
}

// The "painted" step is the end of the last message before nothing but
// timers waited with ready() true: never before a pending paint or a message
// that ready() waits for, and never after a timer's work.
TEST(StartupProbe, MarksPaintedOnlyOnceEverythingIsHandledAndReady) {
    gSeen = {};
    const HWND window = ShowTestWindow();
    ASSERT_TRUE(window);
    PostMessageW(window, WM_APP, 0, 0);
    SetTimer(window, 1, USER_TIMER_MINIMUM, nullptr);
    TStartupProbe probe("1");
    probe.RunUntilPainted(
        &HandleOne, [] { return gSeen.Posted; }, 10000);
    DestroyWindow(window);
    ASSERT_FALSE(probe.Marks().empty());
    const TStartupProbe::TMark& last = probe.Marks().back();
    EXPECT_EQ(last.Name, "painted");
    EXPECT_GE(gSeen.Paints, 1);
    EXPECT_GE(last.Ticks, gSeen.LastPaint);
    EXPECT_GE(last.Ticks, gSeen.PostedAt);
    EXPECT_EQ(gSeen.Timers, 0);

    TStartupProbe waiting("1");
    waiting.RunUntilPainted(
        &HandleOne, [] { return false; }, 50);
    ASSERT_FALSE(waiting.Marks().empty());
    EXPECT_EQ(waiting.Marks().back().Name, "timeout");
}

TEST(StartupProbe, ReportsEveryStepOnStandardOutputAsTheLauncherReadsIt) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 1 << 16));
    TStartupProbe probe("1");
    probe.Mark("entry");
    probe.Mark("painted");
    const HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
    SetStdHandle(STD_OUTPUT_HANDLE, writeEnd);
    probe.Report();
    SetStdHandle(STD_OUTPUT_HANDLE, saved);
    CloseHandle(writeEnd);
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(readEnd);
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const std::string expected = "startup-frequency " + std::to_string(frequency.QuadPart) + "\n" +
                                 "startup-mark entry " + std::to_string(probe.Marks()[0].Ticks) +
                                 "\n" + "startup-mark painted " +
                                 std::to_string(probe.Marks()[1].Ticks) + "\n";
    EXPECT_EQ(text, expected);
}

} // namespace
} // namespace veyra
