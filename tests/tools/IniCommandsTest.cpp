// The sknutil commands that read skin definitions, run as a skin author runs
// them: the built program, its output, its error text and its exit status.
// The program is looked for beside this test program's build folder; the
// tests are skipped where it is not there (and under Wine).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "SknutilTest.h"
#include "TestData.h"

namespace veyra {
namespace {

namespace fs = std::filesystem;
using test::RunResult;

class IniCommands : public test::SknutilTest {
protected:
    std::string Sample() const {
        return (test::TestDataDir() / "ini" / "sample-skin.ini").string();
    }
};

TEST_F(IniCommands, ValuesAndSectionsAsTheSkinReadsThem) {
    RunResult r = Run({"ini-get", Sample(), "COLOURS", "buttonface"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "236, 233, 216\n");
    EXPECT_EQ(Run({"ini-get", Sample(), "Colours", "MenuBarText", "none"}).Out, "none\n")
        << "an empty value prints the default";
    EXPECT_EQ(Run({"ini-get", Sample(), "Colours", "Missing"}).Out, "\n");
    EXPECT_EQ(Run({"ini-int", Sample(), "Buttons", "Trans", "0"}).Out, "1\n") << "0x1";
    EXPECT_EQ(Run({"ini-int", Sample(), "Buttons", "Bitmap", "-5"}).Out, "-5\n");
    r = Run({"sections", Sample()});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out,
              "TitlebarSkin\ncolours\nButtons\nColour1\nCOLOUR.Edit\nColours2\nCustomcolors\n");
}

TEST_F(IniCommands, ColoursOfAPackedSkin) {
    const fs::path skin = WriteSkin("sample.skn", {{"image.bmp", test::Bytes("BM")},
                                                   {"Sample.INI", test::ReadTestFile(Sample())}});
    const RunResult r = Run({"colours", skin.string()});
    EXPECT_EQ(r.Status, 0) << r.Err;
    std::istringstream lines(r.Out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);)
        all.push_back(line);
    ASSERT_EQ(all.size(), 16u + 3u + 10u);
    EXPECT_EQ(all[0], "WindowText\t0xFF000008");
    EXPECT_EQ(all[1], "ButtonFace\t0x00D8E9EC");
    EXPECT_EQ(all[5], "Menubar\t0x00D8E9EC");
    EXPECT_EQ(all[15], "TitleTextNoActive\t0xFF000013");
    EXPECT_EQ(all[16], "Extra\t0\t0x000000FF");
    EXPECT_EQ(all[18], "Extra\t2\t0xFF000008");
    EXPECT_EQ(all[19], "Custom\t0\t0x00030201");
    EXPECT_EQ(all[28], "Custom\t9\t0x00FCFBFA");
}

TEST_F(IniCommands, ErrorsGoToStandardErrorWithAStatus) {
    RunResult r = Run({"colours", (Dir_ / "missing.ini").string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(r.Out.empty());
    EXPECT_NE(r.Err.find("missing.ini"), std::string::npos) << r.Err;

    r = Run({"ini-get", Sample(), "Colours"});
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Err.find("usage: sknutil ini-get"), std::string::npos) << r.Err;

    r = Run({"ini-int", Sample(), "Buttons", "Trans", "3000000000"});
    EXPECT_EQ(r.Status, 2);
    EXPECT_NE(r.Err.find("DEFAULT"), std::string::npos) << r.Err;

    r = Run({"sections", WriteSkin("images.skn", {{"a.bmp", test::Bytes("BM")}}).string()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("no member whose name contains \".ini\""), std::string::npos) << r.Err;
}

} // namespace
} // namespace veyra
