// The viewer's start-up against an empty window's, both under the same
// window system (Wine here), started the same way and timed the same way:
//
//   startup_bench [--runs=N] [VIEWER.exe BASELINE.exe]
//
// Each program is started with VEYRA_STARTUP_PROBE=1, which makes it report
// the performance counter at its steps and end after its first complete
// paint (app/StartupProbe.h). The time of a start runs from just before
// CreateProcess to that paint. The programs take turns, N times each after
// one untimed start of each, so a change in the machine's load falls on all
// of them; the verdict compares the medians. The defaults are the viewer of
// the same build tree and startup_window.exe beside this program. A third
// program, startup_tab_floor.exe, shows the platform's tab control with the
// viewer's tabs and page windows and nothing of ours: it is reported beside
// the verdict, as the start the viewer cannot go below here. Exits 0
// when every start reported its paint, 1 when one did not, 2 for a bad
// command line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "skin/imaging/UniqueHandle.h"

namespace veyra::bench {
namespace {

constexpr double kTargetRatio = 1.3;
constexpr DWORD kStartTimeoutMs = 60000;

// The steps one start reported, in milliseconds after CreateProcess, in the
// order the program reached them.
struct TStart {
    std::vector<std::pair<std::string, double>> Steps;
    double Painted = 0; // 0: the start never reported its paint
};

long long CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double CounterFrequency() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
}

// Reads the probe's lines: "startup-mark NAME TICKS", taken against start.
TStart ParseReport(const std::string& text, long long start) {
    static const double frequency = CounterFrequency();
    TStart result;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        char name[64] = {};
        long long ticks = 0;
        if (std::sscanf(line.c_str(), "startup-mark %63s %lld", name, &ticks) != 2)
            continue;
        const double ms = static_cast<double>(ticks - start) * 1000.0 / frequency;
        result.Steps.emplace_back(name, ms);
        if (std::string(name) == "painted")
            result.Painted = ms;
    }
    return result;
}

struct KernelHandleDeleter {
    static constexpr HANDLE Null = nullptr;
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<HANDLE, KernelHandleDeleter>;

// A program started for the benchmark, with the probe's variable set to Probe.
struct TContender {
    const char* Label;
    const char* Name;
    std::wstring Program;
    const wchar_t* Probe;
};

// Starts a contender with the probe on and reads what it reports; an empty
// result when it could not be started or never reported its paint.
TStart TimeOneStart(const TContender& contender) {
    SetEnvironmentVariableW(L"VEYRA_STARTUP_PROBE", contender.Probe);
    const std::wstring& program = contender.Program;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return {};
    KernelHandle reader(readEnd);
    KernelHandle writer(writeEnd);
    SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);
    // What the programs print besides the steps (the platform's notes that
    // it has no HTML engine, say) is not the benchmark's output.
    KernelHandle discard(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     &inherit, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writer.Get();
    startup.hStdError = discard.Get() != INVALID_HANDLE_VALUE ? discard.Get() : nullptr;
    std::wstring commandLine = L"\"" + program + L"\"";
    PROCESS_INFORMATION info{};
    const long long start = CounterNow();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &info))
        return {};
    KernelHandle process(info.hProcess);
    KernelHandle thread(info.hThread);
    writer.Reset();
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(reader.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    if (WaitForSingleObject(process.Get(), kStartTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 3);
        return {};
    }
    return ParseReport(text, start);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Prints the median time of each step since the step before it.
void PrintSteps(const char* label, const std::vector<TStart>& starts) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> gaps;
    for (const TStart& start : starts) {
        double previous = 0;
        for (const auto& [name, ms] : start.Steps) {
            if (!gaps.count(name))
                order.push_back(name);
            gaps[name].push_back(ms - previous);
            previous = ms;
        }
    }
    std::printf("%s, median ms since the step before (the first: since CreateProcess):\n", label);
    for (const std::string& name : order)
        std::printf("  %-22s %9.1f\n", name.c_str(), Median(gaps[name]));
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder;
}

struct TOptions {
    int Runs = 7;
    std::wstring Viewer = ProgramFolder() + L"..\\..\\app\\VeyraDDE.exe";
    std::wstring Baseline = ProgramFolder() + L"startup_window.exe";
    std::wstring Floor = ProgramFolder() + L"startup_tab_floor.exe";
};

bool ParseOptions(int argc, wchar_t** argv, TOptions& options) {
    std::vector<std::wstring> programs;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.starts_with(L"--runs=")) {
            options.Runs = static_cast<int>(std::wcstol(arg.c_str() + 7, nullptr, 10));
            if (options.Runs < 1 || options.Runs > 100)
                return false;
        } else if (arg.starts_with(L"--")) {
            return false;
        } else {
            programs.push_back(arg);
        }
    }
    if (programs.size() == 2) {
        options.Viewer = programs[0];
        options.Baseline = programs[1];
    }
    return programs.empty() || programs.size() == 2;
}

int Run(int argc, wchar_t** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: startup_bench [--runs=N] [VIEWER.exe BASELINE.exe]\n");
        return 2;
    }
    const TContender contenders[] = {
        {"empty window (startup_window.exe)", "BM_StartUp_Baseline", options.Baseline, L"1"},
        {"skinned viewer (VeyraDDE.exe)", "BM_StartUp", options.Viewer, L"1"},
        {"skinned viewer, its web views left out (the note in their place)",
         "BM_StartUpWithoutWebViews", options.Viewer, L"without-web-views"},
        {"the platform's tab control alone, no code of ours (startup_tab_floor.exe)",
         "BM_StartUp_TabFloor", options.Floor, L"1"}};
    constexpr int kCount = static_cast<int>(std::size(contenders));
    std::printf("start-up to the first complete paint, %d starts each, taking turns "
                "(after one untimed start of each)\n\n",
                options.Runs);
    std::fflush(stdout);
    for (const TContender& contender : contenders)
        TimeOneStart(contender);
    std::vector<TStart> starts[kCount];
    for (int run = 0; run < options.Runs; ++run)
        for (int turn = 0; turn < kCount; ++turn) {
            // Each run starts with the next one, so none always goes first.
            const int which = (run + turn) % kCount;
            starts[which].push_back(TimeOneStart(contenders[which]));
            if (starts[which].back().Painted <= 0) {
                std::fprintf(stderr, "startup_bench: a start of %s reported no paint\n",
                             contenders[which].Label);
                return 1;
            }
        }
    double medians[kCount] = {};
    for (int which = 0; which < kCount; ++which) {
        PrintSteps(contenders[which].Label, starts[which]);
        std::vector<double> totals;
        for (const TStart& start : starts[which])
            totals.push_back(start.Painted);
        medians[which] = Median(totals);
        std::printf("  %-22s %9.1f (min %.1f, max %.1f)\n\n", "total", medians[which],
                    *std::min_element(totals.begin(), totals.end()),
                    *std::max_element(totals.begin(), totals.end()));
    }
    std::printf("ratios against the empty window's median start (median / median):\n");
    for (int which = 1; which < kCount; ++which)
        std::printf("  %-50s %8.2fx\n", contenders[which].Name, medians[which] / medians[0]);
    // What the platform's tab control costs by itself is the least the
    // viewer can take; the viewer against it is what our code adds.
    std::printf("  %-50s %8.2fx\n", "the viewer against the tab control alone",
                medians[1] / medians[3]);
    const double ratio = medians[1] / medians[0];
    std::printf("\nstart-up: %.2fx the empty window, target at most %.1fx: %s\n", ratio,
                kTargetRatio, ratio <= kTargetRatio ? "met" : "NOT met");
    return 0;
}

} // namespace
} // namespace veyra::bench

int wmain(int argc, wchar_t** argv) {
    return veyra::bench::RunGuarded("startup_bench", &veyra::bench::Run, argc, argv);
}
