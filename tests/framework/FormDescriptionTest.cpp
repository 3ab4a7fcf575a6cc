#include <gtest/gtest.h>

#include "framework/FormDescription.h"

namespace veyra {
namespace {

TEST(FormDescription, ReadsEveryKindOfValueAndNesting) {
    const TFormObject root = ParseFormDescription("\xEF\xBB\xBF"
                                                  "object Form1: TForm\n"
                                                  "  // a comment line\n"
                                                  "  Left = -193\n"
                                                  "  Color = $FF00000F\n"
                                                  "  Caption = 'It''s \xE6\x9F\xA5'\n"
                                                  "  Font.Style = [fsBold, fsItalic]\n"
                                                  "  Anchors = []\n"
                                                  "  Position = poScreenCenter\n"
                                                  "  Lines = (\n"
                                                  "    'one'\n"
                                                  "    'two')\n"
                                                  "  Data = {0A0b\n"
                                                  "    FF}\n"
                                                  "  object Panel1: TPanel\n"
                                                  "    object Inner: TButton\n"
                                                  "    end\n"
                                                  "  end\n"
                                                  "  object Timer1: TTimer\n"
                                                  "  end\n"
                                                  "end\n");
    EXPECT_EQ(root.Name, "Form1");
    EXPECT_EQ(root.ClassName, "TForm");
    ASSERT_EQ(root.Properties.size(), 8u);
    EXPECT_EQ(std::get<std::int64_t>(root.Properties[0].Value.Value), -193);
    EXPECT_EQ(root.Properties[0].Line, 3);
    EXPECT_EQ(std::get<std::int64_t>(root.Properties[1].Value.Value), 0xFF00000F);
    EXPECT_EQ(std::get<std::string>(root.Properties[2].Value.Value), "It's \xE6\x9F\xA5");
    EXPECT_EQ(root.Properties[3].Name, "Font.Style");
    EXPECT_EQ(std::get<TFormValue::Set>(root.Properties[3].Value.Value).Names,
              (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(std::get<TFormValue::Set>(root.Properties[4].Value.Value).Names.empty());
    EXPECT_EQ(std::get<TFormValue::Ident>(root.Properties[5].Value.Value).Name, "poScreenCenter");
    EXPECT_EQ(std::get<TFormValue::List>(root.Properties[6].Value.Value).Items,
              (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(std::get<TFormValue::Binary>(root.Properties[7].Value.Value).Bytes,
              (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF}));
    ASSERT_EQ(root.Children.size(), 2u);
    EXPECT_EQ(root.Children[0].Name, "Panel1");
    EXPECT_EQ(root.Children[0].Line, 14);
    ASSERT_EQ(root.Children[0].Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Children[0].ClassName, "TButton");
    EXPECT_EQ(root.Children[1].ClassName, "TTimer");
}

struct TBrokenCase {
    const char* Title;
    const char* Text;
    int Line;
    const char* Fragment;
};

class BrokenFormDescription : public testing::TestWithParam<TBrokenCase> {};

TEST_P(BrokenFormDescription, FailsNamingTheLine) {
    const TBrokenCase& c = GetParam();
    try {
        ParseFormDescription(c.Text);
        FAIL() << c.Title << ": no error";
    } catch (const EFormDescriptionError& e) {
        EXPECT_EQ(e.Line(), c.Line) << c.Title << ": " << e.what();
        const std::string what = e.what();
        EXPECT_NE(what.find("line " + std::to_string(c.Line)), std::string::npos) << what;
        EXPECT_NE(what.find(c.Fragment), std::string::npos) << c.Title << ": " << what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFormDescription,
    testing::Values(
        TBrokenCase{"empty", "", 1, "expected \"object\""},
        TBrokenCase{"missing end", "object A: TForm\n  Left = 1\n", 3,
                    "\"end\" missing for object A"},
        TBrokenCase{"no colon", "object A TForm\nend\n", 1, "expected \":\""},
        TBrokenCase{"no equals", "object A: TForm\n  Left 1\nend\n", 2,
                    "expected \"=\" after Left"},
        TBrokenCase{"no value", "object A: TForm\n  Left =\nend\n", 2, "a value is missing"},
        TBrokenCase{"open text", "object A: TForm\n  Caption = 'abc\nend\n", 2, "text not closed"},
        TBrokenCase{"bad number", "object A: TForm\n  Left = 12x\nend\n", 2, "is not a number"},
        TBrokenCase{"huge number", "object A: TForm\n  Left = 99999999999999999999999\nend\n", 2,
                    "too large"},
        TBrokenCase{"odd hex", "object A: TForm\n  Data = {ABC}\nend\n", 2, "odd number of digits"},
        TBrokenCase{"bad hex", "object A: TForm\n  Data = {AZ}\nend\n", 2,
                    "not a hexadecimal digit"},
        TBrokenCase{"open hex", "object A: TForm\n  Data = {AB\n", 3, "not closed with \"}\""},
        TBrokenCase{"bad set", "object A: TForm\n  S = [a b]\nend\n", 2, "expected \",\" or \"]\""},
        TBrokenCase{"open list", "object A: TForm\n  L = ('a'\n", 3, "list not closed"},
        TBrokenCase{"list of names", "object A: TForm\n  L = (a)\nend\n", 2,
                    "expected a quoted text"},
        TBrokenCase{"two values", "object A: TForm\n  Left = 1 2\nend\n", 2, "after the value"},
        TBrokenCase{"trailing text", "object A: TForm\nend\nobject B: TForm\nend\n", 3,
                    "unexpected text after"},
        TBrokenCase{"stray symbol", "object A: TForm\n  Left = %\nend\n", 2,
                    "does not start a value"}),
    [](const testing::TestParamInfo<TBrokenCase>& info) {
        std::string name = info.param.Title;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

TEST(FormDescription, RefusesNestingBeyondAnyRealForm) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "object A" + std::to_string(i) + ": TPanel\n";
    EXPECT_THROW(ParseFormDescription(text), EFormDescriptionError);
}

} // namespace
} // namespace veyra
