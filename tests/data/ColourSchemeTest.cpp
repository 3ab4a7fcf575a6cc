// The skin's colour scheme, and the text form of a colour as skin authors
// write it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestData.h"
#include "skin/data/SkinColours.h"
#include "skin/package/QuickIni.h"

namespace veyra {
namespace {

TSkinColours SchemeOf(const std::string& text) {
    TQuickIni ini;
    ini.LoadText(text);
    return LoadColourScheme(ini);
}

TEST(ParseColour, TheThreeNumbersMayBeSeparatedByAnything) {
    const Colour orange = Rgb(255, 128, 0);
    for (const char* text : {"255 128 0", "255,128,0", "255, 128, 0 ", "  255\t128\t0",
                             "r255g128b0", "255;128;0", "255 , 128 , 0"})
        EXPECT_EQ(ParseColour(text), orange) << '"' << text << '"';
}

TEST(ParseColour, MissingAndExtraNumbers) {
    EXPECT_EQ(ParseColour(""), kBlack);
    EXPECT_EQ(ParseColour("   "), kBlack);
    EXPECT_EQ(ParseColour("200"), kBlack) << "a lone number is no colour";
    EXPECT_EQ(ParseColour("200 "), kBlack) << "the text is trimmed first, so no blank ends it";
    EXPECT_EQ(ParseColour("200,"), Rgb(200, 0, 0)) << "until something ends it";
    EXPECT_EQ(ParseColour("10 20"), Rgb(10, 0, 0)) << "an open last number only counts as blue";
    EXPECT_EQ(ParseColour("10 20,"), Rgb(10, 20, 0));
    EXPECT_EQ(ParseColour("1 2 3 4"), Rgb(1, 2, 3)) << "four numbers: the first three";
    EXPECT_EQ(ParseColour("1 2 3 4 5 6,"), Rgb(1, 2, 3));
    EXPECT_EQ(ParseColour("red"), kBlack);
}

TEST(ParseColour, SignsAreSeparatorsAndComponentsKeepTheirLowByte) {
    EXPECT_EQ(ParseColour("-1, 5, 7"), Rgb(1, 5, 7)) << "a leading minus sign is ignored";
    EXPECT_EQ(ParseColour("1 -5 -7"), Rgb(1, 5, 7));
    EXPECT_EQ(ParseColour("256 257 511"), Rgb(0, 1, 255));
    EXPECT_EQ(ParseColour("1000 300 0"), Rgb(1000 % 256, 300 % 256, 0));
    EXPECT_EQ(ParseColour("99999999999999999999999999999999 0 0"), Rgb(255, 0, 0))
        << "a run of digits of any length is taken modulo 256";
    EXPECT_EQ(ParseColour("1.5 2 3"), Rgb(1, 5, 2)) << "a decimal point is a separator too";
}

TEST(ColourOrDefault, OnlyAnEmptyTextGivesTheDefault) {
    EXPECT_EQ(ColourOrDefault("", clBtnFace), clBtnFace);
    EXPECT_EQ(ColourOrDefault("0 0 0", clBtnFace), kBlack);
    EXPECT_EQ(ColourOrDefault("nonsense", clBtnFace), kBlack);
}

TEST(ColourScheme, WithoutColoursEveryMemberFollowsTheSystem) {
    const TSkinColours scheme = SchemeOf("[Buttons]\nBitmap=b.bmp\n");
    EXPECT_EQ(scheme, TSkinColours{}) << "a default scheme is the scheme of a skin without colours";
    EXPECT_EQ(scheme.WindowText, 0xFF000008u);
    EXPECT_EQ(scheme.ButtonFace, 0xFF00000Fu);
    EXPECT_EQ(scheme.Scrollbar, 0xFF000000u);
    EXPECT_EQ(scheme.Menubar, 0xFF00000Fu);
    EXPECT_EQ(scheme.Buttonlight, 0xFF000014u);
    EXPECT_EQ(scheme.ButtonDkShadow, 0xFF000015u);
    EXPECT_EQ(scheme.TitleTextNoActive, 0xFF000013u);
    for (const TSkinColourMember& member : SkinColourMembers())
        EXPECT_TRUE(IsSystemColour(scheme.*member.Member)) << member.Key;
    EXPECT_TRUE(scheme.ExtraColours.empty());
    for (Colour custom : scheme.CustomColours)
        EXPECT_EQ(custom, kWhite);
}

TEST(ColourScheme, MembersAreReadFromTheirKeysInAnyLetterCase) {
    std::string text = "[COLOURS]\n";
    int i = 0;
    for (const TSkinColourMember& member : SkinColourMembers()) {
        ++i;
        text += std::string(member.Key) + "=" + std::to_string(i) + " 0 " +
                std::to_string(200 - i) + "\n";
    }
    const TSkinColours scheme = SchemeOf(text);
    i = 0;
    for (const TSkinColourMember& member : SkinColourMembers()) {
        ++i;
        EXPECT_EQ(scheme.*member.Member, Rgb(i, 0, 200 - i)) << member.Key;
    }
    EXPECT_EQ(SkinColourMembers().size(), 16u);
}

TEST(ColourScheme, MenubarFollowsTheSkinsButtonFace) {
    const TSkinColours scheme = SchemeOf("[Colours]\nButtonFace=236 233 216\nMenubar=\n");
    EXPECT_EQ(scheme.ButtonFace, Rgb(236, 233, 216));
    EXPECT_EQ(scheme.Menubar, Rgb(236, 233, 216)) << "an empty Menubar takes the skin's ButtonFace";
    EXPECT_EQ(SchemeOf("[Colours]\nButtonFace=1 2 3\nMenubar=4 5 6\n").Menubar, Rgb(4, 5, 6));
    EXPECT_EQ(SchemeOf("[Colours]\nMenu=1 2 3\n").Menubar, clBtnFace);
}

TEST(ColourScheme, ColoursIsNotAnExtraColourButColours2Is) {
    const TSkinColours scheme = SchemeOf("[colours]\nButtonFace=1 1 1\n[Colour1]\ncolor=255 0 0\n"
                                         "[COLOURS]\n[Colours2]\n[colour.Edit]\nCOLOR=1 2 3\n"
                                         "[Colour1]\ncolor=9 9 9\n[Colourful]\nColor=\n[MyColour]\n"
                                         "[ Colour3]\ncolor=7 7 7\n");
    EXPECT_EQ(scheme.ExtraColours,
              (std::vector<Colour>{Rgb(255, 0, 0), clWindowText, Rgb(1, 2, 3), Rgb(255, 0, 0),
                                   clWindowText, clWindowText}))
        << "in file order; a repeated section reads its first occurrence; \"[ Colour3]\" is "
           "listed as Colour3 but not found under that name";
}

TEST(ColourScheme, CustomColoursAreColor0ToColor9) {
    const TSkinColours scheme =
        SchemeOf("[CustomColors]\ncolor0=1 2 3\nColor5=4,5,6\nColor9=7 8 9,\nColor10=1 1 1\n");
    EXPECT_EQ(scheme.CustomColours[0], Rgb(1, 2, 3));
    EXPECT_EQ(scheme.CustomColours[5], Rgb(4, 5, 6));
    EXPECT_EQ(scheme.CustomColours[9], Rgb(7, 8, 9));
    for (std::size_t i : {1u, 2u, 3u, 4u, 6u, 7u, 8u})
        EXPECT_EQ(scheme.CustomColours[i], kWhite) << i;
}

TEST(ColourScheme, ASkinDefinitionFile) {
    TQuickIni ini;
    ini.LoadBytes(test::ReadTestFile(test::TestDataDir() / "ini" / "sample-skin.ini"));
    const TSkinColours scheme = LoadColourScheme(ini);
    EXPECT_EQ(scheme.ButtonFace, Rgb(236, 233, 216));
    EXPECT_EQ(scheme.Menubar, Rgb(236, 233, 216));
    EXPECT_EQ(scheme.ButtonText, Rgb(0, 0, 128));
    EXPECT_EQ(scheme.Hilight, Rgb(49, 106, 197));
    EXPECT_EQ(scheme.TitleTextActive, Rgb(255, 255, 255)) << "the comment after it is only text";
    EXPECT_EQ(scheme.MenuBarText, clMenuText) << "an empty value keeps the default";
    EXPECT_EQ(scheme.WindowText, clWindowText);
    EXPECT_EQ(scheme.ExtraColours,
              (std::vector<Colour>{Rgb(255, 0, 0), Rgb(10, 20, 30), clWindowText}));
    EXPECT_EQ(scheme.CustomColours[0], Rgb(1, 2, 3));
    EXPECT_EQ(scheme.CustomColours[9], Rgb(250, 251, 252));
    EXPECT_EQ(ini.ReadInteger("Buttons", "Trans", 0), 1);
}

TEST(SystemColours, ReferencesResolveThroughTheTable) {
    RefreshSystemColours();
    const TSkinColours scheme = SchemeOf("[Colours]\nButtonText=1 2 3\n");
    EXPECT_EQ(ResolveColour(scheme.ButtonText), Rgb(1, 2, 3));
    EXPECT_EQ(ResolveColour(scheme.ButtonFace), SystemColours::Get(15));
    const Colour saved = SystemColours::Get(15);
    SystemColours::Set(15, Rgb(9, 8, 7));
    EXPECT_EQ(ResolveColour(scheme.ButtonFace), Rgb(9, 8, 7))
        << "resolved when used, not when read";
    SystemColours::Set(15, saved);
#ifndef _WIN32
    EXPECT_EQ(ResolveColour(clBtnFace), Rgb(212, 208, 200)) << "the classic button face";
    EXPECT_EQ(ResolveColour(clWindowText), kBlack);
    EXPECT_EQ(ResolveColour(clBtnHighlight), kWhite);
#endif
}

} // namespace
} // namespace veyra
