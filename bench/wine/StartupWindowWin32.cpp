// The baseline of startup_bench: an empty top-level window of the viewer's
// size and place, with the platform's frame, started and timed the way the
// viewer is (VEYRA_STARTUP_PROBE: report the steps and end once the window is
// painted). Without the variable it stays up until closed.
#include <windows.h>

#include "ReferenceRun.h"

namespace {

constexpr wchar_t kClassName[] = L"VeyraStartupBaseline";
// The viewer's main window: 1000 x 715, centred on the screen.
constexpr int kWidth = 1000;
constexpr int kHeight = 715;

LRESULT CALLBACK BaselineWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND CreateBaselineWindow(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &BaselineWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc))
        return nullptr;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    return CreateWindowExW(0, kClassName, L"Veyra start-up baseline", WS_OVERLAPPEDWINDOW, x, y,
                           kWidth, kHeight, nullptr, nullptr, instance, nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    veyra::StartupProbe().Mark("entry");
    const HWND window = CreateBaselineWindow(instance);
    if (!window)
        return 1;
    veyra::bench::ShowAndRun(window);
    return 0;
}
