#pragma once

#include <algorithm>

namespace veyra {

// A rectangle of pixels: Left and Top inside, Right and Bottom just outside.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // True when the rectangle holds no pixel (empty or inverted).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    constexpr Rect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr bool operator==(const Rect&) const = default;
};

constexpr Rect RectOfSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The common part of two rectangles; empty when they do not meet.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// The widths of the four kept borders of a sliced image (an element's
// LeftWidth, TopHeight, RightWidth and BottomHeight).
struct Margins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr bool operator==(const Margins&) const = default;
};

} // namespace veyra
