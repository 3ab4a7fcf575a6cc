// A second reference for startup_bench: the least a program needs to show
// what the viewer shows at start, written straight against the platform,
// with none of our code but the probe. It loads the common controls (with
// the viewer's manifest), makes a top-level window of the viewer's size and
// caption, the platform's tab control in it with the viewer's four captions
// in the viewer's font, and one page window with a child window per tab, as
// the viewer's pages and web views are; the platform paints all of it.
// Started and timed like the empty window (VEYRA_STARTUP_PROBE: report the
// steps and end once the window is painted); without the variable it stays
// up until closed.
#include <windows.h>

#include <commctrl.h>

#include <iterator>

#include "ReferenceRun.h"

namespace {

constexpr wchar_t kMainClass[] = L"VeyraStartupTabFloor";
constexpr wchar_t kPageClass[] = L"VeyraStartupTabFloorPage";
constexpr int kWidth = 1000;
constexpr int kHeight = 715;
// The viewer's page control and its pages, in client coordinates.
constexpr RECT kTabBounds{8, 8, 8 + 967, 8 + 660};
constexpr RECT kPageBounds{4, 33, 4 + 959, 33 + 623};
constexpr const wchar_t* kCaptions[] = {L"DDE\u5b9e\u65f6\u6570\u636e",
                                        L"DDE\u5386\u53f2\u6570\u636e", L"DDE\u5206\u6790\u56fe",
                                        L"DDE\u6307\u6807"};

LRESULT CALLBACK FloorWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY && !GetParent(window))
        PostQuitMessage(0);
    return DefWindowProcW(window, msg, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &FloorWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainClass;
    if (!RegisterClassW(&wc))
        return false;
    wc.lpszClassName = kPageClass;
    return RegisterClassW(&wc) != 0;
}

// The page control's font: 宋体, bold, 19 pixels.
HFONT CreateTabFont() {
    LOGFONTW font{};
    font.lfHeight = -19;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = GB2312_CHARSET;
    lstrcpyW(font.lfFaceName, L"\u5b8b\u4f53");
    return CreateFontIndirectW(&font);
}

HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds,
                 HWND parent, HINSTANCE instance) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | style,
                           bounds.left, bounds.top, bounds.right - bounds.left,
                           bounds.bottom - bounds.top, parent, nullptr, instance, nullptr);
}

// The tab control with its four tabs, and under it a page per tab (the
// first shown) holding a window where the viewer has its web view.
bool CreateTabs(HWND main, HINSTANCE instance, HFONT font) {
    const HWND tabs = CreateChild(WC_TABCONTROLW, nullptr, WS_VISIBLE, kTabBounds, main, instance);
    if (!tabs)
        return false;
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (int i = 0; i < static_cast<int>(std::size(kCaptions)); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kCaptions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    const RECT pageClient{0, 0, kPageBounds.right - kPageBounds.left,
                          kPageBounds.bottom - kPageBounds.top};
    for (int i = 0; i < static_cast<int>(std::size(kCaptions)); ++i) {
        const HWND page = CreateChild(kPageClass, kCaptions[i], i == 0 ? WS_VISIBLE : 0,
                                      kPageBounds, tabs, instance);
        if (!page || !CreateChild(kPageClass, nullptr, WS_VISIBLE, pageClient, page, instance))
            return false;
    }
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    veyra::StartupProbe().Mark("entry");
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    if (!InitCommonControlsEx(&controls) || !RegisterClasses(instance))
        return 1;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    const HWND main = CreateWindowExW(0, kMainClass, L"VeyraDDE\u67e5\u8be2",
                                      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, kWidth, kHeight,
                                      nullptr, nullptr, instance, nullptr);
    const HFONT font = CreateTabFont();
    if (!main || !font || !CreateTabs(main, instance, font))
        return 1;
    veyra::bench::ShowAndRun(main);
    DeleteObject(font);
    return 0;
}
