// The product's own skins, packed and loaded the way the viewer loads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TestData.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/data/SkinLoader.h"
#include "tools/packer/SkinPacker.h"

namespace veyra {
namespace {

namespace fs = std::filesystem;

TSkinDefinition LoadProductSkin(const std::string& name) {
    std::vector<tools::PackMember> members;
    for (const auto& entry :
         fs::directory_iterator(test::TestDataDir() / ".." / ".." / "skins" / name))
        if (entry.is_regular_file())
            members.push_back({entry.path().filename().string(), test::ReadTestFile(entry.path())});
    std::sort(members.begin(), members.end(),
              [](const auto& a, const auto& b) { return a.Name < b.Name; });
    TSkinDefinition skin;
    EXPECT_TRUE(LoadSkinDefinition(tools::PackSkin(members, 20000), skin, {},
                                   [](std::string_view text) { ADD_FAILURE() << text; }));
    return skin;
}

class ProductSkinLoad : public ::testing::TestWithParam<const char*> {};

TEST_P(ProductSkinLoad, LoadsCompletelyWithAShapedFrameAndWorkingTitleButtons) {
    const TSkinDefinition skin = LoadProductSkin(GetParam());
    EXPECT_TRUE(skin.Notes.empty()) << skin.Notes.front();
    EXPECT_FALSE(skin.SkinName.empty());
    for (const char* name :
         {"Tabs", "Tab.Pane", "Scrollbar", "ComboButton", "SunkEdge", "Progress", "MenuItem",
          "GroupBox", "StatusBarEdges", "Headerbar", "UpDown.Horz", "ToolBars", "Personality"})
        EXPECT_NE(skin.Find(name), nullptr) << name;

    // The window gets real borders and a title bar, and the top corners are cut.
    const TFrameMetrics m = ComputeFrameMetrics(skin, TBorderKind::Sizeable, 0);
    EXPECT_GT(m.TitleHeight, 16);
    EXPECT_GT(m.BorderLeft, 0);
    EXPECT_GT(m.BorderBottom, 0);
    EXPECT_EQ(skin.Top.Trans, 1);
    EXPECT_EQ(ColourOf(skin.Top.Image.At(0, 0)), kKeyColour) << "rounded top-left corner";

    // Close, maximise, minimise and the system menu all show on an ordinary window.
    TWindowTraits window;
    window.HasSystemMenu = window.HasMinimizeBox = window.HasMaximizeBox = true;
    std::vector<int> shown;
    for (const auto& button : skin.TitleButtons)
        if (EvaluateTitleButton(*button, window).Visible)
            shown.push_back(static_cast<int>(button->Action));
    for (int action : {0, 1, 2})
        EXPECT_NE(std::find(shown.begin(), shown.end(), action), shown.end())
            << "action " << action;
}

INSTANTIATE_TEST_SUITE_P(Skins, ProductSkinLoad, ::testing::Values("default", "dark"));

} // namespace
} // namespace veyra
