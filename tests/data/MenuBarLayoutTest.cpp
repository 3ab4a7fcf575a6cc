#include "skin/data/MenuBarLayout.h"

#include <gtest/gtest.h>

#include <climits>

namespace veyra {
namespace {

using Items = std::vector<TMenuBarItemInput>;

TEST(MenuBarLayout, StartOffsetFollowsTheElementAndTheBarWidth) {
    struct Case {
        const char* Name;
        bool Element;
        bool RightToLeft;
        int BarWidth;
        int Expected;
    } cases[] = {
        {"no element", false, false, 500, 6},
        {"no element, narrow", false, true, 2, 6},
        {"left margin + 4", true, false, 500, 7 + 4},
        {"right margin + 8 right to left", true, true, 500, 9 + 8},
        {"narrower than the offset", true, false, 10, 12},
        {"exactly the offset", true, false, 11, 11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuBarStartOffset(c.Element, 7, 9, c.RightToLeft, c.BarWidth), c.Expected)
            << c.Name;
}

TEST(MenuBarLayout, ItemsFollowOneAnotherFromEitherEdge) {
    const Rect bar{10, 30, 410, 50};
    const Items items = {{40}, {0}, {20, false}, {30}};
    const std::vector<Rect> leftToRight = LayoutMenuBar(bar, 6, items, false);
    const std::vector<Rect> expected = {{16, 30, 66, 49}, {66, 30, 66, 49}, {}, {66, 30, 106, 49}};
    EXPECT_EQ(leftToRight, expected);
    const std::vector<Rect> rightToLeft = LayoutMenuBar(bar, 6, items, true);
    const std::vector<Rect> mirrored = {
        {354, 30, 404, 49}, {354, 30, 354, 49}, {}, {314, 30, 354, 49}};
    EXPECT_EQ(rightToLeft, mirrored);
}

TEST(MenuBarLayout, HugeCaptionsSaturateInsteadOfWrapping) {
    const std::vector<Rect> rects =
        LayoutMenuBar({0, 0, 100, 20}, 6, {{INT_MAX}, {INT_MAX}}, false);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[1].Right, INT_MAX);
    EXPECT_GE(rects[1].Left, rects[0].Left);
}

TEST(MenuBarLayout, HitTestSkipsItemsWithoutCaptionOrHidden) {
    const Items items = {{40}, {10, true, false}, {20, false}, {30}};
    const std::vector<Rect> rects = LayoutMenuBar({0, 0, 300, 20}, 6, items, false);
    struct Case {
        int X, Y, Expected;
    } cases[] = {{6, 5, 0},  {55, 5, 0},   {56, 5, -1}, {75, 5, -1}, {76, 5, 3},
                 {5, 5, -1}, {10, 19, -1}, {10, 18, 0}, {200, 5, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(MenuBarItemAt(rects, items, c.X, c.Y), c.Expected) << c.X << "," << c.Y;
}

TEST(MenuBarLayout, NeighboursWrapAroundAndSkipUnreachableItems) {
    const Items items = {{40}, {10, false}, {20, true, false}, {30}, {5, true, true, false}};
    struct Case {
        int Current;
        bool Forward;
        int Expected;
    } cases[] = {{0, true, 3},  {3, true, 4},   {4, true, 0},  {0, false, 4}, {3, false, 0},
                 {-1, true, 0}, {-1, false, 4}, {99, true, 0}, {-7, false, 4}};
    for (const Case& c : cases)
        EXPECT_EQ(MenuBarNeighbour(items, c.Current, c.Forward), c.Expected)
            << c.Current << (c.Forward ? " right" : " left");
    // While a popup is open only items that open one qualify.
    const Items popups = {{40}, {10, true, true, false}, {20, true, true, true, false}, {30}};
    EXPECT_EQ(MenuBarNeighbour(popups, 0, true, true), 3);
    EXPECT_EQ(MenuBarNeighbour(popups, 3, false, true), 0);
    EXPECT_EQ(MenuBarNeighbour(popups, 0, true, false), 1);
    EXPECT_EQ(MenuBarNeighbour({{10}}, 0, true), 0);
    EXPECT_EQ(MenuBarNeighbour({{10, false}}, 0, true), -1);
    EXPECT_EQ(MenuBarNeighbour({}, -1, false), -1);
}

TEST(MenuBarLayout, ItemMeasuring) {
    EXPECT_EQ(MainMenuItemWidth(50, {7, true}), 67);
    EXPECT_EQ(MainMenuItemWidth(50, {0, false}), 85);
    EXPECT_EQ(PopupMenuItemWidth(50, {7, true}), 69);
    EXPECT_EQ(PopupMenuItemWidth(50, {0, false}), 85);
    EXPECT_EQ(MainMenuItemWidth(INT_MAX, {7, false}), INT_MAX);
    const TMenuItemSize text = NativeMenuItemSize(60, 13, true, 5);
    EXPECT_EQ(text.Width, 91);
    EXPECT_EQ(text.Height, 17);
    const TMenuItemSize separator = NativeMenuItemSize(0, 13, false, 0);
    EXPECT_EQ(separator.Width, 26);
    EXPECT_EQ(separator.Height, 8);
}

TEST(MenuBarLayout, ItemPartsAndTheirMirrorImage) {
    const Rect item{0, 0, 200, 20};
    const TMenuItemParts plain = LayoutMenuItem(item, 4, 16, false, false, false);
    EXPECT_EQ(plain.GlyphBox, (Rect{5, 1, 21, 17}));
    EXPECT_EQ(plain.TextRect, (Rect{24, 0, 199, 20}));
    EXPECT_EQ(plain.ShortCutEnd.Right, 190);
    // A checked item's box is at least 16 wide whatever the image list says.
    EXPECT_EQ(LayoutMenuItem(item, 0, 12, true, false, false).GlyphBox, (Rect{1, 1, 17, 17}));
    EXPECT_EQ(LayoutMenuItem(item, 0, 12, false, false, false).GlyphBox, (Rect{1, 1, 13, 13}));
    EXPECT_TRUE(LayoutMenuItem(item, 4, 16, false, true, false).GlyphBox.IsEmpty());
    const TMenuItemParts mirrored = LayoutMenuItem(item, 4, 16, false, false, true);
    EXPECT_EQ(mirrored.GlyphBox, (Rect{179, 1, 195, 17}));
    EXPECT_EQ(mirrored.TextRect, (Rect{1, 0, 176, 20}));
    EXPECT_EQ(mirrored.ShortCutEnd.Left, 10);
    // A rectangle narrower than the margins gives empty, never inverted, text room.
    const TMenuItemParts tiny = LayoutMenuItem({0, 0, 8, 20}, 4, 16, false, false, false);
    EXPECT_LE(tiny.TextRect.Left, tiny.TextRect.Right);
}

} // namespace
} // namespace veyra
