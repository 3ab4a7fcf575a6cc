#include <gtest/gtest.h>

#include <type_traits>

#include "SkinTestPackage.h"

namespace veyra {
namespace {

using test::SkinTestPackage;

// Where each element's image keeps its pixels: a move must hand the same
// buffers over, not copy them.
std::vector<const Pixel*> PixelBuffers(const TSkinDefinition& d) {
    std::vector<const Pixel*> buffers;
    for (const TDataSkinObject* element : d.ElementsInLoadOrder())
        buffers.push_back(element->Image.IsEmpty() ? nullptr : element->Image.Row(0));
    for (const auto& button : d.TitleButtons)
        buffers.push_back(button->Image.IsEmpty() ? nullptr : button->Image.Row(0));
    return buffers;
}

TEST(SkinDefinitionMove, HandsTheElementImagesOverWithoutCopyingThem) {
    static_assert(std::is_nothrow_move_constructible_v<TDataSkinObject> &&
                  std::is_nothrow_move_assignable_v<TDataSkinBorder>);
    TSkinDefinition loaded =
        SkinTestPackage("[Personality]\r\nLeft=l.bmp\r\nTop=t.bmp\r\nTextBack=t.bmp\r\n"
                        "[Buttons]\r\nBitmap=b.bmp\r\n"
                        "[Button.Close]\r\nAction=0\r\nButtonImage=b.bmp\r\n"
                        "[Scrollbar]\r\nImage=b.bmp\r\n")
            .Strip("l.bmp", 8, 30, 2)
            .Strip("t.bmp", 40, 24, 2)
            .Strip("b.bmp", 60, 20, 3)
            .Load();
    const std::vector<const Pixel*> before = PixelBuffers(loaded);
    // The fixed elements (borders, Buttons, Title) and a section element all
    // have images here.
    for (const char* name : {"Left", "Top", "Buttons", "Title", "Scrollbar"})
        ASSERT_FALSE(loaded.Find(name)->Image.IsEmpty()) << name;

    TSkinDefinition constructed(std::move(loaded));
    EXPECT_EQ(PixelBuffers(constructed), before) << "move construction";
    TSkinDefinition assigned;
    assigned = std::move(constructed);
    EXPECT_EQ(PixelBuffers(assigned), before) << "move assignment";
    EXPECT_EQ(assigned.Find("Top"), &assigned.Top)
        << "the lookup still finds the definition's own members";
}

} // namespace
} // namespace veyra
