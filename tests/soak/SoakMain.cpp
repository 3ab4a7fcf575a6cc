// soak.exe [CYCLES]: runs the soak cycle (SoakCycle.h) CYCLES times (default
// 1000, at least 20) in a build that counts live handles, and passes only
// when the run leaks nothing and does not slow down:
//   - every live-handle count is back at its value after the first cycle;
//   - the private bytes grew by less than 2 MiB from cycle 10 to the last;
//   - the median time of the last 10 cycles is at most 1.2x that of the first 10;
//   - no window the run made is left, and the manager's lists are empty;
//   - every step of every cycle did what it should.
// Prints the counts, the memory, the cycle times and the verdict; exits 0
// on a pass, 1 on a failure, 2 when it cannot run.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "SoakCycle.h"
#include "framework/Application.h"
#include "framework/ClassInfo.h"
#include "framework/Framework.h"
#include "skin/component/SkinData.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/HandleCounts.h"
#include "skin/manager/SkinManage.h"

#ifndef VEYRA_COUNT_HANDLES
#error "The soak needs the handle counts: build it with VEYRA_COUNT_HANDLES (preset windows-soak)."
#endif

namespace veyra {
namespace {

constexpr int kDefaultCycles = 1000;
constexpr int kEdgeCycles = 10; // the first and last cycles whose times are compared
constexpr double kMaxSlowdown = 1.2;
constexpr long long kMaxGrowthBytes = 2 << 20;

using TCounts = std::array<long, kHandleKindCount>;

TCounts CountsNow() {
    TCounts counts{};
    for (int kind = 0; kind < kHandleKindCount; ++kind)
        counts[kind] = LiveHandles(static_cast<THandleKind>(kind));
    return counts;
}

// This thread's processor time so far, in milliseconds.
double ThreadCpuMs() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    reinterpret_cast<std::set<HWND>*>(data)->insert(window);
    return TRUE;
}

// The thread's top-level windows.
std::set<HWND> ThreadWindows() {
    std::set<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Windows made once and kept until the process ends are not windows of a
// cycle: the framework's owner of popup menus, and the input-method window
// the platform gives a thread with its first window.
bool IsProcessHelper(HWND window) {
    const std::string name = ClassOf(window);
    return name == "TPopupList" || name == "IME";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::wstring ExecutableDirectory() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

// The owners count what they hold through moves, resets and releases: the
// check that the numbers below mean something.
bool CountingWorks() {
    const long before = LiveHandles(THandleKind::Brush);
    BrushHandle first(CreateSolidBrush(RGB(1, 2, 3)));
    BrushHandle second(std::move(first));
    second.Reset(CreateSolidBrush(RGB(4, 5, 6)));
    const bool heldOne = LiveHandles(THandleKind::Brush) == before + 1;
    const HBRUSH released = second.Release();
    const bool heldNone = LiveHandles(THandleKind::Brush) == before;
    DeleteObject(released);
    return heldOne && heldNone;
}

struct TSoakResult {
    TCounts WhileSkinned{};
    TCounts AfterFirst{};
    TCounts AtEnd{};
    long long BytesAtTen = 0;
    long long BytesAtEnd = 0;
    std::vector<double> WallMs;
    std::vector<double> CpuMs;
    std::vector<std::string> WindowsLeft;
    std::size_t WindowObjects = 0;
    std::size_t PopupObjects = 0;
    std::size_t Components = 0;
    std::vector<std::string> Failures;
    std::map<std::string, double> StepTotals;
    std::map<std::string, long long> StepGrowth;
};

void PrintTimes(const char* label, const std::vector<double>& times, std::size_t from) {
    std::printf("  %-9s", label);
    for (std::size_t i = from; i < from + kEdgeCycles; ++i)
        std::printf(" %6.0f", times[i]);
    std::printf("   median %6.0f\n",
                Median({times.begin() + from, times.begin() + from + kEdgeCycles}));
}

// Prints the run's figures and answers whether it passed.
bool Report(const TSoakResult& r, int cycles) {
    std::vector<std::string> problems = r.Failures;
    std::printf("\nlive handles by kind     while skinned  after cycle 1   after cycle %d\n",
                cycles);
    for (int kind = 0; kind < kHandleKindCount; ++kind) {
        const bool back = r.AtEnd[kind] == r.AfterFirst[kind];
        std::printf("  %-22s %13ld %14ld %15ld%s\n", HandleKindName(static_cast<THandleKind>(kind)),
                    r.WhileSkinned[kind], r.AfterFirst[kind], r.AtEnd[kind],
                    back ? "" : "   <- not back");
        if (!back)
            problems.push_back(std::string(HandleKindName(static_cast<THandleKind>(kind))) +
                               " not back at their count after cycle 1");
    }
    constexpr auto kSubclass = static_cast<int>(THandleKind::Subclass);
    if (r.WhileSkinned[kSubclass] <= r.AfterFirst[kSubclass])
        problems.push_back("the counts saw no subclass entry on a skinned form");

    const long long growth = r.BytesAtEnd - r.BytesAtTen;
    std::printf("\nprivate bytes: %lld KiB at cycle 10, %lld KiB at cycle %d: grew %lld KiB "
                "(limit %lld KiB)\n",
                r.BytesAtTen / 1024, r.BytesAtEnd / 1024, cycles, growth / 1024,
                kMaxGrowthBytes / 1024);
    if (r.BytesAtTen <= 0 || r.BytesAtEnd <= 0)
        problems.push_back("the private bytes could not be read");
    else if (growth >= kMaxGrowthBytes)
        problems.push_back("the private bytes grew by 2 MiB or more");

    const std::size_t last = r.WallMs.size() - kEdgeCycles;
    std::printf("\ncycle time, ms:\n");
    PrintTimes("first 10", r.WallMs, 0);
    PrintTimes("last 10", r.WallMs, last);
    std::printf("thread CPU time, ms:\n");
    PrintTimes("first 10", r.CpuMs, 0);
    PrintTimes("last 10", r.CpuMs, last);
    const double first = Median({r.WallMs.begin(), r.WallMs.begin() + kEdgeCycles});
    const double final = Median({r.WallMs.begin() + last, r.WallMs.end()});
    std::printf("last 10 against first 10 (medians): %.2fx (limit %.1fx)\n", final / first,
                kMaxSlowdown);
    if (final > kMaxSlowdown * first)
        problems.push_back("the last cycles are slower than 1.2x the first");

    std::printf("per step: mean wall-clock ms, and KiB of private bytes added after cycle %d:\n",
                TSoakCycle::kSettledCycle);
    for (const auto& [step, total] : r.StepTotals) {
        const auto grown = r.StepGrowth.find(step);
        std::printf("  %-28s %8.0f %8lld\n", step.c_str(), total / static_cast<double>(cycles),
                    grown == r.StepGrowth.end() ? 0 : grown->second / 1024);
    }

    std::printf("\nwindows left: %zu", r.WindowsLeft.size());
    for (const std::string& name : r.WindowsLeft)
        std::printf(" %s", name.c_str());
    std::printf("\nmanager's lists: %zu window objects, %zu popup-menu objects, %zu components "
                "(after the skin component went)\n",
                r.WindowObjects, r.PopupObjects, r.Components);
    if (!r.WindowsLeft.empty())
        problems.push_back("windows of the run are left");
    if (r.WindowObjects || r.PopupObjects || r.Components)
        problems.push_back("the manager's lists are not empty");

    std::printf("\n");
    for (const std::string& problem : problems)
        std::printf("FAIL: %s\n", problem.c_str());
    std::printf("soak: %d cycles: %s\n", cycles, problems.empty() ? "PASS" : "FAIL");
    return problems.empty();
}

int RunSoak(int argc, wchar_t** argv) {
    const int cycles = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : kDefaultCycles;
    if (cycles < 2 * kEdgeCycles) {
        std::fprintf(stderr, "soak: CYCLES must be at least %d\n", 2 * kEdgeCycles);
        return 2;
    }
    if (!CountingWorks()) {
        std::fprintf(stderr, "soak: the handle owners do not count what they hold\n");
        return 2;
    }
    Application().Initialize();
    RegisterFrameworkClasses();
    RegisterComponentClass(TSkinData::StaticClass());

    const std::wstring light = ExecutableDirectory() + L"skin\\default.skn";
    const std::wstring dark = ExecutableDirectory() + L"skin\\dark.skn";
    TComponent host(nullptr);
    auto* skin = new TSkinData(&host);
    skin->SetMessageSink([](std::string_view) {});
    skin->SetSkinFormtype(sfMainform);
    skin->Loaded();
    skin->SetSkinFile(light);
    if (!skin->HasSkin()) {
        std::fprintf(stderr, "soak: cannot load %ls\n", light.c_str());
        return 2;
    }
    skin->SetActive(true);
    PumpWaiting();

    std::printf("soak: %d cycles\n", cycles);
    std::fflush(stdout);
    const std::set<HWND> before = ThreadWindows();
    TSoakResult r;
    TSoakCycle cycle(*skin, light, dark);
    for (int i = 1; i <= cycles; ++i) {
        const double wallStart = SoakNowMs();
        const double cpuStart = ThreadCpuMs();
        cycle.Run(i, [&] {
            if (i == 1)
                r.WhileSkinned = CountsNow();
        });
        r.WallMs.push_back(SoakNowMs() - wallStart);
        r.CpuMs.push_back(ThreadCpuMs() - cpuStart);
        if (i == 1)
            r.AfterFirst = CountsNow();
        if (i == kEdgeCycles)
            r.BytesAtTen = SoakPrivateBytes();
        if (i % 100 == 0) {
            std::printf("  cycle %d: %lld KiB private\n", i, SoakPrivateBytes() / 1024);
            std::fflush(stdout);
        }
    }
    r.BytesAtEnd = SoakPrivateBytes();
    r.AtEnd = CountsNow();
    for (HWND window : ThreadWindows())
        if (!before.contains(window) && !IsProcessHelper(window))
            r.WindowsLeft.push_back(ClassOf(window));
    TSkinManage& manager = TSkinManage::Create();
    r.WindowObjects = manager.WindowObjects().size();
    r.PopupObjects = manager.PopupCount();
    delete skin;
    r.Components = manager.Components().size();
    r.Failures = cycle.Failures();
    r.StepTotals = cycle.StepTotals();
    r.StepGrowth = cycle.StepGrowth();
    const bool passed = Report(r, cycles);
    TSkinManage::Shutdown();
    return passed ? 0 : 1;
}

} // namespace
} // namespace veyra

int wmain(int argc, wchar_t** argv) {
    try {
        return veyra::RunSoak(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "soak: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "soak: unknown failure\n");
    }
    return 2;
}
