#include <gtest/gtest.h>

#include "skin/data/MediaPlayerLayout.h"

namespace veyra {
namespace {

using K = TMPBtnType;

constexpr TMPBtnSet Set(std::initializer_list<K> kinds) {
    TMPBtnSet set = 0;
    for (K kind : kinds)
        set |= MPButtonBit(kind);
    return set;
}

constexpr TMPBtnSet kFive = Set({K::btPlay, K::btPause, K::btStop, K::btNext, K::btEject});

TEST(MediaPlayerLayout, VisibleButtonsShareTheWidthInKindOrder) {
    const auto places = LayoutMPButtons(120, 30, kFive);
    const TMPButtonPlace expected[] = {{K::btPlay, {0, 0, 24, 30}},
                                       {K::btPause, {24, 0, 48, 30}},
                                       {K::btStop, {48, 0, 72, 30}},
                                       {K::btNext, {72, 0, 96, 30}},
                                       {K::btEject, {96, 0, 120, 30}}};
    ASSERT_EQ(places.size(), std::size(expected));
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(places[i], expected[i]) << i;
    // What the division leaves over belongs to no button.
    EXPECT_EQ(LayoutMPButtons(100, 20, Set({K::btStop, K::btBack, K::btPrev})).back(),
              (TMPButtonPlace{K::btBack, {66, 0, 99, 20}}));
    EXPECT_TRUE(LayoutMPButtons(100, 20, 0).empty());
    EXPECT_EQ(MPButtonWidth(100, 0), 0);
    EXPECT_EQ(MPButtonWidth(4, kAllMPButtons), 0);
}

TEST(MediaPlayerLayout, BoundaryPixelsBelongToTheButtonOnTheirLeft) {
    const struct {
        int X, Width;
        TMPBtnSet Visible;
        int Kind;
    } cases[] = {
        {0, 120, kFive, 0},
        {24, 120, kFive, 0}, // the boundary
        {25, 120, kFive, 1},
        {96, 120, kFive, 3},
        {97, 120, kFive, 8}, // btEject, the fifth visible
        {119, 120, kFive, 8},
        {120, 120, kFive, kMPNoButton}, // past the player
        {-1, 120, kFive, kMPNoButton},
        {99, 100, Set({K::btStop, K::btBack, K::btPrev}), 6},
        {100, 101, Set({K::btStop, K::btBack, K::btPrev}), kMPNoButton}, // the remainder
        {40, 100, Set({K::btStop, K::btBack, K::btPrev}), 4},            // btPrev before btBack
        {10, 100, 0, kMPNoButton},
        {0, 4, kAllMPButtons, 0}, // buttons narrower than a pixel: none past the first
        {1, 4, kAllMPButtons, kMPNoButton},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MPButtonAt(c.X, c.Width, c.Visible), c.Kind)
            << "x " << c.X << " of " << c.Width << " set " << c.Visible;
}

TEST(MediaPlayerLayout, SetsFromTextAndTheLookOfAButton) {
    EXPECT_EQ(MPButtonSetFromText("[btPlay,btStop,btEject]"),
              Set({K::btPlay, K::btStop, K::btEject}));
    EXPECT_EQ(MPButtonSetFromText("[]"), 0);
    EXPECT_EQ(MPButtonSetFromText(""), 0);
    EXPECT_EQ(MPPictureName(K::btRecord), "MPRECORD");
    EXPECT_EQ(MPButtonName(K::btBack), "btBack");

    using P = TMPPicture;
    const struct {
        bool Enabled, Coloured, Pressed;
        TMPButtonLook Look;
    } cases[] = {
        {true, false, false, {1, P::Normal, 0}},   {true, true, false, {1, P::Coloured, 0}},
        {true, false, true, {2, P::Normal, 1}},    {true, true, true, {2, P::Coloured, 1}},
        {false, true, false, {3, P::Disabled, 0}}, {false, false, true, {3, P::Disabled, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MPButtonLook(c.Enabled, c.Coloured, c.Pressed), c.Look)
            << c.Enabled << c.Coloured << c.Pressed;
    // Centred with truncation, then sunk; a picture wider than its button
    // hangs over both sides.
    EXPECT_EQ(MPPicturePlace({24, 0, 48, 30}, 13, 11, 0), (Rect{29, 9, 42, 20}));
    EXPECT_EQ(MPPicturePlace({24, 0, 48, 30}, 13, 11, 1), (Rect{30, 10, 43, 21}));
    EXPECT_EQ(MPPicturePlace({0, 0, 9, 30}, 13, 11, 0), (Rect{-2, 9, 11, 20}));
}

} // namespace
} // namespace veyra
