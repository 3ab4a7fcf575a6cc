#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/PixelOps.h"

namespace veyra {
namespace {

using test::Looks;
using test::MakeBitmap;

TEST(PixelOps, MirrorFlipAndRotations) {
    Bitmap b = MakeBitmap({"abc", "def"}, PixelFormat::Bgra32);
    Mirror(b);
    EXPECT_TRUE(Looks(b, {"cba", "fed"}));
    Flip(b);
    EXPECT_TRUE(Looks(b, {"fed", "cba"}));
    EXPECT_EQ(b.Format(), PixelFormat::Bgra32);

    Bitmap left = MakeBitmap({"abc", "def"}, PixelFormat::Bgra32);
    RotateLeft(left); // anticlockwise: the right column becomes the top row
    EXPECT_TRUE(Looks(left, {"cf", "be", "ad"}));
    EXPECT_EQ(left.Format(), PixelFormat::Rgb24);
    Bitmap right = MakeBitmap({"abc", "def"});
    RotateRight(right);
    EXPECT_TRUE(Looks(right, {"da", "eb", "fc"}));
    RotateLeft(right);
    EXPECT_TRUE(Looks(right, {"abc", "def"}));
}

TEST(PixelOps, FlipOfAnOddHeightKeepsTheMiddleRow) {
    Bitmap b = MakeBitmap({"a", "b", "c"});
    Flip(b);
    EXPECT_TRUE(Looks(b, {"c", "b", "a"}));
}

TEST(PixelOps, GreyAveragesTheChannelsAndMakesTheBitmap24Bit) {
    Bitmap b(3, 1, PixelFormat::Bgra32);
    b.At(0, 0) = PixelOf(Rgb(255, 0, 0));
    b.At(1, 0) = PixelOf(Rgb(10, 20, 32)); // 62 / 3 = 20, truncated
    b.At(2, 0) = 0x00FFFFFF;               // no alpha before
    Grey(b);
    EXPECT_EQ(b.At(0, 0), PixelOf(Rgb(85, 85, 85)));
    EXPECT_EQ(b.At(1, 0), PixelOf(Rgb(20, 20, 20)));
    EXPECT_EQ(b.At(2, 0), PixelOf(kWhite));
    EXPECT_EQ(b.Format(), PixelFormat::Rgb24);
}

TEST(PixelOps, ReplaceKeyColourChangesExactMagentaOnly) {
    Bitmap b(3, 1, PixelFormat::Bgra32);
    b.At(0, 0) = PixelOf(kKeyColour);
    b.At(1, 0) = PixelOf(Rgb(254, 0, 255));
    b.At(2, 0) = 0x00FF00FF; // magenta with no alpha is still the key
    ReplaceKeyColour(b, Rgb(1, 2, 3));
    EXPECT_EQ(b.At(0, 0), PixelOf(Rgb(1, 2, 3)));
    EXPECT_EQ(b.At(1, 0), PixelOf(Rgb(254, 0, 255)));
    EXPECT_EQ(b.At(2, 0), PixelOf(Rgb(1, 2, 3)));
    EXPECT_EQ(b.Format(), PixelFormat::Rgb24);
    ReplaceKeyColour(b, kSystemColourFlag | 5); // the window colour: white in the default table
    EXPECT_EQ(b.At(0, 0), PixelOf(Rgb(1, 2, 3)));
}

TEST(PixelOps, ViewsCannotBeRotated) {
    Pixel pixels[6] = {};
    Bitmap view = Bitmap::View(pixels, 3, 2, 3);
    Mirror(view); // in place is fine
    EXPECT_THROW(RotateLeft(view), std::logic_error);
}

} // namespace
} // namespace veyra
