// The skinned frame painted into a DIB and read back pixel by pixel.
#include <gtest/gtest.h>

#include <tuple>

#include "skin/form/FramePainter.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {
namespace {

constexpr Colour kLeftActive = Rgb(200, 0, 0);
constexpr Colour kLeftInactive = Rgb(100, 0, 0);
constexpr Colour kTopActive = Rgb(0, 0, 200);
constexpr Colour kTopInactive = Rgb(0, 0, 100);
constexpr Colour kCloseNormal = Rgb(250, 250, 0);
constexpr Colour kCaption = Rgb(0, 255, 0);
constexpr Colour kFace = Rgb(90, 91, 92);

// Two frames side by side (or stacked) of the given colours.
Bitmap TwoFrames(int frameWidth, int frameHeight, Colour first, Colour second, bool stacked) {
    Bitmap image(stacked ? frameWidth : 2 * frameWidth, stacked ? 2 * frameHeight : frameHeight,
                 PixelFormat::Rgb24, PixelOf(first));
    image.FillRect(stacked ? RectOfSize(0, frameHeight, frameWidth, frameHeight)
                           : RectOfSize(frameWidth, 0, frameWidth, frameHeight),
                   PixelOf(second));
    return image;
}

class FramePainter : public ::testing::Test {
protected:
    TSkinDefinition Skin;
    TFramePaintInput In;

    void SetUp() override {
        for (TDataSkinBorder* side : {&Skin.Left, &Skin.Right}) {
            side->Image = TwoFrames(4, 20, kLeftActive, kLeftInactive, false);
            side->Frame = 2;
            side->Tile = 1;
        }
        Skin.Top.Image = TwoFrames(40, 24, kTopActive, kTopInactive, true);
        Skin.Top.Frame = 2;
        Skin.Top.Tile = 1;
        Skin.Bottom.Image = TwoFrames(40, 4, kLeftActive, kLeftInactive, true);
        Skin.Bottom.Frame = 2;
        Skin.Bottom.Tile = 1;
        Skin.Title.SetMargins({6, 0, 40, 0});
        Skin.Colours.TitleTextActive = kCaption;
        Skin.Colours.TitleTextNoActive = kCaption;
        Skin.Colours.ButtonFace = kFace;
        auto close = std::make_unique<TDataSkinSysButton>("BUTTON.CLOSE");
        close->Action = TTitleAction::Close;
        close->Align = TTitleAlign::Right;
        close->Xcoord = 30;
        close->Ycoord = 4;
        close->Frame = 3;
        close->Image = Bitmap(3 * 16, 14, PixelFormat::Rgb24, PixelOf(kCloseNormal));
        close->Image.At(0, 0) = PixelOf(kKeyColour); // transparent corner
        Skin.TitleButtons.push_back(std::move(close));

        In.Skin = &Skin;
        In.Metrics = ComputeFrameMetrics(Skin, TBorderKind::Sizeable, 0);
        In.Width = 300;
        In.Height = 120;
        In.Caption = L"Caption";
        In.Traits.HasSystemMenu = true;
    }

    Bitmap Paint(TFramePaintResult* result = nullptr) {
        DibSurface surface(In.Width, In.Height);
        surface.Pixels().Fill(PixelOf(Rgb(1, 2, 3)));
        const TFramePaintResult r = PaintFrame(surface.Dc(), In);
        if (result)
            *result = r;
        return surface.Pixels();
    }

    static int CountColour(const Bitmap& b, const Rect& area, Colour colour) {
        int count = 0;
        for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, b.Height()); ++y)
            for (int x = std::max(area.Left, 0); x < std::min(area.Right, b.Width()); ++x)
                count += ColourOf(b.At(x, y)) == colour;
        return count;
    }
};

TEST_F(FramePainter, ActiveAndInactiveBordersAndTitle) {
    EXPECT_EQ(In.Metrics, (TFrameMetrics{4, 24, 4, 4, 0}));
    Bitmap active = Paint();
    EXPECT_EQ(ColourOf(active.At(1, 60)), kLeftActive);
    EXPECT_EQ(ColourOf(active.At(298, 60)), kLeftActive);
    EXPECT_EQ(ColourOf(active.At(150, 118)), kLeftActive) << "bottom border";
    EXPECT_EQ(ColourOf(active.At(150, 1)), kTopActive);
    EXPECT_EQ(ColourOf(active.At(150, 60)), Rgb(1, 2, 3)) << "the client area is not painted";
    In.Active = false;
    Bitmap inactive = Paint();
    EXPECT_EQ(ColourOf(inactive.At(1, 60)), kLeftInactive);
    EXPECT_EQ(ColourOf(inactive.At(150, 1)), kTopInactive);
}

TEST_F(FramePainter, CaptionTextAndCloseButtonLandWhereTheLayoutSays) {
    TFramePaintResult r;
    const Bitmap painted = Paint(&r);
    EXPECT_EQ(r.TitleTextRect.Left, 4 + 6);
    EXPECT_GT(CountColour(painted, r.TitleTextRect, kCaption), 10) << "caption text pixels";
    EXPECT_EQ(CountColour(painted, {0, 24, 300, 120}, kCaption), 0)
        << "no text outside the title bar";
    ASSERT_EQ(r.Buttons.Bounds.size(), 1u);
    EXPECT_EQ(r.Buttons.Bounds[0], RectOfSize(270, 4, 16, 14));
    EXPECT_EQ(ColourOf(painted.At(278, 10)), kCloseNormal);
    EXPECT_EQ(ColourOf(painted.At(270, 4)), kTopActive) << "the key colour stays transparent";
    EXPECT_EQ(r.Buttons.ButtonsLeftEdge, 270);
}

TEST_F(FramePainter, LongCaptionStopsAtTheRightClip) {
    In.Caption = std::wstring(200, L'W');
    TFramePaintResult r;
    const Bitmap painted = Paint(&r);
    EXPECT_EQ(r.TitleTextRect.Right, 300 - 4 - 40);
    EXPECT_EQ(CountColour(painted, {r.TitleTextRect.Right, 0, 300, 24}, kCaption), 0);
}

TEST_F(FramePainter, WithoutSystemMenuTheCloseButtonIsGone) {
    In.Traits.HasSystemMenu = false;
    TFramePaintResult r;
    const Bitmap painted = Paint(&r);
    EXPECT_FALSE(r.Buttons.State[0].Visible);
    EXPECT_EQ(CountColour(painted, {0, 0, 300, 24}, kCloseNormal), 0);
}

TEST_F(FramePainter, MinimizedWindowShowsOnlyTheTitleOnTheFaceColour) {
    In.Minimized = true;
    const Bitmap painted = Paint();
    EXPECT_EQ(ColourOf(painted.At(0, 1)), kTopActive) << "the title spans the whole width";
    EXPECT_EQ(ColourOf(painted.At(1, 60)), kFace);
    EXPECT_EQ(ColourOf(painted.At(150, 118)), kFace);
}

TEST_F(FramePainter, ReusedBuffersPaintWhatFreshOnesDoAtEverySize) {
    TFramePaintScratch scratch;
    Bitmap backdrop;
    for (const auto& [w, h, active] : {std::tuple{300, 120, true}, std::tuple{301, 121, false},
                                       std::tuple{200, 90, true}, std::tuple{300, 120, true}}) {
        In.Width = w;
        In.Height = h;
        In.Active = active;
        In.Scratch = nullptr;
        In.TitleBackdrop = nullptr;
        const Bitmap fresh = Paint();
        In.Scratch = &scratch;
        In.TitleBackdrop = &backdrop;
        EXPECT_EQ(Paint(), fresh) << w << " x " << h;
        // The backdrop is the title bar without its buttons.
        ASSERT_EQ(backdrop.Width(), w);
        EXPECT_EQ(ColourOf(backdrop.At(w - 30 + 8, 10)), active ? kTopActive : kTopInactive);
    }
}

TEST_F(FramePainter, ASkinWithoutATitleStillPaintsItsSideAndBottomBorders) {
    Skin.Top.Image = Bitmap();
    In.Metrics = ComputeFrameMetrics(Skin, TBorderKind::Sizeable, 0);
    ASSERT_EQ(In.Metrics.TitleHeight, 0);
    const Bitmap painted = Paint();
    EXPECT_EQ(ColourOf(painted.At(1, 60)), kLeftActive);
    EXPECT_EQ(ColourOf(painted.At(298, 60)), kLeftActive);
    EXPECT_EQ(ColourOf(painted.At(150, 118)), kLeftActive) << "bottom border";
    EXPECT_EQ(ColourOf(painted.At(150, 2)), Rgb(1, 2, 3)) << "no title drawn";
}

TEST_F(FramePainter, CentredAndRightAlignedCaptions) {
    TFramePaintResult left;
    Paint(&left);
    Skin.Title.TextAlignment = 1;
    TFramePaintResult centred;
    const Bitmap painted = Paint(&centred);
    const int titleWidth = 300 - 4 - 4;
    EXPECT_EQ(centred.TitleTextRect.Left, 4 + (titleWidth - left.TitleTextRect.Width()) / 2);
    EXPECT_GT(CountColour(painted, centred.TitleTextRect, kCaption), 10);
    Skin.Title.TextAlignment = 2;
    TFramePaintResult right;
    Paint(&right);
    EXPECT_EQ(right.TitleTextRect.Right, 300 - 4 - 40) << "against the right clip";
}

} // namespace
} // namespace veyra
