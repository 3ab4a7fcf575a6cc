#include <gtest/gtest.h>

#include <climits>

#include "skin/data/TabSetLayout.h"

namespace veyra {
namespace {

using P = TTabSetPlace;

// A 200-pixel tab set with margins 5 and 15: tabs from the first shown,
// each its caption plus 9; one that does not fit is left out and a later,
// narrower one still fits; the scroller keeps 12 more pixels free.
TEST(TabSetLayout, TabsFromTheFirstShownUntilTheEndMargin) {
    const struct {
        const char* Name;
        int First;
        bool Scroller;
        std::vector<int> Captions;
        std::vector<P> Expected;
    } cases[] = {
        {"all fit", 0, false, {30, 40}, {{0, 5, 44}, {1, 44, 93}}},
        {"from the first shown", 1, false, {30, 40, 20}, {{1, 5, 54}, {2, 54, 83}}},
        {"a wide tab left out", 0, false, {100, 90, 40}, {{0, 5, 114}, {2, 114, 163}}},
        // 5 + 171 + 9 reaches the limit, 185, exactly; with 12 more kept it does not fit.
        {"exactly at the limit", 0, false, {171}, {{0, 5, 185}}},
        {"the scroller's room", 0, true, {171}, {}},
        {"the scroller's room, narrower", 0, true, {159}, {{0, 5, 173}}},
        {"first below zero", -3, false, {10}, {{0, 5, 24}}},
        {"first past the end", 7, false, {10}, {}},
        {"negative caption", 0, false, {-50}, {{0, 5, 14}}},
        {"huge caption", 0, false, {INT_MAX, 10}, {{1, 5, 24}}},
    };
    for (const auto& c : cases) {
        TTabSetInput input;
        input.Width = 200;
        input.StartMargin = 5;
        input.EndMargin = 15;
        input.FirstIndex = c.First;
        input.ScrollerVisible = c.Scroller;
        input.CaptionWidths = c.Captions;
        EXPECT_EQ(LayoutTabSet(input), c.Expected) << c.Name;
    }
}

TEST(TabSetLayout, HitsScrollerAndItsPlace) {
    const std::vector<P> places = {{2, 5, 40}, {4, 40, 70}};
    const struct {
        int X;
        int Tab;
    } hits[] = {{4, -1}, {5, 2}, {39, 2}, {40, 4}, {69, 4}, {70, -1}};
    for (const auto& h : hits)
        EXPECT_EQ(TabSetTabAt(places, h.X), h.Tab) << "x " << h.X;

    TTabSetInput input;
    input.Width = 100;
    input.EndMargin = 15;
    input.CaptionWidths = {30, 30};
    EXPECT_FALSE(TabSetNeedsScroller(input)) << "both fit";
    input.FirstIndex = 1;
    EXPECT_TRUE(TabSetNeedsScroller(input)) << "tabs before the first shown";
    input.FirstIndex = 0;
    input.CaptionWidths.push_back(30);
    EXPECT_TRUE(TabSetNeedsScroller(input)) << "the third does not fit";

    EXPECT_EQ(TabSetScrollerRect(200, 20, 24), (Rect{176, 2, 200, 18}));
    EXPECT_EQ(TabSetScrollerRect(200, 10, 24), (Rect{176, 0, 200, 10}));
    EXPECT_EQ(TabSetScrollerRect(200, -5, 24), (Rect{176, 0, 200, 0}));
}

} // namespace
} // namespace veyra
