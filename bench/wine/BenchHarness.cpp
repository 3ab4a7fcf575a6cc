#include "BenchHarness.h"

#include <windows.h>

#include <algorithm>
#include <exception>

namespace veyra::bench {
namespace {

double CounterFrequency() {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart);
}

std::int64_t CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// This thread's user and kernel time so far, in microseconds.
double ThreadCpuMicroseconds() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        return 0;
    const auto micros = [](const FILETIME& t) {
        return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10;
    };
    return micros(kernel) + micros(user);
}

void PrintRule(std::FILE* out) {
    std::fprintf(out, "%s\n", std::string(78, '-').c_str());
}

} // namespace

TBenchHarness::TBenchHarness(double minSeconds, std::string filter)
    : MinSeconds_(minSeconds), Filter_(std::move(filter)) {}

void TBenchHarness::Add(TBenchCase benchCase) {
    Cases_.push_back(std::move(benchCase));
}

void TBenchHarness::AddPair(TBenchPair pair) {
    Cases_.push_back(std::move(pair));
}

namespace {

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs Prepare when there is one; its error text, or "" to go ahead.
std::string PrepareCase(const TBenchCase& benchCase) {
    return benchCase.Prepare ? benchCase.Prepare() : std::string();
}

} // namespace

bool TBenchHarness::MeasurePair(std::FILE* out, const TBenchPair& pair) {
    static const double frequency = CounterFrequency();
    const TBenchCase* cases[2] = {&pair.Subject, &pair.Baseline};
    // One untimed iteration of each, then a few timed ones of each to size
    // the batches by the slower: both run the same count, Rounds batches each, in
    // about twice the minimum time together.
    double slowest = 0;
    for (const TBenchCase* benchCase : cases) {
        if (std::string error = PrepareCase(*benchCase); !error.empty()) {
            std::fprintf(out, "%-34s ERROR: %s\n", benchCase->Name.c_str(), error.c_str());
            return false;
        }
        benchCase->Body();
        constexpr int kProbes = 3;
        const std::int64_t start = CounterNow();
        for (int i = 0; i < kProbes; ++i)
            benchCase->Body();
        slowest =
            std::max(slowest, static_cast<double>(CounterNow() - start) / frequency / kProbes);
    }
    const int rounds = std::max(pair.Rounds, 1);
    const auto batch = std::clamp<std::int64_t>(
        static_cast<std::int64_t>(MinSeconds_ / rounds / std::max(slowest, 1e-7)), 1, 1 << 16);
    std::vector<double> times[2];
    // The thread's processor time is counted in coarse ticks: summed over
    // the rounds, not taken per batch.
    double cpuTotals[2] = {};
    for (int round = 0; round < rounds; ++round)
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round + turn) % 2;
            const TBenchCase& benchCase = *cases[which];
            if (std::string error = PrepareCase(benchCase); !error.empty()) {
                std::fprintf(out, "%-34s ERROR: %s\n", benchCase.Name.c_str(), error.c_str());
                return false;
            }
            const double cpuStart = ThreadCpuMicroseconds();
            const std::int64_t start = CounterNow();
            for (std::int64_t i = 0; i < batch; ++i)
                benchCase.Body();
            const auto ticks = static_cast<double>(CounterNow() - start);
            times[which].push_back(ticks / frequency * 1e6 / static_cast<double>(batch));
            cpuTotals[which] += ThreadCpuMicroseconds() - cpuStart;
        }
    for (int which = 0; which < 2; ++which) {
        Results_.push_back({cases[which]->Name, Median(times[which]),
                            cpuTotals[which] / static_cast<double>(batch * rounds),
                            batch * rounds});
        PrintResult(out, Results_.back());
    }
    return true;
}

void TBenchHarness::PrintResult(std::FILE* out, const TBenchResult& r) const {
    std::fprintf(out, "%-34s %13.1f us %13.1f us %10lld\n", r.Name.c_str(),
                 r.MicrosecondsPerIteration, r.CpuMicrosecondsPerIteration,
                 static_cast<long long>(r.Iterations));
    std::fflush(out);
}

TBenchResult TBenchHarness::Measure(const TBenchCase& benchCase) const {
    static const double frequency = CounterFrequency();
    // One untimed iteration first: caches, lazily made GDI objects and the
    // first X round trips are not part of the steady state.
    benchCase.Body();
    std::int64_t iterations = 0;
    std::int64_t ticks = 0;
    const double wanted = MinSeconds_ * frequency;
    const double cpuStart = ThreadCpuMicroseconds();
    std::int64_t batch = 1;
    while (ticks < wanted) {
        const std::int64_t start = CounterNow();
        for (std::int64_t i = 0; i < batch; ++i)
            benchCase.Body();
        ticks += CounterNow() - start;
        iterations += batch;
        // Growing batches keep the counter reads out of short cases' times;
        // the estimate of what is left keeps long cases near the minimum time.
        const double perIteration =
            static_cast<double>(std::max<std::int64_t>(ticks, 1)) / iterations;
        const auto left = static_cast<std::int64_t>((wanted - ticks) / perIteration) + 1;
        batch = std::clamp<std::int64_t>(left, 1, std::min<std::int64_t>(batch * 2, 1 << 16));
    }
    const double cpu = ThreadCpuMicroseconds() - cpuStart;
    const auto n = static_cast<double>(iterations);
    return {benchCase.Name, ticks / frequency * 1e6 / n, cpu / n, iterations};
}

bool TBenchHarness::Run(std::FILE* out) {
    PrintRule(out);
    std::fprintf(out, "%-34s %16s %16s %10s\n", "Benchmark", "Time", "CPU", "Iterations");
    PrintRule(out);
    for (const auto& entry : Cases_) {
        if (const auto* pair = std::get_if<TBenchPair>(&entry)) {
            if (!Filter_.empty() && pair->Subject.Name.find(Filter_) == std::string::npos)
                continue;
            if (!MeasurePair(out, *pair)) {
                std::fflush(out);
                return false;
            }
            continue;
        }
        const TBenchCase& benchCase = std::get<TBenchCase>(entry);
        if (!Filter_.empty() && benchCase.Name.find(Filter_) == std::string::npos)
            continue;
        if (std::string error = PrepareCase(benchCase); !error.empty()) {
            std::fprintf(out, "%-34s ERROR: %s\n", benchCase.Name.c_str(), error.c_str());
            std::fflush(out);
            return false;
        }
        Results_.push_back(Measure(benchCase));
        PrintResult(out, Results_.back());
    }
    PrintRatios(out);
    return true;
}

double TBenchHarness::TimeOf(const std::string& name) const {
    for (const TBenchResult& r : Results_)
        if (r.Name == name)
            return r.MicrosecondsPerIteration;
    return 0;
}

void TBenchHarness::PrintVerdict(std::FILE* out, const std::string& name, const char* label,
                                 double target) const {
    const double time = TimeOf(name);
    const double baseline = TimeOf(name + "_Baseline");
    if (time <= 0 || baseline <= 0)
        return;
    const double ratio = time / baseline;
    std::fprintf(out, "\n%s: %.2fx the baseline, target at most %gx: %s\n", label, ratio, target,
                 ratio <= target ? "met" : "NOT met");
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::wstring DefaultSkinPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"skin\\skin.skn";
}

bool ParseBenchOptions(int argc, wchar_t** argv, TBenchOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.starts_with(L"--min-time=")) {
            options.MinSeconds = std::wcstod(arg.c_str() + 11, nullptr);
            if (!(options.MinSeconds > 0))
                return false;
        } else if (arg.starts_with(L"--")) {
            return false;
        } else {
            options.SkinPath = arg;
        }
    }
    return true;
}

int RunGuarded(const char* program, int (*run)(int, wchar_t**), int argc, wchar_t** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unknown failure\n", program);
    }
    return 2;
}

void TBenchHarness::PrintRatios(std::FILE* out) const {
    std::fprintf(out, "\nratios against the baseline of the same run (time / baseline time):\n");
    for (const TBenchResult& r : Results_) {
        const auto partner =
            std::find_if(Results_.begin(), Results_.end(),
                         [&](const TBenchResult& b) { return b.Name == r.Name + "_Baseline"; });
        if (partner != Results_.end() && partner->MicrosecondsPerIteration > 0)
            std::fprintf(out, "  %-50s %8.2fx\n", r.Name.c_str(),
                         r.MicrosecondsPerIteration / partner->MicrosecondsPerIteration);
    }
    std::fflush(out);
}

} // namespace veyra::bench
