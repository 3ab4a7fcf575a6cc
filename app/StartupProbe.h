#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace veyra {

// Opt-in start-up timing. With VEYRA_STARTUP_PROBE set (to anything but
// empty or "0") a program records the performance counter at named steps of
// its start, handles messages until the first moment its window is painted
// as it should be, writes the steps to its standard output and ends. Without
// the variable every call does nothing and costs a test of one flag.
//
// The counter is the system-wide one, so a launcher can set its own reading
// taken before it started the process beside the steps
// (bench/wine/StartupBenchWin32.cpp does).
class TStartupProbe {
public:
    // The process's probe, switched on by the environment at first use.
    static TStartupProbe& Instance();
    // A probe as the variable's value variant would make it ("" or "0": off).
    explicit TStartupProbe(std::string variant);

    struct TMark {
        std::string Name;
        long long Ticks;
    };

    bool Enabled() const { return Enabled_; }
    // The variable's value, for a program that can start in more than one way.
    const std::string& Variant() const { return Variant_; }
    // Records the counter now under name (a word without blanks).
    void Mark(const char* name);
    // Handles messages with handleMessage (which waits for one and answers
    // false once the loop is to end) until nothing but timers waits in the
    // thread's queue (no message, no paint pending) and ready() holds; marks
    // "painted" at the end of the last message handled, the moment the
    // screen was complete. Marks
    // "timeout" instead after timeoutMs, "ended" if the loop ends first.
    void RunUntilPainted(const std::function<bool()>& handleMessage,
                         const std::function<bool()>& ready, DWORD timeoutMs = 60000);
    // Writes one line "startup-mark NAME TICKS" per step and a line
    // "startup-frequency TICKS_PER_SECOND" to the standard output handle.
    void Report() const;
    // The steps recorded so far, in order.
    const std::vector<TMark>& Marks() const { return Marks_; }

private:
    bool Enabled_ = false;
    std::string Variant_;
    std::vector<TMark> Marks_;
};

// The process's probe; shorthand for TStartupProbe::Instance().
inline TStartupProbe& StartupProbe() {
    return TStartupProbe::Instance();
}

} // namespace veyra
