#include "ScrollbarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace veyra {

namespace {

// The range a control with equal minimum and maximum is measured against,
// so that its thumb sits at the start instead of dividing by zero.
constexpr std::int64_t kEmptyRange = 9999999;
// The shortest thumb a page-sized thumb is drawn with.
constexpr int kMinimumThumb = 8;
// A skin's arrow image within this many pixels of the platform's arrow size
// sets the bar's thickness; one further off is drawn at the platform's size.
constexpr int kThicknessTolerance = 2;

// a * b / c rounded half away from zero, as the platform's MulDiv does,
// without overflowing; c is never 0 here.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::int64_t product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -c : c;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return negative ? -quotient : quotient;
}

Rect Along(TScrollAxis axis, int start, int end, int thickness) {
    return axis == TScrollAxis::Horizontal ? Rect{start, 0, end, thickness}
                                           : Rect{0, start, thickness, end};
}

} // namespace

TScrollPart ScrollPartOfCode(int code) {
    switch (code) {
    case 0:
        return TScrollPart::FirstArrow;
    case 1:
        return TScrollPart::SecondArrow;
    case 2:
        return TScrollPart::TrackBefore;
    case 3:
        return TScrollPart::TrackAfter;
    case 5:
        return TScrollPart::Thumb;
    default:
        return TScrollPart::None;
    }
}

int ArrowLength(int length, int arrow) {
    length = std::max(length, 0);
    arrow = std::max(arrow, 0);
    return length < 2 * arrow ? length / 2 : arrow;
}

TThumbSpan ControlThumbSpan(int length, int arrow, const TScrollRange& range) {
    const int a = std::max(arrow, 0);
    const int track = length - 2 * a;
    if (track <= 0)
        return {};
    std::int64_t r = std::int64_t{range.Max} - range.Min;
    if (r <= 0)
        r = kEmptyRange;
    const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t{range.Pos} - range.Min, 0, r);
    std::int64_t thumb = 0;
    std::int64_t start = a;
    if (range.Page > 0) {
        thumb = MulDivRound(track, std::int64_t{range.Page} - 1, r);
        if (thumb >= kMinimumThumb) {
            if (offset != 0)
                start = MulDivRound(track, offset, r) + a;
        } else {
            thumb = kMinimumThumb;
            if (offset != 0)
                start = MulDivRound(std::max(track - kMinimumThumb, 0), offset, r) + a;
        }
    } else {
        thumb = a;
        if (offset != 0)
            start = MulDivRound(std::max(length - 3 * a, 0), offset, r) + a;
    }
    // A page larger than the range fills the track; nothing leaves it.
    thumb = std::clamp<std::int64_t>(thumb, 0, track);
    start = std::clamp<std::int64_t>(start, a, length - a - thumb);
    return {static_cast<int>(start), static_cast<int>(start + thumb)};
}

TScrollPart HitTestScrollbar(int v, int length, int arrow, TThumbSpan thumb) {
    const int a = ArrowLength(length, arrow);
    if (v < a)
        return TScrollPart::FirstArrow;
    if (v >= length - a)
        return TScrollPart::SecondArrow;
    if (v < thumb.Start)
        return TScrollPart::TrackBefore;
    if (v < thumb.End)
        return TScrollPart::Thumb;
    return TScrollPart::TrackAfter;
}

TThumbSpan DragThumbSpan(TThumbSpan atPress, int delta, int length, int arrow) {
    const std::int64_t thumb = std::max(atPress.End - atPress.Start, 0);
    const std::int64_t low = std::max(arrow, 0);
    const std::int64_t high = std::max<std::int64_t>(std::int64_t{length} - low - thumb, low);
    const std::int64_t start =
        std::clamp<std::int64_t>(std::int64_t{atPress.Start} + delta, low, high);
    return {static_cast<int>(start), SaturateToInt(start + thumb)};
}

int ScrollbarThickness(int arrowImageHeight, int arrow) {
    if (arrowImageHeight <= 0)
        return arrow;
    const int difference =
        arrowImageHeight > arrow ? arrowImageHeight - arrow : arrow - arrowImageHeight;
    return difference > kThicknessTolerance ? arrow : arrowImageHeight;
}

TScrollbarLayout LayoutScrollbar(const TScrollbarLayoutInput& in) {
    TScrollbarLayout layout;
    const int length = std::max(in.Length, 0);
    const int t = std::max(in.Thickness, 0);
    const int arrow = std::max(in.Arrow, 0);
    const int a = ArrowLength(length, arrow);
    layout.FirstArrow = Along(in.Axis, 0, a, t);
    layout.SecondArrow = Along(in.Axis, length - a, length, t);
    if (length > 2 * arrow)
        layout.Track = Along(in.Axis, arrow, length - arrow, t);
    if (!in.Enabled || layout.Track.IsEmpty())
        return layout;
    const int start = std::max(in.Thumb.Start, arrow);
    const int end = std::min(in.Thumb.End, length - arrow);
    if (end <= start)
        return layout;
    layout.Thumb = Along(in.Axis, start, end, t);
    const int g = in.GripLength;
    const int thumb = end - start;
    if (g > 0 && g < thumb + 2) {
        const int offset = (thumb - g) / 2;
        layout.Grip = Along(in.Axis, start + offset, start + offset + g, t);
    }
    return layout;
}

TScrollbarFrames ScrollbarFrames(TScrollAxis axis, bool enabled, TScrollPart hot, bool pressed) {
    const bool horizontal = axis == TScrollAxis::Horizontal;
    TScrollbarFrames frames;
    frames.FirstArrow = horizontal ? 1 : 9;
    frames.SecondArrow = horizontal ? 5 : 13;
    frames.Grip = horizontal ? 17 : 20;
    frames.Track = enabled ? 1 : 3;
    frames.Thumb = 1;
    // A disabled bar answers no pointer: its arrows stay as they are.
    if (!enabled)
        return frames;
    const int arrowStep = pressed ? 1 : 3;
    if (hot == TScrollPart::FirstArrow)
        frames.FirstArrow += arrowStep;
    else if (hot == TScrollPart::SecondArrow)
        frames.SecondArrow += arrowStep;
    else if (hot == TScrollPart::Thumb) {
        frames.Thumb = pressed ? 2 : 3;
        frames.Grip += pressed ? 1 : 2;
    }
    return frames;
}

} // namespace veyra
