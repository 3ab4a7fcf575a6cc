#include <gtest/gtest.h>

#include <optional>
#include <string>
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ClassName);
        const std::optional<std::string> keyword = FindSkin3rdKeyword(lines, c.ClassName);
        EXPECT_EQ(keyword, c.Keyword);
        if (keyword)
            EXPECT_EQ(ParseSkin3rdKeyword(*keyword), c.Parsed);
    }
    EXPECT_EQ(FindSkin3rdKeyword({}, "TBUTTON"), std::nullopt);
}

TEST(ControlRulesTest, EveryKeywordOfTheTableIsKnownWhateverItsCase) {
    const std::pair<const char*, K> known[] = {
        {"nil", K::Nil},
        {"Combobox", K::ComboBox},
        {"EDIT", K::Edit},
        {"Radiobutton", K::RadioButton},
        {"Panel", K::Panel},
        {"trackbar", K::TrackBar},
        {"button", K::Button},
        {"datetimepicker", K::DateTimePicker},
        {"mediaplayer", K::MediaPlayer},
        {"bitbtn", K::BitBtn},
        {"pngbitbtn", K::PngBitBtn},
        {"menubtn", K::MenuBtn},
        {"speedbutton", K::SpeedButton},
        {"tab", K::Tab},
        {"progress", K::Progress},
        {"scrollbar", K::Scrollbar},
        {"singlescrollbar", K::SingleScrollbar},
        {"embedscrollbar", K::EmbedScrollbar},
        {"container", K::Container},
        {"Groupbox", K::GroupBox},
        {"advpagecontrol", K::AdvPageControl},
        {"radiogroup", K::RadioGroup},
        {"CheckGroup", K::CheckGroup},
        {"Checkbox", K::CheckBox},
        {"tabs", K::Other},
        {"nil ", K::Other},
        {"", K::Other},
    };
    for (const auto& [text, keyword] : known)
        EXPECT_EQ(ParseSkin3rdKeyword(text), keyword) << text;
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
        {"button", 0x1, S::PushButton},        // BS_DEFPUSHBUTTON
        {"button", 0x2, S::CheckBox},
        {"button", 0x3, S::CheckBox},
        {"button", 0x5, S::CheckBox},
        {"button", 0x6, S::CheckBox},
        {"button", 0x4, S::RadioButton},
        {"button", 0x9, S::RadioButton},
        {"button", 0x7, S::Nothing},           // group box
        {"button", 0x8, S::PushButton},        // user button
        {"button", 0xA, S::PushButton},        // push box
        {"button", 0xB, S::Nothing},           // owner-drawn
        {"button", 0xC, S::PushButton},        // split button
        {"button", 0xD, S::PushButton},        // default split button
        {"button", 0xE, S::PushButton},        // command link
        {"button", 0xF, S::PushButton},        // default command link
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
}

} // namespace
} // namespace veyra
