#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/imaging/Rect.h"

namespace veyra {

// What one tab of a tab control shows and where, as the control reports it.
struct TTabReport {
    // The caption, at most kMaxTabText characters.
    std::wstring Text;
    int Image = -1;
    // Where the tab is, client coordinates; valid only with HasBounds (a tab
    // scrolled out of sight has none).
    Rect Bounds;
    bool HasBounds = false;
    bool operator==(const TTabReport&) const = default;
};

// The longest caption read from a tab; longer ones are cut.
inline constexpr int kMaxTabText = 80;

// Reads tab index of a tab control window.
TTabReport ReadTabReport(HWND tab, int index);

// The tab's icon from images and its caption, centred as a unit in rect of
// dc, in colour (the disabled look when not enabled).
void DrawTabCaption(HDC dc, const Rect& rect, const TTabReport& item, HIMAGELIST images,
                    bool enabled, COLORREF colour, UINT extraFlags);

} // namespace veyra
