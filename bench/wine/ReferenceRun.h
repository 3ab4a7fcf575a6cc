// The common end of startup_bench's reference programs (the empty window and
// the platform's tab control alone): their main window is shown and timed
// the way the viewer's is.
#pragma once

#include <windows.h>

#include "app/StartupProbe.h"

namespace veyra::bench {

inline bool HandleOneMessage() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

// Marks the window made, shows it and, with the probe on, handles messages
// until it is painted, reports the steps and destroys it; without the probe
// it runs until the window is closed.
inline void ShowAndRun(HWND window) {
    TStartupProbe& probe = StartupProbe();
    probe.Mark("created");
    ShowWindow(window, SW_SHOWNORMAL);
    probe.Mark("shown");
    if (probe.Enabled()) {
        probe.RunUntilPainted(&HandleOneMessage, [window] { return IsWindowVisible(window) != 0; });
        probe.Report();
        DestroyWindow(window);
        return;
    }
    while (HandleOneMessage()) {
    }
}

} // namespace veyra::bench
