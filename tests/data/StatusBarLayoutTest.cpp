#include <gtest/gtest.h>

#include "skin/data/StatusBarLayout.h"

namespace veyra {
namespace {

using A = TPanelAlign;
using B = TPanelBevel;

// Three panels as a 400-pixel bar reports them (the last one only 60 wide),
// and a panel the bar gives no rectangle for.
TEST(StatusBarLayout, PanelsMeetAndTheLastReachesTheEdge) {
    const std::vector<TStatusPanelInput> panels = {
        {Rect{0, 2, 100, 20}, A::Left, false, B::Lowered},
        {Rect{102, 2, 200, 20}, A::Centre, false, B::Raised},
        {std::nullopt, A::Right, false, B::None},
        {Rect{202, 2, 262, 20}, A::Right, false, B::None},
    };
    const auto places = LayoutStatusPanels(400, panels);
    ASSERT_EQ(places.size(), 4u);
    const TStatusPanelPlace expected[] = {
        {true, {0, 2, 102, 20}, {2, 2, 100, 20}, {2, 4, 98, 18}, A::Left, 1},
        {true, {102, 2, 202, 20}, {104, 2, 200, 20}, {104, 4, 198, 18}, A::Centre, 2},
        {false, {}, {}, {}, A::Right, 3},
        {true, {202, 2, 400, 20}, {204, 2, 398, 20}, {204, 4, 260, 18}, A::Right, 3},
    };
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(places[i], expected[i]) << "panel " << i;
}

TEST(StatusBarLayout, RightToLeftSwapsLeftAndRightOnly) {
    const struct {
        A Align;
        bool Rtl;
        A Drawn;
    } cases[] = {{A::Left, false, A::Left},
                 {A::Left, true, A::Right},
                 {A::Right, true, A::Left},
                 {A::Centre, true, A::Centre},
                 {A::Right, false, A::Right}};
    for (const auto& c : cases)
        EXPECT_EQ(PanelTextAlign(c.Align, c.Rtl), c.Drawn)
            << static_cast<int>(c.Align) << " rtl " << c.Rtl;
}

TEST(StatusBarLayout, GripSitsInTheCornerOneFrameWide) {
    EXPECT_EQ(SizeGripRect(400, 22, 60, 12, 5), (Rect{387, 9, 399, 21}));
    // No image, no frames, or fewer pixels than frames: no grip.
    EXPECT_TRUE(SizeGripRect(400, 22, 0, 0, 5).IsEmpty());
    EXPECT_TRUE(SizeGripRect(400, 22, 60, 12, 0).IsEmpty());
    EXPECT_TRUE(SizeGripRect(400, 22, 4, 12, 5).IsEmpty());
}

} // namespace
} // namespace veyra
