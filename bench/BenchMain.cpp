// Runs the benchmarks and then prints, for every benchmark "X" that has a
// partner "X_Baseline" in the same run, the ratio of their times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                Times_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        std::printf("\nratios against the baseline of the same run (time / baseline time):\n");
        for (const auto& [name, time] : Times_) {
            const auto slash = name.find('/');
            const std::string base = name.substr(0, slash);
            const std::string args = slash == std::string::npos ? "" : name.substr(slash);
            const auto partner = Times_.find(base + "_Baseline" + args);
            if (partner != Times_.end() && partner->second > 0)
                std::printf("  %-50s %8.2fx\n", name.c_str(), time / partner->second);
        }
    }

private:
    std::map<std::string, double> Times_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
