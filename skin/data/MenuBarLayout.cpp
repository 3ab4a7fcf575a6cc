#include "MenuBarLayout.h"

#include <algorithm>
#include <cstdint>

namespace veyra {

namespace {

// Room around a bar caption, shared by the two halves of the item.
constexpr int kCaptionPadding = 10;
constexpr int kNarrowBarOffset = 12;
constexpr int kPlainOffset = 6;

int ItemWidth(const TMenuBarItemInput& item) {
    const int width = std::max(item.CaptionWidth, 0);
    return width > 0 ? SaturateToInt(std::int64_t{width} + kCaptionPadding) : 0;
}

bool Reachable(const TMenuBarItemInput& item) {
    return item.Visible && item.HasCaption;
}

} // namespace

int MenuBarStartOffset(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft,
                       int barWidth) {
    if (!hasElement)
        return kPlainOffset;
    const int offset = rightToLeft ? SaturateToInt(std::int64_t{rightWidth} + 8)
                                   : SaturateToInt(std::int64_t{leftWidth} + 4);
    return barWidth < offset ? kNarrowBarOffset : offset;
}

std::vector<Rect> LayoutMenuBar(const Rect& bar, int startOffset,
                                const std::vector<TMenuBarItemInput>& items, bool rightToLeft) {
    std::vector<Rect> rects;
    rects.reserve(items.size());
    const int bottom = SaturateToInt(std::int64_t{bar.Bottom} - 1);
    // The edge the next item starts from, moving away from the near side.
    std::int64_t edge =
        rightToLeft ? std::int64_t{bar.Right} - startOffset : std::int64_t{bar.Left} + startOffset;
    for (const TMenuBarItemInput& item : items) {
        if (!item.Visible) {
            rects.push_back(Rect{});
            continue;
        }
        const int width = ItemWidth(item);
        const std::int64_t next = rightToLeft ? edge - width : edge + width;
        const int near = SaturateToInt(edge);
        const int far = SaturateToInt(next);
        rects.push_back(rightToLeft ? Rect{far, bar.Top, near, bottom}
                                    : Rect{near, bar.Top, far, bottom});
        edge = next;
    }
    return rects;
}

int MenuBarItemAt(const std::vector<Rect>& rects, const std::vector<TMenuBarItemInput>& items,
                  int x, int y) {
    const std::size_t count = std::min(rects.size(), items.size());
    for (std::size_t i = 0; i < count; ++i)
        if (Reachable(items[i]) && rects[i].Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

int MenuBarNeighbour(const std::vector<TMenuBarItemInput>& items, int current, bool forward,
                     bool popupsOnly) {
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return -1;
    if (current < -1 || current >= count)
        current = -1;
    int index = current < 0 ? (forward ? -1 : count) : current;
    for (int step = 0; step < count; ++step) {
        index = forward ? (index + 1) % count : (index - 1 + count) % count;
        const TMenuBarItemInput& item = items[static_cast<std::size_t>(index)];
        if (Reachable(item) && (!popupsOnly || (item.Enabled && item.HasPopup)))
            return index;
    }
    return -1;
}

int MainMenuItemWidth(int measuredWidth, const TMenuItemMeasure& measure) {
    return SaturateToInt(std::int64_t{measuredWidth} + measure.ElementLeftWidth + 10 +
                         (measure.HasImages ? 0 : 25));
}

int PopupMenuItemWidth(int measuredWidth, const TMenuItemMeasure& measure) {
    return SaturateToInt(std::int64_t{measuredWidth} + measure.ElementLeftWidth + 12 +
                         (measure.HasImages ? 0 : 23));
}

TMenuItemSize NativeMenuItemSize(int textWidth, int textHeight, bool hasText,
                                 int elementLeftWidth) {
    TMenuItemSize size;
    size.Width = SaturateToInt(std::int64_t{std::max(textWidth, 0)} + 26 + elementLeftWidth);
    size.Height = hasText ? SaturateToInt(std::int64_t{std::max(textHeight, 0)} + 4) : 8;
    return size;
}

TMenuItemParts LayoutMenuItem(const Rect& item, int leftWidth, int glyphSize, bool checked,
                              bool separator, bool rightToLeft) {
    TMenuItemParts parts;
    const int side = checked ? std::max(glyphSize, 16) : std::max(glyphSize, 0);
    const int boxLeft = SaturateToInt(std::int64_t{item.Left} + 1 + std::max(leftWidth, 0));
    if (!separator)
        parts.GlyphBox = RectOfSize(boxLeft, SaturateToInt(std::int64_t{item.Top} + 1), side, side);
    const int textLeft = separator ? boxLeft : SaturateToInt(std::int64_t{boxLeft} + side + 3);
    const int textRight = SaturateToInt(std::int64_t{item.Right} - 1);
    parts.TextRect = Rect{std::min(textLeft, textRight), item.Top, textRight, item.Bottom};
    parts.ShortCutEnd = Rect{
        parts.TextRect.Left, item.Top,
        std::max(parts.TextRect.Left, SaturateToInt(std::int64_t{item.Right} - 10)), item.Bottom};
    if (rightToLeft) {
        // Mirrored about the item's middle: left + right - x.
        auto mirror = [&item](const Rect& r) {
            if (r.IsEmpty() && r == Rect{})
                return r;
            const std::int64_t sum = std::int64_t{item.Left} + item.Right;
            return Rect{SaturateToInt(sum - r.Right), r.Top, SaturateToInt(sum - r.Left), r.Bottom};
        };
        parts.GlyphBox = mirror(parts.GlyphBox);
        parts.TextRect = mirror(parts.TextRect);
        parts.ShortCutEnd = mirror(parts.ShortCutEnd);
    }
    return parts;
}

} // namespace veyra
