#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/MediaPlayer.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/WMediaPlayer.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

using K = TMPBtnType;
using test::Ref;

// Each frame of the test skin's Buttons strip is a colour of its own.
Colour FrameColour(int frame) {
    return Rgb(30 * frame, 200, 60);
}
constexpr Colour kFace = Rgb(10, 20, 230);
// The linked-in pictures at (9, 5) of their 14 x 12: every shape used here
// covers it, and Play's does not cover (10, 6), where an unsunk picture's
// (9, 5) would be read; (0, 0) is olive everywhere.
constexpr Colour kNormalGlyph = Rgb(0, 0, 0);
constexpr Colour kDisabledGlyph = Rgb(128, 128, 128);
constexpr Colour kColouredPause = Rgb(210, 150, 0);

constexpr TMPBtnSet Set(std::initializer_list<K> kinds) {
    TMPBtnSet set = 0;
    for (K kind : kinds)
        set |= MPButtonBit(kind);
    return set;
}

// Play, Pause, Stop and Eject on a 160-pixel player: 40 pixels each.
constexpr int kButton = 40;
constexpr int kHeight = 30;
int LeftOf(int visibleIndex) {
    return visibleIndex * kButton;
}
// Where a button's picture lies, sunk or not.
POINT Glyph(int visibleIndex, int sink, int x = 9, int y = 5) {
    const Rect place = MPPicturePlace(
        {LeftOf(visibleIndex), 0, LeftOf(visibleIndex) + kButton, kHeight}, 14, 12, sink);
    return {place.Left + x, place.Top + y};
}

// A window's client area as it shows now, read from its DC; a failed check
// leaves the picture in a file named after it.
class TShot {
public:
    explicit TShot(HWND window) : Surface_(200, 40) {
        const WindowDcScope dc(window, false);
        BitBlt(Surface_.Dc(), 0, 0, 200, 40, dc.Get(), 0, 0, SRCCOPY);
    }
    COLORREF At(POINT p) {
        const Pixel pixel = Surface_.Pixels().At(p.x, p.y);
        return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
    }
    void Expect(POINT p, Colour expected, const std::string& name) {
        EXPECT_EQ(At(p), Ref(expected)) << name << " at " << p.x << "," << p.y;
        if (At(p) != Ref(expected)) {
            const std::vector<std::uint8_t> png = WritePng(Surface_.Pixels());
            std::ofstream(name + ".png", std::ios::binary)
                .write(reinterpret_cast<const char*>(png.data()),
                       static_cast<std::streamsize>(png.size()));
        }
    }

private:
    DibSurface Surface_;
};

void Settle(DWORD ms) {
    test::PumpUntil([] { return false; }, ms);
}

// The real pointer to a screen point, waited for until the platform
// reports it there.
void PointerTo(POINT screen) {
    test::SettlePointer(screen);
}

void Button(DWORD flags, POINT screen) {
    test::SendMouseInput(screen, flags);
    Settle(60);
}

// Real input: the left button down at one point and up at another.
void Drag(POINT from, POINT to) {
    PointerTo(from);
    Button(MOUSEEVENTF_LEFTDOWN, from);
    PointerTo(to);
    Button(MOUSEEVENTF_LEFTUP, to);
}

class MediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCursorPos(&Cursor);
        Skin = test::MakeTestSkin();
        Skin->Buttons.Image = test::Strip(5, 10, 10, &FrameColour);
        Skin->Buttons.Frame = 5;
        Skin->Colours.ButtonFace = kFace;
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 400, 200);
        Form->HandleNeeded();
        ShowWindow(Form->Handle(), SW_SHOWNA);
        SetWindowPos(Form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
        SkinForm->SetSkinDefinition(Skin.get());
        Player = new TMediaPlayer(Form);
        Player->SetParent(Form);
        Player->SetBounds(20, 20, 4 * kButton, kHeight);
        Player->SetVisibleButtons(Set({K::btPlay, K::btPause, K::btStop, K::btEject}));
        Player->SetEnabledButtons(Set({K::btPlay, K::btPause, K::btEject}));
        Player->SetColoredButtons(Set({K::btPause, K::btStop}));
        Player->OnClick = [this](TObject*, TMPBtnType kind) { Clicks.push_back(kind); };
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
        SetCursorPos(Cursor.x, Cursor.y);
    }
    // Skinned through the map's own row and factory.
    TSkinMP* SkinThePlayer() {
        TMapSettings settings;
        settings.SkinControls = ~0u;
        const TAttachPlan plan = TControlMap::PlanControl(*Player, settings).Attach;
        EXPECT_EQ(plan.Class, TSkinClass::MediaPlayer);
        const TSkinFactory factory = TControlMap::Factory(plan.Class);
        if (!factory)
            return nullptr;
        const TAttachRequest request{*SkinForm, nullptr,   Player,         Player->Handle(),
                                     Player,    plan.Mode, plan.KeepColor, false};
        return dynamic_cast<TSkinMP*>(factory(request));
    }
    POINT OnScreen(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }

    POINT Cursor{};
    std::unique_ptr<TSkinDefinition> Skin;
    TForm* Form = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
    TMediaPlayer* Player = nullptr;
    std::vector<TMPBtnType> Clicks;
};

// Each button in its frame with its picture, the olive around the picture
// transparent: normal, coloured, disabled; pressed sinks the picture into
// frame 2, while a disabled button keeps frame 3 and its picture pressed.
TEST_F(MediaPlayerTest, ButtonsShowTheirStatesFromTheSkin) {
    TSkinMP* skin = SkinThePlayer();
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(skin->Overlay(), nullptr);
    const HWND panel = skin->Overlay()->Handle();
    ASSERT_TRUE(IsWindowVisible(panel));
    UpdateWindow(panel);

    const struct {
        const char* Name;
        int Index;     // among the visible buttons
        int PressedAt; // -1: nothing pressed, else the x pressed at
        int Frame;
        int Sink;
        Colour Picture;
    } cases[] = {
        {"play", 0, -1, 1, 0, kNormalGlyph},
        {"pause-coloured", 1, -1, 1, 0, kColouredPause},
        {"stop-disabled", 2, -1, 3, 0, kDisabledGlyph},
        {"eject", 3, -1, 1, 0, kNormalGlyph},
        {"play-pressed", 0, 10, 2, 1, kNormalGlyph},
        {"stop-disabled-pressed", 2, LeftOf(2) + 10, 3, 0, kDisabledGlyph},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        if (c.PressedAt >= 0)
            SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.PressedAt, 10));
        UpdateWindow(panel);
        TShot shot(panel);
        const std::string name = std::string("player-") + c.Name;
        shot.Expect({LeftOf(c.Index) + 2, 2}, FrameColour(c.Frame), name + "-frame");
        shot.Expect(Glyph(c.Index, c.Sink), c.Picture, name + "-picture");
        shot.Expect(Glyph(c.Index, c.Sink, 0, 0), FrameColour(c.Frame), name + "-olive");
        if (c.PressedAt >= 0) {
            // Let go off the player: nothing is clicked, the button comes up.
            SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(c.PressedAt, 200));
            UpdateWindow(panel);
            TShot(panel).Expect({LeftOf(c.Index) + 2, 2}, FrameColour(c.Frame == 2 ? 1 : c.Frame),
                                name + "-released");
        }
    }
    EXPECT_TRUE(Clicks.empty());
    // The player's own picture is covered, not painted over.
    EXPECT_EQ(GetWindow(Player->Handle(), GW_HWNDPREV), panel);
}

// A button acts when it is let go over the button it went down on, by real
// input; with the skin off the player is clicked directly, and the panel
// comes back with the skin.
TEST_F(MediaPlayerTest, ButtonsActOnlyWhenReleasedOverTheSameButton) {
    TSkinMP* skin = SkinThePlayer();
    ASSERT_NE(skin, nullptr);
    const HWND panel = skin->Overlay()->Handle();
    Settle(100);
    // What the panel hands the player: the release only over the button
    // pressed (the player would guard itself, but other players do not).
    int ups = 0;
    {
        const test::THook count(*Player, [&ups](TMessage& message) {
            ups += message.Msg == WM_LBUTTONUP;
            return false;
        });
        const struct {
            const char* Name;
            POINT From, To; // in the player's client coordinates
            int Handed;     // releases handed to the player
            std::vector<TMPBtnType> Clicks;
        } cases[] = {
            {"play", {20, 15}, {30, 20}, 1, {K::btPlay}},
            {"play-to-pause", {20, 15}, {LeftOf(1) + 20, 15}, 0, {}},
            {"pause-to-play", {LeftOf(1) + 20, 15}, {20, 15}, 0, {}},
            {"boundary", {LeftOf(1), 15}, {10, 15}, 1, {K::btPlay}}, // x = 40 is Play's
            {"disabled-stop", {LeftOf(2) + 20, 15}, {LeftOf(2) + 20, 15}, 1, {}},
            {"eject", {LeftOf(3) + 20, 15}, {LeftOf(3) + 20, 15}, 1, {K::btEject}},
            {"play-to-below", {20, 15}, {20, 60}, 0, {}},
        };
        for (const auto& c : cases) {
            Clicks.clear();
            ups = 0;
            Drag(OnScreen(panel, c.From.x, c.From.y), OnScreen(panel, c.To.x, c.To.y));
            Settle(100);
            EXPECT_EQ(Clicks, c.Clicks) << c.Name;
            EXPECT_EQ(ups, c.Handed) << c.Name;
            EXPECT_FALSE(skin->Overlay()->PressedFlag()) << c.Name;
            EXPECT_EQ(Player->PressedButton(), kMPNoButton) << c.Name;
        }
    }

    SendMessageW(Player->Handle(), SKINMSG_ENABLE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(panel));
    Clicks.clear();
    const POINT onPause = OnScreen(Player->Handle(), LeftOf(1) + 20, 15);
    Drag(onPause, onPause);
    Settle(100);
    EXPECT_EQ(Clicks, std::vector<TMPBtnType>{K::btPause}) << "skin off: the player itself";
    TShot plain(Player->Handle());
    EXPECT_NE(plain.At({LeftOf(1) + 2, 2}), Ref(FrameColour(1))) << "skin off";

    SendMessageW(Player->Handle(), SKINMSG_ENABLE, 1, 0);
    ASSERT_TRUE(IsWindowVisible(panel));
    UpdateWindow(panel);
    TShot(panel).Expect({LeftOf(1) + 2, 2}, FrameColour(1), "player-skin-on");
}

// The panel follows the player's bounds and visibility, shows the face
// colour without visible buttons, and goes when the skin is taken off.
TEST_F(MediaPlayerTest, OverlayFollowsThePlayerAndGoesWithTheSkin) {
    TSkinMP* skin = SkinThePlayer();
    ASSERT_NE(skin, nullptr);
    TWMediaPlayer* overlay = skin->Overlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->Tag(), TMapSettings{}.DisableTag);

    Player->SetBounds(30, 50, 120, 24);
    EXPECT_EQ(overlay->BoundsRect().left, 30);
    EXPECT_EQ(overlay->BoundsRect().top, 50);
    EXPECT_EQ(overlay->Width(), 120);
    EXPECT_EQ(overlay->Height(), 24);
    Player->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(overlay->Handle()));
    Player->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(overlay->Handle()));

    Player->SetVisibleButtons(0);
    InvalidateRect(overlay->Handle(), nullptr, FALSE);
    UpdateWindow(overlay->Handle());
    TShot(overlay->Handle()).Expect({60, 12}, kFace, "player-no-buttons");

    const auto& children = Form->Controls();
    skin->Detach();
    EXPECT_EQ(skin->Overlay(), nullptr);
    EXPECT_EQ(std::count(children.begin(), children.end(), static_cast<TControl*>(overlay)), 0);
}

} // namespace
} // namespace veyra
