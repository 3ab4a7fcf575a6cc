#include <gtest/gtest.h>

#include <limits>

#include "skin/data/CaptionGeometry.h"

namespace veyra {
namespace {

std::unique_ptr<TDataSkinSysButton> Button(int action, int align, int x, int y, int width,
                                           int frames, int visibility = 0, int visibility1 = 0) {
    auto b = std::make_unique<TDataSkinSysButton>("B");
    b->Action = static_cast<TTitleAction>(action);
    b->Align = static_cast<TTitleAlign>(align);
    b->Xcoord = x;
    b->Ycoord = y;
    b->Frame = frames;
    b->Visibility = static_cast<TTitleVisibility>(visibility);
    b->Visibility1 = static_cast<TTitleVisibility>(visibility1);
    b->Image = Bitmap(width * frames, 18);
    return b;
}

TWindowTraits NormalWindow() {
    TWindowTraits w;
    w.HasSystemMenu = w.HasMinimizeBox = w.HasMaximizeBox = true;
    return w;
}

TEST(FrameMetrics, ComeFromOneFrameOfEachBorder) {
    TSkinDefinition skin;
    skin.Left.Image = Bitmap(8, 30);
    skin.Left.Frame = 2;
    skin.Right.Image = Bitmap(5, 30);
    skin.Right.Frame = 1;
    skin.Top.Image = Bitmap(60, 60);
    skin.Top.Frame = 2;
    skin.Bottom.Image = Bitmap(60, 7);
    skin.Bottom.Frame = 0; // a careless count: taken as one frame
    EXPECT_EQ(ComputeFrameMetrics(skin, TBorderKind::Sizeable, 19),
              (TFrameMetrics{4, 30, 5, 7, 19}));
    EXPECT_EQ(ComputeFrameMetrics(skin, TBorderKind::NoCaption, 19), TFrameMetrics{});
    EXPECT_EQ(SkinnedClientRect(100, 50, 1000, 715, {4, 30, 5, 7, 19}), (Rect{104, 99, 1095, 758}));
}

TEST(FrameMetrics, ATitleBarIsUsableOnlyWithAFrameTheUserCanGrab) {
    struct TCase {
        const char* What;
        int Width, Height, Frames;
        bool Usable;
    };
    const TCase cases[] = {
        {"no Top image", 0, 0, 1, false},
        {"one frame of 24", 60, 24, 1, true},
        {"two frames of 12", 60, 24, 2, true},
        {"a million frames of a 24-pixel image", 60, 24, 1000000, false},
        {"frames thinner than the least", 60, 14, 2, false},
        {"exactly the least", 60, kMinTitleBarHeight, 1, true},
        {"a nonsense count taken as one frame", 60, 24, -3, true},
        {"a 30000 x 1 strip", 30000, 1, 1, false},
    };
    for (const TCase& c : cases) {
        TSkinDefinition skin;
        skin.Top.Image = Bitmap(c.Width, c.Height);
        skin.Top.Frame = c.Frames;
        EXPECT_EQ(TitleBarUsable(skin), c.Usable) << c.What;
    }
}

TEST(FrameMetrics, InactiveWindowsUseTheSecondFrameOnlyWhereThereIsOne) {
    TDataSkinObject two;
    two.Frame = 2;
    TDataSkinObject one;
    one.Frame = 1;
    EXPECT_EQ(BorderFrameIndex(two, true), 1);
    EXPECT_EQ(BorderFrameIndex(two, false), 2);
    EXPECT_EQ(BorderFrameIndex(one, false), 1);
}

class CaptionPlacement : public ::testing::Test {
protected:
    TDataSkinTitle Title;
    TCaptionInput In;
    void SetUp() override {
        Title.SetMargins({6, 4, 30, 0}); // TextShift, TextShiftVert, TextRightClip
        In.TitleRect = {4, 0, 404, 30};
        In.TextWidth = 100;
        In.TextHeight = 14;
    }
};

TEST_F(CaptionPlacement, EachAlignmentShiftsTheText) {
    Title.TextAlignment = 0;
    EXPECT_EQ(PlaceCaptionText(Title, In), (Rect{10, 10, 110, 24})); // dy = (30 - 14) / 2 + 4 / 2
    Title.TextAlignment = 1;
    EXPECT_EQ(PlaceCaptionText(Title, In).Left, 4 + 150);
    Title.TextAlignment = 2;
    EXPECT_EQ(PlaceCaptionText(Title, In), (Rect{4 + 270, 10, 374, 24}));
    Title.TextAlignment = 7;
    EXPECT_EQ(PlaceCaptionText(Title, In).Left, 4);
    In.RightToLeft = true;
    Title.TextAlignment = 0;
    EXPECT_EQ(PlaceCaptionText(Title, In).Left, 4 + 270) << "right-to-left always aligns right";
}

TEST_F(CaptionPlacement, LongCaptionIsCutAtTheRightClip) {
    In.TextWidth = 1000;
    Title.TextAlignment = 1;
    const Rect t = PlaceCaptionText(Title, In);
    EXPECT_EQ(t.Left, 4 + (400 - 1000) / 2) << "centring a too-wide caption shifts it left";
    EXPECT_EQ(t.Right, 404 - 30);
}

TEST_F(CaptionPlacement, PopupsStopFivePixelsBeforeTheButtonsAndDialogsShiftLeft) {
    In.TextWidth = 1000;
    In.Popup = true;
    In.ButtonsLeftEdge = 300;
    EXPECT_EQ(PlaceCaptionText(Title, In).Right, 295);
    In.ButtonsLeftEdge = 5; // no buttons: not cut at all
    EXPECT_EQ(PlaceCaptionText(Title, In).Right, 10 + 1000);
    In.Popup = false;
    In.Kind = TBorderKind::Dialog;
    EXPECT_EQ(PlaceCaptionText(Title, In).Left, 10 - 16);
    Title.TXTBackleft = 3;
    Title.TXTBackRight = 5;
    In.TextWidth = 50;
    In.Kind = TBorderKind::Sizeable;
    EXPECT_EQ(PlaceCaptionText(Title, In).Width(), 58) << "the text back margins widen the text";
}

// A skin's caption numbers may be any int: they saturate instead of wrapping,
// so text pushed past the title is not drawn and a huge clip does not widen it.
TEST_F(CaptionPlacement, HostileNumbersSaturateInsteadOfWrapping) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    Title.SetMargins({kMax, kMin, kMin, 0});
    Title.TextAlignment = 0;
    EXPECT_TRUE(PlaceCaptionText(Title, In).IsEmpty()) << "shifted past the title";
    Title.SetMargins({0, 0, 30, 0});
    Title.TXTBackleft = kMax;
    Title.TXTBackRight = kMax;
    for (const int alignment : {0, 1, 2}) {
        Title.TextAlignment = alignment;
        for (const TBorderKind kind : {TBorderKind::Sizeable, TBorderKind::Dialog}) {
            In.Kind = kind;
            EXPECT_EQ(PlaceCaptionText(Title, In).Right, 404 - 30) << "alignment " << alignment;
        }
    }
}

TEST(TitleButtonVisibility, CodesAndActionRules) {
    const TWindowTraits w = NormalWindow();
    EXPECT_TRUE(EvaluateTitleButton(*Button(0, 1, 30, 5, 20, 3), w).Visible);
    for (int code : {5, 10, 99, 101, 199, 2001, -1})
        EXPECT_FALSE(EvaluateTitleButton(*Button(50, 1, 30, 5, 20, 3, code), w).Visible) << code;
    EXPECT_TRUE(EvaluateTitleButton(*Button(50, 1, 30, 5, 20, 3, 500, 0), w).Visible);
    EXPECT_FALSE(EvaluateTitleButton(*Button(50, 1, 30, 5, 20, 3, 500, 200), w).Visible)
        << "second codes from 200 up are never true";
    EXPECT_FALSE(EvaluateTitleButton(*Button(50, 1, 30, 5, 20, 3, 0, -1), w).Visible);

    TWindowTraits noSysMenu = w;
    noSysMenu.HasSystemMenu = false;
    EXPECT_FALSE(EvaluateTitleButton(*Button(0, 1, 30, 5, 20, 3), noSysMenu).Visible)
        << "close needs a system menu";
    TWindowTraits noMax = w;
    noMax.HasMaximizeBox = false;
    EXPECT_FALSE(EvaluateTitleButton(*Button(1, 1, 30, 5, 20, 3), noMax).Enabled);
    EXPECT_TRUE(EvaluateTitleButton(*Button(2, 1, 30, 5, 20, 3), noMax).Enabled);
    EXPECT_TRUE(EvaluateTitleButton(*Button(50, 1, 30, 5, 20, 3, 7, 7), noMax).Visible);
    TWindowTraits dialog = w;
    dialog.Kind = TBorderKind::Dialog;
    EXPECT_FALSE(EvaluateTitleButton(*Button(3, 0, 4, 5, 16, 1), dialog).Visible);

    int asked = 0;
    const TButtonQuery yes = [&](int code, int action) {
        ++asked;
        return code == 1500 && action == 42;
    };
    EXPECT_TRUE(EvaluateTitleButton(*Button(42, 1, 30, 5, 20, 3, 1500, 0), w, yes).Visible);
    EXPECT_FALSE(EvaluateTitleButton(*Button(42, 1, 30, 5, 20, 3, 1500, 0), w).Visible)
        << "no one to ask";
    EXPECT_EQ(asked, 1);
}

TEST(TitleButtonLayout, PlacesButtonsByAlignAndFindsTheButtonsLeftEdge) {
    std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
    buttons.push_back(Button(0, 1, 30, 5, 20, 3));             // close, right-anchored
    buttons.push_back(Button(1, 1, 55, 5, 20, 3));             // maximise, right-anchored
    buttons.push_back(Button(3, 0, 6, 6, 16, 1));              // icon, from the left
    buttons.push_back(Button(60, 3, 4, 6, 10, 1));             // right of the caption
    buttons.push_back(Button(61, 2, 4, 6, 10, 1));             // left of the caption
    buttons.push_back(Button(7, 100, 40, 0, 16, 4, 100, 100)); // MDI, hidden here
    buttons.back()->Image = Bitmap(64, 14);
    TButtonLayoutInput in;
    in.WindowWidth = 800;
    in.TitleTextRect = {40, 8, 200, 22};
    in.Metrics = {4, 30, 4, 4, 19};
    const TTitleButtonLayout layout = LayoutTitleButtons(buttons, NormalWindow(), in);
    EXPECT_EQ(layout.Bounds[0], RectOfSize(770, 5, 20, 18));
    EXPECT_EQ(layout.Bounds[1], RectOfSize(745, 5, 20, 18));
    EXPECT_EQ(layout.Bounds[2], RectOfSize(6, 6, 16, 18));
    EXPECT_EQ(layout.Bounds[3], RectOfSize(204, 6, 10, 18));
    EXPECT_EQ(layout.Bounds[4], RectOfSize(26, 6, 10, 18));
    EXPECT_FALSE(layout.State[5].Visible);
    EXPECT_EQ(layout.ButtonsLeftEdge, 770);

    TWindowTraits mdi = NormalWindow();
    mdi.MdiFrameWithMaximizedChild = true;
    in.MenuBarLeftWidth = 2;
    const Rect onMenuBar = LayoutTitleButtons(buttons, mdi, in).Bounds[5];
    EXPECT_EQ(onMenuBar, RectOfSize(800 - 40 - 4 - 2, (19 - 14) / 2 + 30, 16, 14));
    in.RightToLeft = true;
    EXPECT_EQ(LayoutTitleButtons(buttons, mdi, in).Bounds[5].Left, 40 + 2 + 4);
}

TEST(TitleButtonLayout, HostileCoordinatesSaturateOffTheWindow) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    TButtonLayoutInput in;
    in.WindowWidth = 300;
    in.TitleTextRect = {40, 8, 200, 22};
    in.Metrics = {4, 30, 4, 4, 19};
    const struct {
        int Align, Xcoord, Left;
    } cases[] = {
        {1, kMin, kMax}, {0, kMax, kMax}, {2, kMin, kMax}, {3, kMax, kMax}, {100, kMin, kMax},
    };
    for (const auto& c : cases) {
        const auto button = Button(0, c.Align, c.Xcoord, kMax, 20, 1, 0, 0);
        const Rect r = TitleButtonRect(*button, in);
        EXPECT_EQ(r.Left, c.Left) << "align " << c.Align;
        EXPECT_TRUE(r.IsEmpty() || Intersect(r, {0, 0, 300, 60}).IsEmpty()) << "align " << c.Align;
    }
}

TEST(TitleButtonLayout, HitTestFindsTheFirstVisibleButtonWithAnActionUnderThePoint) {
    std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
    buttons.push_back(Button(-1, 0, 0, 0, 20, 1)); // a placeholder: drawn, never hit
    buttons.push_back(Button(0, 0, 0, 0, 20, 1));  // close under the placeholder
    buttons.push_back(Button(2, 0, 0, 0, 20, 1));  // minimise, under both
    buttons.push_back(Button(40, 0, 0, 0, 20, 1)); // an application button, hidden
    TTitleButtonLayout layout;
    layout.Bounds = {RectOfSize(10, 5, 20, 18), RectOfSize(10, 5, 20, 18),
                     RectOfSize(25, 5, 20, 18), RectOfSize(60, 5, 20, 18)};
    layout.State = {{true, true}, {true, true}, {true, false}, {false, true}};
    const struct {
        int X, Y, Expected;
    } cases[] = {
        {10, 5, 1},  // the placeholder lets the close button below it be hit
        {29, 22, 1}, // the last pixel inside
        {30, 5, 2},  // past close: minimise, though disabled
        {45, 5, -1}, // just outside minimise
        {9, 5, -1},  {10, 23, -1}, {65, 10, -1}, // the hidden button is not hit
    };
    for (const auto& c : cases)
        EXPECT_EQ(TitleButtonAt(layout, buttons, c.X, c.Y), c.Expected) << c.X << "," << c.Y;
    layout.State.pop_back();
    EXPECT_EQ(TitleButtonAt(layout, buttons, 65, 10), -1) << "a layout shorter than the list";
}

TEST(TitleButtonFrames, ActiveDisabledHotAndShortStrips) {
    const auto four = Button(1, 1, 30, 5, 20, 4);
    const auto three = Button(1, 1, 30, 5, 20, 3);
    EXPECT_EQ(TitleButtonFrameInTitle(*four, true, true), 1);
    EXPECT_EQ(TitleButtonFrameInTitle(*four, false, true), 4);
    EXPECT_EQ(TitleButtonFrameInTitle(*four, true, false), 4);
    EXPECT_EQ(TitleButtonFrameInTitle(*three, true, false), 1)
        << "a disabled 3-frame button shows frame 1";
    EXPECT_EQ(TitleButtonFrameForState(*three, 2, true), 2);
    EXPECT_EQ(TitleButtonFrameForState(*three, 3, false), 1);
    EXPECT_EQ(TitleButtonFrameForState(*four, 3, false), 4);
    const auto mdi = Button(7, 100, 40, 0, 16, 4, 100, 100);
    EXPECT_EQ(TitleButtonFrameForState(*mdi, 3, true), 4);
}

TEST(CaptionHit, CaptionBelowTheTopEdgeAndMenuBelowTheTitle) {
    const TFrameMetrics withMenu{4, 30, 4, 4, 19};
    EXPECT_EQ(CaptionHitTest(2, withMenu), TCaptionHit::Platform)
        << "the top edge stays a sizing edge";
    EXPECT_EQ(CaptionHitTest(4, withMenu), TCaptionHit::Caption);
    EXPECT_EQ(CaptionHitTest(30, withMenu), TCaptionHit::Caption);
    EXPECT_EQ(CaptionHitTest(31, withMenu), TCaptionHit::Menu);
    EXPECT_EQ(CaptionHitTest(31, TFrameMetrics{4, 30, 4, 4, 0}), TCaptionHit::Caption);
}

} // namespace
} // namespace veyra
