// The title-bar buttons of a skinned window driven through real non-client
// mouse messages, read back from the window's own pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "FormTestSupport.h"
#include "MgrTestSupport.h"
#include "framework/MenuItem.h"
#include "framework/PopupMenu.h"
#include "skin/component/SkinData.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {
namespace {

using test::FrameOf;
using test::MakeTestSkin;
using test::MgrTestPump;
using test::TTestWindow;

constexpr Colour kNormal = Rgb(250, 0, 0);
constexpr Colour kPressed = Rgb(0, 250, 0);
constexpr Colour kHot = Rgb(0, 0, 250);
constexpr Colour kDisabled = Rgb(120, 120, 120);
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 14;
constexpr int kApplicationAction = 40;

// A button image: one 16 x 14 frame per colour, side by side.
Bitmap Frames(std::initializer_list<Colour> colours) {
    Bitmap image(kButtonWidth * static_cast<int>(colours.size()), kButtonHeight,
                 PixelFormat::Rgb24);
    int x = 0;
    for (Colour colour : colours) {
        image.FillRect(RectOfSize(x, 0, kButtonWidth, kButtonHeight), PixelOf(colour));
        x += kButtonWidth;
    }
    return image;
}

void AddButton(TSkinDefinition& skin, int action, int align, int x, Bitmap image) {
    auto button = std::make_unique<TDataSkinSysButton>("BUTTON");
    button->Action = static_cast<TTitleAction>(action);
    button->Align = static_cast<TTitleAlign>(align);
    button->Xcoord = x;
    button->Ycoord = 8;
    button->Frame = std::max(1, image.Width() / kButtonWidth);
    button->Image = std::move(image);
    skin.TitleButtons.push_back(std::move(button));
}

// Close, maximise (three frames) and minimise on the right, the icon and an
// application button on the left.
std::unique_ptr<TSkinDefinition> MakeButtonSkin() {
    auto skin = MakeTestSkin();
    AddButton(*skin, 0, 1, 30, Frames({kNormal, kPressed, kHot, kDisabled}));
    AddButton(*skin, 1, 1, 50, Frames({kNormal, kPressed, kHot}));
    AddButton(*skin, 2, 1, 70, Frames({kNormal, kPressed, kHot, kDisabled}));
    AddButton(*skin, 3, 0, 6, Bitmap());
    AddButton(*skin, kApplicationAction, 0, 200, Frames({kNormal, kPressed, kHot, kDisabled}));
    return skin;
}

enum TButtonIndex { kClose, kMaximize, kMinimize, kIcon, kApplication };

// The popup menus shown while it lives: each track records the menu and
// chooses the item a test asked for (none by default).
class TMenuTracker {
public:
    TMenuTracker() {
        Previous_ =
            TPopupMenu::SetTrackFunction([this](HMENU menu, UINT, int x, int y, HWND) -> UINT {
                Points.push_back(POINT{x, y});
                Menus.push_back(menu);
                if (Choose)
                    return Choose(menu);
                return 0;
            });
    }
    ~TMenuTracker() { TPopupMenu::SetTrackFunction(std::move(Previous_)); }
    TMenuTracker(const TMenuTracker&) = delete;
    TMenuTracker& operator=(const TMenuTracker&) = delete;

    std::vector<POINT> Points;
    std::vector<HMENU> Menus;
    std::function<UINT(HMENU)> Choose;

private:
    TPopupMenu::TTrackFunction Previous_;
};

class TitleButtonsTest : public testing::Test {
protected:
    std::unique_ptr<TSkinDefinition> Skin = MakeButtonSkin();
    std::optional<TTestWindow> Window;
    std::unique_ptr<TWinSkinForm> Skinned;

    HWND Open(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        Window.emplace(style, 0, nullptr, 400, 300);
        const HWND h = Window->Handle();
        Skinned = std::make_unique<TWinSkinForm>(nullptr, h, test::TestEngine());
        Skinned->SetSkinDefinition(Skin.get());
        Skinned->InitSkin(nullptr);
        SendMessageW(h, SKINMSG_INIT, 0, kSkinInitParam);
        SetForegroundWindow(h);
        SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
        SendMessageW(h, SKINMSG_REPAINTFRAME, 0, 0);
        return h;
    }
    HWND Handle() const { return Window->Handle(); }
    int OuterWidth() const {
        const RECT outer = FrameOf(Handle()).Outer;
        return outer.right - outer.left;
    }
    // The last time the window's own procedure saw msg.
    const test::TSeenMessage* LastSeen(UINT msg) const {
        for (auto it = Window->Seen.rbegin(); it != Window->Seen.rend(); ++it)
            if (it->Msg == msg)
                return &*it;
        return nullptr;
    }
    TWinSysButton& Button(TButtonIndex index) const { return *Skinned->TitleButtons().at(index); }

    // A screen point a few pixels inside a button.
    POINT On(TButtonIndex index) const {
        const RECT outer = FrameOf(Handle()).Outer;
        const Rect& r = Button(index).BoundsRect;
        return POINT{outer.left + r.Left + 3, outer.top + r.Top + 3};
    }
    POINT OnCaption() const {
        const RECT outer = FrameOf(Handle()).Outer;
        return POINT{outer.left + 150, outer.top + 15};
    }
    LRESULT Send(UINT msg, POINT screen, WPARAM hit = HTCAPTION) const {
        return SendMessageW(Handle(), msg, hit, MAKELPARAM(screen.x, screen.y));
    }
    void Click(TButtonIndex index) const {
        Send(WM_NCLBUTTONDOWN, On(index));
        Send(WM_NCLBUTTONUP, On(index));
    }
    // The colour the window shows at a point of its own (window coordinates).
    Colour PixelAt(int x, int y) const {
        const HDC dc = GetWindowDC(Handle());
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(Handle(), dc);
        return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
    }
    Colour ButtonPixel(TButtonIndex index) const {
        const Rect& r = Button(index).BoundsRect;
        return PixelAt(r.Left + 5, r.Top + 5);
    }
    int Seen(UINT msg) const { return Window->CountOf(msg); }
};

TEST_F(TitleButtonsTest, ButtonsAreLaidOutByTheirAlignmentAndPaintedInTheTitle) {
    Open();
    const int w = OuterWidth();
    EXPECT_EQ(Button(kClose).BoundsRect, RectOfSize(w - 30, 8, kButtonWidth, kButtonHeight));
    EXPECT_EQ(Button(kMinimize).BoundsRect, RectOfSize(w - 70, 8, kButtonWidth, kButtonHeight));
    EXPECT_EQ(Button(kApplication).BoundsRect, RectOfSize(200, 8, kButtonWidth, kButtonHeight));
    // The icon button takes the small-icon size from the window's icon picture.
    EXPECT_EQ(Button(kIcon).BoundsRect.Width(), GetSystemMetrics(SM_CXSMICON));
    for (TButtonIndex index : {kClose, kMaximize, kMinimize, kApplication}) {
        EXPECT_TRUE(Button(index).Visible);
        EXPECT_EQ(ButtonPixel(index), kNormal) << "button " << index;
    }
    const RECT outer = FrameOf(Handle()).Outer;
    EXPECT_EQ(SendMessageW(Handle(), WM_NCHITTEST, 0, MAKELPARAM(On(kClose).x, On(kClose).y)),
              HTCAPTION);
    const POINT inside = Skinned->ToWindowPoint(On(kClose));
    EXPECT_EQ(Skinned->ButtonAt(inside), &Button(kClose));
    EXPECT_EQ(Skinned->ButtonAt(POINT{150, 15}), nullptr);
    EXPECT_EQ(Skinned->ToWindowPoint(POINT{outer.left + 7, outer.top + 9}).x, 7);
}

TEST_F(TitleButtonsTest, HoverPressAndLeaveRepaintTheButtonAndAreNotPassedOn) {
    Open();
    Send(WM_NCMOUSEMOVE, On(kMinimize));
    EXPECT_EQ(Skinned->HotObject(), &Button(kMinimize));
    EXPECT_EQ(ButtonPixel(kMinimize), kHot);
    // Moving onto another button: the first lets go.
    Send(WM_NCMOUSEMOVE, On(kClose));
    EXPECT_EQ(Skinned->HotObject(), &Button(kClose));
    EXPECT_EQ(ButtonPixel(kMinimize), kNormal);
    EXPECT_EQ(ButtonPixel(kClose), kHot);
    Send(WM_NCLBUTTONDOWN, On(kClose));
    EXPECT_EQ(ButtonPixel(kClose), kPressed);
    EXPECT_EQ(Button(kClose).State, TNCObject::Pressed);
    EXPECT_EQ(Seen(WM_NCMOUSEMOVE) + Seen(WM_NCLBUTTONDOWN), 0)
        << "messages on a button are consumed";
    // Off the buttons: nothing is hot and the platform sees the move.
    Send(WM_NCMOUSEMOVE, OnCaption());
    EXPECT_EQ(Skinned->HotObject(), nullptr);
    EXPECT_EQ(ButtonPixel(kClose), kNormal);
    EXPECT_EQ(Seen(WM_NCMOUSEMOVE), 1);
    // An inactive window ignores the mouse moving over its caption entirely.
    SendMessageW(Handle(), WM_NCACTIVATE, FALSE, 0);
    Send(WM_NCMOUSEMOVE, On(kClose));
    EXPECT_EQ(Skinned->HotObject(), nullptr);
    EXPECT_EQ(Seen(WM_NCMOUSEMOVE), 1);
}

TEST_F(TitleButtonsTest, ClickingCloseClosesTheWindow) {
    Open();
    Send(WM_NCLBUTTONDOWN, On(kClose));
    MgrTestPump(50);
    EXPECT_TRUE(IsWindow(Handle())) << "nothing happens before the button comes up";
    Send(WM_NCLBUTTONUP, On(kClose));
    MgrTestPump(200);
    EXPECT_EQ(Window->Handle(), nullptr) << "the window was destroyed";
}

// Moves the real mouse pointer to a screen point and clicks there. Wine
// answers GetCursorPos from the X server's pointer events, which may arrive
// late and still carry an earlier place: the click waits until the pointer
// is reported where it was put several times in a row, and the button
// events carry the point themselves.
void ClickWithTheMouse(POINT screen) {
    test::SettlePointer(screen);
    test::SendMouseInput(screen, MOUSEEVENTF_LEFTDOWN);
    MgrTestPump(50);
    test::SendMouseInput(screen, MOUSEEVENTF_LEFTUP);
}

TEST_F(TitleButtonsTest, RealMouseClicksOnTheButtonsWork) {
    const HWND h = Open();
    SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    MgrTestPump(100);
    ClickWithTheMouse(On(kMaximize));
    MgrTestPump(300);
    EXPECT_TRUE(IsZoomed(h)) << "the platform routed the click through the skinned caption";
    ClickWithTheMouse(On(kMaximize));
    MgrTestPump(300);
    EXPECT_FALSE(IsZoomed(h));
    ClickWithTheMouse(On(kClose));
    MgrTestPump(300);
    EXPECT_EQ(Window->Handle(), nullptr);
}

TEST_F(TitleButtonsTest, ButtonUpWithoutItsButtonDownDoesNothing) {
    const HWND h = Open();
    Send(WM_NCLBUTTONUP, On(kClose));
    MgrTestPump(100);
    EXPECT_TRUE(IsWindow(h));
}

TEST_F(TitleButtonsTest, MaximizeRestoreAndMinimizeButtonsChangeTheWindowState) {
    const HWND h = Open();
    Click(kMaximize);
    MgrTestPump(200);
    EXPECT_TRUE(IsZoomed(h));
    EXPECT_EQ(Skinned->WindowState(), TWindowState::Maximized);
    // Its caption and buttons are still hit as the caption.
    SendMessageW(h, SKINMSG_REPAINTFRAME, 0, 0);
    EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(OnCaption().x, OnCaption().y)),
              HTCAPTION);
    EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(On(kClose).x, On(kClose).y)), HTCAPTION);
    // A maximized window is not dragged by its caption: the platform is told
    // that the menu was hit instead.
    Send(WM_NCLBUTTONDOWN, OnCaption());
    const test::TSeenMessage* down = LastSeen(WM_NCLBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->WParam, static_cast<WPARAM>(HTMENU));
    MgrTestPump(50);
    SendMessageW(h, SKINMSG_REPAINTFRAME, 0, 0);
    Click(kMaximize);
    MgrTestPump(200);
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_EQ(Skinned->WindowState(), TWindowState::Normal);

    SendMessageW(h, SKINMSG_REPAINTFRAME, 0, 0);
    SendMessageW(h, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU)
        << "hidden while the frame is painted";
    Click(kMinimize);
    MgrTestPump(200);
    EXPECT_TRUE(IsIconic(h));
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU)
        << "a minimized window has its system menu";
}

TEST_F(TitleButtonsTest, DoubleClicksOnTheCaptionAndOnTheIcon) {
    const HWND h = Open();
    Send(WM_NCLBUTTONDBLCLK, OnCaption());
    MgrTestPump(200);
    EXPECT_TRUE(IsZoomed(h));
    Send(WM_NCLBUTTONDBLCLK, OnCaption());
    MgrTestPump(200);
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_EQ(Seen(WM_NCLBUTTONDBLCLK), 0);
    SendMessageW(h, SKINMSG_REPAINTFRAME, 0, 0);
    // Another title button ignores a double click; the icon closes the window.
    Send(WM_NCLBUTTONDBLCLK, On(kMinimize));
    MgrTestPump(100);
    EXPECT_FALSE(IsIconic(h));
    Send(WM_NCLBUTTONDBLCLK, On(kIcon));
    MgrTestPump(200);
    EXPECT_EQ(Window->Handle(), nullptr);
}

TEST_F(TitleButtonsTest, DoubleClickOnACaptionWithoutMaximizeBoxGoesToThePlatform) {
    const HWND h = Open(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE);
    Send(WM_NCLBUTTONDBLCLK, OnCaption());
    MgrTestPump(100);
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_EQ(Seen(WM_NCLBUTTONDBLCLK), 1);
}

TEST_F(TitleButtonsTest, IconClickOpensTheSystemMenuAndASecondClickSoonAfterCloses) {
    TMenuTracker tracker;
    Open();
    const POINT icon = On(kIcon);
    Click(kIcon);
    ASSERT_EQ(tracker.Points.size(), 1u);
    EXPECT_EQ(tracker.Points[0].x, icon.x + 1);
    EXPECT_EQ(tracker.Points[0].y, icon.y + 1);
    MgrTestPump(20);
    EXPECT_TRUE(IsWindow(Handle()));
    Click(kIcon);
    EXPECT_EQ(tracker.Points.size(), 1u) << "the second click does not open the menu again";
    MgrTestPump(200);
    EXPECT_EQ(Window->Handle(), nullptr);
}

TEST_F(TitleButtonsTest, CloseButtonDisappearsWithoutSystemMenu) {
    Open(WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE);
    EXPECT_FALSE(Button(kClose).Visible);
    EXPECT_TRUE(Button(kApplication).Visible);
    EXPECT_FALSE(Button(kMaximize).Enabled) << "maximize needs the system menu too";
    const RECT outer = FrameOf(Handle()).Outer;
    const POINT whereCloseWas{outer.left + OuterWidth() - 30 + 3, outer.top + 8 + 3};
    EXPECT_EQ(Skinned->ButtonAt(Skinned->ToWindowPoint(whereCloseWas)), nullptr);
}

TEST_F(TitleButtonsTest, DisabledMaximizeButtonShowsItsFirstFrameAndDoesNothing) {
    const HWND h = Open(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_VISIBLE);
    ASSERT_TRUE(Button(kMaximize).Visible);
    EXPECT_FALSE(Button(kMaximize).Enabled);
    EXPECT_TRUE(Button(kMinimize).Enabled);
    // Three frames only: a disabled button is drawn with the first, also hot.
    EXPECT_EQ(ButtonPixel(kMaximize), kNormal);
    Send(WM_NCMOUSEMOVE, On(kMaximize));
    EXPECT_EQ(ButtonPixel(kMaximize), kNormal);
    Click(kMaximize);
    MgrTestPump(150);
    EXPECT_FALSE(IsZoomed(h));
    // A four-frame button shows its disabled frame: the minimize button of an
    // inactive window.
    SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(ButtonPixel(kMinimize), kDisabled);
}

// How many pixels of a button's rectangle differ from colour.
int PixelsOtherThan(HWND window, const Rect& r, Colour colour) {
    const HDC dc = GetWindowDC(window);
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            count += Rgb(GetRValue(c), GetGValue(c), GetBValue(c)) != colour;
        }
    ReleaseDC(window, dc);
    return count;
}

TEST_F(TitleButtonsTest, IconButtonShowsTheWindowsIconOrWhatThePlatformWouldShow) {
    Skin->Title.LeftWidth = 40; // the caption text starts right of the icon
    const Colour frame = ColourOf(Skin->Top.Image.At(0, 0));
    // The test class has no icon: the platform's standard one stands in.
    Open();
    EXPECT_GT(PixelsOtherThan(Handle(), Button(kIcon).BoundsRect, frame), 10);
    // An icon of the window's own: an all-white square replaces it.
    const int size = GetSystemMetrics(SM_CXSMICON);
    std::vector<BYTE> andMask(static_cast<std::size_t>(size * size / 8), 0x00);
    std::vector<BYTE> xorMask(static_cast<std::size_t>(size * size / 8), 0xFF);
    const HICON white =
        CreateIcon(GetModuleHandleW(nullptr), size, size, 1, 1, andMask.data(), xorMask.data());
    ASSERT_NE(white, nullptr);
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(white));
    SendMessageW(Handle(), SKINMSG_INIT, 0, kSkinInitParam); // refreshes the icon
    SendMessageW(Handle(), SKINMSG_REPAINTFRAME, 0, 0);
    const Rect& r = Button(kIcon).BoundsRect;
    EXPECT_EQ(PixelsOtherThan(Handle(), RectOfSize(r.Left, r.Top, size, size), kWhite), 0);
    Window.reset();
    DestroyIcon(white);
}

TEST_F(TitleButtonsTest, ApplicationButtonPostsItsAction) {
    Open();
    Click(kApplication);
    MgrTestPump(100);
    bool posted = false;
    for (const test::TSeenMessage& m : Window->Seen)
        if (m.Msg == SKINMSG_TITLEACTION) {
            posted = true;
            EXPECT_EQ(m.WParam, static_cast<WPARAM>(kApplicationAction));
            EXPECT_EQ(m.LParam, 0);
        }
    EXPECT_TRUE(posted);
}

// The item of the skinned system menu that carries command.
TMenuItem* SystemMenuItem(const TWinSkinForm& form, UINT command) {
    TPopupMenu* menu = form.SkinnedSystemMenu();
    if (!menu)
        return nullptr;
    for (int i = 0; i < menu->Items()->Count(); ++i)
        if (static_cast<UINT>(menu->Items()->Items(i)->Tag()) == command)
            return menu->Items()->Items(i);
    return nullptr;
}

TEST_F(TitleButtonsTest, SystemMenuCopiesThePlatformMenuWithStatesGlyphsAndCommands) {
    TMenuTracker tracker;
    const HWND h = Open();
    const TWinSkinForm* form = Skinned.get();
    tracker.Choose = [form](HMENU) {
        const TMenuItem* item = SystemMenuItem(*form, SC_MAXIMIZE);
        return item ? item->Command() : 0u;
    };
    Send(WM_NCRBUTTONDOWN, OnCaption());
    ASSERT_EQ(tracker.Menus.size(), 1u);
    EXPECT_EQ(Seen(WM_NCRBUTTONDOWN), 0);
    TPopupMenu* menu = Skinned->SkinnedSystemMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Tag(), 33333);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(menu->Items()->Count(), GetMenuItemCount(GetSystemMenu(h, FALSE)));

    struct TExpected {
        UINT Command;
        bool Enabled;
        int Image;
    };
    for (const TExpected& e : {TExpected{SC_RESTORE, false, 0}, TExpected{SC_MOVE, true, -1},
                               TExpected{SC_SIZE, true, -1}, TExpected{SC_MINIMIZE, true, 2},
                               TExpected{SC_MAXIMIZE, true, 1}, TExpected{SC_CLOSE, true, 3}}) {
        const TMenuItem* item = SystemMenuItem(*Skinned, e.Command);
        ASSERT_NE(item, nullptr) << std::hex << e.Command;
        EXPECT_EQ(item->Enabled(), e.Enabled) << std::hex << e.Command;
        EXPECT_EQ(item->ImageIndex(), e.Image) << std::hex << e.Command;
        EXPECT_FALSE(item->Caption().empty());
    }
    // The chosen item's command went to the window as a system command.
    MgrTestPump(200);
    EXPECT_TRUE(IsZoomed(h));

    // Maximized: restore comes alive, moving and sizing do not.
    tracker.Choose = nullptr;
    MgrTestPump(GetDoubleClickTime() + 50);
    SendMessageW(h, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_EQ(tracker.Menus.size(), 2u);
    POINT corner{0, 0};
    ClientToScreen(h, &corner);
    EXPECT_EQ(tracker.Points[1].x, corner.x);
    EXPECT_EQ(tracker.Points[1].y, corner.y);
    EXPECT_TRUE(SystemMenuItem(*Skinned, SC_RESTORE)->Enabled());
    EXPECT_FALSE(SystemMenuItem(*Skinned, SC_MOVE)->Enabled());
    EXPECT_FALSE(SystemMenuItem(*Skinned, SC_MAXIMIZE)->Enabled());
}

// The platform greys Size on a window without a sizing border only as it
// opens its own menu; the skinned copy greys it too.
TEST_F(TitleButtonsTest, SystemMenuOfAFixedWindowOffersNoSize) {
    TMenuTracker tracker;
    Open(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    tracker.Choose = [](HMENU) { return 0u; };
    Send(WM_NCRBUTTONDOWN, OnCaption());
    ASSERT_EQ(tracker.Menus.size(), 1u);
    const TMenuItem* size = SystemMenuItem(*Skinned, SC_SIZE);
    const TMenuItem* move = SystemMenuItem(*Skinned, SC_MOVE);
    ASSERT_NE(size, nullptr);
    ASSERT_NE(move, nullptr);
    EXPECT_FALSE(size->Enabled());
    EXPECT_TRUE(move->Enabled());
}

TEST_F(TitleButtonsTest, SkinningEndsWithTheSystemMenuStyleBack) {
    const HWND h = Open();
    SendMessageW(h, WM_NCPAINT, 1, 0);
    ASSERT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU);
    Skinned->Unskin();
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & WS_SYSMENU);

    // A window that never had the style does not get it.
    Open(WS_CAPTION | WS_THICKFRAME | WS_VISIBLE);
    Skinned->Unskin();
    EXPECT_FALSE(GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(TitleButtonsTest, SkinChangeRebuildsTheButtons) {
    Open();
    auto other = MakeTestSkin();
    AddButton(*other, 0, 1, 40, Frames({kHot}));
    Skinned->SetSkinDefinition(other.get());
    Skinned->ReloadSkin();
    ASSERT_EQ(Skinned->TitleButtons().size(), 1u);
    EXPECT_EQ(Skinned->TitleButtons()[0]->BoundsRect,
              RectOfSize(OuterWidth() - 40, 8, kButtonWidth, kButtonHeight));
    EXPECT_EQ(Skinned->HotObject(), nullptr);
    Skinned->Unskin();
    Skinned.reset();
}

} // namespace
} // namespace veyra
