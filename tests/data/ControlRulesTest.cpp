#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ControlRules.h"

namespace veyra {
namespace {

using K = TSkin3rdKeyword;

TEST(ControlRulesTest, Skin3rdLookupTakesTheFirstLineThatStartsWithTheClass) {
    const std::vector<std::string> lines = {
        "TMyTMYEDIT=button", // only ends with the class name
        "TCategoryButtons=scrollbar",
        "TLMDGROUPBOX=Panel",
        "tlmdgroupbox=nil", // a later line for the same class
        "TLMDEdit= edit",
        "TNoValue=",
        "TLong=" + std::string(60, 'x'),
        "TMixed=ComboBox=x",
        "TWeird=no such keyword",
        "=orphan",
        "TShort",
        "TRzRadioGroup=Radiogroup",
        "TLMDGroupBox=Groupbox",
        "TScroller=singleSCROLLBAR",
        "TNothing=nil",
    };
    struct Case {
        const char* ClassName;
        std::optional<std::string> Keyword;
        K Parsed;
    };
    const Case cases[] = {
        {"TMYEDIT", std::nullopt, K::Other},
        {"TCATEGORYBUTTONS", "scrollbar", K::Scrollbar},
        {"TCATEGORYBUTTON", std::nullopt, K::Other}, // a prefix of a class is not the class
        {"TLMDGROUPBOX", "panel", K::Panel},
        {"TLMDEDIT", " edit", K::Other},
        {"TNOVALUE", "", K::Other},
        {"TLONG", std::string(kSkin3rdKeywordLimit, 'x'), K::Other},
        {"TMIXED", "combobox=x", K::Other},
        {"TWEIRD", "no such keyword", K::Other},
        {"TSHORT", std::nullopt, K::Other},
        {"TRZRADIOGROUP", "radiogroup", K::RadioGroup},
        {"", std::nullopt, K::Other},
        {"TMIXED=COMBOBOX", std::nullopt, K::Other},
        {"TSCROLLER", "singlescrollbar", K::SingleScrollbar},
        {"tnothing", "nil", K::Nil},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ClassName);
        const std::optional<std::string> keyword = FindSkin3rdKeyword(lines, c.ClassName);
        EXPECT_EQ(keyword, c.Keyword);
        if (keyword) {
            EXPECT_EQ(ParseSkin3rdKeyword(*keyword), c.Parsed);
        }
    }
    EXPECT_EQ(FindSkin3rdKeyword({}, "TBUTTON"), std::nullopt);
    EXPECT_EQ(ParseSkin3rdKeyword("Checkbox"), K::CheckBox);
    EXPECT_EQ(ParseSkin3rdKeyword("tabs"), K::Other);
}

TEST(ControlRulesTest, ChildWindowsAreDecidedByClassAndStyle) {
    using S = TChildWindowSkin;
    struct Case {
        const char* ClassName;
        std::uint32_t Style;
        S Skin;
    };
    const Case cases[] = {
        {"Button", 0x50010000, S::PushButton}, // BS_PUSHBUTTON with WS_TABSTOP
        {"button", 0x80, S::Nothing},          // bitmap push button
        {"button", 0x83, S::Nothing},          // bitmap check box
        {"button", 0x2000 | 0x3, S::CheckBox}, // BS_MULTILINE does not change the type
        {"ComboBox", 0x1, S::Nothing},
        {"combobox", 0x2, S::ComboBox},
        {"combobox", 0x3, S::ComboBox},
        {"ComboBoxEx32", 0x3, S::FirstChildComboBox},
        {"scrollbar", 0x0, S::Nothing},
        {"scrollbar", 0x1, S::Nothing},
        {"scrollbar", 0x10000, S::Nothing},
        {"scrollbar", 0x8, S::SizeBox},
        {"scrollbar", 0x10 | 0x4, S::SizeBox},
        {"SysTreeView32", 0x0, S::Nothing},
        {"#32770", 0x40000044, S::Dialog},
        {"#32770", 0x40010044, S::Nothing},
        {"TPanel", 0x0, S::Panel},
        {"TTntPanel.UnicodeClass", 0x0, S::Panel},
        {"ttntsilentpaintpanel.unicodeclass", 0x0, S::Panel},
        {"TSilentPaintPanel", 0x0, S::PanelColour},
        {"TCheckBox", 0x0, S::CheckBox},
        {"TComboBox", 0x1, S::ComboBox},
        {"TButton", 0xB, S::PushButton}, // decided by name alone
        {"TProgressBar", 0x0, S::Progress},
        {"SysTabControl32", 0x0, S::Tab},
        {"SysTabControl32", 0x2000, S::Nothing},
        {"Edit", 0x50800080, S::Edit},
        {"ToolbarWindow32", 0x0, S::Nothing},
        {"Static", 0x0, S::Nothing},
        {"", 0x0, S::Nothing},
        {"buttonx", 0x0, S::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyChildWindow(c.ClassName, c.Style), c.Skin)
            << c.ClassName << " style " << std::hex << c.Style;
    // Every button type: push, default push, check, auto check, radio, three
    // state, auto three state, group box, user, auto radio, push box,
    // owner-drawn, split, default split, command link, default command link.
    const std::string_view byType = "PPCCRCCNPRPNPPPP";
    for (std::uint32_t type = 0; type < byType.size(); ++type) {
        const S skin = byType[type] == 'P'   ? S::PushButton
                       : byType[type] == 'C' ? S::CheckBox
                       : byType[type] == 'R' ? S::RadioButton
                                             : S::Nothing;
        EXPECT_EQ(ClassifyChildWindow("BUTTON", type), skin) << "button type " << type;
    }
}

} // namespace
} // namespace veyra
