#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace veyra {

// A wide intermediate brought back into int, cut at int's limits: rectangle
// arithmetic on coordinates read from a skin must not overflow.
constexpr int SaturateToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// A rectangle of pixels: Left and Top inside, Right and Bottom just outside.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    // Saturated at int's limits, so a rectangle spanning nearly the whole int
    // range still has a width of the right sign.
    constexpr int Width() const { return SaturateToInt(std::int64_t{Right} - Left); }
    constexpr int Height() const { return SaturateToInt(std::int64_t{Bottom} - Top); }
    // True when the rectangle holds no pixel (empty or inverted).
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(int x, int y) const {
        return x >= Left && x < Right && y >= Top && y < Bottom;
    }
    // Moved by (dx, dy); coordinates saturate at int's limits.
    constexpr Rect Offset(int dx, int dy) const {
        return {SaturateToInt(std::int64_t{Left} + dx), SaturateToInt(std::int64_t{Top} + dy),
                SaturateToInt(std::int64_t{Right} + dx), SaturateToInt(std::int64_t{Bottom} + dy)};
    }
    constexpr bool operator==(const Rect&) const = default;
};

// Right and bottom saturate at int's limits.
constexpr Rect RectOfSize(int left, int top, int width, int height) {
    return {left, top, SaturateToInt(std::int64_t{left} + width),
            SaturateToInt(std::int64_t{top} + height)};
}

// The common part of two rectangles; empty when they do not meet.
constexpr Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// What is left of from once hole is taken out, as at most four rectangles:
// the full-width bands above and below the hole, then the parts beside it.
// from itself when they do not meet; nothing when the hole covers it.
struct RectsOutside {
    Rect Parts[4];
    int Count = 0;
};
constexpr RectsOutside SubtractRect(const Rect& from, const Rect& hole) {
    RectsOutside result;
    if (from.IsEmpty())
        return result;
    const Rect cut = Intersect(from, hole);
    if (cut.IsEmpty()) {
        result.Parts[result.Count++] = from;
        return result;
    }
    const Rect candidates[4] = {{from.Left, from.Top, from.Right, cut.Top},
                                {from.Left, cut.Bottom, from.Right, from.Bottom},
                                {from.Left, cut.Top, cut.Left, cut.Bottom},
                                {cut.Right, cut.Top, from.Right, cut.Bottom}};
    for (const Rect& part : candidates)
        if (!part.IsEmpty())
            result.Parts[result.Count++] = part;
    return result;
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
