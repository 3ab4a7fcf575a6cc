#pragma once

#include <vector>

#include "skin/imaging/Rect.h"

// Where the tabs of a tab set go: the older self-drawn strip whose tabs hang
// from its top edge (the pages sit above it), laid out left to right from the
// first visible tab. Each tab is its caption's width plus 9 pixels and the
// strip's full height; a tab that does not fit before the end margin is left
// out, and a later, narrower one may still fit. While the scroller shows, 12
// more pixels stay free before the end margin for it:
//
//   |<-start->+--------+------+----------+         +scroller+<-end->|
//   |         | tab 2  |tab 3 |  tab 5   |         |  <  >  |       |
//   |         +--------+------+----------+         +--------+       |
//
// The framework's tab set and its skin both draw and hit-test by these
// functions, so a click lands on the tab that is shown there.
namespace veyra {

// What a tab adds to its caption's width.
inline constexpr int kTabSetTabPadding = 9;
// What stays free before the end margin while the scroller shows.
inline constexpr int kTabSetScrollerReserve = 12;

struct TTabSetInput {
    int Width = 0; // the tab set's width
    int StartMargin = 0;
    int EndMargin = 0;
    // The first tab shown; below 0 counts as 0.
    int FirstIndex = 0;
    bool ScrollerVisible = false;
    // The width of each tab's caption in the tab set's font; negative counts as 0.
    std::vector<int> CaptionWidths;
};

// One tab as shown: its index and its left and right edges.
struct TTabSetPlace {
    int Index = 0;
    int Left = 0;
    int Right = 0;
    constexpr bool operator==(const TTabSetPlace&) const = default;
};

// The tabs shown, left to right.
std::vector<TTabSetPlace> LayoutTabSet(const TTabSetInput& input);

// The index of the tab shown at x, or -1.
int TabSetTabAt(const std::vector<TTabSetPlace>& places, int x);

// Whether the scroller is needed: tabs before the first shown, or tabs from
// there on that do not all fit without it.
bool TabSetNeedsScroller(const TTabSetInput& input);

// The scroller's place in a width x height tab set: scrollerWidth wide at
// the right edge, at most 16 pixels high, vertically centred.
Rect TabSetScrollerRect(int width, int height, int scrollerWidth);

} // namespace veyra
