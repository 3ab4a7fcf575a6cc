#include <gtest/gtest.h>

#include <climits>

#include "skin/data/TabGeometry.h"
#include "skin/imaging/PixelOps.h"

namespace veyra {
namespace {

TEST(TabGeometry, SideComesFromTheBottomAndVerticalBits) {
    const struct {
        std::uint32_t Style;
        TTabSide Side;
    } cases[] = {
        {0x54000000, TTabSide::Top},   {0x54000002, TTabSide::Bottom}, {0x54000080, TTabSide::Left},
        {0x54000082, TTabSide::Right}, {0x00000200, TTabSide::Top}, // TCS_MULTILINE alone
        {0x00000282, TTabSide::Right},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabSideFromStyle(c.Style), c.Side) << std::hex << c.Style;
}

// The display rectangles are what the platform's tab control reports for a
// 300 x 200 control with one row of tabs on each side.
TEST(TabGeometry, PaneStripAndBufferForEachSide) {
    const struct {
        TTabSide Side;
        Rect Display;
        Rect Pane;
        Rect Strip;
        int BufferWidth, BufferHeight;
    } cases[] = {
        {TTabSide::Top, {4, 26, 296, 196}, {0, 23, 300, 200}, {0, 0, 300, 23}, 300, 23},
        {TTabSide::Bottom, {4, 4, 296, 174}, {0, 0, 300, 177}, {0, 177, 300, 200}, 300, 23},
        {TTabSide::Left, {48, 4, 296, 196}, {45, 0, 300, 200}, {0, 0, 45, 200}, 200, 45},
        {TTabSide::Right, {4, 4, 252, 196}, {0, 0, 255, 200}, {255, 0, 300, 200}, 200, 45},
        // A control too small for its tabs: the strip stays inside the window.
        {TTabSide::Top, {4, 26, 6, 10}, {0, 23, 10, 14}, {0, 0, 10, 12}, 10, 12},
        {TTabSide::Right, {-20, 4, -10, 8}, {-24, 0, -7, 12}, {0, 0, 10, 12}, 12, 10},
    };
    for (const auto& c : cases) {
        const bool small = c.Pane.Right < 100;
        const TTabStripLayout l =
            LayoutTabStrip(small ? 10 : 300, small ? 12 : 200, c.Display, c.Side);
        EXPECT_EQ(l.Pane, c.Pane) << int(c.Side);
        EXPECT_EQ(l.Strip, c.Strip) << int(c.Side);
        EXPECT_EQ(l.BufferWidth, c.BufferWidth) << int(c.Side);
        EXPECT_EQ(l.BufferHeight, c.BufferHeight) << int(c.Side);
    }
    const TTabStripLayout huge =
        LayoutTabStrip(300, 200, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TTabSide::Bottom);
    EXPECT_EQ(huge.Strip, (Rect{0, 200, 300, 200})) << "saturated, not wrapped";
    EXPECT_EQ(huge.BufferHeight, 0);
}

// A tab drawn into the upright buffer and put in place the way the painter
// does it (turned for the sides, copied at the strip) covers the rectangle
// the control reports, sunk by one pixel toward the pane on top and bottom
// and raised one pixel on the right, cut to the strip.
TEST(TabGeometry, TabsInTheBufferLandOnTheirItemRectangles) {
    const struct {
        TTabSide Side;
        Rect Display;
        Rect Item;
        Rect InBuffer;
        Rect OnScreen;
    } cases[] = {
        {TTabSide::Top, {4, 26, 296, 196}, {56, 2, 127, 24}, {56, 3, 127, 25}, {56, 3, 127, 23}},
        {TTabSide::Bottom,
         {4, 4, 296, 174},
         {56, 176, 127, 198},
         {56, -2, 127, 20},
         {56, 177, 127, 197}},
        {TTabSide::Left, {48, 4, 296, 196}, {2, 93, 24, 198}, {2, 2, 107, 24}, {2, 93, 24, 198}},
        {TTabSide::Right, {4, 4, 252, 196}, {276, 2, 298, 93}, {1, 2, 92, 24}, {276, 1, 298, 92}},
    };
    for (const auto& c : cases) {
        const TTabStripLayout l = LayoutTabStrip(300, 200, c.Display, c.Side);
        const Rect inBuffer = TabRectInBuffer(l, c.Item);
        EXPECT_EQ(inBuffer, c.InBuffer) << int(c.Side);

        Bitmap strip(l.BufferWidth, l.BufferHeight, PixelFormat::Rgb24, 0);
        strip.FillRect(inBuffer, 0xFFFFFFFF);
        if (c.Side == TTabSide::Left)
            RotateLeft(strip);
        if (c.Side == TTabSide::Right)
            RotateRight(strip);
        ASSERT_EQ(strip.Width(), l.Strip.Width());
        ASSERT_EQ(strip.Height(), l.Strip.Height());
        Rect covered{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = 0; x < strip.Width(); ++x)
                if (SameRgb(strip.At(x, y), 0xFFFFFFFF))
                    covered = {std::min(covered.Left, x + l.Strip.Left),
                               std::min(covered.Top, y + l.Strip.Top),
                               std::max(covered.Right, x + l.Strip.Left + 1),
                               std::max(covered.Bottom, y + l.Strip.Top + 1)};
        EXPECT_EQ(covered, c.OnScreen) << int(c.Side);
    }
}

// A picture with a dark band as deep as each margin, flipped or turned by
// the core's own pixel operations, keeps each band under its turned margin.
TEST(TabGeometry, TurnedMarginsFollowTheirEdges) {
    const Margins upright{1, 2, 3, 4};
    const Pixel band = 0xFF000000;
    for (const TTabSide side : {TTabSide::Top, TTabSide::Bottom, TTabSide::Left, TTabSide::Right}) {
        Bitmap picture(20, 16, PixelFormat::Rgb24, 0xFFFFFFFF);
        picture.FillRect({0, 5, upright.Left, 11}, band);
        picture.FillRect({8, 0, 12, upright.Top}, band);
        picture.FillRect({20 - upright.Right, 5, 20, 11}, band);
        picture.FillRect({8, 16 - upright.Bottom, 12, 16}, band);
        if (side == TTabSide::Bottom)
            Flip(picture);
        if (side == TTabSide::Left)
            RotateLeft(picture);
        if (side == TTabSide::Right)
            RotateRight(picture);
        const Margins m = TurnedMargins(upright, side);
        const int w = picture.Width();
        const int h = picture.Height();
        // Each band reaches exactly as deep as its margin, at the middle of its edge.
        const struct {
            int X, Y;       // the last pixel inside the margin
            int OutX, OutY; // the first pixel past it
        } probes[] = {
            {m.Left - 1, h / 2, m.Left, h / 2},
            {w / 2, m.Top - 1, w / 2, m.Top},
            {w - m.Right, h / 2, w - m.Right - 1, h / 2},
            {w / 2, h - m.Bottom, w / 2, h - m.Bottom - 1},
        };
        for (const auto& p : probes) {
            EXPECT_NE(picture.At(p.X, p.Y) & kPixelRgbMask, 0xFFFFFFu)
                << "side " << int(side) << " at " << p.X << "," << p.Y;
            EXPECT_EQ(picture.At(p.OutX, p.OutY) & kPixelRgbMask, 0xFFFFFFu)
                << "side " << int(side) << " at " << p.OutX << "," << p.OutY;
        }
    }
}

TEST(TabGeometry, CloseBoxesSitTopRightAndTheFirstLiveOneIsHit) {
    EXPECT_EQ(CloseBoxRect({56, 3, 127, 25}), (Rect{119, 5, 125, 11}));
    const std::vector<Rect> boxes{
        CloseBoxRect({2, 3, 56, 25}),   // (48, 5, 54, 11)
        {},                             // a tab whose rectangle could not be read
        CloseBoxRect({50, 3, 110, 25}), // (102, 5, 108, 11)
        {100, 4, 110, 12},              // overlaps the one before
    };
    const struct {
        int X, Y, TabCount, Index;
    } cases[] = {
        {48, 5, 4, 0},   {53, 10, 4, 0},  {54, 5, 4, -1},
        {48, 11, 4, -1}, {47, 7, 4, -1},  {105, 7, 4, 2}, // the first of two overlapping boxes
        {101, 4, 4, 3},  {105, 7, 2, -1},                 // the tab went away since the paint
        {0, 0, 4, -1},   {50, 7, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CloseBoxAt(boxes, c.X, c.Y, c.TabCount), c.Index)
            << c.X << "," << c.Y << " of " << c.TabCount;
    EXPECT_EQ(CloseBoxAt({}, 50, 7, 4), -1);
}

TEST(UpDownGeometry, ButtonsAreHalvesAlongTheOrientation) {
    using O = TUpDownOrientation;
    EXPECT_EQ(UpDownButtonRects(17, 41, O::Vertical),
              (TUpDownRects{{0, 0, 17, 20}, {0, 20, 17, 41}}));
    EXPECT_EQ(UpDownButtonRects(35, 18, O::Horizontal),
              (TUpDownRects{{0, 0, 17, 18}, {17, 0, 35, 18}}));
    EXPECT_EQ(UpDownButtonRects(1, 0, O::Horizontal), (TUpDownRects{{0, 0, 0, 0}, {0, 0, 1, 0}}));
}

TEST(UpDownGeometry, StateAndFrameOfEachButton) {
    using O = TUpDownOrientation;
    using S = TUpDownState;
    using B = TUpDownButton;
    const struct {
        O Orientation;
        int X, Y;
        bool Enabled, Down, Hover;
        B Button;
        S State;
        int Frame;
    } cases[] = {
        // A vertical pair 16 x 40: the halves meet at y = 20.
        {O::Vertical, 5, 30, true, true, true, B::Second, S::Pressed, 6},
        {O::Vertical, 5, 30, true, true, true, B::First, S::Normal, 1},
        {O::Vertical, 5, 19, true, false, true, B::First, S::Hot, 4},
        {O::Vertical, 5, 20, true, false, true, B::Second, S::Hot, 8},
        {O::Vertical, 99, 19, true, true, false, B::First, S::Pressed, 2}, // x does not count
        {O::Vertical, 5, 5, true, false, false, B::First, S::Normal, 1},
        {O::Vertical, 5, 5, false, true, true, B::First, S::Disabled, 3},
        {O::Vertical, 5, 5, false, false, false, B::Second, S::Disabled, 7},
        // A horizontal pair 40 x 16: left 1-4, right 5-8.
        {O::Horizontal, 19, 3, true, true, false, B::First, S::Pressed, 2},
        {O::Horizontal, 20, 3, true, true, false, B::Second, S::Pressed, 6},
        {O::Horizontal, 20, 3, true, false, true, B::First, S::Normal, 1},
        {O::Horizontal, 25, -50, true, false, true, B::Second, S::Hot, 8},
        {O::Horizontal, 25, 3, false, false, true, B::Second, S::Disabled, 7},
    };
    for (const auto& c : cases) {
        const bool horizontal = c.Orientation == O::Horizontal;
        const TUpDownInput in{horizontal ? 40 : 16,
                              horizontal ? 16 : 40,
                              c.Orientation,
                              c.X,
                              c.Y,
                              c.Enabled,
                              c.Down,
                              c.Hover};
        const S state = UpDownButtonState(in, c.Button);
        EXPECT_EQ(state, c.State) << c.X << "," << c.Y << " button " << int(c.Button);
        EXPECT_EQ(UpDownFrame(state, UpDownArrowOf(c.Orientation, c.Button)), c.Frame)
            << c.X << "," << c.Y << " button " << int(c.Button);
    }
    EXPECT_EQ(UpDownArrowOf(O::Vertical, B::First), TUpDownArrow::Up);
    EXPECT_EQ(UpDownArrowOf(O::Horizontal, B::Second), TUpDownArrow::Right);
}

} // namespace
} // namespace veyra
