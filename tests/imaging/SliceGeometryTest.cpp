#include <gtest/gtest.h>

#include "skin/imaging/SliceGeometry.h"

namespace veyra {
namespace {

TEST(FrameRect, PicksFrameKOfNInEitherLayout) {
    EXPECT_EQ(FrameRect(90, 20, 3, 2, FrameLayout::Horizontal), (Rect{30, 0, 60, 20}));
    EXPECT_EQ(FrameRect(91, 20, 3, 3, FrameLayout::Horizontal),
              (Rect{60, 0, 90, 20})); // integer division
    EXPECT_EQ(FrameRect(20, 90, 3, 2, FrameLayout::Vertical), (Rect{0, 30, 20, 60}));
    EXPECT_EQ(FrameRect(90, 20, 0, 1, FrameLayout::Horizontal),
              (Rect{0, 0, 90, 20})); // no frames: one
}

TEST(NineSlicePieces, PlacesCornersEdgesAndMiddleInDrawingOrder) {
    const auto pieces = NineSlicePieces({10, 0, 20, 8}, 30, 20, {2, 3, 4, 1});
    const auto piece = [&](NinePiece p) { return pieces[static_cast<std::size_t>(p)]; };
    EXPECT_EQ(piece(NinePiece::TopLeft).Source, (Rect{10, 0, 12, 3}));
    EXPECT_EQ(piece(NinePiece::TopLeft).Dest, (Rect{0, 0, 2, 3}));
    EXPECT_EQ(piece(NinePiece::BottomLeft).Dest, (Rect{0, 19, 2, 20}));
    EXPECT_EQ(piece(NinePiece::TopRight).Source, (Rect{16, 0, 20, 3}));
    EXPECT_EQ(piece(NinePiece::TopRight).Dest, (Rect{26, 0, 30, 3}));
    EXPECT_EQ(piece(NinePiece::Middle).Source, (Rect{12, 3, 16, 7}));
    EXPECT_EQ(piece(NinePiece::Middle).Dest, (Rect{2, 3, 26, 19}));
    EXPECT_EQ(piece(NinePiece::Right).Dest, (Rect{26, 3, 30, 19}));
    EXPECT_EQ(piece(NinePiece::Bottom).Source, (Rect{12, 7, 16, 8}));
    EXPECT_EQ(piece(NinePiece::Bottom).Dest, (Rect{2, 19, 26, 20}));
    for (const SlicePiece& p : pieces)
        EXPECT_TRUE(p.Drawn);
}

TEST(NineSlicePieces, DropsMarginsThatDoNotFitAndSkipsEmptyCorners) {
    // 5 < 3 + 3: no left and right margins; the height keeps its margins.
    const auto narrow = NineSlicePieces({0, 0, 10, 10}, 5, 10, {3, 2, 3, 2});
    EXPECT_EQ(EffectiveMargins(5, 10, {3, 2, 3, 2}), (Margins{0, 2, 0, 2}));
    EXPECT_FALSE(narrow[static_cast<std::size_t>(NinePiece::TopLeft)].Drawn);
    EXPECT_FALSE(narrow[static_cast<std::size_t>(NinePiece::Left)].Drawn);
    EXPECT_TRUE(narrow[static_cast<std::size_t>(NinePiece::Top)].Drawn);
    EXPECT_EQ(narrow[static_cast<std::size_t>(NinePiece::Top)].Source, (Rect{0, 0, 10, 2}));
    EXPECT_EQ(narrow[static_cast<std::size_t>(NinePiece::Middle)].Dest, (Rect{0, 2, 5, 8}));
    // Exactly the margins' width still keeps them.
    EXPECT_EQ(EffectiveMargins(6, 4, {3, 2, 3, 2}), (Margins{3, 2, 3, 2}));
    EXPECT_EQ(EffectiveMargins(6, 3, {3, 2, 3, 2}), (Margins{3, 0, 3, 0}));
    // A top margin alone draws the top edge but no corners.
    const auto topOnly = NineSlicePieces({0, 0, 10, 10}, 20, 20, {0, 3, 0, 0});
    EXPECT_FALSE(topOnly[static_cast<std::size_t>(NinePiece::TopLeft)].Drawn);
    EXPECT_TRUE(topOnly[static_cast<std::size_t>(NinePiece::Top)].Drawn);
    EXPECT_FALSE(topOnly[static_cast<std::size_t>(NinePiece::Bottom)].Drawn);
}

TEST(ThreeSlicePieces, TiledMiddleRepeatsUntilTheRightMargin) {
    const ThreeSliceTiled t = ThreeSliceTiledPieces({5, 0, 10, 2}, 9, 4, {1, 0, 1, 0});
    EXPECT_EQ(t.Left.Dest, (Rect{0, 0, 1, 4}));
    EXPECT_EQ(t.Middle.Source, (Rect{6, 0, 9, 2}));
    EXPECT_EQ(t.MiddleStep, 3);
    EXPECT_EQ(t.MiddleRepeats, 3); // at x = 1, 4, 7: each starts before 9 - 1
    EXPECT_EQ(t.Right.Dest, (Rect{8, 0, 9, 4}));
    // No middle column in the frame: nothing repeated.
    EXPECT_FALSE(ThreeSliceTiledPieces({0, 0, 4, 2}, 9, 4, {2, 0, 2, 0}).Middle.Drawn);
}

TEST(ThreeSlicePieces, StretchedMiddleOrWholeFrameWhenNarrow) {
    const auto wide = ThreeSliceStretchedPieces({0, 0, 5, 2}, 9, 3, {1, 0, 1, 0});
    EXPECT_EQ(wide[1].Source, (Rect{1, 0, 4, 2}));
    EXPECT_EQ(wide[1].Dest, (Rect{1, 0, 8, 3}));
    EXPECT_EQ(wide[2].Dest, (Rect{8, 0, 9, 3}));
    const auto narrow = ThreeSliceStretchedPieces({0, 0, 5, 2}, 4, 3, {1, 0, 1, 0});
    EXPECT_EQ(narrow[0].Source, (Rect{0, 0, 5, 2}));
    EXPECT_EQ(narrow[0].Dest, (Rect{0, 0, 4, 3}));
    EXPECT_FALSE(narrow[1].Drawn);
    EXPECT_FALSE(narrow[2].Drawn);
}

TEST(CentredRect, HalvesTruncateTowardZero) {
    EXPECT_EQ(CentredRect({10, 0, 25, 16}, 16, 16).Left, 10); // (15 - 16) / 2 = 0: overhangs right
    EXPECT_EQ(CentredRect({10, 0, 23, 16}, 16, 16).Left, 9);  // (13 - 16) / 2 = -1
    EXPECT_EQ(CentredRect({0, 4, 20, 14}, 6, 5), (Rect{7, 6, 13, 11}));
}

// Every pixel of the rectangle is in exactly one part, unless the hole takes
// it; holes inside, across each edge, beside, covering and empty.
TEST(SubtractRect, PartsCoverExactlyWhatTheHoleLeaves) {
    const Rect from{2, 3, 12, 10};
    const Rect holes[] = {{4, 5, 8, 7},   {0, 0, 5, 20},    {10, 4, 30, 6}, {3, -5, 6, 4},
                          {5, 9, 7, 15},  {20, 20, 25, 25}, {0, 0, 40, 40}, {6, 6, 6, 9},
                          {2, 3, 12, 10}, {12, 3, 15, 10}};
    for (const Rect& hole : holes) {
        SCOPED_TRACE(testing::Message() << "hole " << hole.Left << ", " << hole.Top << " to "
                                        << hole.Right << ", " << hole.Bottom);
        const RectsOutside outside = SubtractRect(from, hole);
        ASSERT_LE(outside.Count, 4);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 16; ++x) {
                int holding = 0;
                for (int i = 0; i < outside.Count; ++i)
                    holding += outside.Parts[i].Contains(x, y);
                const bool wanted = from.Contains(x, y) && !hole.Contains(x, y);
                ASSERT_EQ(holding, wanted ? 1 : 0) << "at " << x << ", " << y;
            }
    }
    EXPECT_EQ(SubtractRect({5, 5, 5, 9}, {0, 0, 1, 1}).Count, 0) << "an empty rectangle";
}

} // namespace
} // namespace veyra
