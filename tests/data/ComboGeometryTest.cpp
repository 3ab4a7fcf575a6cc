#include "skin/data/ComboGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace veyra {
namespace {

TEST(ComboGeometry, StateAndSide) {
    using S = TComboState;
    struct StateCase {
        TComboStateInput In;
        S Expected;
    } states[] = {
        {{true, false, false, false}, S::Normal}, {{true, false, true, false}, S::Hot},
        {{true, false, false, true}, S::Hot},     {{true, true, true, true}, S::Pressed},
        {{false, true, true, true}, S::Disabled},
    };
    for (const StateCase& c : states)
        EXPECT_EQ(ComboButtonState(c.In), c.Expected);

    using D = TComboSide;
    struct SideCase {
        const char* Name;
        Rect Button;
        bool LeftStyle;
        D Expected;
    } sides[] = {
        {"the platform's button at the right", {180, 2, 198, 19}, true, D::Right},
        {"the platform's button at the left", {2, 2, 20, 19}, false, D::Left},
        {"no button: the style decides", {}, true, D::Left},
        {"no button, no style", {}, false, D::Right},
    };
    for (const SideCase& c : sides)
        EXPECT_EQ(ComboButtonSide(c.Button, 200, c.LeftStyle), c.Expected) << c.Name;
}

TEST(ComboGeometry, FlatLookZoneAndGlyph) {
    using D = TComboSide;
    struct Case {
        const char* Name;
        TFlatComboInput In;
        TFlatComboLayout Expected;
    } cases[] = {
        {"a 4-frame glyph lower than the zone",
         {120, 22, 16, 48, 10, 4, D::Right},
         {{102, 2, 118, 20}, {106, 2, 118, 12}}},
        {"mirrored", {120, 22, 16, 48, 10, 4, D::Left}, {{2, 2, 18, 20}, {2, 2, 14, 12}}},
        {"a glyph as high as the zone fills it",
         {120, 22, 16, 48, 16, 4, D::Right},
         {{102, 2, 118, 20}, {106, 2, 118, 20}}},
        {"a frame count of 0 counts as 1",
         {120, 22, 16, 12, 10, 0, D::Right},
         {{102, 2, 118, 20}, {106, 2, 118, 12}}},
        {"an image narrower than its frames: no glyph",
         {120, 22, 16, 3, 10, 4, D::Right},
         {{102, 2, 118, 20}, {}}},
        {"a combo narrower than the zone",
         {10, 22, 16, 48, 10, 4, D::Right},
         {{2, 2, 8, 20}, {2, 2, 8, 12}}},
        {"a combo of no size", {0, 0, 16, 48, 10, 4, D::Right}, {{2, 2, 2, 2}, {2, 2, 2, 2}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlatComboLayout(c.In), c.Expected) << c.Name;
}

TEST(ComboGeometry, DatePickerArrowAndEditBorder) {
    EXPECT_EQ(DateTimeArrowRect(150, 17, TComboSide::Right), (Rect{129, 0, 146, 18}));
    EXPECT_EQ(DateTimeArrowRect(150, 17, TComboSide::Left), (Rect{2, 0, 19, 18}));
    EXPECT_EQ(DateTimeArrowRect(150, -3, TComboSide::Right), (Rect{146, 0, 146, 1}));

    struct Case {
        const char* Name;
        Rect Client;
        int Expected;
    } cases[] = {
        {"a client edge", {2, 2, 98, 22}, 2},
        {"a thin border", {1, 1, 99, 23}, 1},
        {"no border", {0, 0, 100, 24}, 0},
        {"no border, a vertical bar", {0, 0, 83, 24}, 0},
        {"a client edge and a vertical bar", {2, 2, 81, 22}, 2},
        {"as wide as the window", {0, 2, 100, 22}, 0},
        {"a client larger than the window", {-5, -5, 120, 40}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditBorderWidth({0, 0, 100, 24}, c.Client), c.Expected) << c.Name;
}

TEST(ComboGeometry, DraggedListThumbGivesPositionsInRange) {
    // A 200-pixel bar with 17-pixel arrows: a track of 166; a 100-item list
    // showing 10 items has a thumb of 17 and 149 pixels of room.
    constexpr TScrollRange kList{0, 99, 10, 0};
    constexpr TThumbSpan kAtTop{17, 34};
    struct Case {
        const char* Name;
        TListDragInput In;
        int Expected;
    } cases[] = {
        {"not moved", {kAtTop, 200, 17, kList, 0}, 0},
        {"half the room", {kAtTop, 200, 17, kList, 75}, 45},
        {"to the end of the track", {kAtTop, 200, 17, kList, 149}, 90},
        {"past the end", {kAtTop, 200, 17, kList, 5000}, 90},
        {"above the start", {kAtTop, 200, 17, kList, -50}, 0},
        {"from the middle, back a bit", {{92, 109}, 200, 17, kList, -10}, 39},
        {"no page: by the track", {kAtTop, 200, 17, {0, 100, 0, 0}, 83}, 50},
        {"no room for the thumb", {{17, 183}, 200, 17, kList, 30}, 0},
        {"a bar shorter than its arrows", {kAtTop, 20, 17, kList, 30}, 0},
        {"a page larger than the range", {kAtTop, 200, 17, {0, 5, 50, 0}, 100}, 0},
        {"a range not starting at 0", {kAtTop, 200, 17, {10, 109, 10, 10}, 149}, 100},
        {"extreme range", {kAtTop, 200, 17, {INT_MIN, INT_MAX, 1, 0}, 149}, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComboListDragPosition(c.In), c.Expected) << c.Name;
}

} // namespace
} // namespace veyra
