#include "MenuPainter.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "MenuItem.h"

namespace veyra {
namespace {

// The caption and the shortcut text to show. Captions copied from platform
// menus carry their shortcut after a tab ("Close\tAlt+F4"); an explicit
// ShortCutText wins over it.
std::pair<std::wstring, std::wstring> ItemTexts(const TMenuItem& item) {
    std::wstring caption = item.Caption();
    std::wstring shortCut = item.ShortCutText();
    const std::size_t tab = caption.find(L'\t');
    if (tab != std::wstring::npos) {
        if (shortCut.empty())
            shortCut = caption.substr(tab + 1);
        caption.resize(tab);
    }
    return {caption, shortCut};
}

int Length(const std::wstring& text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), 0x7FFFFFFF));
}

void FillWith(HDC dc, RECT rect, int sysColour) {
    FillRect(dc, &rect, GetSysColorBrush(sysColour));
}

} // namespace

RECT TMenuItemLayout::GlyphRect(const RECT& item) {
    const int top = item.top + (item.bottom - item.top - GlyphSize) / 2;
    return {item.left + Margin, top, item.left + Margin + GlyphSize, top + GlyphSize};
}

RECT TMenuItemLayout::TextRect(const RECT& item) {
    return {item.left + GutterWidth, item.top,
            std::max(item.left + GutterWidth, item.right - RightMargin), item.bottom};
}

int TMenuItemLayout::SeparatorY(const RECT& item) {
    return item.top + (item.bottom - item.top) / 2 - 1;
}

SIZE TMenuItemLayout::ItemSize(SIZE caption, SIZE shortCut, int textHeight) {
    const int shortCutWidth = shortCut.cx > 0 ? ShortCutGap + shortCut.cx : 0;
    return {GutterWidth + caption.cx + shortCutWidth + RightMargin,
            std::max(textHeight + 4, GlyphSize + 4)};
}

TGdiObject<HFONT> TMenuPainter::CreateMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    bool known = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    if (!known) {
        // Older platforms know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        known = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    return TGdiObject<HFONT>(known ? CreateFontIndirectW(&metrics.lfMenuFont) : nullptr);
}

TMenuFontScope::TMenuFontScope(HDC dc)
    : Font_(TMenuPainter::CreateMenuFont()),
      Select_(dc, Font_ ? static_cast<HGDIOBJ>(Font_.Get()) : GetStockObject(DEFAULT_GUI_FONT)) {}

void TMenuPainter::Measure(const TMenuItem& item, HDC dc, int& width, int& height) {
    if (item.IsLine()) {
        width = TMenuItemLayout::GutterWidth;
        height = TMenuItemLayout::SeparatorHeight;
        return;
    }
    TMenuFontScope font(dc);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    auto [caption, shortCut] = ItemTexts(item);
    // An empty caption, or a lone prefix character, still takes a line.
    if (caption.empty() || caption == L"&")
        caption += L' ';
    RECT captionRect{};
    DrawTextW(dc, caption.c_str(), Length(caption), &captionRect,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    SIZE shortCutSize{};
    if (!shortCut.empty())
        GetTextExtentPoint32W(dc, shortCut.c_str(), Length(shortCut), &shortCutSize);
    const SIZE size = TMenuItemLayout::ItemSize(
        {captionRect.right - captionRect.left, captionRect.bottom - captionRect.top}, shortCutSize,
        metrics.tmHeight);
    width = size.cx;
    height = size.cy;
}

void TMenuPainter::Draw(const TMenuItem& item, HIMAGELIST images, HDC dc, const RECT& rect,
                        UINT state) {
    TSavedDcScope saved(dc);
    const bool selected = (state & ODS_SELECTED) != 0 && !item.IsLine();
    const int backgroundColour = selected ? COLOR_HIGHLIGHT : COLOR_MENU;
    FillWith(dc, rect, backgroundColour);
    if (item.IsLine()) {
        DrawSeparator(dc, rect);
        return;
    }
    const bool enabled = item.Enabled() && (state & (ODS_DISABLED | ODS_GRAYED)) == 0;
    const int textColour = !enabled   ? COLOR_GRAYTEXT
                           : selected ? COLOR_HIGHLIGHTTEXT
                                      : COLOR_MENUTEXT;
    DrawGlyph(item, images, dc, TMenuItemLayout::GlyphRect(rect), GetSysColor(backgroundColour));
    DrawCaption(item, dc, rect, state, GetSysColor(textColour));
}

void TMenuPainter::DrawSeparator(HDC dc, const RECT& rect) {
    const int y = TMenuItemLayout::SeparatorY(rect);
    const int left = rect.left + TMenuItemLayout::Margin;
    const int right = std::max(left, static_cast<int>(rect.right) - TMenuItemLayout::Margin);
    // An etched line: a shadow row over a light one.
    FillWith(dc, {left, y, right, y + 1}, COLOR_BTNSHADOW);
    FillWith(dc, {left, y + 1, right, y + 2}, COLOR_BTNHIGHLIGHT);
}

void TMenuPainter::DrawGlyph(const TMenuItem& item, HIMAGELIST images, HDC dc, const RECT& box,
                             COLORREF background) {
    const int index = item.ImageIndex();
    if (images && index >= 0 && index < ImageList_GetImageCount(images)) {
        int cx = 0;
        int cy = 0;
        ImageList_GetIconSize(images, &cx, &cy);
        const int x = box.left + (TMenuItemLayout::GlyphSize - cx) / 2;
        const int y = box.top + (TMenuItemLayout::GlyphSize - cy) / 2;
        if (item.Checked()) {
            // A checked item with an image shows its state as a pressed box.
            RECT frame = box;
            InflateRect(&frame, 1, 1);
            DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        }
        // A disabled image is faded into the background behind it.
        const UINT style = item.Enabled() ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50;
        ImageList_DrawEx(images, index, dc, x, y, 0, 0, CLR_NONE, background, style);
    } else if (item.Checked()) {
        DrawCheckMark(dc, box, GetSysColor(item.Enabled() ? COLOR_MENUTEXT : COLOR_GRAYTEXT));
    }
}

void TMenuPainter::DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
    TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    if (!pen)
        return;
    TSelectObject select(dc, pen.Get());
    // A tick two pixels thick, drawn as two one-pixel strokes.
    for (int dy = 0; dy < 2; ++dy) {
        const POINT tick[3] = {{box.left + 4, box.top + 7 + dy},
                               {box.left + 7, box.top + 10 + dy},
                               {box.left + 13, box.top + 4 + dy}};
        Polyline(dc, tick, 3);
    }
}

void TMenuPainter::DrawCaption(const TMenuItem& item, HDC dc, const RECT& rect, UINT state,
                               COLORREF colour) {
    TMenuFontScope font(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    const auto [caption, shortCut] = ItemTexts(item);
    RECT textRect = TMenuItemLayout::TextRect(rect);
    const UINT prefix = (state & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
    ::DrawTextW(dc, caption.c_str(), Length(caption), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | prefix);
    if (!shortCut.empty())
        ::DrawTextW(dc, shortCut.c_str(), Length(shortCut), &textRect,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
}

} // namespace veyra
