#include "Screen.h"

#include <algorithm>

#include "CustomForm.h"

namespace veyra {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

std::vector<TCustomForm*> TScreen::Forms() const {
    // The forms' windows are this thread's: asking for the thread's top-level
    // windows is one request to the window system, where walking the whole
    // desktop a window at a time is one request per window of every program.
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    std::vector<TCustomForm*> ordered;
    for (HWND window : windows) {
        for (TCustomForm* form : Forms_)
            if (form->WindowHandle() == window)
                ordered.push_back(form);
    }
    for (TCustomForm* form : Forms_)
        if (std::find(ordered.begin(), ordered.end(), form) == ordered.end())
            ordered.push_back(form);
    return ordered;
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

void TScreen::AddForm(TCustomForm* form) {
    Forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    Forms_.erase(std::remove(Forms_.begin(), Forms_.end(), form), Forms_.end());
}

} // namespace veyra
