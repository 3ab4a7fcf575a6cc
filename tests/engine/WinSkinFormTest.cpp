#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "FormTestSupport.h"
#include "framework/CustomForm.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

namespace veyra {
namespace {

using test::FrameOf;
using test::MakeTestMenu;
using test::MakeTestSkin;
using test::TTestSkinShape;
using test::TTestWindow;

// A window skinning object on a bare window, as the manager makes one.
std::unique_ptr<TWinSkinForm> SkinWindow(HWND window, const TSkinDefinition& skin,
                                         TSkinData* data = nullptr) {
    auto form = std::make_unique<TWinSkinForm>(nullptr, window, test::TestEngine());
    form->SetSkinDefinition(&skin);
    form->InitSkin(data);
    return form;
}

void RunDeferredInit(HWND window) {
    SendMessageW(window, SKINMSG_INIT, 0, kSkinInitParam);
}

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

// The client area lies inside the outer rectangle by exactly the given border widths.
void ExpectBorders(HWND window, int left, int top, int right, int bottom) {
    const test::TWindowFrame f = FrameOf(window);
    EXPECT_EQ(f.Client.left - f.Outer.left, left);
    EXPECT_EQ(f.Client.top - f.Outer.top, top);
    EXPECT_EQ(f.Outer.right - f.Client.right, right);
    EXPECT_EQ(f.Outer.bottom - f.Client.bottom, bottom);
}

class WinSkinFormTest : public testing::Test {
protected:
    std::unique_ptr<TSkinDefinition> Skin = MakeTestSkin();
};

TEST_F(WinSkinFormTest, SkinnedQueryAnswersOneWithAndWithoutFrameSkinning) {
    TTestWindow framed(WS_OVERLAPPEDWINDOW);
    auto skinned = SkinWindow(framed.Handle(), *Skin);
    EXPECT_EQ(SendMessageW(framed.Handle(), SKINMSG_ISSKINNED, 0, 0), 1);
    EXPECT_TRUE(skinned->SkinFrame());
    EXPECT_EQ(framed.CountOf(SKINMSG_ISSKINNED), 0) << "the query is answered, not passed on";

    TSkinData data(nullptr);
    data.SetSkinControls(data.SkinControls() & ~Bit(xcMainMenu));
    TTestWindow plain(WS_OVERLAPPEDWINDOW);
    auto unframed = SkinWindow(plain.Handle(), *Skin, &data);
    EXPECT_FALSE(unframed->SkinFrame());
    EXPECT_EQ(unframed->LifeState(), TLifeState::Running) << "nothing to wait for without a frame";
    EXPECT_EQ(SendMessageW(plain.Handle(), SKINMSG_ISSKINNED, 0, 0), 1);
    // Everything else reaches the window's own procedure unchanged.
    EXPECT_EQ(SendMessageW(plain.Handle(), WM_APP, 7, 8), TTestWindow::kTestAnswer);
}

TEST_F(WinSkinFormTest, NonClientPaintingWaitsForTheDeferredInitialisation) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    auto skinned = SkinWindow(window.Handle(), *Skin);
    ASSERT_EQ(skinned->LifeState(), TLifeState::Created);

    const size_t before = window.Seen.size();
    EXPECT_EQ(SendMessageW(window.Handle(), WM_NCPAINT, 1, 0), 0);
    EXPECT_EQ(window.CountOf(WM_NCPAINT), 0) << "nothing painted the frame before SKINMSG_INIT";
    EXPECT_EQ(SendMessageW(window.Handle(), WM_NCACTIVATE, TRUE, 0), 0)
        << "activation refused before init";
    EXPECT_EQ(window.Seen.size(), before);

    RunDeferredInit(window.Handle());
    EXPECT_TRUE(skinned->InitDone());
    EXPECT_EQ(skinned->LifeState(), TLifeState::Running);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_NCPAINT, 1, 0), 0);
    EXPECT_EQ(window.CountOf(WM_NCPAINT), 0)
        << "the platform does not paint its caption over the skinned frame";
    EXPECT_EQ(SendMessageW(window.Handle(), WM_NCACTIVATE, FALSE, 0), 1);
    EXPECT_FALSE(skinned->Active());
}

TEST_F(WinSkinFormTest, PlainChildWindowGetsNoFrameHandling) {
    TTestWindow parent(WS_OVERLAPPEDWINDOW);
    TTestWindow child(WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, 0, parent.Handle(), 200,
                      150);
    const RECT clientBefore = FrameOf(child.Handle()).Client;
    auto skinned = SkinWindow(child.Handle(), *Skin);
    RunDeferredInit(child.Handle());
    EXPECT_EQ(SendMessageW(child.Handle(), SKINMSG_ISSKINNED, 0, 0), 1);

    // Frame messages go to the old procedure with their parameters untouched.
    child.Seen.clear();
    RECT proposed{0, 0, 200, 150};
    SendMessageW(child.Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
    SendMessageW(child.Handle(), WM_NCHITTEST, 0, MAKELPARAM(5, 5));
    SendMessageW(child.Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(20, 30));
    SendMessageW(child.Handle(), WM_NCPAINT, 1, 0);
    SendMessageW(child.Handle(), WM_COMMAND, SC_CLOSE, 0);
    EXPECT_EQ(SendMessageW(child.Handle(), WM_APP, 1, 2), TTestWindow::kTestAnswer);
    const std::vector<UINT> expected{WM_NCCALCSIZE, WM_NCHITTEST, WM_SIZE,
                                     WM_NCPAINT,    WM_COMMAND,   WM_APP};
    std::vector<UINT> seen;
    for (const auto& m : child.Seen)
        seen.push_back(m.Msg);
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(child.Seen.size(), expected.size());
    EXPECT_EQ(child.Seen[2].LParam, MAKELPARAM(20, 30));
    EXPECT_EQ(child.Seen[4].WParam, static_cast<WPARAM>(SC_CLOSE))
        << "a child's command is not re-posted";

    SetWindowPos(child.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const RECT clientAfter = FrameOf(child.Handle()).Client;
    EXPECT_EQ(WidthOf(clientAfter), WidthOf(clientBefore)) << "the platform's frame stays";
    EXPECT_EQ(HeightOf(clientAfter), HeightOf(clientBefore));
}

// The product's own skin, as the gallery built beside these tests has it.
std::wstring ProductSkinFile() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return (std::filesystem::path(self).parent_path().parent_path() / "examples" / "gallery" /
            "skin" / "skin.skn")
        .wstring();
}

// The colour of one pixel of the window as it is on the screen, window coordinates.
COLORREF WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// A skin that cannot load (a missing file, an older format) leaves the skin
// in force to the windows that paint with it: their frames keep painting.
TEST_F(WinSkinFormTest, AFailedSkinLoadKeepsPaintingWithTheSkinInForce) {
    TSkinData data(nullptr);
    data.SetMessageSink([](std::string_view) {});
    data.SetSkinFile(ProductSkinFile());
    ASSERT_FALSE(data.NoSkin()) << "the product skin beside the tests";
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto skinned = std::make_unique<TWinSkinForm>(nullptr, window.Handle(), test::TestEngine());
    skinned->InitSkin(&data);
    RunDeferredInit(window.Handle());
    const int left = skinned->Metrics().BorderLeft;
    ASSERT_GT(left, 0);
    const int middle = FrameOf(window.Handle()).Outer.bottom - FrameOf(window.Handle()).Outer.top;
    data.SetSkinFile(L"C:\\no\\such\\skin.skn");
    EXPECT_TRUE(data.NoSkin()) << "switching on waits for a skin that loads";
    EXPECT_EQ(skinned->Skin(), &data.Skin());
    // A colour no skin uses over the left border, then the frame paints again.
    constexpr COLORREF kStale = RGB(1, 254, 3);
    HDC dc = GetWindowDC(window.Handle());
    const RECT border{0, 0, left, middle};
    HBRUSH stale = CreateSolidBrush(kStale);
    FillRect(dc, &border, stale);
    DeleteObject(stale);
    ReleaseDC(window.Handle(), dc);
    SendMessageW(window.Handle(), WM_NCPAINT, 1, 0);
    EXPECT_NE(WindowPixel(window.Handle(), left / 2, middle / 2), kStale)
        << "the border is painted";
}

TEST_F(WinSkinFormTest, ClientAreaFollowsTheSkinBordersAndKeepsItsSize) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const RECT clientBefore = FrameOf(window.Handle()).Client;
    auto skinned = SkinWindow(window.Handle(), *Skin);
    EXPECT_EQ(skinned->BorderKind(), TBorderKind::Sizeable);
    RunDeferredInit(window.Handle());

    ExpectBorders(window.Handle(), 5, 30, 6, 7);
    const RECT clientAfter = FrameOf(window.Handle()).Client;
    EXPECT_EQ(WidthOf(clientAfter), WidthOf(clientBefore));
    EXPECT_EQ(HeightOf(clientAfter), HeightOf(clientBefore));

    // Asked for the client rectangle of a window rectangle, the same rule answers.
    RECT asked{100, 100, 400, 300};
    SendMessageW(window.Handle(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&asked));
    EXPECT_EQ(asked.left, 105);
    EXPECT_EQ(asked.top, 130);
    EXPECT_EQ(asked.right, 394);
    EXPECT_EQ(asked.bottom, 293);

    // Later size changes keep the skinned borders.
    SetWindowPos(window.Handle(), nullptr, 0, 0, 500, 420,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectBorders(window.Handle(), 5, 30, 6, 7);
}

// A child window that counts its background erases.
struct TErasedChild {
    static inline int Erases = 0;
    static inline int ErasesBeforeTheShape = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_ERASEBKGND) {
            ++Erases;
            RegionHandle shape(CreateRectRgn(0, 0, 0, 0));
            if (GetWindowRgn(GetParent(window), shape.Get()) == ERROR)
                ++ErasesBeforeTheShape;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    TErasedChild(HWND parent, int width, int height) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        wc.lpszClassName = L"VeyraErasedChild";
        RegisterClassW(&wc);
        Handle = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                 height, parent, nullptr, wc.hInstance, nullptr);
    }
    HWND Handle;
};

void HandleWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

TEST_F(WinSkinFormTest, SkinningAShownFormErasesItsChildrenOnce) {
    // The new frame size and then the region each invalidate the window;
    // it is drawn once, with its new frame and shape.
    TForm form(nullptr);
    form.SetBounds(30, 40, 420, 330);
    const HWND window = form.Handle();
    TErasedChild child(window, form.ClientWidth(), form.ClientHeight());
    ASSERT_NE(child.Handle, nullptr);
    ShowWindow(window, SW_SHOWNA);
    auto* skinned = new TWinSkinForm(&form, window, test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(nullptr, &form);
    HandleWaitingMessages();
    TErasedChild::Erases = 0;
    TErasedChild::ErasesBeforeTheShape = 0;
    RunDeferredInit(window);
    HandleWaitingMessages();
    EXPECT_EQ(TErasedChild::Erases, 1);
    EXPECT_EQ(TErasedChild::ErasesBeforeTheShape, 0) << "drawn while the frame was still changing";
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WinSkinFormTest, WindowWithoutCaptionKeepsThePlatformFrameAndSize) {
    TTestWindow window(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 0, nullptr, 320, 240);
    const test::TWindowFrame before = FrameOf(window.Handle());
    auto skinned = SkinWindow(window.Handle(), *Skin);
    EXPECT_EQ(skinned->BorderKind(), TBorderKind::NoCaption);
    RunDeferredInit(window.Handle());
    SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    const test::TWindowFrame skinnedFrame = FrameOf(window.Handle());
    EXPECT_TRUE(EqualRect(&skinnedFrame.Outer, &before.Outer));
    EXPECT_TRUE(EqualRect(&skinnedFrame.Client, &before.Client));
    skinned->Unskin();
    const test::TWindowFrame after = FrameOf(window.Handle());
    EXPECT_TRUE(EqualRect(&after.Outer, &before.Outer));
    EXPECT_TRUE(EqualRect(&after.Client, &before.Client));
}

TEST_F(WinSkinFormTest, MenuMovesIntoTheSkinnedMenuBarStrip) {
    const HMENU menu = MakeTestMenu();
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 400, 300, menu);
    const RECT clientBefore = FrameOf(window.Handle()).Client;
    auto skinned = SkinWindow(window.Handle(), *Skin);
    RunDeferredInit(window.Handle());
    EXPECT_EQ(GetMenu(window.Handle()), nullptr)
        << "the platform menu bar would paint over the skinned frame";
    ExpectBorders(window.Handle(), 5, 30 + GetSystemMetrics(SM_CYMENU), 6, 7);
    const RECT clientAfter = FrameOf(window.Handle()).Client;
    EXPECT_EQ(WidthOf(clientAfter), WidthOf(clientBefore));
    EXPECT_EQ(HeightOf(clientAfter), HeightOf(clientBefore))
        << "the menu's room is not given to the client";
}

TEST_F(WinSkinFormTest, FrameworkFormKeepsItsClientSizeAndColourComesBack) {
    TForm form(nullptr);
    form.SetBounds(30, 40, 420, 330);
    const HWND window = form.Handle();
    ShowWindow(window, SW_SHOWNA);
    const SIZE clientBefore{form.ClientWidth(), form.ClientHeight()};
    const TColor colourBefore = form.Color();
    const TWndMethod hookBefore = form.WindowProc();

    auto* skinned = new TWinSkinForm(&form, window, test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(nullptr, &form);
    EXPECT_EQ(skinned->Control(), &form);
    EXPECT_EQ(form.Color(), static_cast<TColor>(Skin->Colours.ButtonFace));
    EXPECT_NE(form.WindowProc(), hookBefore);
    RunDeferredInit(window);

    ExpectBorders(window, 5, 30, 6, 7);
    EXPECT_EQ(form.ClientWidth(), clientBefore.cx);
    EXPECT_EQ(form.ClientHeight(), clientBefore.cy);
    // The form's hook answers the private queries and passes the rest on.
    EXPECT_EQ(form.Perform(SKINMSG_QUERY, 0, kSkinSignature), kSkinSignature);
    EXPECT_EQ(form.Perform(SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(SendMessageW(window, SKINMSG_PAINTFRAME, 0, kSkinSignature), kSkinSignature);

    skinned->Unskin();
    EXPECT_EQ(form.WindowProc(), hookBefore) << "the form's old hook is back exactly";
    EXPECT_EQ(form.Color(), colourBefore);
    EXPECT_EQ(form.ClientWidth(), clientBefore.cx);
    EXPECT_EQ(form.ClientHeight(), clientBefore.cy);
    EXPECT_EQ(form.Perform(SKINMSG_QUERY, 0, kSkinSignature), 0);
}

TEST_F(WinSkinFormTest, UnskinRestoresSizeStylesMenuProcedureAndRegion) {
    const HMENU menu = MakeTestMenu();
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_APPWINDOW, nullptr, 410, 290, menu);
    const HWND h = window.Handle();
    const RECT outerBefore = FrameOf(h).Outer;
    const LONG_PTR styleBefore = GetWindowLongPtrW(h, GWL_STYLE);
    const LONG_PTR exStyleBefore = GetWindowLongPtrW(h, GWL_EXSTYLE);
    const LONG_PTR procBefore = GetWindowLongPtrW(h, GWLP_WNDPROC);

    // The skin outlives the skinning object, as the skin component's does.
    const auto skin = MakeTestSkin(
        {.Left = 9, .Top = 41, .Right = 3, .Bottom = 12, .TransparentLeftCorner = true});
    auto skinned = SkinWindow(h, *skin);
    RunDeferredInit(h);
    ASSERT_NE(WidthOf(FrameOf(h).Outer), WidthOf(outerBefore)) << "skinning changed the outer size";
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(h, probe), ERROR) << "skinned window has its region";

    skinned->Unskin();
    const RECT outerAfter = FrameOf(h).Outer;
    EXPECT_EQ(outerAfter.left, outerBefore.left);
    EXPECT_EQ(outerAfter.top, outerBefore.top);
    EXPECT_EQ(WidthOf(outerAfter), WidthOf(outerBefore));
    EXPECT_EQ(HeightOf(outerAfter), HeightOf(outerBefore));
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE), styleBefore);
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_EXSTYLE), exStyleBefore);
    EXPECT_EQ(GetMenu(h), menu);
    EXPECT_EQ(GetWindowLongPtrW(h, GWLP_WNDPROC), procBefore);
    EXPECT_EQ(GetWindowRgn(h, probe), ERROR) << "no region, as before skinning";
    EXPECT_EQ(SendMessageW(h, SKINMSG_ISSKINNED, 0, 0), 0);
    DeleteObject(probe);
}

TEST_F(WinSkinFormTest, UnskinGivesBackARegionTheWindowHadBefore) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window.Handle();
    SetWindowRgn(h, CreateEllipticRgn(0, 0, 300, 200), TRUE);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(h, probe), ERROR);
    RECT boxBefore{};
    GetRgnBox(probe, &boxBefore);
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    skinned->Unskin();
    ASSERT_NE(GetWindowRgn(h, probe), ERROR);
    RECT box{};
    GetRgnBox(probe, &box);
    EXPECT_TRUE(EqualRect(&box, &boxBefore));
    EXPECT_FALSE(PtInRegion(probe, 2, 2)) << "still the ellipse";
    DeleteObject(probe);
}

// A subclass of another party's, installed after ours.
LRESULT CALLBACK ThirdPartySubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) {
    ++*reinterpret_cast<int*>(data);
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(window, &ThirdPartySubclass, 77);
    return DefSubclassProc(window, msg, wParam, lParam);
}

WNDPROC RawPrevious = nullptr;
int RawCalls = 0;
LRESULT CALLBACK ThirdPartyRawProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++RawCalls;
    return CallWindowProcW(RawPrevious, window, msg, wParam, lParam);
}

TEST_F(WinSkinFormTest, ChainSubclassedAfterUsKeepsWorkingAfterUnskin) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window.Handle();
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    int thirdPartyCalls = 0;
    ASSERT_TRUE(SetWindowSubclass(h, &ThirdPartySubclass, 77,
                                  reinterpret_cast<DWORD_PTR>(&thirdPartyCalls)));

    skinned->Unskin();
    skinned.reset();
    window.Seen.clear();
    thirdPartyCalls = 0;
    EXPECT_EQ(SendMessageW(h, WM_APP, 0, 0), TTestWindow::kTestAnswer);
    EXPECT_EQ(thirdPartyCalls, 1);
    EXPECT_EQ(window.CountOf(WM_APP), 1);
    EXPECT_EQ(SendMessageW(h, SKINMSG_ISSKINNED, 0, 0), 0) << "our handling is gone";
}

TEST_F(WinSkinFormTest, RawProcedureSetAfterUsKeepsWorkingAfterUnskinAndDestroy) {
    auto window = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window->Handle();
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    RawCalls = 0;
    RawPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ThirdPartyRawProc)));

    skinned->Unskin();
    skinned.reset();
    EXPECT_EQ(GetWindowLongPtrW(h, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ThirdPartyRawProc))
        << "the third party's procedure stays the window's procedure";
    window->Seen.clear();
    RawCalls = 0;
    EXPECT_EQ(SendMessageW(h, WM_APP, 0, 0), TTestWindow::kTestAnswer);
    EXPECT_EQ(RawCalls, 1);
    EXPECT_EQ(window->CountOf(WM_APP), 1);
    EXPECT_EQ(SendMessageW(h, SKINMSG_ISSKINNED, 0, 0), 0);
    window.reset();
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(WinSkinFormTest, DestroyingTheWindowDetachesTheObject) {
    auto window = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto skinned = SkinWindow(window->Handle(), *Skin);
    RunDeferredInit(window->Handle());
    window.reset();
    EXPECT_EQ(skinned->LifeState(), TLifeState::Destroyed);
    EXPECT_FALSE(skinned->Subclassed());
}

TEST_F(WinSkinFormTest, FreeingTheObjectBeforeItsWindowLeavesAWorkingWindow) {
    const HMENU menu = MakeTestMenu();
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 400, 300, menu);
    const LONG_PTR procBefore = GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC);
    auto skinned = SkinWindow(window.Handle(), *Skin);
    RunDeferredInit(window.Handle());
    skinned.reset();
    EXPECT_EQ(GetWindowLongPtrW(window.Handle(), GWLP_WNDPROC), procBefore);
    EXPECT_EQ(GetMenu(window.Handle()), menu) << "the menu is the window's again";
    EXPECT_EQ(SendMessageW(window.Handle(), SKINMSG_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_APP, 0, 0), TTestWindow::kTestAnswer);
}

TEST_F(WinSkinFormTest, WindowDestroyedWhileSkinnedTakesItsMenuAlong) {
    std::vector<HMENU> menus;
    for (int i = 0; i < 3; ++i) {
        menus.push_back(MakeTestMenu());
        auto window = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr,
                                                    300, 200, menus.back());
        auto skinned = SkinWindow(window->Handle(), *Skin);
        RunDeferredInit(window->Handle());
        ASSERT_EQ(GetMenu(window->Handle()), nullptr);
        window.reset(); // the window goes first, then the skinning object
    }
    for (HMENU menu : menus)
        EXPECT_FALSE(IsMenu(menu)) << "the menu the window gave up died with it";
}

TEST_F(WinSkinFormTest, SkinningAndDestroyingWindowsLeaksNoHandles) {
    const HANDLE process = GetCurrentProcess();
    auto batch = [this](bool unskinFirst) {
        for (int i = 0; i < 12; ++i) {
            auto window = std::make_unique<TTestWindow>(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                                        nullptr, 300 + i, 200, MakeTestMenu());
            auto shaped = MakeTestSkin({.TransparentLeftCorner = (i % 2) == 0});
            auto skinned = SkinWindow(window->Handle(), *shaped);
            RunDeferredInit(window->Handle());
            SetWindowPos(window->Handle(), nullptr, 0, 0, 350, 260, SWP_NOMOVE | SWP_NOZORDER);
            SendMessageW(window->Handle(), WM_NCPAINT, 1, 0);
            if (unskinFirst)
                skinned->Unskin();
            window.reset();
            skinned.reset();
        }
    };
    batch(false); // the platform's caches fill once
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    if (gdiBefore == 0 && userBefore == 0)
        GTEST_SKIP() << "the platform does not count GUI objects (Wine answers 0)";
    batch(false);
    batch(true);
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(GetGuiResources(process, GR_USEROBJECTS), userBefore);
}

TEST_F(WinSkinFormTest, RegionIsShapedByTransparentBorderPixelsOnly) {
    TTestWindow shapedWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto shapedSkin = MakeTestSkin({.TransparentLeftCorner = true});
    auto shaped = SkinWindow(shapedWindow.Handle(), *shapedSkin);
    RunDeferredInit(shapedWindow.Handle());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(shapedWindow.Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0)) << "key pixel of the left border";
    EXPECT_FALSE(PtInRegion(region, 1, 2));
    EXPECT_TRUE(PtInRegion(region, 2, 0)) << "opaque pixel beside it";
    EXPECT_TRUE(PtInRegion(region, 0, 3));
    EXPECT_TRUE(PtInRegion(region, 200, 100)) << "client area";
    const RECT outer = FrameOf(shapedWindow.Handle()).Outer;
    EXPECT_TRUE(PtInRegion(region, WidthOf(outer) - 1, HeightOf(outer) - 1));

    TTestWindow plainWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto plain = SkinWindow(plainWindow.Handle(), *Skin);
    RunDeferredInit(plainWindow.Handle());
    ASSERT_EQ(GetWindowRgn(plainWindow.Handle(), region), SIMPLEREGION);
    RECT box{};
    GetRgnBox(region, &box);
    const RECT plainOuter = FrameOf(plainWindow.Handle()).Outer;
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, WidthOf(plainOuter));
    EXPECT_EQ(box.bottom, HeightOf(plainOuter));
    DeleteObject(region);
}

TEST_F(WinSkinFormTest, RegionIsRebuiltOnlyWhenTheSizeChanges) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window.Handle();
    auto shapedSkin = MakeTestSkin({.TransparentLeftCorner = true});
    auto skinned = SkinWindow(h, *shapedSkin);
    RunDeferredInit(h);
    // A marker region of our own: a rebuild would replace it.
    SetWindowRgn(h, CreateRectRgn(0, 0, 50, 50), FALSE);
    RECT client{};
    GetClientRect(h, &client);
    SendMessageW(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(h, region);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, 50) << "same size, region kept";

    SetWindowPos(h, nullptr, 0, 0, 480, 360, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRgn(h, region);
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, 480) << "new size, new region";
    EXPECT_EQ(box.bottom, 360);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    DeleteObject(region);
}

// A window procedure that keeps its window at most 300 pixels wide.
LRESULT CALLBACK NarrowWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE) && pos->cx > 300)
            pos->cx = 300;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

// The bounding box of a window's region.
RECT RegionBox(HWND window) {
    RECT box{};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) != ERROR)
        GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

TEST_F(WinSkinFormTest, RegionFollowsTheSizeTheWindowReallyGets) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = NarrowWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeyraNarrowTestWindow";
    RegisterClassW(&wc);
    const HWND h = CreateWindowExW(0, wc.lpszClassName, L"Narrow", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   40, 40, 250, 200, nullptr, nullptr, wc.hInstance, nullptr);
    auto shapedSkin = MakeTestSkin({.TransparentLeftCorner = true});
    auto skinned = SkinWindow(h, *shapedSkin);
    RunDeferredInit(h);
    // The window's own procedure cuts the width it is given.
    SetWindowPos(h, nullptr, 0, 0, 500, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer{};
    GetWindowRect(h, &outer);
    ASSERT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(RegionBox(h).right, 300);
    EXPECT_EQ(RegionBox(h).bottom, 260);
    // Maximized and back: the region is the normal window's again.
    ShowWindow(h, SW_MAXIMIZE);
    ShowWindow(h, SW_RESTORE);
    GetWindowRect(h, &outer);
    EXPECT_EQ(RegionBox(h).right, outer.right - outer.left);
    EXPECT_EQ(RegionBox(h).bottom, outer.bottom - outer.top);
    skinned.reset();
    DestroyWindow(h);
}

TEST_F(WinSkinFormTest, ReloadSkinTakesNewBordersAndKeepsTheClientSize) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window.Handle();
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    const RECT clientBefore = FrameOf(h).Client;
    auto wider = MakeTestSkin({.Left = 12, .Top = 24, .Right = 11, .Bottom = 10});
    skinned->SetSkinDefinition(wider.get());
    skinned->ReloadSkin();
    EXPECT_EQ(skinned->LifeState(), TLifeState::Running);
    ExpectBorders(h, 12, 24, 11, 10);
    const RECT clientAfter = FrameOf(h).Client;
    EXPECT_EQ(WidthOf(clientAfter), WidthOf(clientBefore));
    EXPECT_EQ(HeightOf(clientAfter), HeightOf(clientBefore));
}

TEST_F(WinSkinFormTest, SystemCommandInAMenuCommandIsPostedAsSystemCommand) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const HWND h = window.Handle();
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    window.Seen.clear();
    SendMessageW(h, WM_COMMAND, SC_MINIMIZE, 0);
    SendMessageW(h, WM_COMMAND, 1234, 0);
    EXPECT_EQ(window.CountOf(WM_COMMAND), 1) << "only the plain command reaches the window";
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, h, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(SC_MINIMIZE));
}

// An in-memory dialog template: caption, one button at (bx, 10).
std::vector<WORD> DialogTemplate(const wchar_t* caption, short width, short buttonX) {
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    auto text = [&t](const wchar_t* s) {
        for (; *s; ++s)
            t.push_back(*s);
        t.push_back(0);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    dword(0);
    t.push_back(1); // items
    t.insert(t.end(), {10, 10, static_cast<WORD>(width), 60});
    t.push_back(0); // menu
    t.push_back(0); // class
    text(caption);
    t.push_back(8);
    text(L"MS Shell Dlg");
    if (t.size() % 2)
        t.push_back(0); // item on a DWORD boundary
    dword(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    dword(0);
    t.insert(t.end(), {static_cast<WORD>(buttonX), 10, 40, 14});
    t.push_back(1); // id
    t.push_back(0xFFFF);
    t.push_back(0x0080); // button
    text(L"OK");
    t.push_back(0); // no creation data
    return t;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// Dialogs of both character sets: an ANSI dialog's caption is read in its code page.
class WinSkinFormDialogTest : public testing::TestWithParam<bool> {};

TEST_P(WinSkinFormDialogTest, DialogIsWidenedToItsCaptionWithItsControlsMovedRight) {
    const wchar_t* caption =
        L"A rather long dialog caption that a narrow dialog cannot show in full";
    const std::vector<WORD> tmpl = DialogTemplate(caption, 60, 8);
    const bool unicode = GetParam();
    const auto* dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(tmpl.data());
    const HWND dialog = unicode
                            ? CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate,
                                                         nullptr, &PlainDialogProc, 0)
                            : CreateDialogIndirectParamA(GetModuleHandleW(nullptr), dialogTemplate,
                                                         nullptr, &PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(IsWindowUnicode(dialog) != FALSE, unicode);
    const HWND button = GetDlgItem(dialog, 1);
    RECT buttonBefore{};
    GetWindowRect(button, &buttonBefore);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&buttonBefore), 2);
    RECT client{};
    GetClientRect(dialog, &client);

    auto skin = MakeTestSkin({.TextShift = 8, .TextRightClip = 60});
    auto skinned = SkinWindow(dialog, *skin);
    EXPECT_EQ(skinned->ClassNameText(), L"#32770");
    EXPECT_EQ(skinned->BorderKind(), TBorderKind::Dialog);
    RunDeferredInit(dialog);

    // What the caption needs, measured with the platform's caption font.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring text = std::wstring(L" ") + caption + L"  ";
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    const int needed = 8 + extent.cx + 60;
    const int plainWidth = client.right + 5 + 6;
    ASSERT_GT(needed, plainWidth) << "the test caption must not fit";

    const RECT outer = FrameOf(dialog).Outer;
    EXPECT_EQ(WidthOf(outer), needed);
    EXPECT_EQ(HeightOf(outer), client.bottom + 30 + 7);
    RECT buttonAfter{};
    GetWindowRect(button, &buttonAfter);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&buttonAfter), 2);
    EXPECT_EQ(buttonAfter.left - buttonBefore.left, (needed - plainWidth) / 2);
    EXPECT_EQ(buttonAfter.top, buttonBefore.top);
    DestroyWindow(dialog);
}

INSTANTIATE_TEST_SUITE_P(CharacterSets, WinSkinFormDialogTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Unicode" : "Ansi";
                         });

// Windows and controls that no rule names are walked past: nothing is
// attached to them, and they answer as unskinned controls.
TEST_F(WinSkinFormTest, DiscoveryAttachesNothingToWindowsNoRuleNames) {
    TTestWindow window(WS_OVERLAPPEDWINDOW);
    TTestWindow first(WS_CHILD, 0, window.Handle(), 50, 20);
    TTestWindow second(WS_CHILD, 0, window.Handle(), 50, 20);
    auto skinned = SkinWindow(window.Handle(), *Skin);
    TControlMap(*skinned).DiscoverChildWindows();
    EXPECT_TRUE(skinned->ControlObjects().empty());
    EXPECT_EQ(SendMessageW(first.Handle(), SKINMSG_ISSKINNED, 0, 0), 0);
    EXPECT_EQ(SendMessageW(second.Handle(), SKINMSG_ISSKINNED, 0, 0), 0);

    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* kept = new TWinControl(&form);
    kept->SetParent(&form);
    TSkinData data(nullptr);
    auto* formSkin = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    formSkin->SetSkinDefinition(Skin.get());
    formSkin->AttachToForm(&data, &form);
    TControlMap(*formSkin).DiscoverControls();
    EXPECT_TRUE(formSkin->ControlObjects().empty());
    EXPECT_EQ(SendMessageW(kept->Handle(), SKINMSG_ISSKINNED, 0, 0), 0);
}

LRESULT CALLBACK AnsiProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return msg == WM_APP ? TTestWindow::kTestAnswer : DefWindowProcA(window, msg, wParam, lParam);
}

TEST_F(WinSkinFormTest, AnsiWindowIsSkinnedAndGivenBackItsProcedure) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &AnsiProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = "VeyraFormTestAnsi";
    RegisterClassA(&wc);
    const HWND h =
        CreateWindowExA(0, "VeyraFormTestAnsi", "Ansi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                        300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    ASSERT_FALSE(IsWindowUnicode(h));
    const LONG_PTR procBefore = GetWindowLongPtrA(h, GWLP_WNDPROC);
    const RECT clientBefore = FrameOf(h).Client;
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    ExpectBorders(h, 5, 30, 6, 7);
    EXPECT_EQ(WidthOf(FrameOf(h).Client), WidthOf(clientBefore));
    EXPECT_EQ(SendMessageA(h, SKINMSG_ISSKINNED, 0, 0), 1);
    EXPECT_EQ(SendMessageA(h, WM_APP, 0, 0), TTestWindow::kTestAnswer);
    skinned->Unskin();
    EXPECT_EQ(GetWindowLongPtrA(h, GWLP_WNDPROC), procBefore);
    EXPECT_FALSE(IsWindowUnicode(h)) << "still an ANSI window";
    EXPECT_EQ(SendMessageA(h, SKINMSG_ISSKINNED, 0, 0), 0);
    DestroyWindow(h);
}

TEST_F(WinSkinFormTest, FrameworkFormReskinsThroughItsMessageHookAndRaisesItsEvents) {
    TForm form(nullptr);
    form.SetBounds(30, 40, 420, 330);
    const HWND window = form.Handle();
    ShowWindow(window, SW_SHOWNA);
    TSkinData data(nullptr);
    std::vector<std::wstring> events;
    data.OnBeforeSkinForm = [&](TObject* sender, HWND ahwnd, const std::wstring& aName) {
        EXPECT_EQ(sender, &form);
        EXPECT_EQ(ahwnd, window);
        events.push_back(L"before " + aName);
    };
    data.OnAfterSkinForm = [&](TObject* sender, HWND ahwnd, const std::wstring&) {
        EXPECT_EQ(sender, &form);
        EXPECT_EQ(ahwnd, window);
        events.push_back(L"after");
    };
    auto* skinned = new TWinSkinForm(&form, window, test::TestEngine(), nullptr, L"TForm");
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(&data, &form);
    EXPECT_EQ(events, std::vector<std::wstring>{L"before TForm"});
    RunDeferredInit(window);
    EXPECT_EQ(events.size(), 2u);
    const SIZE client{form.ClientWidth(), form.ClientHeight()};

    auto other = MakeTestSkin({.Left = 2, .Top = 20, .Right = 3, .Bottom = 4});
    other->Colours.ButtonFace = Rgb(1, 2, 3);
    skinned->SetSkinDefinition(other.get());
    skinned->ReloadSkin();
    ExpectBorders(window, 2, 20, 3, 4);
    EXPECT_EQ(form.ClientWidth(), client.cx);
    EXPECT_EQ(form.ClientHeight(), client.cy);
    EXPECT_EQ(form.Color(), static_cast<TColor>(Rgb(1, 2, 3)));
    EXPECT_EQ(events.size(), 3u) << "re-skinning raises the after event again";
    skinned->SetSkinDefinition(nullptr);
    ASSERT_TRUE(data.NoSkin());
    EXPECT_EQ(skinned->Skin(), nullptr) << "a component that has loaded no skin gives none";
}

TEST_F(WinSkinFormTest, MdiFrameAndChildAreToldApart) {
    TTestWindow frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, nullptr, 600, 500);
    CLIENTCREATESTRUCT ccs{nullptr, 1000};
    const HWND client =
        CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        500, 400, frame.Handle(), nullptr, GetModuleHandleW(nullptr), &ccs);
    ASSERT_NE(client, nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &DefMDIChildProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeyraFormTestMdiChild";
    RegisterClassW(&wc);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = L"VeyraFormTestMdiChild";
    mcs.szTitle = L"Child";
    mcs.hOwner = GetModuleHandleW(nullptr);
    mcs.x = 10;
    mcs.y = 10;
    mcs.cx = 250;
    mcs.cy = 180;
    mcs.style = WS_OVERLAPPEDWINDOW;
    const HWND child = reinterpret_cast<HWND>(
        SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    ASSERT_NE(child, nullptr);

    auto frameSkin = SkinWindow(frame.Handle(), *Skin);
    EXPECT_EQ(frameSkin->Kind(), TWindowKind::MdiFrame);
    const RECT childClientBefore = FrameOf(child).Client;
    auto childSkin = SkinWindow(child, *Skin);
    EXPECT_EQ(childSkin->Kind(), TWindowKind::MdiChild);
    EXPECT_TRUE(childSkin->SkinFrame()) << "a WS_CHILD window that is an MDI child gets a frame";
    RunDeferredInit(child);
    const int platformTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    const int top = std::max(30, platformTitle);
    ExpectBorders(child, 5, top, 6, 7);
    EXPECT_EQ(WidthOf(FrameOf(child).Client), WidthOf(childClientBefore));
    EXPECT_EQ(HeightOf(FrameOf(child).Client), HeightOf(childClientBefore));
    childSkin->Unskin();
    EXPECT_EQ(WidthOf(FrameOf(child).Client), WidthOf(childClientBefore));
    EXPECT_EQ(HeightOf(FrameOf(child).Client), HeightOf(childClientBefore));
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
}

// A 32-bit memory DC of the given size, filled with one colour.
class TMemoryCanvas {
public:
    TMemoryCanvas(int width, int height, COLORREF fill)
        : Dc_(CreateCompatibleDC(nullptr)), Bitmap_(CreateBitmap(width, height, 1, 32, nullptr)) {
        Old_ = SelectObject(Dc_, Bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(Dc_, &all, brush);
        DeleteObject(brush);
    }
    ~TMemoryCanvas() {
        SelectObject(Dc_, Old_);
        DeleteObject(Bitmap_);
        DeleteDC(Dc_);
    }
    HDC Dc() const { return Dc_; }
    COLORREF At(int x, int y) const { return GetPixel(Dc_, x, y); }

private:
    HDC Dc_;
    HBITMAP Bitmap_;
    HGDIOBJ Old_;
};

TEST_F(WinSkinFormTest, ForeignWindowBackgroundsTakeTheSkinFaceColour) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto skinned = SkinWindow(window.Handle(), *Skin);
    RunDeferredInit(window.Handle());
    const COLORREF face = RGB(10, 200, 30);

    TMemoryCanvas canvas(60, 40, RGB(255, 255, 255));
    EXPECT_EQ(
        SendMessageW(window.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), 1);
    EXPECT_EQ(canvas.At(30, 20), face);

    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(window.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Dc()), 0));
    LOGBRUSH info{};
    ASSERT_EQ(GetObjectW(brush, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.lbColor, face);
    EXPECT_EQ(GetBkMode(canvas.Dc()), TRANSPARENT);
}

TEST_F(WinSkinFormTest, FramePaintedIntoAGivenDcCoversOnlyTheNonClientArea) {
    TForm form(nullptr);
    form.SetBounds(10, 10, 300, 200);
    const HWND window = form.Handle();
    ShowWindow(window, SW_SHOWNA);
    auto* skinned = new TWinSkinForm(&form, window, test::TestEngine());
    skinned->SetSkinDefinition(Skin.get());
    skinned->AttachToForm(nullptr, &form);
    RunDeferredInit(window);

    const RECT outer = FrameOf(window).Outer;
    TMemoryCanvas canvas(WidthOf(outer), HeightOf(outer), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageW(window, SKINMSG_PAINTFRAME, reinterpret_cast<WPARAM>(canvas.Dc()),
                           kSkinSignature),
              kSkinSignature);
    // The test skin's borders are all one frame colour.
    const COLORREF frame = RGB(40, 80, 160);
    EXPECT_EQ(canvas.At(1, 1), frame) << "title bar";
    EXPECT_EQ(canvas.At(2, 100), frame) << "left border";
    EXPECT_EQ(canvas.At(WidthOf(outer) - 3, 100), frame) << "right border";
    EXPECT_EQ(canvas.At(100, HeightOf(outer) - 2), frame) << "bottom border";
    EXPECT_EQ(canvas.At(5, 30), RGB(255, 255, 255)) << "client area left alone";
    EXPECT_EQ(canvas.At(100, 100), RGB(255, 255, 255));
}

TEST_F(WinSkinFormTest, CaptionAndMenuStripAreHitAsSuch) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 400, 300, MakeTestMenu());
    const HWND h = window.Handle();
    auto skinned = SkinWindow(h, *Skin);
    RunDeferredInit(h);
    const RECT outer = FrameOf(h).Outer;
    auto hit = [h](int x, int y) { return SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(hit(outer.left + 100, outer.top + 15), HTCAPTION);
    EXPECT_EQ(hit(outer.left + 100, outer.top + 30 + 3), HTMENU);
    EXPECT_EQ(hit(outer.left + 100, outer.top + 30 + GetSystemMetrics(SM_CYMENU) + 20), HTCLIENT);
}

// The manager's shared flags as the form object reads and sets them.
class WinSkinFormManagerTest : public WinSkinFormTest {
protected:
    void SetUp() override {
        Created_ = TSkinManage::Instance() == nullptr;
        Manager = &TSkinManage::Create();
    }
    void TearDown() override {
        Manager->Engine().HideWhileSkinning = false;
        if (Created_)
            TSkinManage::Shutdown();
    }
    TSkinManage* Manager = nullptr;

private:
    bool Created_ = false;
};

// Watches one window's visibility bit change through its style messages.
struct TVisibilityWatch {
    static inline HWND Window = nullptr;
    static inline int Shown = 0;
    static inline int Hidden = 0;
    static inline bool ShownWithoutShape = false;
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->hwnd == Window && call->message == WM_STYLECHANGED &&
            call->wParam == static_cast<WPARAM>(GWL_STYLE)) {
            const auto* change = reinterpret_cast<const STYLESTRUCT*>(call->lParam);
            const bool was = change->styleOld & WS_VISIBLE;
            const bool is = change->styleNew & WS_VISIBLE;
            if (is && !was) {
                ++Shown;
                RegionHandle shape(CreateRectRgn(0, 0, 0, 0));
                ShownWithoutShape |= GetWindowRgn(Window, shape.Get()) == ERROR;
            } else if (was && !is) {
                ++Hidden;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

TEST_F(WinSkinFormManagerTest, WindowHiddenWhileSkinningIsShownOnceWithItsShape) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Manager->Engine().HideWhileSkinning = true;
    auto skinned = SkinWindow(window.Handle(), *Skin);
    EXPECT_TRUE(Manager->Engine().SkinningStarted);
    EXPECT_FALSE(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_VISIBLE);
    TVisibilityWatch::Window = window.Handle();
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, &TVisibilityWatch::Hook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    RunDeferredInit(window.Handle());
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(Manager->Engine().HideWhileSkinning);
    // Shown once, already in its skinned shape: not shown plain and hidden
    // again while the frame changes.
    EXPECT_EQ(TVisibilityWatch::Shown, 1);
    EXPECT_EQ(TVisibilityWatch::Hidden, 0);
    EXPECT_FALSE(TVisibilityWatch::ShownWithoutShape);
}

TEST_F(WinSkinFormManagerTest, OpeningMenusTellsTheManagerWhichKind) {
    TTestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    auto skinned = SkinWindow(window.Handle(), *Skin);
    RunDeferredInit(window.Handle());
    HMENU popup = CreatePopupMenu();
    SendMessageW(window.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    EXPECT_EQ(Manager->PopupMode(), TPopupMode::MenuBar);
    SendMessageW(window.Handle(), WM_INITMENUPOPUP,
                 reinterpret_cast<WPARAM>(GetSystemMenu(window.Handle(), FALSE)),
                 MAKELPARAM(0, TRUE));
    EXPECT_EQ(Manager->PopupMode(), TPopupMode::SystemMenu);
    DestroyMenu(popup);
    Manager->SetPopupMode(TPopupMode::Context);
}

} // namespace
} // namespace veyra
