#include "skin/data/ButtonLayout.h"

#include <gtest/gtest.h>

namespace veyra {
namespace {

using S = TButtonState;
using K = TButtonKind;

TEST(ButtonLayout, StateFollowsTheStrongestRuleOfEachKind) {
    struct Case {
        K Kind;
        TButtonStateInput In;
        S Expected;
    } cases[] = {
        {K::Push, {}, S::Normal},
        {K::Push, {true, false, false, true}, S::Focused},
        {K::Push, {true, false, true, true}, S::Hot},
        {K::Push, {true, true, true, true}, S::Pressed},
        {K::Push, {false, true, true, true}, S::Disabled},
        {K::Menu, {true, false, false, true}, S::Hot},
        {K::Menu, {true, true, false, true}, S::Pressed},
        {K::Menu, {false, true, false, false}, S::Disabled},
        {K::Speed, {true, false, false, true}, S::Normal},
        {K::Speed, {true, false, true, false}, S::Hot},
        {K::Speed, {false, false, true, false}, S::Disabled},
        {K::Speed, {false, false, false, false, true}, S::Pressed},
        {K::Speed, {true, true, true, false}, S::Pressed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseButtonState(c.Kind, c.In), c.Expected)
            << static_cast<int>(c.Kind) << " enabled " << c.In.Enabled << " down " << c.In.MouseDown
            << " hover " << c.In.Hover << " focus " << c.In.Focused << " latched "
            << c.In.LatchedDown;
}

TEST(ButtonLayout, GlyphFramesAndTextColoursFollowTheState) {
    EXPECT_EQ(GlyphFrameFor(S::Normal, false), 1);
    EXPECT_EQ(GlyphFrameFor(S::Hot, false), 1);
    EXPECT_EQ(GlyphFrameFor(S::Focused, false), 1);
    EXPECT_EQ(GlyphFrameFor(S::Disabled, false), 2);
    EXPECT_EQ(GlyphFrameFor(S::Pressed, false), 3);
    EXPECT_EQ(GlyphFrameFor(S::Pressed, true), 4);

    TDataSkinButton element("Buttons");
    element.NormalColour2 = 0x0000FF;
    element.MouseOverColour2 = 0x00FF00;
    element.PressedColour2 = 0xFF0000;
    element.MouseOverColour2Given = true;
    element.PressedColour2Given = true;
    // A colour that was not given keeps the font's, even when it has a value.
    EXPECT_EQ(ButtonTextColour(element, S::Normal), std::nullopt);
    EXPECT_EQ(ButtonTextColour(element, S::Hot), Colour{0x00FF00});
    EXPECT_EQ(ButtonTextColour(element, S::Pressed), Colour{0xFF0000});
    EXPECT_EQ(ButtonTextColour(element, S::Focused), std::nullopt);
    EXPECT_EQ(ButtonTextColour(element, S::Disabled), std::nullopt);
}

TEST(ButtonLayout, GlyphFramesAreCutGreyedAndKeyedByTheirBottomLeftPixel) {
    // Two 2 x 2 frames: red over a green key, then blue over a white key.
    const Pixel red = PixelOf(Rgb(200, 0, 0)), blue = PixelOf(Rgb(0, 0, 90));
    const Pixel green = PixelOf(Rgb(0, 255, 0)), white = PixelOf(Rgb(255, 255, 255));
    Bitmap strip(4, 2);
    strip.At(0, 0) = red, strip.At(1, 0) = red, strip.At(0, 1) = green, strip.At(1, 1) = red;
    strip.At(2, 0) = blue, strip.At(3, 0) = blue, strip.At(2, 1) = white, strip.At(3, 1) = blue;
    const Pixel back = PixelOf(Rgb(1, 2, 3));
    const auto draw = [&](int n, int k) {
        Bitmap target(4, 3, PixelFormat::Bgra32, back);
        DrawGlyphFrame(target, 1, 1, strip, n, k);
        return target;
    };
    const Pixel grey = PixelOf(Rgb(30, 30, 30)), redGrey = PixelOf(Rgb(66, 66, 66));
    struct Case {
        int N, K;
        Pixel TopLeft, KeyPlace;
    } cases[] = {
        {2, 1, red, back},
        {2, 2, grey, back},
        {2, 3, red, back},
        {1, 2, redGrey, back},
    };
    for (const Case& c : cases) {
        const Bitmap target = draw(c.N, c.K);
        EXPECT_TRUE(SameRgb(target.At(1, 1), c.TopLeft)) << c.N << " frames, frame " << c.K;
        EXPECT_TRUE(SameRgb(target.At(1, 2), c.KeyPlace)) << c.N << " frames, frame " << c.K;
        EXPECT_TRUE(SameRgb(target.At(0, 0), back));
        if (c.N == 2)
            EXPECT_TRUE(SameRgb(target.At(3, 1), back)) << "one frame wide only";
    }
    // With one frame, all four pixels are the frame's own: 4 wide.
    EXPECT_TRUE(SameRgb(draw(1, 1).At(3, 1), blue));
    EXPECT_TRUE(SameRgb(draw(0, 1).At(1, 1), back)) << "no frames, nothing drawn";
}

TEST(ButtonLayout, LayoutNamesAreReadInAnyCase) {
    EXPECT_EQ(ParseGlyphLayout("blGlyphLeft"), TGlyphLayout::Left);
    EXPECT_EQ(ParseGlyphLayout("BLGLYPHRIGHT"), TGlyphLayout::Right);
    EXPECT_EQ(ParseGlyphLayout("blglyphtop"), TGlyphLayout::Top);
    EXPECT_EQ(ParseGlyphLayout("blGlyphBottom"), TGlyphLayout::Bottom);
    EXPECT_EQ(ParseGlyphLayout(""), TGlyphLayout::Left);
    EXPECT_EQ(ParseGlyphLayout("blGlyphTopper"), TGlyphLayout::Left);
}

TEST(ButtonLayout, PictureButtonsShareMarginAndSpacing) {
    using L = TGlyphLayout;
    using A = TCaptionAlign;
    struct Case {
        const char* Name;
        TPictureInput In;
        TPictureLayout Expected;
    } cases[] = {
        // (100 - 56) / 3 = 14: glyph at 14, text at 14 + 16 + 14.
        {"both computed", {100, 30, 16, 16, 40, 13}, {14, 7, {44, 9, 84, 22}, A::Left}},
        {"taCenter ignores the margin",
         {100, 30, 16, 16, 40, 13, 4, -1, L::Left, true},
         {14, 7, {44, 9, 84, 22}, A::Left}},
        {"margin given", {100, 30, 16, 16, 40, 13, 4}, {4, 7, {4 + 16 + 20, 9, 80, 22}, A::Left}},
        {"spacing given", {100, 30, 16, 16, 40, 13, -1, 4}, {20, 7, {40, 9, 80, 22}, A::Left}},
        {"speed: one further in",
         {100, 30, 16, 16, 40, 13, -1, 4, L::Left, false, true},
         {21, 7, {41, 9, 81, 22}, A::Left}},
        {"speed ignores taCenter",
         {100, 30, 16, 16, 40, 13, 4, -1, L::Left, true, true},
         {4, 7, {40, 9, 80, 22}, A::Left}},
        {"right", {100, 30, 16, 16, 40, 13, -1, -1, L::Right}, {70, 7, {16, 9, 56, 22}, A::Right}},
        {"top", {80, 60, 16, 16, 40, 13, -1, -1, L::Top}, {32, 10, {20, 36, 60, 49}, A::Centre}},
        {"bottom",
         {80, 60, 16, 16, 40, 13, -1, -1, L::Bottom},
         {32, 34, {20, 11, 60, 24}, A::Centre}},
        {"no text: centred glyph", {100, 30, 16, 16, 0, 0}, {42, 7, {58, 15, 58, 15}, A::Left}},
        {"no glyph: centred text", {100, 30, 0, 0, 40, 13}, {30, 15, {30, 9, 70, 22}, A::Left}},
        {"too small: clamped", {40, 30, 16, 16, 40, 13}, {0, 7, {16, 9, 56, 22}, A::Left}},
        {"negative margin given",
         {100, 30, 16, 16, 40, 13, -7, 2},
         {0, 7, {18, 9, 58, 22}, A::Left}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutPictureButton(c.In), c.Expected) << c.Name;

    EXPECT_EQ(PictureTextArea(100, 30, 16, 16, L::Left), (Rect{2, 2, 80, 28}));
    EXPECT_EQ(PictureTextArea(100, 30, 16, 16, L::Bottom), (Rect{2, 2, 98, 10}));
}

TEST(ButtonLayout, MenuButtonsKeepTheArrowZone) {
    const TMenuButtonLayout layout = LayoutMenuButton(100, 25, 40, 13);
    EXPECT_EQ(layout.Text, (Rect{23, 6, 63, 19}));
    EXPECT_EQ(layout.ArrowX[0], 88);
    EXPECT_EQ(layout.ArrowY[0], 14);
    EXPECT_EQ(layout.ArrowX[1], 85);
    EXPECT_EQ(layout.ArrowX[2], 91);
    EXPECT_EQ(layout.ArrowY[1], 11);
    EXPECT_EQ(layout.ArrowY[2], 11);
}

TEST(ButtonLayout, CheckGlyphFramesInBothStripLayouts) {
    using V = TCheckValue;
    const TCheckKind box = TCheckKind::CheckBox;
    const TCheckKind radio = TCheckKind::RadioButton;
    struct Case {
        TCheckKind Kind;
        int Frames;
        V Value;
        bool Disabled;
        int Expected;
    } cases[] = {
        {box, 4, V::Unchecked, false, 1},  {box, 4, V::Checked, false, 2},
        {box, 4, V::Unchecked, true, 3},   {box, 4, V::Checked, true, 4},
        {box, 4, V::Mixed, false, 4},      {box, 4, V::Mixed, true, 4},
        {box, 2, V::Checked, true, 2},     {box, 2, V::Mixed, true, 2},
        {box, 0, V::Checked, false, 1},    {box, 12, V::Unchecked, false, 1},
        {box, 12, V::Unchecked, true, 4},  {box, 12, V::Checked, false, 5},
        {box, 12, V::Checked, true, 8},    {box, 12, V::Mixed, false, 9},
        {box, 12, V::Mixed, true, 12},     {box, 8, V::Checked, true, 4},
        {radio, 4, V::Checked, false, 2},  {radio, 4, V::Unchecked, true, 3},
        {radio, 8, V::Unchecked, true, 4}, {radio, 8, V::Checked, false, 5},
        {radio, 8, V::Checked, true, 8},   {radio, 8, V::Mixed, true, 4},
        {radio, 12, V::Checked, true, 4},  {radio, 3, V::Checked, true, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckGlyphFrame(c.Kind, c.Value, c.Disabled, c.Frames), c.Expected)
            << (c.Kind == box ? "check " : "radio ") << c.Frames << " frames, value "
            << static_cast<int>(c.Value) << (c.Disabled ? " disabled" : "");
}

TEST(ButtonLayout, CheckGlyphSitsLeftOrRightOfTheCaption) {
    const Rect r{0, 0, 120, 21};
    const TCheckKind box = TCheckKind::CheckBox;
    const TCheckKind radio = TCheckKind::RadioButton;
    EXPECT_EQ(LayoutCheckBox(box, r, 13, 13, false),
              (TCheckLayout{{0, 4, 13, 17}, {15, 0, 120, 21}}));
    EXPECT_EQ(LayoutCheckBox(box, r, 13, 13, true),
              (TCheckLayout{{107, 4, 120, 17}, {0, 0, 105, 21}}));
    EXPECT_EQ(LayoutCheckBox(radio, r, 13, 13, false),
              (TCheckLayout{{0, 4, 13, 17}, {15, 0, 120, 21}}));
    EXPECT_EQ(LayoutCheckBox(radio, r, 13, 13, true),
              (TCheckLayout{{106, 4, 119, 17}, {0, 0, 104, 21}}));
    // A glyph taller than the control is centred all the same.
    EXPECT_EQ(LayoutCheckBox(box, Rect{0, 10, 50, 20}, 13, 16, false).Glyph, (Rect{0, 7, 13, 23}));
}

} // namespace
} // namespace veyra
