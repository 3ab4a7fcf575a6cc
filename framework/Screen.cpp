#include "Screen.h"

#include <algorithm>

#include "CustomForm.h"

namespace veyra {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

std::vector<TCustomForm*> TScreen::Forms() const {
    std::vector<TCustomForm*> ordered;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
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
