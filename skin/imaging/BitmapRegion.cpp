#include "BitmapRegion.h"

#include <map>
#include <utility>

#include <algorithm>

namespace veyra {
namespace {

// The channel ranges as two pixels, so a pixel is transparent when each of
// its channels lies between low's and high's.
struct KeyRange {
    int Low[3];
    int High[3];

    bool IsTransparent(Pixel p) const {
        const int channel[3] = {static_cast<int>(p & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                                static_cast<int>(p >> 16 & 0xFF)};
        for (int i = 0; i < 3; ++i)
            if (channel[i] < Low[i] || channel[i] > High[i])
                return false;
        return true;
    }
};

KeyRange RangeOf(Colour key, KeyTolerance tolerance) {
    const int low[3] = {BlueOf(key), GreenOf(key), RedOf(key)};
    const int tol[3] = {tolerance.Blue, tolerance.Green, tolerance.Red};
    KeyRange range{};
    for (int i = 0; i < 3; ++i) {
        range.Low[i] = low[i];
        range.High[i] = std::min(low[i] + std::max(tol[i], 0), 255);
    }
    return range;
}

} // namespace

std::vector<Rect> RegionOfBitmap(const Bitmap& bitmap, int xOffset, int yOffset,
                                 KeyTolerance tolerance, Colour key) {
    const KeyRange range = RangeOf(ResolveColour(key), tolerance);
    std::vector<Rect> rects;
    const int width = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel* row = bitmap.Row(y);
        int x = 0;
        while (x < width) {
            while (x < width && range.IsTransparent(row[x]))
                ++x;
            const int start = x;
            while (x < width && !range.IsTransparent(row[x]))
                ++x;
            if (x > start)
                rects.push_back({start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
        }
    }
    return rects;
}

std::vector<Rect> MergeRowRuns(const std::vector<Rect>& rects) {
    std::vector<Rect> merged;
    merged.reserve(rects.size());
    // The last merged rectangle of each left/right span.
    std::map<std::pair<int, int>, std::size_t> lastOfSpan;
    for (const Rect& r : rects) {
        if (r.IsEmpty())
            continue;
        const auto span = std::make_pair(r.Left, r.Right);
        const auto found = lastOfSpan.find(span);
        if (found != lastOfSpan.end() && merged[found->second].Bottom == r.Top) {
            merged[found->second].Bottom = r.Bottom;
            continue;
        }
        lastOfSpan[span] = merged.size();
        merged.push_back(r);
    }
    return merged;
}

} // namespace veyra
