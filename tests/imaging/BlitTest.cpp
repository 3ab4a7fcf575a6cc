#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/Blit.h"

namespace veyra {
namespace {

using test::Looks;
using test::MakeBitmap;

TEST(StretchDraw, RepeatsAndDropsPixelsWithoutSmoothing) {
    const Bitmap source = MakeBitmap({"ab", "cd"});
    Bitmap grown(4, 3, PixelFormat::Rgb24);
    StretchDraw(grown, grown.Bounds(), source, source.Bounds());
    EXPECT_TRUE(Looks(grown, {"aabb", "aabb", "ccdd"}));
    const Bitmap wide = MakeBitmap({"abcdefgh"});
    Bitmap shrunk(3, 1, PixelFormat::Rgb24);
    StretchDraw(shrunk, shrunk.Bounds(), wide, wide.Bounds());
    EXPECT_TRUE(Looks(shrunk, {"acf"}));
}

TEST(StretchDraw, ClipsToTheTargetAndSkipsPixelsOutsideTheSource) {
    const Bitmap source = MakeBitmap({"ab", "cd"});
    Bitmap target = MakeBitmap({"....", "...."});
    StretchDraw(target, {-1, 1, 3, 3}, source, source.Bounds()); // 4 x 2, only part visible
    EXPECT_TRUE(Looks(target, {"....", "abb."}));
    target = MakeBitmap({"....", "...."});
    StretchDraw(target, {0, 0, 4, 1}, source, {1, 0, 3, 1}); // source runs off the right
    EXPECT_TRUE(Looks(target, {"bb..", "...."}));
    StretchDraw(target, {3, 0, 1, 2}, source, source.Bounds()); // inverted
    StretchDraw(target, {0, 0, 4, 2}, source, {1, 0, 1, 2});    // empty source
    EXPECT_TRUE(Looks(target, {"bb..", "...."}));
}

TEST(DrawTransparent, CopiesTheTopLeftPartSkippingTheKey) {
    const Bitmap source = MakeBitmap({"aMbz", "McMz", "zzzz"});
    Bitmap target = MakeBitmap({".....", ".....", "....."});
    DrawTransparent(target, {1, 1, 4, 3}, source);
    EXPECT_TRUE(Looks(target, {".....", ".a.b.", "..c.."}));
    // The key is compared on red, green and blue only.
    Bitmap keyWithAlpha(1, 1);
    keyWithAlpha.At(0, 0) = 0x00FF00FF;
    DrawTransparent(target, {0, 0, 1, 1}, keyWithAlpha);
    EXPECT_TRUE(Looks(target, {".....", ".a.b.", "..c.."}));
    // Another key colour.
    DrawTransparent(target, {0, 0, 3, 1}, MakeBitmap({"x.y"}), ColourOf(test::PixelOfLetter('.')));
    EXPECT_TRUE(Looks(target, {"x.y..", ".a.b.", "..c.."}));
}

TEST(Tile, RepeatsWholePiecesPastTheRectangleUpToTheTargetEdge) {
    const Bitmap image = MakeBitmap({"zzz", "z12", "z34"});
    Bitmap target = MakeBitmap({"......", "......", "......", "......", "......"});
    Tile(target, {1, 0, 4, 3}, image, {1, 1, 3, 3});
    // Two pieces across (3 wide needs 2 of 2), two down: the last ones are
    // whole, so x 4 and y 3 get pixels too.
    EXPECT_TRUE(Looks(target, {".1212.", ".3434.", ".1212.", ".3434.", "......"}));
    Tile(target, {0, 0, 6, 5}, image, {3, 0, 3, 3}); // empty piece
    Tile(target, {4, 0, 2, 5}, image, {1, 1, 3, 3}); // inverted rectangle
    EXPECT_TRUE(Looks(target, {".1212.", ".3434.", ".1212.", ".3434.", "......"}));
}

TEST(BitmapCopy, AssignmentReusesStorageAndCopiesViewsAndItsOwnRows) {
    Bitmap target(8, 8, PixelFormat::Bgra32, PixelOf(kWhite));
    const Pixel* storage = target.Row(0);
    const Bitmap small = MakeBitmap({"ab", "cd"});
    target = small;
    EXPECT_EQ(target, small);
    EXPECT_EQ(target.Format(), PixelFormat::Rgb24);
    EXPECT_EQ(target.Row(0), storage) << "a smaller picture fits the storage already there";
    // A view over the bitmap's own pixels: the copy is taken before they are reused.
    Bitmap rows = MakeBitmap({"abc", "def", "ghi"});
    const Bitmap expected = MakeBitmap({"ef", "hi"});
    const Bitmap inner = Bitmap::View(rows.Row(1) + 1, 2, 2, rows.Stride(), PixelFormat::Rgb24);
    rows = inner;
    EXPECT_EQ(rows, expected);
    EXPECT_FALSE(rows.IsView());
    // Assigning to a view makes an owning copy; the viewed pixels stay untouched.
    Bitmap backing = MakeBitmap({"aa"});
    Bitmap view = Bitmap::View(backing.Row(0), 2, 1, 2, PixelFormat::Rgb24);
    view = small;
    EXPECT_EQ(view, small);
    EXPECT_TRUE(Looks(backing, {"aa"}));
    // No pixels wide but rows high (a frame of an image narrower than its
    // frame count): copied and assigned without touching any storage.
    const Bitmap narrow(0, 5);
    Bitmap copied(narrow);
    EXPECT_EQ(copied.Height(), 5);
    const Bitmap shorter(0, 3);
    copied = shorter;
    EXPECT_EQ(copied.Height(), 3);
    EXPECT_TRUE(copied.IsEmpty());
}

} // namespace
} // namespace veyra
