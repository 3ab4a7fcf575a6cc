// dump, validate and render of whole skins, run as the built sknutil.
#include <gtest/gtest.h>

#include "SknutilTest.h"
#include "TestData.h"
#include "skin/imaging/BmpReader.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

namespace fs = std::filesystem;

class SkinCommands : public test::SknutilTest {
protected:
    std::vector<std::uint8_t> Strip(int width, int height, Pixel fill) {
        return WriteBmp(Bitmap(width, height, PixelFormat::Rgb24, fill), BmpDepth::Bits24);
    }

    fs::path Skin() {
        const std::string ini = "[TitlebarSkin]\r\nSkinName=Tiny \"quoted\"\r\n"
                                "[Buttons]\r\nBitmap=buttons.bmp\r\nLeftWidth=2\r\nRightWidth=2\r\n"
                                "[MenuItem]\r\nImage=menu.bmp\r\n"
                                "[Scrollbar]\r\nImage=gone.bmp\r\n"
                                "[Leftover]\r\nKey=1\r\n"
                                "[BUTTON.Never]\r\nAction=50\r\nVisibility=5\r\n"
                                // Shows only on a dialog frame, which hides system-menu buttons.
                                "[BUTTON.Hidden]\r\nAction=3\r\nVisibility=200\r\n"
                                "[BUTTON.DialogOnly]\r\nAction=50\r\nVisibility=200\r\n";
        return WriteSkin("tiny.skn",
                         {{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
                          {"buttons.bmp", Strip(50, 20, PixelOf(Rgb(1, 2, 3)))},
                          {"menu.bmp", Strip(51, 8, PixelOf(Rgb(4, 5, 6)))}});
    }
};

TEST_F(SkinCommands, DumpWritesTheBuiltDefinitionAsJson) {
    const test::RunResult r = Run({"dump", Skin().string()});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("\"SkinName\": \"Tiny \\\"quoted\\\"\""), std::string::npos) << r.Out;
    EXPECT_NE(
        r.Out.find("{\"Name\": \"Buttons\", \"Class\": \"TDataSkinButton\", \"LeftWidth\": 2"),
        std::string::npos);
    EXPECT_NE(r.Out.find("\"Image\": {\"Width\": 50, \"Height\": 20}"), std::string::npos);
    EXPECT_NE(r.Out.find("\"CheckImage\": null"), std::string::npos);
    EXPECT_NE(r.Out.find("\"TitleButtons\": ["), std::string::npos);
    EXPECT_NE(r.Out.find("\"ButtonFace\": 4278190095"), std::string::npos)
        << "colours as stored, unresolved";
}

TEST_F(SkinCommands, ValidateListsWhatAnAuthorShouldFix) {
    const test::RunResult r = Run({"validate", Skin().string()});
    EXPECT_EQ(r.Status, 0) << "a skin that loads validates with status 0";
    EXPECT_NE(r.Out.find("\"gone.bmp\" is not in the package"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("MenuItem: image width 51 does not divide into 5 frames"),
              std::string::npos);
    EXPECT_NE(r.Out.find("[Leftover]: no part of the skin reads this section"), std::string::npos);
    EXPECT_NE(r.Out.find("BUTTON.NEVER: can never be visible"), std::string::npos);
    EXPECT_NE(r.Out.find("BUTTON.HIDDEN: can never be visible"), std::string::npos);
    EXPECT_EQ(r.Out.find("BUTTON.DIALOGONLY"), std::string::npos);
    EXPECT_NE(r.Out.find("5 findings"), std::string::npos) << r.Out;
    EXPECT_EQ(Run({"validate", (Dir_ / "none.skn").string()}).Status, 1);
}

TEST_F(SkinCommands, RenderDrawsAnElementWithItsOwnFramesAndMargins) {
    const fs::path out = Dir_ / "button.bmp";
    test::RunResult r = Run({"render", Skin().string(), "buttons", "--size", "40x30", "--frame",
                             "5", "-o", out.string()});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const Bitmap drawn = ReadBmp(test::ReadTestFile(out));
    EXPECT_EQ(drawn.Width(), 40);
    EXPECT_EQ(drawn.Height(), 30);
    EXPECT_EQ(ColourOf(drawn.At(20, 15)), Rgb(1, 2, 3));
    r = Run({"render", Skin().string(), "Buttons", "--size", "40x30", "--frame", "6", "-o",
             out.string()});
    EXPECT_EQ(r.Status, 2) << "the Buttons element has five frames";
    r = Run({"render", Skin().string(), "NoSuch", "--size", "4x4", "-o", out.string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("no element \"NoSuch\""), std::string::npos);
}

} // namespace
} // namespace veyra
