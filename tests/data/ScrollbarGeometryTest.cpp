#include "skin/data/ScrollbarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace veyra {
namespace {

constexpr int kArrow = 17;

TEST(ScrollbarGeometry, ControlThumbFollowsTheScrollInformation) {
    struct Case {
        const char* Name;
        int Length;
        TScrollRange Range;
        TThumbSpan Expected;
    } cases[] = {
        {"page at the start", 200, {0, 100, 10, 0}, {17, 32}},
        {"page in the middle", 200, {0, 100, 10, 50}, {100, 115}},
        {"page at the last position", 200, {0, 100, 10, 91}, {168, 183}},
        {"no page: an arrow-sized thumb", 200, {0, 100, 0, 50}, {92, 109}},
        {"a small page is 8 pixels", 200, {0, 1000, 2, 500}, {96, 104}},
        {"a range of 0", 200, {0, 0, 1, 0}, {17, 25}},
        {"a page larger than the range fills the track", 200, {0, 10, 50, 5}, {17, 183}},
        {"a position past the end stays in the track", 200, {0, 100, 10, 500}, {168, 183}},
        {"maximum below minimum", 200, {10, 0, 0, 5}, {17, 34}},
        {"the whole int range", 200, {INT_MIN, INT_MAX, INT_MAX, INT_MAX}, {100, 183}},
        {"no room for a track", 30, {0, 100, 10, 50}, {}},
        {"no room for the minimum thumb", 40, {0, 1000, 2, 1000}, {17, 23}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ControlThumbSpan(c.Length, kArrow, c.Range), c.Expected) << c.Name;
}

TEST(ScrollbarGeometry, HitTestNamesEveryPart) {
    using P = TScrollPart;
    struct Case {
        int Length;
        TThumbSpan Thumb;
        int V;
        P Expected;
    } cases[] = {
        {200, {100, 115}, -5, P::FirstArrow},
        {200, {100, 115}, 16, P::FirstArrow},
        {200, {100, 115}, 17, P::TrackBefore},
        {200, {100, 115}, 99, P::TrackBefore},
        {200, {100, 115}, 100, P::Thumb},
        {200, {100, 115}, 114, P::Thumb},
        {200, {100, 115}, 115, P::TrackAfter},
        {200, {100, 115}, 182, P::TrackAfter},
        {200, {100, 115}, 183, P::SecondArrow},
        {200, {100, 115}, 400, P::SecondArrow},
        // Shorter than two arrows: each arrow is half the bar.
        {20, {}, 9, P::FirstArrow},
        {20, {}, 10, P::SecondArrow},
        {200, {}, 50, P::TrackAfter},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HitTestScrollbar(c.V, c.Length, kArrow, c.Thumb), c.Expected)
            << "length " << c.Length << " at " << c.V;
    EXPECT_EQ(ScrollPartOfCode(5), P::Thumb);
    for (int code : {4, 6, 7, 8, -1, 99})
        EXPECT_EQ(ScrollPartOfCode(code), P::None) << code;
}

TEST(ScrollbarGeometry, DraggedThumbKeepsItsLengthBetweenTheArrows) {
    struct Case {
        int Length;
        TThumbSpan AtPress;
        int Delta;
        TThumbSpan Expected;
    } cases[] = {
        {200, {100, 115}, 10, {110, 125}},      {200, {100, 115}, -1000, {17, 32}},
        {200, {100, 115}, 1000, {168, 183}},    {30, {17, 25}, 5, {17, 25}},
        {200, {100, 115}, INT_MAX, {168, 183}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DragThumbSpan(c.AtPress, c.Delta, c.Length, kArrow), c.Expected) << c.Delta;
}

TEST(ScrollbarGeometry, ThicknessIsTheImagesWithinTwoPixels) {
    struct Case {
        int ImageHeight, Expected;
    } cases[] = {{17, 17}, {19, 19}, {15, 15}, {20, 17}, {14, 17}, {0, 17}};
    for (const Case& c : cases)
        EXPECT_EQ(ScrollbarThickness(c.ImageHeight, kArrow), c.Expected) << c.ImageHeight;
}

TEST(ScrollbarGeometry, LayoutPlacesThePiecesAlongEitherAxis) {
    const TScrollAxis V = TScrollAxis::Vertical;
    const TScrollAxis H = TScrollAxis::Horizontal;
    struct Case {
        const char* Name;
        TScrollbarLayoutInput In;
        TScrollbarLayout Expected;
    } cases[] = {
        {"vertical",
         {V, 200, 17, kArrow, {100, 130}, true, 17},
         {{0, 0, 17, 17},
          {0, 183, 17, 200},
          {0, 17, 17, 183},
          {0, 100, 17, 130},
          {0, 106, 17, 123}}},
        {"horizontal, thinner than the arrows",
         {H, 200, 15, kArrow, {100, 130}, true, 17},
         {{0, 0, 17, 15},
          {183, 0, 200, 15},
          {17, 0, 183, 15},
          {100, 0, 130, 15},
          {106, 0, 123, 15}}},
        {"shorter than two arrows",
         {H, 21, 17, kArrow, {17, 25}, true, 17},
         {{0, 0, 10, 17}, {11, 0, 21, 17}, {}, {}, {}}},
        {"disabled: no thumb",
         {V, 200, 17, kArrow, {100, 130}, false, 17},
         {{0, 0, 17, 17}, {0, 183, 17, 200}, {0, 17, 17, 183}, {}, {}}},
        {"a grip longer than the thumb + 1 is left out",
         {V, 200, 17, kArrow, {100, 110}, true, 12},
         {{0, 0, 17, 17}, {0, 183, 17, 200}, {0, 17, 17, 183}, {0, 100, 17, 110}, {}}},
        {"a grip of the thumb + 1",
         {V, 200, 17, kArrow, {100, 110}, true, 11},
         {{0, 0, 17, 17},
          {0, 183, 17, 200},
          {0, 17, 17, 183},
          {0, 100, 17, 110},
          {0, 100, 17, 111}}},
        {"a thumb past the track is cut to it",
         {V, 200, 17, kArrow, {-50, 300}, true, 0},
         {{0, 0, 17, 17}, {0, 183, 17, 200}, {0, 17, 17, 183}, {0, 17, 17, 183}, {}}},
        {"negative sizes draw nothing", {V, -5, -3, -1, {0, 10}, true, 5}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutScrollbar(c.In), c.Expected) << c.Name;
}

TEST(ScrollbarGeometry, FramesFollowHotAndPressedParts) {
    using P = TScrollPart;
    const TScrollAxis V = TScrollAxis::Vertical;
    const TScrollAxis H = TScrollAxis::Horizontal;
    struct Case {
        TScrollAxis Axis;
        bool Enabled;
        P Hot;
        bool Pressed;
        TScrollbarFrames Expected;
    } cases[] = {
        {H, true, P::None, false, {1, 5, 1, 1, 17}},
        {V, true, P::None, true, {9, 13, 1, 1, 20}},
        {H, true, P::FirstArrow, true, {2, 5, 1, 1, 17}},
        {H, true, P::SecondArrow, false, {1, 8, 1, 1, 17}},
        {V, true, P::FirstArrow, false, {12, 13, 1, 1, 20}},
        {V, true, P::SecondArrow, true, {9, 14, 1, 1, 20}},
        {V, true, P::Thumb, true, {9, 13, 1, 2, 21}},
        {H, true, P::Thumb, false, {1, 5, 1, 3, 19}},
        {V, true, P::TrackAfter, true, {9, 13, 1, 1, 20}},
        {V, false, P::SecondArrow, false, {9, 13, 3, 1, 20}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollbarFrames(c.Axis, c.Enabled, c.Hot, c.Pressed), c.Expected)
            << static_cast<int>(c.Axis) << " hot " << static_cast<int>(c.Hot) << " pressed "
            << c.Pressed;
}

} // namespace
} // namespace veyra
