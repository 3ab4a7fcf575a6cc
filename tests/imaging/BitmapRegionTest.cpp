#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/BitmapRegion.h"

namespace veyra {
namespace {

using test::MakeBitmap;

TEST(RegionOfBitmap, OneRectanglePerRunOfOpaquePixels) {
    const Bitmap b = MakeBitmap({"MaaMM", "aMaMa", "aaaaa", "MMMMM"});
    const std::vector<Rect> expected = {
        {11, 20, 13, 21},                                      // row 0: one run
        {10, 21, 11, 22}, {12, 21, 13, 22}, {14, 21, 15, 22},  // row 1: three, around two holes
        {10, 22, 15, 23},                                      // row 2: the whole row
    };                                                          // row 3: nothing
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
    EXPECT_EQ(RegionOfBitmap(white, 0, 0, {100, 100, 100}, kWhite), (std::vector<Rect>{{1, 0, 2, 1}}));
}

} // namespace
} // namespace veyra
