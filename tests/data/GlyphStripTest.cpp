#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/GlyphStrip.h"

namespace veyra {
namespace {

using K = TGlyphStripKind;

// Frame f of the test image is one colour of its own; the key colour
// stands for a cell no frame reached.
Colour FrameColour(int frame) {
    return frame == 0 ? kKeyColour : Rgb(20 * frame, 100, 200);
}

Bitmap Frames(int count, int w, int h) {
    Bitmap image(count * w, h);
    for (int f = 1; f <= count; ++f)
        image.FillRect({(f - 1) * w, 0, f * w, h}, PixelOf(FrameColour(f)));
    return image;
}

// Each cell of each strip shows the frame its table gives it; the frame-5
// cells only from a five-frame image; a frame the image lacks is not read.
TEST(GlyphStrip, CellsTakeTheirFrames) {
    const struct {
        K Kind;
        int Frames;
        std::vector<int> CellFrames; // 0: left the key colour
    } cases[] = {
        {K::CheckNine, 4, {1, 2, 0, 1, 2, 0, 3, 4, 0}},
        {K::CheckNine, 5, {1, 2, 5, 1, 2, 5, 3, 4, 5}},
        {K::Radio, 4, {1, 2, 1, 2, 3, 4}},
        {K::Radio, 5, {1, 2, 1, 2, 3, 4}},
        {K::CheckSix, 4, {1, 2, 0, 1, 2, 0}},
        {K::CheckSix, 5, {1, 2, 5, 1, 2, 5}},
        {K::CheckSix, 12, {1, 2, 0, 1, 2, 0}},
        {K::Radio, 2, {1, 2, 1, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        const Bitmap strip = BuildGlyphStrip(Frames(c.Frames, 13, 11), c.Frames, c.Kind);
        const std::string what =
            std::to_string(static_cast<int>(c.Kind)) + " from " + std::to_string(c.Frames);
        ASSERT_EQ(strip.Width(), 13 * static_cast<int>(c.CellFrames.size())) << what;
        ASSERT_EQ(strip.Height(), 11) << what;
        for (std::size_t cell = 0; cell < c.CellFrames.size(); ++cell)
            for (const int x : {0, 12})
                EXPECT_EQ(strip.At(static_cast<int>(cell) * 13 + x, 5) & kPixelRgbMask,
                          PixelOf(FrameColour(c.CellFrames[cell])) & kPixelRgbMask)
                    << what << " cell " << cell << " x " << x;
    }
}

TEST(GlyphStrip, NothingFromNothing) {
    EXPECT_TRUE(BuildGlyphStrip(Bitmap(), 4, K::CheckNine).IsEmpty());
    EXPECT_TRUE(BuildGlyphStrip(Frames(4, 13, 11), 0, K::CheckNine).IsEmpty());
    EXPECT_TRUE(BuildGlyphStrip(Frames(4, 13, 11), -2, K::Radio).IsEmpty());
    EXPECT_TRUE(BuildGlyphStrip(Frames(1, 3, 11), 5, K::Radio).IsEmpty()) << "under a pixel";
    EXPECT_TRUE(BuildGlyphStrip(Frames(4, 13, 11), 4, static_cast<K>(9)).IsEmpty());
}

} // namespace
} // namespace veyra
