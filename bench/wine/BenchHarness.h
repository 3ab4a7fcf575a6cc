#pragma once

// A small timing harness for the Windows programs, where Google Benchmark is
// not available: each case runs in growing batches until its minimum time
// has passed, timed by the performance counter. The table it prints and its
// ratios against "_Baseline" partners read like core_bench's.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace veyra::bench {

// Dispatches every message waiting in this thread's queue.
void PumpMessages();
// skin\skin.skn beside the running program, where the programs look first.
std::wstring DefaultSkinPath();

// The options every Wine benchmark program takes: --min-time=SECONDS and
// the path of a packed skin.
struct TBenchOptions {
    double MinSeconds = 0.5;
    std::wstring SkinPath = DefaultSkinPath();
};
// Reads "--min-time=SECONDS" and a skin path; false for an unknown option
// or a time that is not above 0.
bool ParseBenchOptions(int argc, wchar_t** argv, TBenchOptions& options);
// Runs a benchmark program's body, reporting an exception as program's
// failure (exit status 2) instead of letting it end the process.
int RunGuarded(const char* program, int (*run)(int, wchar_t**), int argc, wchar_t** argv);

// One measured case. Prepare runs once before the timing and answers an
// error text when the case cannot be measured honestly (empty: go ahead);
// Body is one iteration of the measured work.
struct TBenchCase {
    std::string Name;
    std::function<std::string()> Prepare;
    std::function<void()> Body;
};

// A case and its baseline measured by turns: Rounds rounds of one batch of
// each (the order swapped every round), so that a change in the machine's
// load during the run falls on both alike. Each is reported with the median
// of its batches' times per iteration.
struct TBenchPair {
    TBenchCase Subject;
    TBenchCase Baseline;
    int Rounds = 15;
};

// What one case measured: wall-clock time, and this thread's own processor
// time (which leaves out the window server's and X server's share, but also
// the waits of a loaded machine).
struct TBenchResult {
    std::string Name;
    double MicrosecondsPerIteration = 0;
    double CpuMicrosecondsPerIteration = 0;
    std::int64_t Iterations = 0;
};

class TBenchHarness {
public:
    // minSeconds: how long each case runs at least; filter: only cases whose
    // name contains it run (empty: all).
    explicit TBenchHarness(double minSeconds = 0.5, std::string filter = {});

    void Add(TBenchCase benchCase);
    // Adds a case with its baseline, measured by turns; selected when the
    // subject's name contains the filter.
    void AddPair(TBenchPair pair);
    // Runs every selected case in the order added and prints the table, then
    // the ratios. Returns false, after printing why, as soon as a case's
    // Prepare fails; the cases after it do not run.
    bool Run(std::FILE* out);
    const std::vector<TBenchResult>& Results() const { return Results_; }
    // The time per iteration of the case called name, or 0 when it did not run.
    double TimeOf(const std::string& name) const;
    // Prints how case name compares with its "_Baseline" partner against a
    // target ratio, under label; nothing when either did not run.
    void PrintVerdict(std::FILE* out, const std::string& name, const char* label,
                      double target) const;

private:
    TBenchResult Measure(const TBenchCase& benchCase) const;
    // Measures a pair by turns into Results_; false after printing why a
    // Prepare failed.
    bool MeasurePair(std::FILE* out, const TBenchPair& pair);
    void PrintResult(std::FILE* out, const TBenchResult& r) const;
    void PrintRatios(std::FILE* out) const;

    double MinSeconds_;
    std::string Filter_;
    std::vector<std::variant<TBenchCase, TBenchPair>> Cases_;
    std::vector<TBenchResult> Results_;
};

} // namespace veyra::bench
