// The skin definition's INI syntax, grouped by what a skin author writes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "skin/package/QuickIni.h"

namespace veyra {
namespace {

TQuickIni Parse(const std::string& text) {
    TQuickIni ini;
    ini.LoadText(text);
    return ini;
}

std::vector<std::string> Sections(const TQuickIni& ini) {
    std::vector<std::string> list{"left over"}; // filling must replace, not append
    ini.GetSections(&list);
    return list;
}

TEST(QuickIni, SectionsAndKeysMatchInAnyLetterCase) {
    const TQuickIni ini =
        Parse("[colours]\r\nButtonFace=1 2 3\r\n[BUTTONS]\r\nimage=Button.BMP\r\n");
    EXPECT_EQ(ini.ReadString("Colours", "ButtonFace", "-"), "1 2 3");
    EXPECT_EQ(ini.ReadString("COLOURS", "BUTTONFACE", "-"), "1 2 3");
    EXPECT_EQ(ini.ReadString("cOlOuRs", "buttonface", "-"), "1 2 3");
    EXPECT_EQ(ini.ReadString("Buttons", "Image", "-"), "Button.BMP") << "values keep their case";
    EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", "-"), "-");
    EXPECT_EQ(ini.ReadString("Button", "Image", "-"), "-") << "section names match whole";
}

TEST(QuickIni, FirstOfRepeatedKeysAndSectionsWins) {
    const TQuickIni ini = Parse("[A]\nKey=first\nkey=second\nEmpty=\nEmpty=later\n"
                                "[B]\nX=1\n[a]\nKey=third\nOnlyHere=4\n");
    EXPECT_EQ(ini.ReadString("A", "Key", "-"), "first");
    EXPECT_EQ(ini.ReadString("A", "Empty", "-"), "-")
        << "the first matching key ends the search even when its value is empty";
    EXPECT_EQ(ini.ReadString("A", "OnlyHere", "-"), "-") << "a repeated section is never read";
    EXPECT_EQ(Sections(ini), (std::vector<std::string>{"A", "B", "a"}));
}

TEST(QuickIni, ValuesAreTrimmedAndKeepEverythingAfterTheFirstEquals) {
    const TQuickIni ini =
        Parse("[S]\n  Image = a b.bmp  \t\nPath=x=y\nSemi=12 ; red\n Spaced Key =v\n");
    EXPECT_EQ(ini.ReadString("S", "Image", "-"), "a b.bmp");
    EXPECT_EQ(ini.ReadString("S", "Path", "-"), "x=y");
    EXPECT_EQ(ini.ReadString("S", "Semi", "-"), "12 ; red") << "a semicolon inside a value is text";
    EXPECT_EQ(ini.ReadInteger("S", "Semi", -7), -7) << "and so the value is not a number";
    EXPECT_EQ(ini.ReadString("S", "spaced key", "-"), "v");
    EXPECT_EQ(ini.ReadString("S", " spaced key", "-"), "-") << "the asked key is not trimmed";
}

TEST(QuickIni, KeysBelongToTheirSectionOnly) {
    const TQuickIni ini = Parse("Loose=0\n[First]\nA=1\n[Second]\nB=2\n");
    EXPECT_EQ(ini.ReadString("First", "B", "-"), "-") << "a key after the next header is not found";
    EXPECT_EQ(ini.ReadString("Second", "A", "-"), "-");
    EXPECT_EQ(ini.ReadString("Second", "B", "-"), "2");
    EXPECT_EQ(ini.ReadString("", "Loose", "-"), "-")
        << "lines before the first header are in no section";
}

TEST(QuickIni, CommentsAndBlankLinesBetweenAHeaderAndItsKeys) {
    const TQuickIni ini = Parse("[Title]\n; the caption\n\n   \n\t; indented comment\nHeight=22\n"
                                ";[Hidden]\nWidth=3\n");
    EXPECT_EQ(ini.ReadInteger("Title", "Height", 0), 22);
    EXPECT_EQ(ini.ReadInteger("Title", "Width", 0), 3) << "a commented-out header splits nothing";
    EXPECT_EQ(Sections(ini), (std::vector<std::string>{"Title"}));
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Title]", "Height=22", "Width=3"}));
}

TEST(QuickIni, LinesEndAtCrLfCrOrLf) {
    const TQuickIni ini = Parse("[S]\rA=1\r\nB=2\nC=3\n\rD=4");
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), 2);
    EXPECT_EQ(ini.ReadInteger("S", "C", 0), 3);
    EXPECT_EQ(ini.ReadInteger("S", "D", 0), 4) << "the last line needs no line end";
    EXPECT_EQ(ini.Lines().size(), 5u);
}

TEST(QuickIni, HeaderNamesAreNotTrimmedInsideTheBrackets) {
    const TQuickIni ini = Parse("[ Buttons ]\nImage=b.bmp\n[]\nK=v\n");
    EXPECT_EQ(ini.ReadString("Buttons", "Image", "-"), "-");
    EXPECT_EQ(ini.ReadString(" Buttons ", "Image", "-"), "b.bmp");
    EXPECT_EQ(ini.ReadString("", "K", "-"), "v") << "an empty header is a section like any other";
    EXPECT_EQ(Sections(ini), (std::vector<std::string>{"Buttons", ""})) << "but listed trimmed";
}

TEST(QuickIni, LinesWithoutEqualsHaveAnEmptyKey) {
    const TQuickIni ini = Parse("[S]\nno equals here\n=orphan\n");
    EXPECT_EQ(ini.ReadString("S", "no equals here", "-"), "-");
    EXPECT_EQ(ini.ReadString("S", "", "-"), "-") << "the first empty key is the line without =";
    EXPECT_EQ(Parse("[S]\n=orphan\n").ReadString("S", "", "-"), "orphan");
}

TEST(QuickIni, IntegersInDecimalAndHexadecimal) {
    const TQuickIni ini =
        Parse("[N]\nDec=31\nNeg=-12\nPlus=+5\nHex0x=0x1F\nHexUpper=0X1f\nDollar=$1F\n"
              "Bare0x=0x\nDollarOnly=$\nNegHex=-$10\nZeros=0000000000000042\n"
              "HexAllBits=$FFFFFFFF\nCHex=0x00FF00FF\nTrailing=12px\nSpaced=1 2\n"
              "Float=1.5\nLeadingX=x1F\n");
    EXPECT_EQ(ini.ReadInteger("N", "Dec", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "Neg", 0), -12);
    EXPECT_EQ(ini.ReadInteger("N", "Plus", 0), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Hex0x", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "HexUpper", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "Dollar", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "Bare0x", -1), -1) << "a bare 0x is not converted";
    EXPECT_EQ(ini.ReadInteger("N", "DollarOnly", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "NegHex", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "Zeros", 0), 42);
    EXPECT_EQ(ini.ReadInteger("N", "HexAllBits", 0), -1) << "hexadecimal spells the 32 bits";
    EXPECT_EQ(ini.ReadInteger("N", "CHex", 0), 0x00FF00FF);
    for (const char* key : {"Trailing", "Spaced", "Float", "LeadingX", "Missing"})
        EXPECT_EQ(ini.ReadInteger("N", key, 99), 99) << key;
}

TEST(QuickIni, IntegersOutsideThe32BitRangeGiveTheDefault) {
    const TQuickIni ini = Parse("[N]\nMax=2147483647\nMin=-2147483648\nOver=2147483648\n"
                                "Under=-2147483649\nHuge=99999999999999999999999999\n"
                                "HexOver=$100000000\nHexLong=0x0000000000000001\n");
    EXPECT_EQ(ini.ReadInteger("N", "Max", 0), 2147483647);
    EXPECT_EQ(ini.ReadInteger("N", "Min", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("N", "Over", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Under", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "Huge", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "HexOver", 5), 5);
    EXPECT_EQ(ini.ReadInteger("N", "HexLong", 5), 1)
        << "leading zeros do not count against the range";
}

TEST(QuickIni, GetSectionsNeedsAList) {
    const TQuickIni ini = Parse("[A]\n");
    try {
        ini.GetSections(nullptr);
        FAIL() << "no assertion error";
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
    }
}

TEST(QuickIni, LoadReadsFromTheStreamPositionAndReplacesTheContent) {
    TQuickIni ini = Parse("[Old]\nK=old\n");
    ini.Load(nullptr);
    EXPECT_EQ(ini.ReadString("Old", "K", "-"), "old")
        << "a missing stream leaves the reader as it was";

    std::istringstream stream("[Skipped]\nK=1\n[New]\nK=new\n");
    stream.seekg(11);
    ini.Load(&stream);
    EXPECT_EQ(ini.ReadString("New", "K", "-"), "new");
    EXPECT_EQ(ini.ReadString("Old", "K", "-"), "-");
    EXPECT_EQ(Sections(ini), (std::vector<std::string>{"New"}))
        << "text before the position is not read";

    const std::vector<std::uint8_t> bytes = {'[', 'B', ']', '\n', 'k', '=', '7'};
    ini.LoadBytes(bytes);
    EXPECT_EQ(ini.ReadInteger("b", "K", 0), 7);
    ini.LoadText("");
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_TRUE(Sections(ini).empty());
    EXPECT_EQ(ini.ReadString("B", "K", "-"), "-");
}

} // namespace
} // namespace veyra
