#include "StartupProbe.h"

#include <utility>

namespace veyra {
namespace {

long long CounterNow() {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// The value of VEYRA_STARTUP_PROBE in ASCII ("" when unset or too long to be ours).
std::string ProbeVariable() {
    wchar_t value[64] = {};
    const DWORD length = GetEnvironmentVariableW(L"VEYRA_STARTUP_PROBE", value, 64);
    std::string text;
    for (DWORD i = 0; i < length && length < 64; ++i)
        text += value[i] < 0x80 ? static_cast<char>(value[i]) : '?';
    return text;
}

// Nothing but timers waits in the thread's queue: no sent or posted message,
// no input and no window left to paint. What a timer does is by its nature
// for later (the web views start their engines from one, once the window is
// painted), so it is not part of the first paint.
bool OnlyTimersWaiting() {
    return (HIWORD(GetQueueStatus(QS_ALLINPUT)) & ~QS_TIMER) == 0;
}

} // namespace

TStartupProbe::TStartupProbe(std::string variant)
    : Enabled_(!variant.empty() && variant != "0"), Variant_(std::move(variant)) {}

TStartupProbe& TStartupProbe::Instance() {
    static TStartupProbe probe(ProbeVariable());
    return probe;
}

void TStartupProbe::Mark(const char* name) {
    if (Enabled_)
        Marks_.push_back({name, CounterNow()});
}

void TStartupProbe::RunUntilPainted(const std::function<bool()>& handleMessage,
                                    const std::function<bool()>& ready, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    long long lastHandled = CounterNow();
    for (;;) {
        if (ready() && OnlyTimersWaiting()) {
            Marks_.push_back({"painted", lastHandled});
            return;
        }
        MSG next;
        // PM_NOREMOVE still delivers sent messages, and reports a pending
        // WM_PAINT or timer.
        if (PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!handleMessage()) {
                Mark("ended");
                return;
            }
            lastHandled = CounterNow();
            continue;
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            Mark("timeout");
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
    }
}

void TStartupProbe::Report() const {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!Enabled_ || !out || out == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::string text = "startup-frequency " + std::to_string(frequency.QuadPart) + "\n";
    for (const TMark& mark : Marks_)
        text += "startup-mark " + mark.Name + " " + std::to_string(mark.Ticks) + "\n";
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace veyra
