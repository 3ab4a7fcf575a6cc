#include <gtest/gtest.h>

#include <limits>

#include "BitmapTesting.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {
namespace {

using test::Looks;
using test::MakeBitmap;
using test::PixelOfLetter;

TEST(BuildSlicedFrame, KeepsCornersAndStretchesEdgesAndMiddle) {
    const Bitmap image = MakeBitmap({"abbbc", "d123f", "d456f", "ghhhi"});
    const Bitmap result = BuildSlicedFrame({0, 0, 7, 4}, image, {1, 1, 1, 1},
                                           FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_TRUE(Looks(result, {"abbbbbc", "d11223f", "d44556f", "ghhhhhi"}));
    EXPECT_EQ(result.Format(), PixelFormat::Rgb24);
}

TEST(BuildSlicedFrame, TiledMiddleIsCutByTheRightAndBottomPieces) {
    const Bitmap image = MakeBitmap({"abbc", "d12f", "d34f", "ghhi"});
    const Bitmap result = BuildSlicedFrame({0, 0, 7, 6}, image, {1, 1, 1, 1},
                                           FrameLayout::Horizontal, MiddleFill::Tile, 1, 1);
    EXPECT_TRUE(Looks(result, {"abbbbbc", "d12121f", "d34343f", "d12121f", "d34343f", "ghhhhhi"}));
}

TEST(BuildSlicedFrame, SevenByFiveMiddleTiledThreeByThreeInTwentyByTwelve) {
    // A 9 x 5 frame: one-pixel left and right columns around a 7 x 5 middle of
    // distinct letters; no top or bottom margin.
    Bitmap image(9, 5, PixelFormat::Rgb24);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            image.At(x, y) = PixelOfLetter(x == 0   ? '<'
                                           : x == 8 ? '>'
                                                    : static_cast<char>('A' + y * 7 + x - 1));
    const Bitmap result = BuildSlicedFrame({0, 0, 20, 12}, image, {1, 0, 1, 0},
                                           FrameLayout::Horizontal, MiddleFill::Tile, 1, 1);
    int copiesStarted = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            char expected = x == 0    ? '<'
                            : x == 19 ? '>'
                                      : static_cast<char>('A' + (y % 5) * 7 + (x - 1) % 7);
            ASSERT_EQ(result.At(x, y), PixelOfLetter(expected)) << "at " << x << ", " << y;
            copiesStarted += x > 0 && x < 19 && (x - 1) % 7 == 0 && y % 5 == 0;
        }
    EXPECT_EQ(copiesStarted, 9);
}

TEST(BuildSlicedFrame, NarrowTargetDropsTheSideMarginsAndStretchesTheWholeWidth) {
    const Bitmap image = MakeBitmap({"abcde", "fghij", "klmno", "pqrst"});
    const Bitmap result = BuildSlicedFrame({0, 0, 3, 4}, image, {2, 1, 2, 1},
                                           FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_TRUE(Looks(result, {"abd", "fgi", "kln", "pqs"}));
}

TEST(RenderSlicedFrame, ReusedBufferEndsUpAsANewFrameWouldBe) {
    const Bitmap image = MakeBitmap({"abcde", "fghij", "klmno", "pqrst"});
    Bitmap buffer(9, 9, PixelFormat::Rgb24,
                  PixelOfLetter('z')); // what an earlier, larger paint left
    for (const Rect size : {Rect{0, 0, 7, 6}, Rect{0, 0, 3, 4}, Rect{0, 0, 1, 1}}) {
        buffer.SetSize(size.Width(), size.Height(), PixelOfLetter('z'));
        RenderSlicedFrame(buffer, image, {2, 1, 2, 1}, FrameLayout::Horizontal, MiddleFill::Tile, 1,
                          1);
        EXPECT_EQ(buffer, BuildSlicedFrame(size, image, {2, 1, 2, 1}, FrameLayout::Horizontal,
                                           MiddleFill::Tile, 1, 1))
            << size.Width() << " x " << size.Height();
    }
}

// A part of a frame must be the same pixels as that place in the whole, for
// stretched and tiled middles, frames small enough to drop their margins,
// and parts on every side, in the middle and reaching the corners.
TEST(RenderSlicedFramePart, EveryPartIsTheWholeFrameCutThere) {
    // 11 x 7 with one distinct letter per pixel, so any misplaced sample shows.
    Bitmap image(11, 7, PixelFormat::Rgb24);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.At(x, y) = PixelOfLetter(static_cast<char>('!' + y * 11 + x));
    struct Frame {
        int Width, Height;
        Margins Kept;
    };
    const Frame frames[] = {{40, 23, {3, 2, 4, 2}},
                            {9, 5, {3, 2, 4, 2}},
                            {5, 3, {3, 2, 4, 2}},
                            {27, 30, {0, 0, 0, 0}},
                            {1, 1, {1, 1, 1, 1}}};
    for (const Frame& f : frames)
        for (const MiddleFill fill : {MiddleFill::Stretch, MiddleFill::Tile}) {
            const Bitmap whole = BuildSlicedFrame({0, 0, f.Width, f.Height}, image, f.Kept,
                                                  FrameLayout::Horizontal, fill, 1, 1);
            const Rect parts[] = {{0, 0, f.Width, 2},
                                  {0, f.Height - 1, f.Width, f.Height},
                                  {0, 0, 1, f.Height},
                                  {f.Width - 3, 1, f.Width, f.Height},
                                  {f.Width / 3, f.Height / 3, f.Width / 3 + 5, f.Height / 3 + 4},
                                  {0, 0, f.Width, f.Height}};
            for (const Rect& wanted : parts) {
                const Rect part = Intersect(wanted, whole.Bounds());
                if (part.IsEmpty())
                    continue;
                SCOPED_TRACE(testing::Message()
                             << f.Width << " x " << f.Height << ", part at " << part.Left << ", "
                             << part.Top << " of " << part.Width() << " x " << part.Height()
                             << (fill == MiddleFill::Tile ? ", tiled" : ", stretched"));
                Bitmap rendered(part.Width(), part.Height(), PixelFormat::Rgb24,
                                PixelOfLetter('~')); // what the buffer held before
                RenderSlicedFramePart(rendered, f.Width, f.Height, part.Left, part.Top, image,
                                      f.Kept, FrameLayout::Horizontal, fill, 1, 1);
                Bitmap cut(part.Width(), part.Height(), PixelFormat::Rgb24);
                DrawBitmap(cut, -part.Left, -part.Top, whole);
                EXPECT_TRUE(test::SamePixels(rendered, cut));
            }
        }
}

TEST(BuildSlicedFrame, TakesFrameKOfNInEitherLayout) {
    const Bitmap strip = MakeBitmap({"abcdefghi"});
    EXPECT_TRUE(Looks(BuildSlicedFrame({0, 0, 3, 1}, strip, {}, FrameLayout::Horizontal,
                                       MiddleFill::Stretch, 3, 2),
                      {"def"}));
    const Bitmap stack = MakeBitmap({"ab", "cd", "ef"});
    EXPECT_TRUE(Looks(
        BuildSlicedFrame({0, 0, 2, 2}, stack, {}, FrameLayout::Vertical, MiddleFill::Stretch, 3, 3),
        {"ef", "ef"}));
    EXPECT_TRUE(
        BuildSlicedFrame({5, 5, 2, 2}, stack, {}, FrameLayout::Vertical, MiddleFill::Stretch, 3, 1)
            .IsEmpty());
}

TEST(BuildSlicedFrame, MarginsWiderThanTheFrameDrawNoMirroredMiddle) {
    const Bitmap image = MakeBitmap({"abc", "def"});
    // The middle's source would be -1 wide; it is left out.
    const Bitmap result = BuildSlicedFrame({0, 0, 6, 2}, image, {2, 0, 2, 0},
                                           FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
    EXPECT_EQ(test::Describe(result)[0].substr(0, 2), "ab");
    EXPECT_EQ(test::Describe(result)[0].substr(4, 2), "bc");
}

TEST(DrawSlicedFrame, KeyColourShowsTheTargetAndNegativeRectanglesDrawNothing) {
    const Bitmap image = MakeBitmap({"aMb", "MMM", "cMd"});
    Bitmap target = MakeBitmap({".....", ".....", ".....", "....."});
    DrawSlicedFrame(target, {1, 0, 5, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch,
                    Transparency::KeyColour, 1, 1, {1, 1, 1, 1});
    EXPECT_TRUE(Looks(target, {".a..b", ".....", ".....", ".c..d"}));
    DrawSlicedFrame(target, {1, 0, 5, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch,
                    Transparency::Opaque, 1, 1, {1, 1, 1, 1});
    EXPECT_TRUE(Looks(target, {".aMMb", ".MMMM", ".MMMM", ".cMMd"}));
    const Bitmap before = target;
    DrawSlicedFrame(target, {4, 0, 3, 4}, image, FrameLayout::Horizontal, MiddleFill::Stretch,
                    Transparency::Opaque, 1, 1, {});
    DrawSlicedFrame(target, {0, 3, 4, 1}, image, FrameLayout::Horizontal, MiddleFill::Tile,
                    Transparency::Opaque, 1, 1, {});
    EXPECT_EQ(target, before);
}

TEST(DrawThreeSlice, TiledRepeatsTheMiddleAndStretchesEveryPieceVertically) {
    const Bitmap image = MakeBitmap({"zzzzza123b", "zzzzzd456e"}); // frame 2 of 2
    Bitmap target(9, 4, PixelFormat::Rgb24);
    DrawThreeSliceTiled(target, {0, 0, 9, 4}, image, FrameLayout::Horizontal, Transparency::Opaque,
                        2, 2, {1, 9, 1, 9});
    EXPECT_TRUE(Looks(target, {"a1231231b", "a1231231b", "d4564564e", "d4564564e"}));

    const Bitmap keyed = MakeBitmap({"aM2b"});
    Bitmap over = MakeBitmap({"......"});
    DrawThreeSliceTiled(over, {0, 0, 6, 1}, keyed, FrameLayout::Horizontal, Transparency::KeyColour,
                        1, 1, {1, 0, 1, 0});
    EXPECT_TRUE(Looks(over, {"a.2.2b"}));
}

TEST(DrawThreeSlice, StretchedKeepsTheSidesOrStretchesAllWhenNarrow) {
    const Bitmap image = MakeBitmap({"a123b"});
    Bitmap target = MakeBitmap({"..........", ".........."});
    DrawThreeSliceStretched(target, {1, 0, 10, 2}, image, FrameLayout::Horizontal, 1, 1,
                            {1, 0, 1, 0});
    EXPECT_TRUE(Looks(target, {".a1112233b", ".a1112233b"}));
    Bitmap narrow = MakeBitmap({"...."});
    DrawThreeSliceStretched(narrow, {0, 0, 4, 1}, image, FrameLayout::Horizontal, 1, 1,
                            {1, 0, 1, 0});
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
    DrawFrameCentred(centred, {2, 0, 3, 1}, image, Transparency::KeyColour, 2,
                     1); // (1 - 4) / 2 = -1
    EXPECT_TRUE(Looks(centred, {".ab.d.."}));
    DrawFrameCentred(centred, {4, 0, 2, 1}, image, Transparency::Opaque, 2, 2);
    EXPECT_TRUE(Looks(centred, {".ab.d.."}));
}

// Margins come from the skin file and may be any int. Each hostile set must
// draw exactly what its sane equivalent draws, no piece may read outside the
// frame or land outside the destination, and nothing may overflow (the
// sanitizer build stops on signed overflow).
TEST(SlicedDrawing, HostileMarginsDrawAsTheirSaneEquivalent) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    struct Case {
        Margins Hostile;
        Margins Sane;
        int Width, Height;
    };
    const Case cases[] = {
        {{kMax, kMax, kMax, kMax}, {}, 7, 6},
        {{kMin, kMin, kMin, kMin}, {}, 7, 6},
        {{kMax, 1, kMax, 1}, {0, 1, 0, 1}, 7, 6}, // the two widths' sum wraps to -2 in int
        {{1, kMin, 1, kMin + 1}, {1, 0, 1, 0}, 7, 6},
        {{2, 1, kMin + 1, 1},
         {2, 1, 0, 1},
         7,
         6}, // a sum that is negative but one margin that is not
        {{-1, -7, 2, 1}, {0, 0, 2, 1}, 7, 6},
        {{9, 6, 0, 0}, {5, 4, 0, 0}, 30, 12}, // fits the destination, cut to the 5 x 4 frame
        {{kMax, 0, 0, 0}, {}, 1, 1},
        {{0, kMax, 0, kMax}, {}, 1, 1},
    };
    const Bitmap image = MakeBitmap({"abcde", "fghij", "klmno", "pqrst"});
    for (const Case& c : cases) {
        const Rect size{0, 0, c.Width, c.Height};
        SCOPED_TRACE(testing::Message() << "margins " << c.Hostile.Left << ", " << c.Hostile.Top
                                        << ", " << c.Hostile.Right << ", " << c.Hostile.Bottom
                                        << " in " << c.Width << " x " << c.Height);
        for (const SlicePiece& piece :
             NineSlicePieces(image.Bounds(), c.Width, c.Height, c.Hostile)) {
            if (!piece.Drawn)
                continue;
            EXPECT_EQ(Intersect(piece.Source, image.Bounds()), piece.Source);
            EXPECT_EQ(Intersect(piece.Dest, size), piece.Dest);
        }
        for (const MiddleFill fill : {MiddleFill::Stretch, MiddleFill::Tile})
            EXPECT_TRUE(test::SamePixels(
                BuildSlicedFrame(size, image, c.Hostile, FrameLayout::Horizontal, fill, 1, 1),
                BuildSlicedFrame(size, image, c.Sane, FrameLayout::Horizontal, fill, 1, 1)));
        // The three-slice drawings keep margins that do not fit; they only must
        // not read outside the frame.
        const ThreeSliceTiled tiled =
            ThreeSliceTiledPieces(image.Bounds(), c.Width, c.Height, c.Hostile);
        for (const SlicePiece* piece : {&tiled.Left, &tiled.Middle, &tiled.Right}) {
            if (piece->Drawn) {
                EXPECT_EQ(Intersect(piece->Source, image.Bounds()), piece->Source);
            }
        }
        for (const SlicePiece& piece :
             ThreeSliceStretchedPieces(image.Bounds(), c.Width, c.Height, c.Hostile)) {
            if (piece.Drawn) {
                EXPECT_EQ(Intersect(piece.Source, image.Bounds()), piece.Source);
            }
        }
        Bitmap target(c.Width, c.Height, PixelFormat::Rgb24);
        DrawThreeSliceTiled(target, size, image, FrameLayout::Horizontal, Transparency::Opaque, 1,
                            1, c.Hostile);
        DrawThreeSliceStretched(target, size, image, FrameLayout::Horizontal, 1, 1, c.Hostile);
    }
    // A frame index no image has draws an empty frame rather than wrapping.
    for (const int k : {kMax, kMin})
        EXPECT_TRUE(
            test::SamePixels(BuildSlicedFrame({0, 0, 3, 2}, image, {1, 1, 1, 1},
                                              FrameLayout::Horizontal, MiddleFill::Tile, 2, k),
                             Bitmap(3, 2, PixelFormat::Rgb24)));
}

} // namespace
} // namespace veyra
