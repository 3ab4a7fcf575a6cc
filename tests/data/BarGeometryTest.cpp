#include <gtest/gtest.h>

#include <climits>

#include "skin/data/BarGeometry.h"

namespace veyra {
namespace {

TEST(BarGeometry, FillIsThePositionsShareOfTheRangeClampedToTheBar) {
    const Rect bar{0, 0, 200, 16};
    const struct {
        int Position, Min, Max, Right;
    } cases[] = {
        {50, 0, 100, 100},
        {0, 0, 100, 0},
        {100, 0, 100, 200},
        {150, 100, 200, 100}, // the lower limit counts
        {-5, 0, 100, 0},
        {500, 0, 100, 200}, // clamped both ways
        {5, 0, 0, 0},
        {5, 10, 3, 0},                    // no range: nothing filled
        {INT_MAX, INT_MIN, INT_MAX, 200}, // no overflow
        {0, INT_MIN, INT_MAX, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressFill(bar, c.Position, c.Min, c.Max), (Rect{0, 0, c.Right, 16}))
            << c.Position << " in " << c.Min << ".." << c.Max;
}

TEST(BarGeometry, ChunkStripsStayInsideTheBar) {
    const Rect bar{0, 0, 200, 16};
    // Tiled: 8 x 10 chunks, LeftWidth 1, half filled.
    EXPECT_EQ(TiledChunkStrip(bar, {0, 0, 100, 16}, 8, 10, 1), (TChunkStrip{{3, 3, 103, 13}, 13}));
    // Full: cut at the bar's end.
    EXPECT_EQ(TiledChunkStrip(bar, bar, 8, 10, 1), (TChunkStrip{{3, 3, 200, 13}, 26}));
    EXPECT_EQ(TiledChunkStrip(bar, {0, 0, 0, 16}, 8, 10, 1), TChunkStrip{});
    EXPECT_EQ(TiledChunkStrip(bar, bar, 0, 10, 1), TChunkStrip{});
    // Sliced: moved 2 in, kept 2 inside.
    EXPECT_EQ(SlicedChunkStrip(bar, {0, 0, 100, 16}), (TChunkStrip{{2, 2, 102, 14}, 0}));
    EXPECT_EQ(SlicedChunkStrip(bar, bar), (TChunkStrip{{2, 2, 198, 14}, 0}));
    EXPECT_EQ(SlicedChunkStrip(bar, {0, 0, 0, 16}), TChunkStrip{});
}

TEST(BarGeometry, ChannelSlicesKeepTheEndsAndStretchTheMiddle) {
    // A 20 x 4 image with 3-pixel ends in a 100 x 10 channel at (10, 20).
    const auto horizontal =
        TrackChannelSlices({10, 20, 110, 30}, 20, 4, {3, 0, 3, 0}, TTrackAxis::Horizontal);
    const std::vector<TSliceCopy> expectedH = {
        {{10, 23, 13, 27}, {0, 0, 3, 4}},
        {{13, 23, 107, 27}, {3, 0, 17, 4}},
        {{107, 23, 110, 27}, {17, 0, 20, 4}},
    };
    EXPECT_EQ(horizontal, expectedH);
    // A 4 x 16 image with 2 and 5 rows kept, wider than the channel: not centred.
    const auto vertical =
        TrackChannelSlices({5, 10, 8, 90}, 4, 16, {0, 2, 0, 5}, TTrackAxis::Vertical);
    const std::vector<TSliceCopy> expectedV = {
        {{5, 10, 9, 12}, {0, 0, 4, 2}},
        {{5, 12, 9, 85}, {0, 2, 4, 11}},
        {{5, 85, 9, 90}, {0, 11, 4, 16}},
    };
    EXPECT_EQ(vertical, expectedV);
    // Negative or zero ends leave those slices out; no image, no slices.
    const auto noEnds =
        TrackChannelSlices({0, 0, 50, 4}, 20, 4, {-3, 0, 0, 0}, TTrackAxis::Horizontal);
    ASSERT_EQ(noEnds.size(), 1u);
    EXPECT_EQ(noEnds[0].Target, (Rect{-3, 0, 50, 4}));
    EXPECT_TRUE(
        TrackChannelSlices({0, 0, 50, 4}, 20, 4, {30, 0, 30, 0}, TTrackAxis::Horizontal).size() <
        3);
    EXPECT_TRUE(TrackChannelSlices({0, 0, 50, 4}, 0, 4, {}, TTrackAxis::Horizontal).empty());
    // Ends larger than the image keep the whole image, however large the skin says they are.
    const int huge = INT_MAX;
    const std::vector<TSliceCopy> wholeImageEnds = {
        {{0, 0, 20, 4}, {0, 0, 20, 4}},
        {{30, 0, 50, 4}, {0, 0, 20, 4}},
    };
    EXPECT_EQ(TrackChannelSlices({0, 0, 50, 4}, 20, 4, {huge, 0, huge, 0}, TTrackAxis::Horizontal),
              wholeImageEnds);
    const auto belowZero = TrackChannelSlices({0, 0, 4, 50}, 4, 20, {0, -huge - 1, 0, -huge - 1},
                                              TTrackAxis::Vertical);
    ASSERT_EQ(belowZero.size(), 1u);
    EXPECT_EQ(belowZero[0].Target, (Rect{0, -20, 4, 70}));
}

TEST(BarGeometry, AVerticalChannelReportedLyingDownIsTurnedBack) {
    EXPECT_FALSE(ChannelReportSwapped({10, 8, 14, 120}));
    EXPECT_EQ(VerticalChannelRect({10, 8, 14, 120}), (Rect{10, 8, 14, 120}));
    EXPECT_TRUE(ChannelReportSwapped({8, 10, 120, 14}));
    EXPECT_EQ(VerticalChannelRect({8, 10, 120, 14}), (Rect{10, 8, 14, 120}));
}

} // namespace
} // namespace veyra
