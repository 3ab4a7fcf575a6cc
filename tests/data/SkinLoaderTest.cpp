#include <gtest/gtest.h>

#include "SkinTestPackage.h"
#include "imaging/BitmapTesting.h"
#include "skin/imaging/Colour.h"
#include "skin/imaging/Gradient.h"
#include "skin/imaging/PixelOps.h"

namespace veyra {
namespace {

using test::SkinTestPackage;

constexpr Pixel kKey = PixelOf(kKeyColour);

TEST(SkinLoaderElements, MissingSectionsAreAbsentAndFixedElementsAlwaysExist) {
    const TSkinDefinition d = SkinTestPackage("[Progress.Chunk]\r\nLeftWidth=3\r\n").Load();
    EXPECT_EQ(d.Find("Progress.Chunk"), nullptr) << "a section without Image yields no element";
    EXPECT_EQ(d.Find("Scrollbar"), nullptr);
    for (const char* name :
         {"Buttons", "Title", "Left", "Right", "Top", "Bottom", "Toolbar", "ComboxArrow"})
        EXPECT_NE(d.Find(name), nullptr) << name;
    EXPECT_EQ(d.TitleButtons.size(), 3u) << "only the three MDI buttons";
    EXPECT_EQ(d.Buttons.Frame, 5);
    EXPECT_EQ(d.Title.Frame, 2);
    EXPECT_EQ(d.Title.FontHeight, 14);
}

TEST(SkinLoaderElements, TextColoursDefaultToTheSchemesButtonText) {
    const TSkinDefinition d =
        SkinTestPackage(
            "[Colours]\r\nButtonText=10 20 30\r\n"
            "[MenuItem]\r\nImage=menu.bmp\r\nNormalColour2=1,2,3\r\nNormalColour=255\r\n")
            .Strip("menu.bmp", 50, 10, 5)
            .Load();
    const TDataSkinObject* item = d.Find("menuitem");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->NormalColour2, Rgb(1, 2, 3));
    EXPECT_EQ(item->MouseOverColour2, Rgb(10, 20, 30));
    EXPECT_EQ(item->PressedColour2, Rgb(10, 20, 30));
    EXPECT_EQ(item->NormalColour, 255);
    EXPECT_EQ(item->MouseOverColour, -1);
    EXPECT_EQ(d.Buttons.NormalColour2, Rgb(10, 20, 30));
    EXPECT_FALSE(d.Buttons.NormalColour2Given);
}

TEST(SkinLoaderElements, TileAndMarginRulesPerSection) {
    const TSkinDefinition d =
        SkinTestPackage(
            "[ToolBars]\r\nImage=t.bmp\r\nTile=2\r\n"
            "[Progress]\r\nBitmap=p.bmp\r\nTile=2\r\nFrame=9\r\n"
            "[Tab.Pane]\r\nImage=pane.bmp\r\nLeftWidth=9\r\nTopHeight=3\r\nRightWidth=5\r\n"
            "BottomHeight=-2\r\n"
            "[Headerbar]\r\nImage=h.bmp\r\nFrame=3\r\n")
            .Strip("t.bmp", 50, 10, 5)
            .Strip("p.bmp", 20, 10, 2)
            .Strip("pane.bmp", 20, 20)
            .Strip("h.bmp", 30, 10, 3)
            .Load();
    EXPECT_EQ(d.Find("ToolBars")->Tile, 0);
    EXPECT_EQ(d.Find("Progress")->Tile, 1);
    EXPECT_EQ(d.Find("Progress")->Frame, 2) << "Style 0 gives two frames whatever Frame says";
    EXPECT_EQ(d.Find("Progress")->NormalColour, 0) << "no colours are read for Progress";
    EXPECT_EQ(d.Find("Tab.Pane")->GetMargins(), (Margins{4, 3, 4, -2}));
    EXPECT_EQ(d.Find("Tab.Pane")->Frame, 1);
    EXPECT_EQ(d.Find("Headerbar")->Frame, 3) << "a stated Headerbar frame count is kept";
    EXPECT_EQ(d.Find("ToolBars")->Frame, 5);
}

TEST(SkinLoaderElements, ImagesLoadByLowerCaseExtensionAndFileNameInAnyCase) {
    const TSkinDefinition d = SkinTestPackage("[MenuItem]\r\nImage=C:\\skins\\Art\\MENU.bmp\r\n"
                                              "[MenuBackground]\r\nImage=back.BMP\r\n"
                                              "[Scrollbar]\r\nImage=missing.bmp\r\n")
                                  .Strip("menu.BMP", 50, 10, 5)
                                  .Strip("back.bmp", 10, 10)
                                  .Load();
    ASSERT_NE(d.Find("MenuItem"), nullptr);
    EXPECT_EQ(d.Find("MenuItem")->Image.Width(), 50);
    ASSERT_NE(d.Find("MenuBackground"), nullptr)
        << "the element exists even when its image does not load";
    EXPECT_TRUE(d.Find("MenuBackground")->Image.IsEmpty());
    ASSERT_NE(d.Find("Scrollbar"), nullptr);
    EXPECT_TRUE(d.Find("Scrollbar")->Image.IsEmpty());
    ASSERT_EQ(d.Notes.size(), 1u);
    EXPECT_NE(d.Notes[0].find("missing.bmp"), std::string::npos);
}

TEST(SkinLoaderElements, DamagedImageIsAnEmptyImageNotAnError) {
    const TSkinDefinition d = SkinTestPackage("[MenuItem]\r\nImage=m.bmp\r\n")
                                  .Raw("m.bmp", {'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F, 0, 0})
                                  .Load();
    ASSERT_NE(d.Find("MenuItem"), nullptr);
    EXPECT_TRUE(d.Find("MenuItem")->Image.IsEmpty());
    EXPECT_EQ(d.Notes.size(), 1u);
}

// An 8-bit run-length BMP of width x height whose data is only the
// end-of-bitmap mark: a few hundred bytes that stand for every pixel.
std::vector<std::uint8_t> EmptyRleBmp(std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> file;
    const auto put = [&](std::uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const std::uint32_t offset = 14 + 40 + 4 * 256; // headers and a grey-less palette of 256
    file = {'B', 'M'};
    for (const auto& [value, bytes] : {std::pair<std::uint32_t, int>{offset + 2, 4},
                                       {0, 4},
                                       {offset, 4},
                                       {40, 4},
                                       {static_cast<std::uint32_t>(width), 4},
                                       {static_cast<std::uint32_t>(height), 4},
                                       {1, 2},
                                       {8, 2},
                                       {1, 4} /* RLE8 */,
                                       {2, 4},
                                       {0, 8},
                                       {256, 4},
                                       {0, 4}})
        put(value, bytes);
    file.resize(offset, 0);
    put(0x0100, 2); // end of bitmap
    return file;
}

// Every section naming one small file of 8M pixels: without a budget the
// skin would take a quarter gigabyte per section.
TEST(SkinLoaderElements, ImagesPastTheSkinsPixelBudgetLoadAsEmptyWithANote) {
    const char* sections[] = {"Progress.Chunk", "GroupBoxEdge",   "StatusBarEdges", "ToolBars",
                              "MenuItem",       "MenuBackground", "Scrollbar",      "HorzScroll",
                              "VertScroll",     "Headerbar"};
    std::string ini;
    for (const char* section : sections)
        ini += std::string("[") + section + "]\r\nImage=big.bmp\r\n";
    const TSkinDefinition d = SkinTestPackage(ini).Raw("big.bmp", EmptyRleBmp(4096, 2048)).Load();
    std::int64_t pixels = 0;
    int loaded = 0;
    for (const char* section : sections) {
        const Bitmap& image = d.Find(section)->Image;
        pixels += static_cast<std::int64_t>(image.Width()) * image.Height();
        loaded += !image.IsEmpty();
    }
    EXPECT_EQ(loaded, 4) << "four images of 8M pixels fit the default 32M";
    EXPECT_LE(pixels, TSkinLoadOptions{}.MaxImagePixels);
    ASSERT_EQ(d.Notes.size(), std::size(sections) - 4);
    EXPECT_NE(d.Notes.front().find("past"), std::string::npos) << d.Notes.front();
}

TEST(SkinLoaderButtons, RadioAndCheckFrameCountsAreDerivedFromTheImages) {
    const TSkinDefinition a =
        SkinTestPackage("[Buttons]\r\nRadioButton=r.bmp\r\nCheckButton=c.bmp\r\n")
            .Strip("r.bmp", 52, 13)
            .Strip("c.bmp", 160, 16)
            .Load();
    EXPECT_EQ(a.Buttons.RadioButtonFrame, 4);
    EXPECT_EQ(a.Buttons.CheckButtonFrame, 10);
    const TSkinDefinition b =
        SkinTestPackage("[Buttons]\r\nRadioButton=r.bmp\r\nCheckButtonFrame=6\r\n")
            .Strip("r.bmp", 8, 13)
            .Load();
    EXPECT_EQ(b.Buttons.RadioButtonFrame, 4) << "fewer than four frames become four";
    EXPECT_EQ(b.Buttons.CheckButtonFrame, 6) << "a stated count is kept";
}

TEST(SkinLoaderTitle, ButtonsAreKeptOrDroppedByActionAndVisibility) {
    const TSkinDefinition d = SkinTestPackage("[BUTTON.Close]\r\nAction=-1\r\n"
                                              "[Button.Help]\r\nAction=-1\r\nVisibility=0\r\n"
                                              "[Buttons]\r\nAction=0\r\n"
                                              "[Button.Radio]\r\nAction=0\r\n"
                                              "[button.min]\r\nAction=2\r\nButtonImage=min.bmp\r\n"
                                              "[Button.Max]\r\nAction=1\r\nButtonImage=max.bmp\r\n"
                                              "[Button.Sys]\r\nAction=3\r\nButtonImage=max.bmp\r\n")
                                  .Strip("min.bmp", 60, 20, 3)
                                  .Strip("max.bmp", 120, 20, 6)
                                  .Load();
    ASSERT_EQ(d.TitleButtons.size(), 4u + 3u);
    EXPECT_EQ(d.TitleButtons[0]->Name, "BUTTON.HELP");
    EXPECT_EQ(d.TitleButtons[0]->Visibility1, TTitleVisibility::Undefined)
        << "Visibility1 defaults to -1 for action -1";
    EXPECT_EQ(d.TitleButtons[0]->CombineOp, -1);
    EXPECT_EQ(d.TitleButtons[1]->Name, "BUTTON.MIN");
    EXPECT_EQ(d.TitleButtons[1]->Frame, 3) << "60 x 20";
    EXPECT_EQ(d.TitleButtons[1]->Visibility1, TTitleVisibility::Always);
    EXPECT_EQ(d.TitleButtons[2]->Frame, 6) << "120 x 20";
    EXPECT_EQ(d.TitleButtons[3]->Action, TTitleAction::SystemMenuIcon);
    EXPECT_TRUE(d.TitleButtons[3]->Image.IsEmpty())
        << "the system menu button is drawn as the icon";
}

TEST(SkinLoaderTitle, MdiButtonsTakeFourFramesEachFromTheStrip) {
    const TSkinDefinition without = SkinTestPackage("").Load();
    for (std::size_t i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *without.TitleButtons[i];
        EXPECT_EQ(static_cast<int>(b.Action), 7 + static_cast<int>(i));
        EXPECT_EQ(b.Align, TTitleAlign::MenuBar);
        EXPECT_EQ(b.Visibility, TTitleVisibility::MdiMaximizedChild);
        EXPECT_EQ(b.Frame, 4);
        EXPECT_EQ(b.Xcoord, 0);
        EXPECT_TRUE(b.Image.IsEmpty());
    }
    const TSkinDefinition with =
        SkinTestPackage("[MDICONTROLS]\r\nImage=mdi.bmp\r\n").Strip("mdi.bmp", 120, 9, 12).Load();
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *with.TitleButtons[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.Xcoord, 14 * (3 - i));
        ASSERT_EQ(b.Image.Width(), 40);
        EXPECT_EQ(b.Image.At(0, 0), SkinTestPackage::FrameColour(4 * i + 1));
        EXPECT_EQ(b.Image.At(39, 8), SkinTestPackage::FrameColour(4 * i + 4));
    }
    // An image the package does not hold still places the buttons, as a strip
    // of width 0 would: minimise, restore and close at 12, 8 and 4.
    const TSkinDefinition missing = SkinTestPackage("[MDICONTROLS]\r\nImage=mdi.bmp\r\n").Load();
    for (int i = 0; i < 3; ++i) {
        const TDataSkinSysButton& b = *missing.TitleButtons[static_cast<std::size_t>(i)];
        EXPECT_EQ(b.Xcoord, 4 * (3 - i)) << "button " << i;
        EXPECT_TRUE(b.Image.IsEmpty());
    }
}

TEST(SkinLoaderTitle, CaptionColoursNeedAllThreeComponents) {
    const TSkinDefinition d =
        SkinTestPackage("[Personality]\r\nActiveTextR=255\r\nActiveTextB=0\r\n"
                        "InActiveTextR=1\r\nInActiveTextG=2\r\nInActiveTextB=259\r\n"
                        "TextShift=7\r\nTextRightClip=30\r\n[Fonts]\r\nFontHeight=11\r\n")
            .Load();
    EXPECT_EQ(d.Title.ActiveText, TDataSkinTitle::kNoTextColour);
    EXPECT_EQ(d.Title.InActiveText, Rgb(1, 2, 3));
    EXPECT_EQ(d.Title.GetMargins(), (Margins{7, 0, 30, 0}));
    EXPECT_EQ(d.Title.FontHeight, 11);
}

TEST(SkinLoaderFrame, BordersReadTheirKeysAndTheFrameColourComesFromTheTopBorder) {
    Bitmap top(30, 12, PixelFormat::Rgb24, PixelOf(Rgb(1, 1, 1)));
    top.At(10, 2) = PixelOf(Rgb(0x12, 0x34, 0x56)); // x = 30 / 3, y = (12 / 2) / 3
    const TSkinDefinition d =
        SkinTestPackage(
            "[Personality]\r\nTop=top.bmp\r\nTopFrame=2\r\nTopTopHeight=6\r\nTopBotHeight=8\r\n"
            "LeftTopHeight=20\r\nLeftBotHeight=4\r\nLeftStretch=5\r\nLeftTrans=0\r\n")
            .Image("top.bmp", top)
            .Load();
    EXPECT_EQ(d.FrameColour, Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(d.Top.GetMargins(), (Margins{6, 0, 8, 0}));
    EXPECT_EQ(d.Left.GetMargins(), (Margins{0, 20, 0, 4}));
    EXPECT_EQ(d.Left.Tile, 1);
    EXPECT_EQ(d.Left.Trans, 0);
    EXPECT_EQ(d.Right.Trans, 1);
    EXPECT_EQ(d.Right.Frame, 1);

    // No top image: the frame colour is the scheme's face colour.
    const TSkinDefinition plain = SkinTestPackage("[Colours]\r\nButtonFace=9,8,7\r\n").Load();
    EXPECT_EQ(plain.FrameColour, Rgb(9, 8, 7));
}

TEST(SkinLoaderFrame, ZeroTopFrameCountDoesNotDivideByZero) {
    const TSkinDefinition d = SkinTestPackage("[Personality]\r\nTop=top.bmp\r\nTopFrame=0\r\n")
                                  .Strip("top.bmp", 30, 12)
                                  .Load();
    EXPECT_EQ(d.FrameColour, ColourOf(SkinTestPackage::FrameColour(1)));
}

TEST(SkinLoaderGenerated, ToolbarGradientRunsFromFaceToFrameShade) {
    // A grey frame colour (saturation 200 counts as colourless) and a vivid one.
    for (Colour frame : {Rgb(90, 90, 90), Rgb(250, 20, 20)}) {
        Bitmap top(9, 9, PixelFormat::Rgb24, PixelOf(frame));
        const TSkinDefinition d =
            SkinTestPackage("[Colours]\r\nButtonFace=200 210 220\r\n[Personality]\r\nTop=t.bmp\r\n")
                .Image("t.bmp", top)
                .Load();
        const TDataSkinObject* toolbar = d.Find("Toolbar");
        ASSERT_NE(toolbar, nullptr);
        ASSERT_EQ(toolbar->Image.Width(), 10);
        ASSERT_EQ(toolbar->Image.Height(), 40);
        EXPECT_EQ(toolbar->Frame, 1);
        Colour bottom = Blend(0x808080u, frame, 150);
        const int s = SaturationMeasure(frame);
        if (s > 110)
            bottom = Blend(frame, kWhite, (5625 - 25 * s) / 140 + 50);
        const Colour face = Blend(Rgb(200, 210, 220), kWhite, 150);
        // The gradient's steps round toward zero, so its last row can stop one short of bottom.
        const std::vector<Colour> expected = BuildGradientTable(40, face, bottom);
        EXPECT_EQ(ColourOf(toolbar->Image.At(5, 0)), face);
        EXPECT_EQ(ColourOf(toolbar->Image.At(5, 39)), expected.back());
        EXPECT_NEAR(RedOf(expected.back()), RedOf(bottom), 1);
    }
}

TEST(SkinLoaderGenerated, ComboCompositeBuildsFiftyPixelFramesAndMirrorsTheSunkenEdge) {
    Bitmap button(40, 21, PixelFormat::Rgb24, PixelOf(Rgb(0, 0, 200)));
    const TSkinDefinition d =
        SkinTestPackage(
            "[SunkEdge]\r\nImage=sunk.bmp\r\nLeftWidth=2\r\nTopHeight=2\r\nRightWidth=2\r\n"
            "BottomHeight=3\r\n"
            "[ComboButton]\r\nImage=combo.bmp\r\n")
            .Strip("sunk.bmp", 36, 9, 4)
            .Image("combo.bmp", button)
            .Load(TSkinLoadOptions{16});
    const int b = 18;
    const auto* combo = dynamic_cast<const TDataSkinBorder*>(d.Find("ComboButton"));
    const TDataSkinObject* sunk = d.Find("SunkEdge");
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(sunk, nullptr);
    EXPECT_EQ(combo->Style, 2);
    EXPECT_EQ(combo->GetMargins(), (Margins{2, 2, b + 2, 3}));
    ASSERT_EQ(combo->Image.Width(), 200);
    ASSERT_EQ(combo->Image.Height(), 21);
    EXPECT_EQ(sunk->LeftWidth, b + 2);
    EXPECT_EQ(sunk->RightWidth, 2);
    EXPECT_EQ(combo->Image2.Width(), 40) << "the second image is the original button, mirrored";
    for (int k = 1; k <= 4; ++k) {
        const int x0 = 50 * (k - 1);
        EXPECT_EQ(combo->Image.At(x0 + 10, 10), kKey) << "edit area of frame " << k;
        EXPECT_EQ(combo->Image.At(x0 + 0, 10), SkinTestPackage::FrameColour(k))
            << "edge of frame " << k;
        EXPECT_EQ(combo->Image.At(x0 + 50 - b / 2, 10), PixelOf(Rgb(0, 0, 200)))
            << "button of frame " << k;
        // The sunken edge is the same picture, mirrored.
        EXPECT_EQ(sunk->Image.At(199 - (x0 + 10), 10), kKey);
        EXPECT_EQ(sunk->Image.At(199 - (x0 + 50 - b / 2), 10), PixelOf(Rgb(0, 0, 200)));
    }
    const TDataSkinObject* arrow = d.Find("ComboxArrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->Frame, 4);
    ASSERT_EQ(arrow->Image.Width(), 4 * 17);
    EXPECT_EQ(arrow->Image.Height(), 17);
    EXPECT_EQ(arrow->Image.At(8, 8), PixelOf(Rgb(0, 0, 200)));
}

// The combo composite draws both elements sliced while the skin loads, so
// margins of any int from the file reach the slicing there first.
TEST(SkinLoaderGenerated, ComboCompositeWithHostileMarginsIsDrawnAsWithTheirSaneEquivalents) {
    const auto load = [](const std::string& sunkMargins, const std::string& comboMargins) {
        Bitmap button(40, 21, PixelFormat::Rgb24, PixelOf(Rgb(0, 0, 200)));
        button.FillRect({0, 0, 3, 21}, PixelOf(Rgb(9, 9, 9)));
        return SkinTestPackage("[SunkEdge]\r\nImage=sunk.bmp\r\n" + sunkMargins +
                               "[ComboButton]\r\nImage=combo.bmp\r\n" + comboMargins)
            .Strip("sunk.bmp", 36, 9, 4)
            .Image("combo.bmp", button)
            .Load();
    };
    const TSkinDefinition hostile =
        load("LeftWidth=2147483647\r\nRightWidth=2147483647\r\nTopHeight=-"
             "2147483648\r\nBottomHeight=2\r\n",
             "LeftWidth=-5\r\nRightWidth=2147483647\r\nBottomHeight=-1\r\n");
    const TSkinDefinition sane = load("BottomHeight=2\r\n", "");
    for (const char* name : {"ComboButton", "SunkEdge", "ComboxArrow"}) {
        ASSERT_NE(hostile.Find(name), nullptr) << name;
        EXPECT_TRUE(test::SamePixels(hostile.Find(name)->Image, sane.Find(name)->Image)) << name;
    }
}

TEST(SkinLoaderGenerated, ComboxArrowWithoutSunkenEdgeReplacesTheKeyColour) {
    Bitmap button(16, 8, PixelFormat::Rgb24, kKey);
    button.At(3, 3) = PixelOf(Rgb(1, 2, 3));
    const TSkinDefinition d =
        SkinTestPackage("[Colours]\r\nButtonFace=40,50,60\r\n[ComboButton]\r\nImage=c.bmp\r\n")
            .Image("c.bmp", button)
            .Load();
    const TDataSkinObject* arrow = d.Find("ComboxArrow");
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->Frame, 4);
    EXPECT_EQ(ColourOf(arrow->Image.At(0, 0)), Rgb(40, 50, 60));
    EXPECT_EQ(ColourOf(arrow->Image.At(3, 3)), Rgb(1, 2, 3));
}

TEST(SkinLoaderGenerated, BuiltinTrackImagesStandInForMissingSections) {
    const TSkinDefinition d = SkinTestPackage("").Load();
    const TDataSkinObject* track = d.Find("Track");
    const TDataSkinObject* vert = d.Find("TRACKVERT");
    ASSERT_NE(track, nullptr);
    ASSERT_NE(vert, nullptr);
    EXPECT_EQ(track->Image.Width(), 16);
    EXPECT_EQ(track->Image.Height(), 4);
    EXPECT_EQ(vert->Image.Width(), 4);
    EXPECT_EQ(vert->Image.Height(), 16);
    EXPECT_EQ(track->GetMargins(), (Margins{3, 3, 3, 3}));
    EXPECT_EQ(track->Frame, 1);
    EXPECT_EQ(ColourOf(track->Image.At(2, 0)), Rgb(128, 128, 128));
    EXPECT_EQ(ColourOf(vert->Image.At(0, 2)), Rgb(128, 128, 128));
    EXPECT_EQ(ColourOf(vert->Image.At(1, 15)), kWhite);
}

TEST(SkinLoaderPackage, OlderFormatLeavesTheDefinitionUntouched) {
    TSkinDefinition d = SkinTestPackage("[TitlebarSkin]\r\nSkinName=First\r\n").Load();
    int messages = 0;
    const auto older = SkinTestPackage("[TitlebarSkin]\r\nSkinName=Second\r\n").Packed(19000);
    EXPECT_FALSE(LoadSkinDefinition(older, d, {}, [&](std::string_view) { ++messages; }));
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(d.SkinName, "First");
    EXPECT_NE(d.Find("Buttons"), nullptr) << "the fixed elements still resolve after a move";
    EXPECT_EQ(d.Find("Buttons"), &d.Buttons);
}

TEST(SkinLoaderPackage, SectionListKeepsFileOrderAndRepeats) {
    const TSkinDefinition d =
        SkinTestPackage("[A]\r\n[Colours]\r\n[a]\r\n[Colour2]\r\ncolor=1 2 3\r\n").Load();
    EXPECT_EQ(d.Sections, (std::vector<std::string>{"A", "Colours", "a", "Colour2"}));
    ASSERT_EQ(d.Colours.ExtraColours.size(), 1u);
    EXPECT_EQ(d.Colours.ExtraColours[0], Rgb(1, 2, 3));
    EXPECT_TRUE(IsKnownSection("COLOUR2"));
    EXPECT_TRUE(IsKnownSection("trackbar.thumbleft"));
    EXPECT_FALSE(IsKnownSection("A"));
}

} // namespace
} // namespace veyra
