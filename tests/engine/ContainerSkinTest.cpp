#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/GroupBox.h"
#include "framework/HeaderControl.h"
#include "framework/ListView.h"
#include "framework/Panel.h"
#include "framework/ProgressBar.h"
#include "framework/StatusBar.h"
#include "framework/TrackBar.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/BarGeometry.h"
#include "skin/data/StatusBarLayout.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

// Every frame of the test skin's strips is one colour of its own, so a
// pixel names the element and frame drawn there.
Colour EdgeColour(int frame) {
    return Rgb(200, 40 * frame, 40);
}
Colour ExtraColour(int frame) {
    return Rgb(40, 30 * frame, 200);
}
Colour ProgressColour(int frame) {
    return Rgb(60 * frame, 150, 20);
}
Colour ThumbColour(int frame) {
    return Rgb(90 + 30 * frame, 20, 120);
}
Colour HeaderColour(int frame) {
    return Rgb(20, 120, 30 * frame);
}
constexpr Colour kFace = Rgb(10, 200, 30);
constexpr Colour kShadow = Rgb(70, 70, 90);
constexpr Colour kStatusText = Rgb(250, 250, 0);
// The channel images: both ends and the middle told apart.
constexpr Colour kTrackEnd = Rgb(1, 2, 250);
constexpr Colour kTrackMiddle = Rgb(3, 250, 4);
constexpr Colour kTrackVertMiddle = Rgb(250, 5, 250 - 6);

using test::Strip;

// A channel image with 3 pixels kept at either end.
Bitmap Channel(int width, int height, Colour middle, bool vertical) {
    Bitmap image(width, height, PixelFormat::Bgra32, PixelOf(kTrackEnd));
    if (vertical)
        image.FillRect({0, 3, width, height - 3}, PixelOf(middle));
    else
        image.FillRect({3, 0, width - 3, height}, PixelOf(middle));
    return image;
}

std::unique_ptr<TSkinDefinition> MakeContainerSkin() {
    auto skin = test::MakeTestSkin();
    auto put = [&skin](const char* name, Bitmap image, int frames, Margins margins = {}) {
        auto element = std::make_unique<TDataSkinObject>(name);
        element->Image = std::move(image);
        element->Frame = frames;
        element->SetMargins(margins);
        return &skin->Put(std::move(element));
    };
    put("StatusBarEdges", Strip(3, 12, 12, &EdgeColour), 3)->NormalColour2 = kStatusText;
    put("ExtraImages", Strip(5, 10, 10, &ExtraColour), 5);
    put("Progress", Strip(2, 10, 10, &ProgressColour), 2);
    put("Track", Channel(20, 4, kTrackMiddle, false), 1, {3, 0, 3, 0});
    put("TRACKVERT", Channel(4, 20, kTrackVertMiddle, true), 1, {0, 3, 0, 3});
    put("Trackbar.ThumbHorz", Strip(5, 11, 21, &ThumbColour), 5);
    put("Trackbar.ThumbVert", Strip(5, 21, 11, &ThumbColour), 5);
    put("Headerbar", Strip(5, 10, 20, &HeaderColour), 5);
    skin->Colours.ButtonFace = kFace;
    skin->Colours.ButtonShadow = kShadow;
    return skin;
}

using test::Ref;

// What a window's client area shows now, read back from its DC; a failed
// check leaves the picture in a file named after it.
class TShot {
public:
    explicit TShot(HWND window) {
        RECT r{};
        GetClientRect(window, &r);
        Surface_ = std::make_unique<DibSurface>(std::max(1L, r.right), std::max(1L, r.bottom));
        const WindowDcScope dc(window, false);
        BitBlt(Surface_->Dc(), 0, 0, r.right, r.bottom, dc.Get(), 0, 0, SRCCOPY);
    }
    COLORREF At(int x, int y) {
        if (x < 0 || y < 0 || x >= Surface_->Width() || y >= Surface_->Height())
            return CLR_INVALID;
        const Pixel p = Surface_->Pixels().At(x, y);
        return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
    }
    void Expect(int x, int y, Colour expected, const std::string& name) {
        const COLORREF seen = At(x, y);
        EXPECT_EQ(seen, Ref(expected)) << name << " at " << x << "," << y;
        if (seen != Ref(expected))
            Save(name);
    }
    bool Holds(const Rect& area, Colour colour) {
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                if (At(x, y) == Ref(colour))
                    return true;
        return false;
    }
    void Save(const std::string& name) {
        const std::vector<std::uint8_t> png = WritePng(Surface_->Pixels());
        std::ofstream(name + ".png", std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()),
                   static_cast<std::streamsize>(png.size()));
    }

private:
    std::unique_ptr<DibSurface> Surface_;
};

void Redraw(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Real input: the pointer to a screen point, the left button down there,
// moved to another point and up, all queued in one call.
void SendMouse(POINT down, POINT to) {
    const int w = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int h = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs;
    auto add = [&](POINT p, DWORD flags) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = p.x * 65535 / w;
        in.mi.dy = p.y * 65535 / h;
        in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        inputs.push_back(in);
    };
    add(down, 0);
    add(down, MOUSEEVENTF_LEFTDOWN);
    add({(down.x + to.x) / 2, (down.y + to.y) / 2}, 0);
    add(to, 0);
    add(to, MOUSEEVENTF_LEFTUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void Settle(DWORD ms = 300) {
    test::PumpUntil([] { return false; }, ms);
}

POINT ScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

// The mouse seen by window at client (x, y), as the platform tells it.
void MouseAt(HWND window, int x, int y) {
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

class ContainerSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCursorPos(&Cursor);
        Skin = MakeContainerSkin();
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 640, 460);
        Form->HandleNeeded();
        ShowWindow(Form->Handle(), SW_SHOWNA);
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
        SkinForm->SetSkinDefinition(Skin.get());
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
        SetCursorPos(Cursor.x, Cursor.y);
    }
    template <class T> T* Placed(int left, int top, int width, int height) {
        auto* control = new T(Form);
        control->SetParent(Form);
        control->SetBounds(left, top, width, height);
        return control;
    }
    template <class T> T* Skinned(TWinControl* control, bool keepColor = false) {
        auto* object = new T(control);
        object->AttachControl(SkinForm.get(), nullptr, keepColor);
        return object;
    }

    POINT Cursor{};
    std::unique_ptr<TSkinDefinition> Skin;
    TForm* Form = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
};

// The framework's controls reach the skin classes through the map's rows,
// by their ancestry.
TEST_F(ContainerSkinTest, FrameworkControlsMapToTheirSkinClasses) {
    TMapSettings settings;
    settings.SkinControls = ~0u;
    const struct {
        TControl* Control;
        TAttachPlan Plan;
    } cases[] = {
        {Placed<TPanel>(0, 0, 50, 50), {TSkinClass::Box, 0, true}},
        {Placed<TGroupBox>(0, 0, 50, 50), {TSkinClass::GroupBox, 0, false}},
        {Placed<TStatusBar>(0, 0, 50, 20), {TSkinClass::StatusBar, 0, false}},
        {Placed<TProgressBar>(0, 0, 50, 20), {TSkinClass::Progress, 0, false}},
        {Placed<TTrackBar>(0, 0, 50, 20), {TSkinClass::TrackBar, 0, false}},
        {Placed<THeaderControl>(0, 0, 50, 20), {TSkinClass::Header, 0, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TControlMap::PlanControl(*c.Control, settings).Attach, c.Plan)
            << c.Control->ClassName();
        EXPECT_NE(TControlMap::Factory(c.Plan.Class), nullptr) << c.Control->ClassName();
    }
}

// Three panels, the last narrower than the space left: each gets the frame
// of its bevel, the last reaches the bar's end, text in the skin's colour,
// the grip in the corner; a simple bar is one frame; skin off and on.
TEST_F(ContainerSkinTest, StatusBarPanelsFramesTextAndGrip) {
    auto* bar = new TStatusBar(Form);
    bar->SetParent(Form);
    bar->SetPanelLines({L"Ready=100", L"Online=100,pbRaised,taCenter", L"=40,pbNone"});
    Skinned<TSkinStatusBar>(bar);
    const HWND window = bar->Handle();
    Redraw(window);
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    TShot shot(window);
    const int frames[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        RECT r{};
        ASSERT_TRUE(SendMessageW(window, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r)));
        shot.Expect(r.left + 3, r.top, EdgeColour(frames[i]), "status-panel" + std::to_string(i));
    }
    RECT last{};
    SendMessageW(window, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&last));
    ASSERT_LT(last.right, width - 40);
    shot.Expect(width - 30, last.top, EdgeColour(3), "status-last-reaches-edge");
    EXPECT_TRUE(shot.Holds({4, last.top, 96, last.bottom}, kStatusText)) << "panel text";
    const Rect grip = SizeGripRect(width, height, 50, 10, 5);
    shot.Expect(grip.Left + 2, grip.Top + 2, ExtraColour(5), "status-grip");

    SendMessageW(window, SKINMSG_ENABLE, 0, 0);
    Redraw(window);
    EXPECT_NE(TShot(window).At(width - 30, last.top), Ref(EdgeColour(3))) << "skin off";
    SendMessageW(window, SKINMSG_ENABLE, 1, 0);
    TShot(window).Expect(width - 30, last.top, EdgeColour(3), "status-skin-on");

    bar->SetSimpleText(L"Simple");
    bar->SetSimplePanel(true);
    Redraw(window);
    TShot simple(window);
    simple.Expect(150, 1, EdgeColour(1), "status-simple");
    EXPECT_TRUE(simple.Holds({2, 0, 60, height}, kStatusText)) << "simple text";
}

// Two frames: the empty bar and the filled part, the range's lower limit
// counted; a standing bar fills from the bottom.
TEST_F(ContainerSkinTest, ProgressFillsItsShareOfTheRangeBothWays) {
    const struct {
        TProgressBarOrientation Orientation;
        int Min, Max, Position;
        // Along the bar from its start (left, or bottom), in eighths.
        int FilledEighth, EmptyEighth;
    } cases[] = {
        {pbHorizontal, 0, 100, 50, 3, 5}, {pbHorizontal, 100, 200, 150, 3, 5},
        {pbHorizontal, 0, 100, 0, -1, 1}, {pbVertical, 0, 100, 25, 1, 3},
        {pbVertical, 0, 100, 100, 7, -1},
    };
    int left = 10;
    for (const auto& c : cases) {
        const bool vertical = c.Orientation == pbVertical;
        auto* bar = vertical ? Placed<TProgressBar>(left, 10, 20, 160)
                             : Placed<TProgressBar>(left, 10, 160, 20);
        left += vertical ? 30 : 170;
        bar->SetOrientation(c.Orientation);
        bar->SetMin(c.Min);
        bar->SetMax(c.Max);
        bar->SetPosition(c.Position);
        Skinned<TSkinProgress>(bar);
        Redraw(bar->Handle());
        TShot shot(bar->Handle());
        const auto at = [&](int eighth, Colour colour, const char* what) {
            const int along = 160 * eighth / 8 + 10;
            if (vertical)
                shot.Expect(10, 160 - along, colour, what);
            else
                shot.Expect(along, 10, colour, what);
        };
        SCOPED_TRACE(std::to_string(c.Position) + " in " + std::to_string(c.Min) + ".." +
                     std::to_string(c.Max) + (vertical ? " standing" : " lying"));
        if (c.FilledEighth >= 0)
            at(c.FilledEighth, ProgressColour(2), "progress-filled");
        if (c.EmptyEighth >= 0)
            at(c.EmptyEighth, ProgressColour(1), "progress-empty");
    }
}

// The channel in three slices and the thumb's frame 2, lying and standing;
// the thumb dragged by real input lands where it lands on an unskinned twin.
TEST_F(ContainerSkinTest, TrackBarsDrawFromTheSkinAndDragAsUnskinned) {
    auto* skinned = Placed<TTrackBar>(10, 10, 300, 40);
    auto* plain = Placed<TTrackBar>(10, 60, 300, 40);
    auto* upright = Placed<TTrackBar>(330, 10, 40, 200);
    upright->SetOrientation(trVertical);
    for (TTrackBar* bar : {skinned, plain, upright}) {
        bar->SetMax(20);
        bar->SetPosition(5);
    }
    Skinned<TSkinTrackBar>(skinned);
    Skinned<TSkinTrackBar>(upright);
    int changes = 0;
    skinned->OnChange = [&changes](TObject*) { ++changes; };
    Redraw(Form->Handle());

    for (TTrackBar* bar : {skinned, upright}) {
        const HWND window = bar->Handle();
        const bool vertical = bar == upright;
        const std::string what = vertical ? "track-upright" : "track-lying";
        RECT reported{};
        SendMessageW(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
        const Rect r{reported.left, reported.top, reported.right, reported.bottom};
        if (vertical)
            std::cout << "[ note     ] a vertical track bar's channel comes back "
                      << (ChannelReportSwapped(r) ? "with x and y swapped" : "as it is") << "\n";
        const Rect channel = vertical ? VerticalChannelRect(r) : r;
        RECT thumb{};
        SendMessageW(window, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        TShot shot(window);
        shot.Expect((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2, ThumbColour(2),
                    what + "-thumb");
        // Along the channel, away from the thumb: the stretched middle.
        if (vertical) {
            const int y = thumb.bottom + 20;
            shot.Expect((channel.Left + channel.Right) / 2, y, kTrackVertMiddle, what + "-middle");
            shot.Expect((channel.Left + channel.Right) / 2, channel.Bottom - 1, kTrackEnd,
                        what + "-end");
        } else {
            const int x = thumb.right + 40;
            shot.Expect(x, (channel.Top + channel.Bottom) / 2, kTrackMiddle, what + "-middle");
            shot.Expect(channel.Right - 1, (channel.Top + channel.Bottom) / 2, kTrackEnd,
                        what + "-end");
        }
    }

    for (TTrackBar* bar : {skinned, plain}) {
        RECT thumb{};
        SendMessageW(bar->Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int y = (thumb.top + thumb.bottom) / 2;
        SendMouse(ScreenPoint(bar->Handle(), (thumb.left + thumb.right) / 2, y),
                  ScreenPoint(bar->Handle(), thumb.right + 120, y));
        Settle();
    }
    EXPECT_NE(plain->Position(), 5);
    EXPECT_EQ(skinned->Position(), plain->Position());
    EXPECT_EQ(SendMessageW(skinned->Handle(), TBM_GETPOS, 0, 0), plain->Position());
    EXPECT_GT(changes, 0);
}

// The section under the mouse shows frame 2 and the rest frame 1, also
// past the last section; a click and a resize reach the control.
TEST_F(ContainerSkinTest, HeaderHotSectionClickAndResize) {
    auto* header = Placed<THeaderControl>(10, 10, 400, 22);
    header->SetAlign(alNone);
    header->SetSectionLines({L"Symbol=100", L"Last=100,taRightJustify", L"Change=80"});
    auto* skin = Skinned<TSkinHeader>(header);
    int clicked = -1;
    int resized = -1;
    header->OnSectionClick = [&clicked](TCustomHeaderControl*, int i) { clicked = i; };
    header->OnSectionResize = [&resized](TCustomHeaderControl*, int i) { resized = i; };
    const HWND window = header->Handle();
    Redraw(window);
    EXPECT_EQ(skin->HotSection(), -1);
    // The real pointer stays away while the moves are told to the header,
    // so that no late pointer event of Wine's comes between.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    Settle(100);

    MouseAt(window, 150, 10);
    EXPECT_EQ(skin->HotSection(), 1);
    TShot hot(window);
    hot.Expect(50, 1, HeaderColour(1), "header-normal");
    hot.Expect(150, 1, HeaderColour(2), "header-hot");
    hot.Expect(350, 1, HeaderColour(1), "header-past-the-last");

    MouseAt(window, 50, 10);
    EXPECT_EQ(skin->HotSection(), 0);
    MouseAt(window, 101, 10); // on the divider: no change
    EXPECT_EQ(skin->HotSection(), 0);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(skin->HotSection(), -1);
    TShot(window).Expect(150, 1, HeaderColour(1), "header-left");

    const POINT onFirst = ScreenPoint(window, 40, 10);
    SendMouse(onFirst, onFirst);
    test::PumpUntil([&clicked] { return clicked == 0; }, 1500);
    EXPECT_EQ(clicked, 0);
    SendMouse(ScreenPoint(window, 100, 10), ScreenPoint(window, 140, 10));
    test::PumpUntil([header] { return header->Sections()[0].Width == 140; }, 1500);
    Settle(50);
    EXPECT_EQ(resized, 0);
    EXPECT_EQ(header->Sections()[0].Width, 140);
    RECT first{};
    SendMessageW(window, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.right, 140);
}

// A list view's column header gets its own header skin.
TEST_F(ContainerSkinTest, ListViewHeaderIsSkinned) {
    auto* view = Placed<TListView>(10, 10, 300, 150);
    view->SetViewStyle(vsReport);
    view->SetColumns({L"Symbol=120", L"Last=80"});
    auto* skin = Skinned<TSkinListView>(view);
    ASSERT_NE(skin->HeaderSkin(), nullptr);
    EXPECT_EQ(skin->HeaderSkin()->Handle(), skin->Header());
    EXPECT_EQ(SendMessageW(skin->Header(), SKINMSG_ISSKINNED, 0, 0), 1);
    Redraw(view->Handle());
    TShot(skin->Header()).Expect(200, 1, HeaderColour(1), "listview-header");
}

// A group box: the rounded outline in the shadow colour over the face; a
// recoloured panel shows the face colour and gets its own colour and
// ParentBackground back.
TEST_F(ContainerSkinTest, GroupBoxOutlineAndPanelColour) {
    auto* group = Placed<TGroupBox>(10, 10, 200, 100);
    group->SetCaption(L"Group");
    Skinned<TSkinGroupBox>(group);
    Redraw(group->Handle());
    TShot shot(group->Handle());
    shot.Expect(1, 50, kShadow, "group-outline");
    shot.Expect(100, 50, kFace, "group-inside");
    shot.Expect(198, 50, kShadow, "group-outline-right");

    auto* panel = Placed<TPanel>(220, 10, 200, 100);
    panel->SetColor(static_cast<TColor>(Rgb(1, 2, 3)));
    panel->SetParentBackground(true);
    auto* box = Skinned<TSkinBox>(panel, true);
    EXPECT_EQ(panel->Color(), static_cast<TColor>(kFace));
    EXPECT_FALSE(panel->ParentBackground());
    Redraw(panel->Handle());
    TShot(panel->Handle()).Expect(100, 50, kFace, "panel-face");
    box->Detach();
    EXPECT_EQ(panel->Color(), static_cast<TColor>(Rgb(1, 2, 3)));
    EXPECT_TRUE(panel->ParentBackground());
}

} // namespace
} // namespace veyra
