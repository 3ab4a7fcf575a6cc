// One test per file of tests/data/malformed: damaged skin files as a skin
// author's tools might leave them.
#include <gtest/gtest.h>

#include <string>

#include "TestData.h"
#include "skin/package/SkinReader.h"

namespace veyra {
namespace {

enum class Outcome { Damaged, Older };

struct MalformedCase {
    const char* File;
    Outcome Expected;
    const char* Reason;
};

class MalformedSkinFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedSkinFile, IsReportedAndLeavesNoMembers) {
    const MalformedCase& c = GetParam();
    const auto bytes = test::ReadTestFile(test::TestDataDir() / "malformed" / c.File);
    int messages = 0;
    TSkinReader reader([&](std::string_view) { ++messages; });
    if (c.Expected == Outcome::Older) {
        EXPECT_FALSE(reader.Unpack(bytes));
        EXPECT_EQ(messages, 1);
    } else {
        try {
            reader.Unpack(bytes);
            ADD_FAILURE() << c.File << " was accepted";
        } catch (const ESkinFileDamaged& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(messages, 0);
    }
    EXPECT_TRUE(reader.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedSkinFile,
    ::testing::Values(MalformedCase{"empty.skn", Outcome::Damaged, "4-byte size"},
                      MalformedCase{"negative-size.skn", Outcome::Damaged, "negative"},
                      MalformedCase{"huge-size.skn", Outcome::Damaged, "can hold"},
                      MalformedCase{"truncated-header.skn", Outcome::Damaged, "16-byte header"},
                      MalformedCase{"older-format.skn", Outcome::Older, ""},
                      MalformedCase{"name-list-too-long.skn", Outcome::Damaged, "name list length"},
                      MalformedCase{"member-past-end.skn", Outcome::Damaged, "runs past the end"},
                      MalformedCase{"negative-member.skn", Outcome::Damaged, "negative size"},
                      MalformedCase{"too-many-names.skn", Outcome::Damaged, "members listed"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) {
        std::string name = info.param.File;
        name = name.substr(0, name.find('.'));
        for (char& ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

} // namespace
} // namespace veyra
