#include "OverlayWindow.h"

#include "ControlDrawing.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

namespace {

bool RegisterOverlayClass(const wchar_t* className) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, className, &wc))
        return true;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

TOverlayWindow::TOverlayWindow() : TSkinWindow(nullptr) {}

TOverlayWindow::~TOverlayWindow() {
    const HWND window = Handle();
    RemoveSubclass();
    if (window && !WindowGone_ && IsWindow(window))
        DestroyWindow(window);
}

bool TOverlayWindow::CreateOverlay(const wchar_t* className, DWORD exStyle, HWND parent) {
    RegisterOverlayClass(className);
    const HWND window = CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                        0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return false;
    SetHandle(window);
    if (!Subclass()) {
        DestroyWindow(window);
        SetHandle(nullptr);
        return false;
    }
    return true;
}

void TOverlayWindow::PaintNow() {
    if (!Handle() || WindowGone_)
        return;
    const WindowDcScope dc(Handle(), false);
    try {
        if (dc.Get())
            Paint(dc.Get());
    } catch (...) {
    }
}

LRESULT TOverlayWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        PaintBetweenBeginAndEnd(Handle(), [this](HDC dc) { Paint(dc); });
        return 0;
    case WM_NCDESTROY:
        WindowGone_ = true;
        return CallOld(msg, wParam, lParam);
    default:
        return CallOld(msg, wParam, lParam);
    }
}

} // namespace veyra
