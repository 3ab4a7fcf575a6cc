#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/BitmapRegion.h"

#include <set>
#include <utility>

namespace veyra {
namespace {

using test::MakeBitmap;

TEST(RegionOfBitmap, OneRectanglePerRunOfOpaquePixels) {
    const Bitmap b = MakeBitmap({"MaaMM", "aMaMa", "aaaaa", "MMMMM"});
    const std::vector<Rect> expected = {
        {11, 20, 13, 21},                                     // row 0: one run
        {10, 21, 11, 22}, {12, 21, 13, 22}, {14, 21, 15, 22}, // row 1: three, around two holes
        {10, 22, 15, 23},                                     // row 2: the whole row
    };                                                        // row 3: nothing
    EXPECT_EQ(RegionOfBitmap(b, 10, 20, {}), expected);
}

TEST(RegionOfBitmap, FullyTransparentGivesNothingAndToleranceWidensTheKey) {
    EXPECT_TRUE(RegionOfBitmap(MakeBitmap({"MMM", "MMM"}), 0, 0, {}).empty());
    Bitmap b(4, 1, PixelFormat::Rgb24);
    b.At(0, 0) = PixelOf(Rgb(255, 1, 255)); // green 1 above the key
    b.At(1, 0) = PixelOf(Rgb(254, 0, 255)); // red below the key: never transparent
    b.At(2, 0) = PixelOf(Rgb(255, 0, 255));
    b.At(3, 0) = PixelOf(Rgb(255, 2, 255));
    EXPECT_EQ(RegionOfBitmap(b, 0, 0, {}), (std::vector<Rect>{{0, 0, 2, 1}, {3, 0, 4, 1}}));
    EXPECT_EQ(RegionOfBitmap(b, 0, 0, {0, 1, 0}), (std::vector<Rect>{{1, 0, 2, 1}, {3, 0, 4, 1}}));
    EXPECT_EQ(RegionOfBitmap(b, 0, 0, {9, 9, 9}), (std::vector<Rect>{{1, 0, 2, 1}}));
    // Another key colour; the tolerance is capped at 255 rather than wrapping.
    Bitmap white(2, 1, PixelFormat::Rgb24, PixelOf(kWhite));
    white.At(1, 0) = PixelOf(Rgb(250, 255, 255));
    EXPECT_EQ(RegionOfBitmap(white, 0, 0, {100, 100, 100}, kWhite),
              (std::vector<Rect>{{1, 0, 2, 1}}));
}

// Every pixel covered by rects, as a set of (x, y).
std::set<std::pair<int, int>> Covered(const std::vector<Rect>& rects) {
    std::set<std::pair<int, int>> pixels;
    for (const Rect& r : rects)
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                pixels.insert({x, y});
    return pixels;
}

TEST(MergeRowRuns, CoversTheSamePixelsWithRowsOfEqualRunsJoined) {
    // A left border: key corners at the top and bottom, plain rows between,
    // and a hole that splits one row.
    const Bitmap border =
        MakeBitmap({"MMaa", "Maaa", "aaaa", "aaaa", "aMaa", "aaaa", "aaaa", "Maaa"});
    const std::vector<Rect> rows = RegionOfBitmap(border, 3, 5, {});
    const std::vector<Rect> merged = MergeRowRuns(rows);
    EXPECT_EQ(Covered(merged), Covered(rows));
    const std::vector<Rect> expected = {
        {5, 5, 7, 6},  {4, 6, 7, 7},   {3, 7, 7, 9},   {3, 9, 4, 10},
        {5, 9, 7, 10}, {3, 10, 7, 12}, {4, 12, 7, 13},
    };
    EXPECT_EQ(merged, expected) << "rows 2-3 and 5-6 join; row 5 starts anew after the hole";
    // Equal spans that do not touch stay apart; empty rectangles vanish.
    EXPECT_EQ(MergeRowRuns({{0, 0, 4, 1}, {0, 2, 4, 3}, {1, 1, 1, 5}}),
              (std::vector<Rect>{{0, 0, 4, 1}, {0, 2, 4, 3}}));
}

} // namespace
} // namespace veyra
