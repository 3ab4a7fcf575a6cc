#include <gtest/gtest.h>

#include "skin/data/HeaderLayout.h"

namespace veyra {
namespace {

TEST(HeaderLayout, HotSectionFollowsTheZonesAndStaysOverTheDividers) {
    const std::vector<Rect> zones = {HeaderHotZone({0, 0, 80, 20}),
                                     HeaderHotZone({80, 0, 200, 20})};
    EXPECT_EQ(zones[0], (Rect{3, 0, 77, 20}));
    const struct {
        int X, Y, Hot, After;
    } cases[] = {
        {10, 5, kNoHotSection, 0},
        {100, 5, 0, 1},
        {100, 5, 1, 1},
        {78, 5, 0, 0},  // on the divider: unchanged
        {82, 5, 1, 1},  // just right of it, still the divider
        {300, 5, 1, 1}, // past the last section
        {10, 25, 1, 1}, // below the header
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeaderHotAfterMove(zones, c.X, c.Y, c.Hot), c.After) << c.X << "," << c.Y;
    EXPECT_EQ(HeaderSectionFrame(1, 1), 2);
    EXPECT_EQ(HeaderSectionFrame(0, 1), 1);
    EXPECT_EQ(HeaderSectionFrame(0, kNoHotSection), 1);
}

TEST(HeaderLayout, RemainderOnlyWhenTheSectionsEndEarly) {
    EXPECT_EQ(HeaderRemainder(300, 20, 200), (Rect{200, 0, 300, 20}));
    EXPECT_TRUE(HeaderRemainder(300, 20, 300).IsEmpty());
    EXPECT_TRUE(HeaderRemainder(300, 20, 340).IsEmpty());
}

TEST(HeaderLayout, FormatPlacesTextAndDecidesTheIcon) {
    const struct {
        std::uint32_t Format;
        int Image;
        bool Text;
        TPanelAlign Align;
        int Shown;
    } cases[] = {
        {0x0000, 2, true, TPanelAlign::Left, -1}, // an index without the image flag
        {0x0800, 2, true, TPanelAlign::Left, 2},
        {0x8000, 2, true, TPanelAlign::Left, 2},
        {0x0801, 2, true, TPanelAlign::Right, 2},
        {0x0802, 2, false, TPanelAlign::Centre, -1}, // no text, no icon
        {0x0003, 2, true, TPanelAlign::Right, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeaderTextAlign(c.Format), c.Align) << std::hex << c.Format;
        EXPECT_EQ(HeaderImageIndex(c.Format, c.Image, c.Text), c.Shown) << std::hex << c.Format;
    }
}

} // namespace
} // namespace veyra
