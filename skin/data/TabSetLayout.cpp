#include "TabSetLayout.h"

#include <algorithm>

namespace veyra {

namespace {

constexpr int kScrollerHeight = 16;

} // namespace

std::vector<TTabSetPlace> LayoutTabSet(const TTabSetInput& input) {
    std::vector<TTabSetPlace> places;
    const int count = static_cast<int>(input.CaptionWidths.size());
    const int limit = input.Width - input.EndMargin;
    const int reserve = kTabSetTabPadding + (input.ScrollerVisible ? kTabSetScrollerReserve : 0);
    int x = input.StartMargin;
    for (int i = std::max(input.FirstIndex, 0); i < count; ++i) {
        const int caption = std::max(input.CaptionWidths[static_cast<std::size_t>(i)], 0);
        // Counted in long long: a caption width near the int range must not
        // wrap into a tab that fits.
        if (static_cast<long long>(x) + caption + reserve > limit)
            continue;
        places.push_back({i, x, x + caption + kTabSetTabPadding});
        x += caption + kTabSetTabPadding;
    }
    return places;
}

int TabSetTabAt(const std::vector<TTabSetPlace>& places, int x) {
    for (const TTabSetPlace& place : places)
        if (x >= place.Left && x < place.Right)
            return place.Index;
    return -1;
}

bool TabSetNeedsScroller(const TTabSetInput& input) {
    if (input.FirstIndex > 0)
        return true;
    TTabSetInput without = input;
    without.ScrollerVisible = false;
    return LayoutTabSet(without).size() < input.CaptionWidths.size();
}

Rect TabSetScrollerRect(int width, int height, int scrollerWidth) {
    const int h = std::clamp(height, 0, kScrollerHeight);
    const int top = (std::max(height, 0) - h) / 2;
    return {width - scrollerWidth, top, width, top + h};
}

} // namespace veyra
