#include "TabReport.h"

#include <cwchar>

#include "ControlDrawing.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

TTabReport ReadTabReport(HWND tab, int index) {
    TTabReport result;
    wchar_t text[kMaxTabText + 1] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = kMaxTabText;
    // The wide query serves ANSI windows too: the tab control converts.
    if (SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item))) {
        // The control may answer with a pointer to its own copy instead of
        // filling ours; either way no more than the buffer's length is taken.
        const wchar_t* source = item.pszText ? item.pszText : text;
        result.Text.assign(source, wcsnlen(source, kMaxTabText));
        result.Image = item.iImage;
    }
    RECT bounds{};
    result.HasBounds = SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(&bounds)) != FALSE;
    result.Bounds = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    return result;
}

void DrawTabCaption(HDC dc, const Rect& rect, const TTabReport& item, HIMAGELIST images,
                    bool enabled, COLORREF colour, UINT extraFlags) {
    const TextColourScope textColour(dc, colour);
    DrawIconText(dc, RECT{rect.Left, rect.Top, rect.Right, rect.Bottom}, images, item.Image,
                 item.Text, enabled, TTextPlace::Centre, extraFlags);
}

} // namespace veyra
