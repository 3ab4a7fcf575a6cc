#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {
namespace {

using test::Looks;
using test::MakeBitmap;
using test::PixelOfLetter;

TEST(BuildSlicedFrame, KeepsCornersAndStretchesEdgesAndMiddle) {
    const Bitmap image = MakeBitmap({"abbbc", "d123f", "d456f", "ghhhi"});
    const Bitmap result =
        BuildSlicedFrame({0, 0, 7, 4}, image, {1, 1, 1, 1}, FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_TRUE(Looks(result, {"abbbbbc", "d11223f", "d44556f", "ghhhhhi"}));
    EXPECT_EQ(result.Format(), PixelFormat::Rgb24);
}

TEST(BuildSlicedFrame, TiledMiddleIsCutByTheRightAndBottomPieces) {
    const Bitmap image = MakeBitmap({"abbc", "d12f", "d34f", "ghhi"});
    const Bitmap result =
        BuildSlicedFrame({0, 0, 7, 6}, image, {1, 1, 1, 1}, FrameLayout::Horizontal, MiddleFill::Tile, 1, 1);
    EXPECT_TRUE(Looks(result, {"abbbbbc", "d12121f", "d34343f", "d12121f", "d34343f", "ghhhhhi"}));
}

TEST(BuildSlicedFrame, SevenByFiveMiddleTiledThreeByThreeInTwentyByTwelve) {
    // A 9 x 5 frame: one-pixel left and right columns around a 7 x 5 middle of
    // distinct letters; no top or bottom margin.
    Bitmap image(9, 5, PixelFormat::Rgb24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            image.At(x, y) = PixelOfLetter(x == 0 ? '<' : x == 8 ? '>' : static_cast<char>('A' + y * 7 + x - 1));
    const Bitmap result =
        BuildSlicedFrame({0, 0, 20, 12}, image, {1, 0, 1, 0}, FrameLayout::Horizontal, MiddleFill::Tile, 1, 1);
    int copiesStarted = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            char expected = x == 0 ? '<' : x == 19 ? '>' : static_cast<char>('A' + (y % 5) * 7 + (x - 1) % 7);
            ASSERT_EQ(result.At(x, y), PixelOfLetter(expected)) << "at " << x << ", " << y;
            copiesStarted += x > 0 && x < 19 && (x - 1) % 7 == 0 && y % 5 == 0;
        }
    EXPECT_EQ(copiesStarted, 9);
}

TEST(BuildSlicedFrame, NarrowTargetDropsTheSideMarginsAndStretchesTheWholeWidth) {
    const Bitmap image = MakeBitmap({"abcde", "fghij", "klmno", "pqrst"});
    const Bitmap result =
        BuildSlicedFrame({0, 0, 3, 4}, image, {2, 1, 2, 1}, FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_TRUE(Looks(result, {"abd", "fgi", "kln", "pqs"}));
}

TEST(RenderSlicedFrame, ReusedBufferEndsUpAsANewFrameWouldBe) {
    const Bitmap image = MakeBitmap({"abcde", "fghij", "klmno", "pqrst"});
    Bitmap buffer(9, 9, PixelFormat::Rgb24, PixelOfLetter('z')); // what an earlier, larger paint left
    for (const Rect size : {Rect{0, 0, 7, 6}, Rect{0, 0, 3, 4}, Rect{0, 0, 1, 1}}) {
        buffer.SetSize(size.Width(), size.Height(), PixelOfLetter('z'));
        RenderSlicedFrame(buffer, image, {2, 1, 2, 1}, FrameLayout::Horizontal, MiddleFill::Tile, 1, 1);
        EXPECT_EQ(buffer, BuildSlicedFrame(size, image, {2, 1, 2, 1}, FrameLayout::Horizontal, MiddleFill::Tile, 1, 1))
            << size.Width() << " x " << size.Height();
    }
}

TEST(BuildSlicedFrame, TakesFrameKOfNInEitherLayout) {
    const Bitmap strip = MakeBitmap({"abcdefghi"});
    EXPECT_TRUE(Looks(BuildSlicedFrame({0, 0, 3, 1}, strip, {}, FrameLayout::Horizontal, MiddleFill::Stretch, 3, 2),
                      {"def"}));
    const Bitmap stack = MakeBitmap({"ab", "cd", "ef"});
    EXPECT_TRUE(Looks(BuildSlicedFrame({0, 0, 2, 2}, stack, {}, FrameLayout::Vertical, MiddleFill::Stretch, 3, 3),
                      {"ef", "ef"}));
    EXPECT_TRUE(BuildSlicedFrame({5, 5, 2, 2}, stack, {}, FrameLayout::Vertical, MiddleFill::Stretch, 3, 1).IsEmpty());
}

TEST(BuildSlicedFrame, MarginsWiderThanTheFrameDrawNoMirroredMiddle) {
    const Bitmap image = MakeBitmap({"abc", "def"});
    // The middle's source would be -1 wide; it is left out.
    const Bitmap result =
        BuildSlicedFrame({0, 0, 6, 2}, image, {2, 0, 2, 0}, FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_EQ(test::Describe(result)[0].substr(0, 2), "ab");
    EXPECT_EQ(test::Describe(result)[0].substr(4, 2), "bc");
}

TEST(DrawSlicedFrame, KeyColourShowsTheTargetAndNegativeRectanglesDrawNothing) {
    const Bitmap image = MakeBitmap({"aMb", "MMM", "cMd"});
    Bitmap target = MakeBitmap({".....", ".....", ".....", "....."});
    DrawSlicedFrame(target, {1, 0, 5, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch, Transparency::KeyColour,
                    1, 1, {1, 1, 1, 1});
    EXPECT_TRUE(Looks(target, {".a..b", ".....", ".....", ".c..d"}));
    DrawSlicedFrame(target, {1, 0, 5, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch, Transparency::Opaque,
                    1, 1, {1, 1, 1, 1});
    EXPECT_TRUE(Looks(target, {".aMMb", ".MMMM", ".MMMM", ".cMMd"}));
    const Bitmap before = target;
    DrawSlicedFrame(target, {4, 0, 3, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch, Transparency::Opaque,
                    1, 1, {});
    DrawSlicedFrame(target, {0, 3, 4, 1}, image, FrameLayout::Horizontal, MiddleFill::Tile, Transparency::Opaque, 1,
                    1, {});
    EXPECT_EQ(target, before);
}

TEST(DrawThreeSlice, TiledRepeatsTheMiddleAndStretchesEveryPieceVertically) {
    const Bitmap image = MakeBitmap({"zzzzza123b", "zzzzzd456e"}); // frame 2 of 2
    Bitmap target(9, 4, PixelFormat::Rgb24);
    DrawThreeSliceTiled(target, {0, 0, 9, 4}, image, FrameLayout::Horizontal, Transparency::Opaque, 2, 2, {1, 9, 1, 9});
    EXPECT_TRUE(Looks(target, {"a1231231b", "a1231231b", "d4564564e", "d4564564e"}));

    const Bitmap keyed = MakeBitmap({"aM2b"});
    Bitmap over = MakeBitmap({"......"});
    DrawThreeSliceTiled(over, {0, 0, 6, 1}, keyed, FrameLayout::Horizontal, Transparency::KeyColour, 1, 1, {1, 0, 1, 0});
    EXPECT_TRUE(Looks(over, {"a.2.2b"}));
}

TEST(DrawThreeSlice, StretchedKeepsTheSidesOrStretchesAllWhenNarrow) {
    const Bitmap image = MakeBitmap({"a123b"});
    Bitmap target = MakeBitmap({"..........", ".........."});
    DrawThreeSliceStretched(target, {1, 0, 10, 2}, image, FrameLayout::Horizontal, 1, 1, {1, 0, 1, 0});
    EXPECT_TRUE(Looks(target, {".a1112233b", ".a1112233b"}));
    Bitmap narrow = MakeBitmap({"...."});
    DrawThreeSliceStretched(narrow, {0, 0, 4, 1}, image, FrameLayout::Horizontal, 1, 1, {1, 0, 1, 0});
    EXPECT_TRUE(Looks(narrow, {"a123"}));
}

TEST(DrawFrame, StretchedAndCentred) {
    const Bitmap image = MakeBitmap({"abMd1234"}); // two frames of four
    Bitmap target = MakeBitmap({"........"});
    DrawFrameStretched(target, {0, 0, 8, 1}, image, Transparency::KeyColour, 2, 1);
    EXPECT_TRUE(Looks(target, {"aabb..dd"}));
    Bitmap centred = MakeBitmap({"......."});
    DrawFrameCentred(centred, {2, 0, 5, 1}, image, Transparency::Opaque, 2, 2); // (3 - 4) / 2 = 0
    EXPECT_TRUE(Looks(centred, {"..1234."}));
    centred = MakeBitmap({"......."});
    DrawFrameCentred(centred, {2, 0, 3, 1}, image, Transparency::KeyColour, 2, 1); // (1 - 4) / 2 = -1
    EXPECT_TRUE(Looks(centred, {".ab.d.."}));
    DrawFrameCentred(centred, {4, 0, 2, 1}, image, Transparency::Opaque, 2, 2);
    EXPECT_TRUE(Looks(centred, {".ab.d.."}));
}

} // namespace
} // namespace veyra
