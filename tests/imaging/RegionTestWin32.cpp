// Rectangle lists turned into GDI regions, run under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "BitmapTesting.h"
#include "skin/imaging/BitmapRegion.h"
#include "skin/imaging/RegionWin32.h"

namespace veyra {
namespace {

// The union built the slow way: one CombineRgn per rectangle.
RegionHandle UnionOneByOne(const std::vector<Rect>& rects) {
    RegionHandle all(CreateRectRgn(0, 0, 0, 0));
    for (const Rect& r : rects) {
        RegionHandle one(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
        CombineRgn(all.Get(), all.Get(), one.Get(), RGN_OR);
    }
    return all;
}

TEST(RegionFromRects, MoreThanOneBlockGivesTheUnionOfAll) {
    // Over 5000 scattered, touching and overlapping rectangles: three blocks.
    std::vector<Rect> rects;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            if ((x * 7 + y * 3) % 5 != 0)
                rects.push_back({x * 3, y * 2, x * 3 + 2 + (x + y) % 3, y * 2 + 1 + x % 2});
    rects.push_back({500, 500, 600, 510});
    ASSERT_GT(rects.size(), 2000u * 2);
    const RegionHandle region = RegionFromRects(rects);
    ASSERT_TRUE(region);
    const RegionHandle expected = UnionOneByOne(rects);
    EXPECT_TRUE(EqualRgn(region.Get(), expected.Get()));
    EXPECT_TRUE(PtInRegion(region.Get(), 599, 509));
    EXPECT_FALSE(PtInRegion(region.Get(), 600, 509));
}

TEST(RegionFromRects, NothingGivesNoRegionAndEmptyRectanglesAreIgnored) {
    EXPECT_FALSE(RegionFromRects({}));
    const std::vector<Rect> empties = {{5, 5, 5, 9}, {3, 3, 1, 1}};
    EXPECT_FALSE(RegionFromRects(empties));
}

TEST(RegionFromRects, ShapeOfABitmapWithHoles) {
    const Bitmap b = test::MakeBitmap({"MaaM", "aMMa", "aaaa"});
    const RegionHandle region = RegionFromRects(RegionOfBitmap(b, 10, 20, {}));
    ASSERT_TRUE(region);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PtInRegion(region.Get(), x + 10, y + 20) != 0,
                      b.At(x, y) != PixelOf(kKeyColour))
                << x << ", " << y;
    EXPECT_FALSE(RegionFromRects(RegionOfBitmap(test::MakeBitmap({"MM", "MM"}), 0, 0, {})));
}

} // namespace
} // namespace veyra
