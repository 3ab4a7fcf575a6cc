#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/Bitmap.h"
#include "framework/CustomControl.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/Font.h"
#include "framework/GroupBox.h"
#include "framework/HeaderControl.h"
#include "framework/ListView.h"
#include "framework/Panel.h"
#include "framework/ProgressBar.h"
#include "framework/SpeedButton.h"
#include "framework/StatusBar.h"
#include "framework/TabControl.h"
#include "framework/TabSet.h"
#include "framework/TrackBar.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinListView.h"
#include "skin/controls/SkinObjImage.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
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
Colour TabColour(int frame) {
    return Rgb(150, 30 * frame, 220);
}
Colour GlyphColour(int frame) {
    return Rgb(30 * frame, 220, 90);
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
    auto tabs = std::make_unique<TDataSkinBorder>("Tabs");
    tabs->Image = Strip(5, 10, 20, &TabColour);
    tabs->Frame = 5;
    skin->Put(std::move(tabs));
    skin->Buttons.CheckImage = Strip(4, 13, 13, &GlyphColour);
    skin->Buttons.CheckButtonFrame = 4;
    skin->Buttons.RadioImage = Strip(4, 12, 12, &GlyphColour);
    skin->Buttons.RadioButtonFrame = 4;
    skin->Colours.ButtonFace = kFace;
    skin->Colours.ButtonShadow = kShadow;
    return skin;
}

using test::Ref;

// A page control of another family: it draws its tabs from two pictures it
// publishes.
class TTestAdvPage : public TCustomControl {
    VEYRA_CLASS()
public:
    explicit TTestAdvPage(TComponent* owner) : TCustomControl(owner) {}
    TBitmap* Back() const { return Back_.get(); }
    TBitmap* Active() const { return Active_.get(); }
    void SetBack(TBitmap* picture) { Back_->Assign(picture); }
    void SetActive(TBitmap* picture) { Active_->Assign(picture); }

private:
    std::unique_ptr<TBitmap> Back_ = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> Active_ = std::make_unique<TBitmap>();
};

const TClassInfo& TTestAdvPage::StaticClass() {
    static const TClassInfo info(
        "TTestAdvPage", &TCustomControl::StaticClass(),
        TPropertyList<TTestAdvPage>()
            .Object<TBitmap>("TabBackGround", &TTestAdvPage::Back, &TTestAdvPage::SetBack)
            .Object<TBitmap>("TabBackGroundActive", &TTestAdvPage::Active, &TTestAdvPage::SetActive)
            .Take());
    return info;
}

// A check box of another family that shows a glyph strip it is given; it
// reads the strip when UseCustomGlyphs is switched on.
class TTestGlyphCheck : public TCustomControl {
    VEYRA_CLASS()
public:
    explicit TTestGlyphCheck(TComponent* owner) : TCustomControl(owner) {}
    TBitmap* Glyphs() const { return Glyphs_.get(); }
    void SetGlyphs(TBitmap* picture) { Glyphs_->Assign(picture); }
    int TransparentColour() const { return Transparent_; }
    void SetTransparentColour(int colour) { Transparent_ = colour; }
    bool UseCustom() const { return UseCustom_; }
    void SetUseCustom(bool on) {
        if (on && !UseCustom_)
            ++Reloads;
        UseCustom_ = on;
    }
    int Reloads = 0;

private:
    std::unique_ptr<TBitmap> Glyphs_ = std::make_unique<TBitmap>();
    int Transparent_ = 0;
    bool UseCustom_ = false;
};

const TClassInfo& TTestGlyphCheck::StaticClass() {
    static const TClassInfo info(
        "TTestGlyphCheck", &TCustomControl::StaticClass(),
        TPropertyList<TTestGlyphCheck>()
            .Object<TBitmap>("CustomGlyphs", &TTestGlyphCheck::Glyphs, &TTestGlyphCheck::SetGlyphs)
            .Integer("TransparentColor", &TTestGlyphCheck::TransparentColour,
                     &TTestGlyphCheck::SetTransparentColour)
            .Bool("UseCustomGlyphs", &TTestGlyphCheck::UseCustom, &TTestGlyphCheck::SetUseCustom)
            .Take());
    return info;
}

// The colour of a picture's pixel, as the platform's COLORREF.
COLORREF PictureAt(const TBitmap& picture, int x, int y) {
    const Pixel p = picture.Pixels().At(x, y);
    return RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}

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
    settings.Tabs = true;
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
        {Placed<TTabSet>(0, 0, 50, 20), {TSkinClass::Tab31, 0, false}},
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

// A tab set: the selected tab in frame 2, the others in frame 1, the face
// past the last; real clicks pick the same tabs as on an unskinned twin;
// skin off and on.
TEST_F(ContainerSkinTest, TabSetTabsDrawnAndClickedAsUnskinned) {
    auto* skinned = Placed<TTabSet>(10, 10, 300, 22);
    auto* plain = Placed<TTabSet>(10, 50, 300, 22);
    int changes = 0;
    for (TTabSet* set : {skinned, plain}) {
        set->SetTabs({L"Open", L"High", L"Low", L"Close"});
        set->OnChange = [&changes](TObject*) { ++changes; };
    }
    Skinned<TSkinTab31>(skinned);
    const HWND window = skinned->Handle();
    const auto expectTabs = [&](const std::string& what) {
        Redraw(window);
        TShot shot(window);
        for (const TTabSetPlace& place : skinned->TabPlaces())
            shot.Expect(place.Left + 2, 2, TabColour(place.Index == skinned->TabIndex() ? 2 : 1),
                        what + "-tab" + std::to_string(place.Index));
        shot.Expect(290, 2, kFace, what + "-past-the-tabs");
    };
    expectTabs("tabset");

    const int picks[] = {2, 0, 3};
    for (const int pick : picks) {
        for (TTabSet* set : {skinned, plain}) {
            const TTabSetPlace place = set->TabPlaces()[static_cast<std::size_t>(pick)];
            const POINT at = ScreenPoint(set->Handle(), (place.Left + place.Right) / 2, 10);
            SendMouse(at, at);
            test::PumpUntil([set, pick] { return set->TabIndex() == pick; }, 1500);
        }
        EXPECT_EQ(skinned->TabIndex(), pick);
        EXPECT_EQ(plain->TabIndex(), pick);
        expectTabs("tabset-picked" + std::to_string(pick));
    }
    EXPECT_EQ(changes, 6);

    SendMessageW(window, SKINMSG_ENABLE, 0, 0);
    Redraw(window);
    EXPECT_NE(TShot(window).At(skinned->TabPlaces()[3].Left + 2, 2), Ref(TabColour(2)))
        << "skin off";
    SendMessageW(window, SKINMSG_ENABLE, 1, 0);
    expectTabs("tabset-skin-on");
}

// Tabs that do not fit show the scroller, skinned with its arrows left and
// right; the tabs end before it, and its right arrow moves the first tab.
TEST_F(ContainerSkinTest, TabSetScrollerSkinnedAndScrolling) {
    auto* set = Placed<TTabSet>(10, 10, 160, 22);
    set->SetTabs({L"January", L"February", L"March", L"April", L"May"});
    auto* skin = Skinned<TSkinTab31>(set);
    ASSERT_NE(set->Scroller(), nullptr);
    const HWND scroller = set->Scroller()->Handle();
    ASSERT_NE(skin->ScrollerSkin(), nullptr);
    EXPECT_EQ(skin->ScrollerSkin()->Handle(), scroller);
    EXPECT_EQ(skin->ScrollerSkin()->Orientation(), TUpDownOrientation::Horizontal);
    EXPECT_TRUE(IsWindowVisible(scroller));
    const int scrollerLeft = set->Scroller()->Left();
    for (const TTabSetPlace& place : set->TabPlaces())
        EXPECT_LE(place.Right, scrollerLeft) << "tab " << place.Index;

    RECT arrows{};
    GetClientRect(scroller, &arrows);
    const POINT right = ScreenPoint(scroller, arrows.right * 3 / 4, arrows.bottom / 2);
    SendMouse(right, right);
    test::PumpUntil([set] { return set->FirstIndex() == 1; }, 1500);
    EXPECT_EQ(set->FirstIndex(), 1);
    Redraw(set->Handle());
    TShot(set->Handle()).Expect(set->StartMargin() + 2, 2, TabColour(1), "tabset-scrolled");
    EXPECT_EQ(set->TabPlaces().front().Index, 1);
}

// Speed buttons (windowless) inside a skinned group box, status bar and tab
// control are painted over the skin's picture, as the controls paint them
// unskinned.
TEST_F(ContainerSkinTest, WindowlessChildrenOverGroupBoxStatusBarAndTabControl) {
    // The tab control's pane in a colour of its own, so that a pane painted
    // over the button shows.
    auto* tabElement = Skin->FindAs<TDataSkinBorder>("Tabs");
    ASSERT_NE(tabElement, nullptr);
    tabElement->Image2 = Bitmap(12, 12, PixelFormat::Bgra32, PixelOf(kShadow));
    auto* group = Placed<TGroupBox>(10, 10, 200, 100);
    auto* bar = new TStatusBar(Form);
    bar->SetParent(Form);
    bar->SetPanelLines({L"Ready=200"});
    auto* tabs = Placed<TTabControl>(220, 10, 200, 120);
    tabs->SetTabs({L"One", L"Two"});
    Skinned<TSkinGroupBox>(group);
    Skinned<TSkinStatusBar>(bar);
    Skinned<TSkinTab>(tabs)->SetMode(TSkinTab::kTabControlMode);
    const struct {
        TWinControl* Parent;
        int Top;
        const char* Name;
    } cases[] = {
        {group, 2, "group-speedbutton"},
        {bar, 2, "status-speedbutton"},
        {tabs, 60, "tabcontrol-speedbutton"},
    };
    for (const auto& c : cases) {
        auto* button = new TSpeedButton(Form);
        button->SetParent(c.Parent);
        button->SetBounds(20, c.Top, 40, 16);
        Redraw(c.Parent->Handle());
        TShot shot(c.Parent->Handle());
        EXPECT_EQ(shot.At(40, c.Top + 8), GetSysColor(COLOR_BTNFACE)) << c.Name;
        if (shot.At(40, c.Top + 8) != GetSysColor(COLOR_BTNFACE))
            shot.Save(c.Name);
    }
}

// Captions on the skin's face take the skin's text colour, unless the
// application gave the control a colour of its own: a group box's caption,
// and a recoloured panel's font while it is skinned.
TEST_F(ContainerSkinTest, CaptionsTakeTheSkinsTextColour) {
    constexpr Colour kText = Rgb(240, 10, 120);
    constexpr TColor kOwn = static_cast<TColor>(Rgb(10, 20, 250));
    Skin->Colours.ButtonText = kText;
    const struct {
        bool Own;
        Colour Caption;
    } cases[] = {{false, kText}, {true, static_cast<Colour>(kOwn)}};
    int top = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Own ? "own colour" : "default colour");
        auto* group = Placed<TGroupBox>(10, top, 200, 60);
        auto* panel = Placed<TPanel>(220, top, 200, 60);
        top += 70;
        for (TControl* control : {static_cast<TControl*>(group), static_cast<TControl*>(panel)}) {
            control->SetCaption(L"WWWW");
            if (c.Own)
                control->Font()->SetColor(kOwn);
        }
        const TColor before = panel->Font()->Color();
        const bool parentFont = panel->ParentFont();
        Skinned<TSkinGroupBox>(group);
        auto* box = Skinned<TSkinBox>(panel, true);
        Redraw(group->Handle());
        TShot shot(group->Handle());
        EXPECT_TRUE(shot.Holds({8, 0, 60, 14}, c.Caption)) << "group caption";
        EXPECT_EQ(ColorToRGB(panel->Font()->Color()), Ref(c.Caption)) << "panel caption";
        box->Detach();
        EXPECT_EQ(panel->Font()->Color(), before);
        EXPECT_EQ(panel->ParentFont(), parentFont);
    }
}

// A bare track bar attached by handle tells its parent to custom-draw it:
// the skin answers there for it (the thumb's frame 2), and leaves the
// parent's own notifications alone; skin off, the control draws itself.
TEST_F(ContainerSkinTest, BareTrackBarDrawnThroughItsParent) {
    test::TTestWindow parent(WS_CHILD | WS_VISIBLE, 0, Form->Handle(), 320, 80);
    const HWND bar =
        CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 40,
                        parent.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 20));
    SendMessageW(bar, TBM_SETPOS, TRUE, 5);
    auto* skin = new TSkinTrackBar(SkinForm.get());
    skin->AttachHandle(bar, nullptr, SkinForm.get());
    EXPECT_EQ(skin->HookedParent(), parent.Handle());
    RECT thumb{};
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int x = (thumb.left + thumb.right) / 2;
    const int y = (thumb.top + thumb.bottom) / 2;
    Redraw(bar);
    TShot(bar).Expect(x, y, ThumbColour(2), "bare-track-thumb");
    EXPECT_EQ(parent.CountOf(WM_NOTIFY), 0) << "custom drawing answered for the parent";
    NMHDR click{bar, 0, static_cast<UINT>(NM_CLICK)};
    SendMessageW(parent.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(parent.CountOf(WM_NOTIFY), 1) << "other notifications reach the parent";

    SendMessageW(bar, SKINMSG_ENABLE, 0, 0);
    Redraw(bar);
    EXPECT_NE(TShot(bar).At(x, y), Ref(ThumbColour(2))) << "skin off";
    SendMessageW(bar, SKINMSG_ENABLE, 1, 0);
    Redraw(bar);
    TShot(bar).Expect(x, y, ThumbColour(2), "bare-track-skin-on");
    skin->Detach();
    EXPECT_EQ(skin->HookedParent(), nullptr);
    delete skin;
}

// A page control of another family mapped by its Skin3rd keyword gets the
// Tabs frames 1 and 2 rendered into its two pictures, again after a skin
// change, and empty pictures and its colour back when given back.
TEST_F(ContainerSkinTest, AdvPagePicturesFromTheTabsElement) {
    auto* page = Placed<TTestAdvPage>(10, 10, 200, 100);
    page->SetColor(static_cast<TColor>(Rgb(1, 2, 3)));
    TMapSettings settings;
    settings.SkinControls = ~0u;
    settings.Skin3rd = {"TTestAdvPage=advpagecontrol"};
    const TAttachPlan plan = TControlMap::PlanControl(*page, settings).Attach;
    ASSERT_EQ(plan, (TAttachPlan{TSkinClass::AdvPage, TSkinAdvPage::kRenderMode, true}));
    TSkinControl* object = TControlMap::Factory(plan.Class)(
        {*SkinForm, nullptr, page, page->Handle(), page, plan.Mode, plan.KeepColor, false});
    ASSERT_NE(object, nullptr);
    const auto expectPictures = [page](Colour back, Colour active, const char* what) {
        for (const TBitmap* picture : {page->Back(), page->Active()}) {
            ASSERT_EQ(picture->Width(), TSkinAdvPage::kTabWidth) << what;
            ASSERT_EQ(picture->Height(), TSkinAdvPage::kTabHeight) << what;
        }
        EXPECT_EQ(PictureAt(*page->Back(), 50, 10), Ref(back)) << what;
        EXPECT_EQ(PictureAt(*page->Active(), 50, 10), Ref(active)) << what;
    };
    expectPictures(TabColour(1), TabColour(2), "attached");
    EXPECT_EQ(page->Color(), static_cast<TColor>(kFace));

    auto other = MakeContainerSkin();
    auto tabs = std::make_unique<TDataSkinBorder>("Tabs");
    tabs->Image = Strip(5, 10, 20, &HeaderColour);
    tabs->Frame = 5;
    other->Put(std::move(tabs));
    other->Colours.ButtonFace = kShadow;
    SkinForm->SetSkinDefinition(other.get());
    object->SkinChanged();
    expectPictures(HeaderColour(1), HeaderColour(2), "skin changed");
    EXPECT_EQ(page->Color(), static_cast<TColor>(kShadow)) << "the new face colour";

    object->Detach();
    EXPECT_TRUE(page->Back()->Empty());
    EXPECT_TRUE(page->Active()->Empty());
    EXPECT_EQ(page->Color(), static_cast<TColor>(Rgb(1, 2, 3)));
    SkinForm->SetSkinDefinition(Skin.get());
}

// Check (mode 1) and radio (mode 2) glyph strips cut from the skin into a
// control that publishes CustomGlyphs, magenta as its transparent colour,
// its glyphs switched off and on once; off again when given back.
TEST_F(ContainerSkinTest, ObjImageWritesGlyphStrips) {
    const struct {
        int Mode;
        int CellWidth;
        int Cells;
        // A cell of each kind: from frame 1, from frame 2, left empty (-1: none).
        int FromOne, FromTwo, Empty;
    } cases[] = {{1, 13, 9, 3, 4, 8}, {2, 12, 6, 2, 3, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.Mode));
        auto* check = Placed<TTestGlyphCheck>(10, 10, 100, 20);
        TSkinControl* object = TControlMap::Factory(TSkinClass::ObjImage)(
            {*SkinForm, nullptr, check, check->Handle(), check, c.Mode, true, false});
        ASSERT_NE(object, nullptr);
        const TBitmap& glyphs = *check->Glyphs();
        ASSERT_EQ(glyphs.Width(), c.CellWidth * c.Cells);
        const int y = c.CellWidth / 2;
        EXPECT_EQ(PictureAt(glyphs, c.FromOne * c.CellWidth + 1, y), Ref(GlyphColour(1)));
        EXPECT_EQ(PictureAt(glyphs, c.FromTwo * c.CellWidth + 1, y), Ref(GlyphColour(2)));
        if (c.Empty >= 0) {
            EXPECT_EQ(PictureAt(glyphs, c.Empty * c.CellWidth + 1, y), Ref(kKeyColour));
        }
        EXPECT_EQ(check->TransparentColour(), 0xFF00FF);
        EXPECT_TRUE(check->UseCustom());
        EXPECT_EQ(check->Reloads, 1);
        EXPECT_NE(check->Color(), static_cast<TColor>(kFace)) << "the colour stays";
        object->Detach();
        EXPECT_FALSE(check->UseCustom());
    }
}

} // namespace
} // namespace veyra
