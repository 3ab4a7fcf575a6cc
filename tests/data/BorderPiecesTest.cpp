#include <gtest/gtest.h>

#include "skin/data/BorderPieces.h"

namespace veyra {
namespace {

// A top border of two stacked 10 x 4 frames: frame 1 red, frame 2 blue, each
// with a green middle column so tiling and stretching differ.
TDataSkinBorder TopBorder() {
    TDataSkinBorder top("Top");
    top.Image = Bitmap(10, 8, PixelFormat::Rgb24, PixelOf(Rgb(255, 0, 0)));
    top.Image.FillRect({0, 4, 10, 8}, PixelOf(Rgb(0, 0, 255)));
    top.Image.FillRect({4, 0, 5, 8}, PixelOf(Rgb(0, 255, 0)));
    top.Frame = 2;
    top.SetMargins({2, 0, 2, 0});
    return top;
}

TEST(BorderPieces, ActiveAndInactiveFramesAreStacked) {
    const TDataSkinBorder top = TopBorder();
    EXPECT_EQ(ColourOf(BuildBorderPiece(top, TBorderPiece::Top, 30, 4, true).At(0, 0)),
              Rgb(255, 0, 0));
    EXPECT_EQ(ColourOf(BuildBorderPiece(top, TBorderPiece::Top, 30, 4, false).At(0, 0)),
              Rgb(0, 0, 255));
    TDataSkinBorder single = top;
    single.Frame = 1;
    EXPECT_EQ(ColourOf(BuildBorderPiece(single, TBorderPiece::Top, 30, 8, false).At(0, 0)),
              Rgb(255, 0, 0))
        << "a one-frame border looks the same inactive";
}

TEST(BorderPieces, StretchFlagChoosesBetweenStretchingAndTiling) {
    TDataSkinBorder top = TopBorder();
    const auto greenColumns = [](const Bitmap& piece) {
        int count = 0;
        for (int x = 0; x < piece.Width(); ++x)
            count += ColourOf(piece.At(x, 1)) == Rgb(0, 255, 0);
        return count;
    };
    top.Tile = 1; // stretched: the one green column of the 6-pixel middle widens
    const Bitmap stretched = BuildBorderPiece(top, TBorderPiece::Top, 64, 4, true);
    top.Tile = 0; // tiled: the middle repeats, one green column per 6 pixels
    const Bitmap tiled = BuildBorderPiece(top, TBorderPiece::Top, 64, 4, true);
    EXPECT_EQ(greenColumns(stretched), 10);
    EXPECT_EQ(greenColumns(tiled), 10);
    EXPECT_NE(stretched, tiled);
    EXPECT_EQ(ColourOf(tiled.At(2 + 2, 1)), Rgb(0, 255, 0));
    EXPECT_EQ(ColourOf(tiled.At(2 + 6 + 2, 1)), Rgb(0, 255, 0));
    EXPECT_TRUE(BuildBorderPiece(top, TBorderPiece::Top, -1, 4, true).IsEmpty());
}

} // namespace
} // namespace veyra
