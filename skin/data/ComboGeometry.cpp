#include "ComboGeometry.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace veyra {

namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv; c is
// never 0 here.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::int64_t product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t p = product < 0 ? -product : product;
    const std::int64_t d = c < 0 ? -c : c;
    const std::int64_t q = (p + d / 2) / d;
    return negative ? -q : q;
}

// The last pixels (first, on the left side) of inner, at most size wide.
Rect AtEdge(const Rect& inner, int size, TComboSide side) {
    const int w = std::clamp(size, 0, std::max(inner.Width(), 0));
    if (side == TComboSide::Left)
        return {inner.Left, inner.Top, inner.Left + w, inner.Bottom};
    return {inner.Right - w, inner.Top, inner.Right, inner.Bottom};
}

} // namespace

TComboState ComboButtonState(const TComboStateInput& in) {
    if (!in.Enabled)
        return TComboState::Disabled;
    if (in.Down)
        return TComboState::Pressed;
    if (in.Focused || in.Hot)
        return TComboState::Hot;
    return TComboState::Normal;
}

TComboSide ComboButtonSide(const Rect& platformButton, int width, bool leftScrollbarStyle) {
    if (platformButton.IsEmpty())
        return leftScrollbarStyle ? TComboSide::Left : TComboSide::Right;
    const std::int64_t twiceCentre = std::int64_t{platformButton.Left} + platformButton.Right;
    return twiceCentre < width ? TComboSide::Left : TComboSide::Right;
}

TFlatComboLayout FlatComboLayout(const TFlatComboInput& in) {
    const Rect inner{2, 2, std::max(in.Width - 2, 2), std::max(in.Height - 2, 2)};
    TFlatComboLayout layout;
    layout.Zone = AtEdge(inner, in.Thumb, in.Side);
    const int frames = std::max(in.Frames, 1);
    const int frameWidth = std::max(in.ImageWidth, 0) / frames;
    if (frameWidth <= 0 || in.ImageHeight <= 0)
        return layout;
    layout.Glyph = AtEdge(inner, frameWidth, in.Side);
    if (in.ImageHeight < in.Thumb)
        layout.Glyph.Bottom = std::min(layout.Glyph.Bottom, layout.Glyph.Top + in.ImageHeight);
    return layout;
}

Rect DateTimeArrowRect(int pickerWidth, int arrow, TComboSide side) {
    const int a = std::max(arrow, 0);
    const int left = side == TComboSide::Left ? 2 : pickerWidth - a - 4;
    return RectOfSize(left, 0, a, a + 1);
}

int EditBorderWidth(const Rect& window, const Rect& client) {
    if (client.Width() >= window.Width() || client.Height() >= window.Height())
        return 0;
    const int gaps[] = {client.Left - window.Left, client.Top - window.Top,
                        window.Right - client.Right, window.Bottom - client.Bottom};
    return std::max(*std::min_element(std::begin(gaps), std::end(gaps)), 0);
}

int ComboListDragPosition(const TListDragInput& in) {
    const std::int64_t min = in.Range.Min;
    const std::int64_t max = std::max<std::int64_t>(in.Range.Max, min);
    const std::int64_t page = std::max(in.Range.Page, 0);
    // The first item of the last page is as far as a list scrolls.
    const std::int64_t last = page > 0 ? std::max(min, max - page + 1) : max;
    const std::int64_t track = std::int64_t{in.BarLength} - 2 * std::int64_t{in.Arrow};
    const std::int64_t thumb = std::int64_t{in.Thumb.End} - in.Thumb.Start;
    const std::int64_t room = track - thumb;
    if (track <= 0 || room <= 0)
        return static_cast<int>(min);
    std::int64_t n =
        std::max<std::int64_t>(std::int64_t{in.Thumb.Start} - in.Arrow + std::int64_t{in.Delta}, 0);
    std::int64_t p = 0;
    if (page != 0) {
        n = std::min(n, room);
        p = MulDivRound(n, std::max<std::int64_t>(max - min - page + 1, 0), room) + min;
    } else {
        p = MulDivRound(std::min(n, room), max - min, track) + min;
    }
    return static_cast<int>(std::clamp(p, min, last));
}

} // namespace veyra
