#pragma once

#include "skin/imaging/Rect.h"

// The arithmetic of a skinned scroll bar: where its arrows, track, thumb and
// grip go, which part a point is over, where a dragged thumb is, and where
// the thumb of a scroll-bar control sits by its scroll information. The
// painter and the hit test both use these functions, so what is drawn and
// what is hit agree. Positions run along the bar's axis from its start:
//
//   | first arrow |  track before  |  thumb [grip]  |  track after  | second arrow |
//   0             A                Start            End             Length - A     Length
//
// A bar shorter than its two arrows shows each arrow at half its length and
// no track.
namespace veyra {

enum class TScrollAxis { Horizontal = 0, Vertical = 1 };

// The parts of a bar, by the platform's scroll-code numbers (a scroll
// notification names the part it came from).
enum class TScrollPart : int {
    None = -1,
    FirstArrow = 0, // left or up
    SecondArrow = 1,
    TrackBefore = 2,
    TrackAfter = 3,
    Thumb = 5
};

// The part a scroll notification's code names; None for the codes that name
// no part (thumb position, top, bottom, end of scrolling) and unknown codes.
TScrollPart ScrollPartOfCode(int code);

// The thumb's extent along the axis, from the bar's start; empty when
// Start >= End.
struct TThumbSpan {
    int Start = 0;
    int End = 0;
    constexpr bool IsEmpty() const { return End <= Start; }
    constexpr bool operator==(const TThumbSpan&) const = default;
};

// A scroll-bar control's scroll information.
struct TScrollRange {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// The length of each arrow: the arrow size, or half the bar's length on a
// bar shorter than two arrows (never negative).
int ArrowLength(int length, int arrow);

// The thumb of a scroll-bar control of length pixels with arrows of arrow
// pixels, as the platform places it for range: a thumb proportional to the
// page, at least 8 pixels; the arrow size without a page. A range of 0, a
// page larger than the range or a position outside it still gives a thumb
// inside the track; a bar without room for a track gives an empty span.
TThumbSpan ControlThumbSpan(int length, int arrow, const TScrollRange& range);

// The part under position v along a bar of length pixels.
TScrollPart HitTestScrollbar(int v, int length, int arrow, TThumbSpan thumb);

// The thumb dragged by delta pixels from where it started at the press:
// the same length, kept between the arrows.
TThumbSpan DragThumbSpan(TThumbSpan atPress, int delta, int length, int arrow);

// The bar's thickness across its axis: the height of the skin's arrow
// image, unless that is more than 2 pixels off the platform's arrow size.
int ScrollbarThickness(int arrowImageHeight, int arrow);

// What the layout needs of a bar.
struct TScrollbarLayoutInput {
    TScrollAxis Axis = TScrollAxis::Vertical;
    int Length = 0;    // along the axis
    int Thickness = 0; // across the axis
    int Arrow = 0;     // the platform's arrow size
    TThumbSpan Thumb;
    bool Enabled = true;
    int GripLength = 0; // the grip image's side (the arrow image's height)
};

// Where each piece of a bar is drawn, in the bar's coordinates. An absent
// piece has an empty rectangle.
struct TScrollbarLayout {
    Rect FirstArrow;
    Rect SecondArrow;
    Rect Track;
    Rect Thumb; // empty on a disabled bar and when it does not fit the track
    Rect Grip;  // centred on the thumb; empty when longer than the thumb + 1
    bool operator==(const TScrollbarLayout&) const = default;
};

TScrollbarLayout LayoutScrollbar(const TScrollbarLayoutInput& in);

// The frames (1-based) the pieces are drawn with: arrows and grip from the
// 23-frame arrow strip, the track from its 4-frame strip, the thumb from its
// own strip.
struct TScrollbarFrames {
    int FirstArrow = 0;
    int SecondArrow = 0;
    int Track = 0;
    int Thumb = 0;
    int Grip = 0;
    bool operator==(const TScrollbarFrames&) const = default;
};

// The frames for a bar whose hot part is hot, pressed or not: a hot arrow
// is frame + 1 pressed and + 3 hovered; a hot thumb is frame 2 pressed and
// 3 hovered, its grip + 1 and + 2; a disabled track is frame 3.
TScrollbarFrames ScrollbarFrames(TScrollAxis axis, bool enabled, TScrollPart hot, bool pressed);

} // namespace veyra
