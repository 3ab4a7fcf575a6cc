// The skinned menu bar driven by real input (SendInput): opened by click,
// Alt+letter and F10, moved along by Left/Right and by the pointer, an item
// chosen once, Esc and Alt closing, and the platform menu given back whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "MgrTestSupport.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

namespace veyra {
namespace {

using test::FrameOf;
using test::MakeTestSkin;
using test::MgrTestPump;
using test::TTestWindow;

enum TCommand : UINT { cmOpen = 201, cmSave, cmRecentOne = 211, cmCut = 301, cmZoom = 501 };

// File (Open, Save, Recent > One), Edit (Cut), View (Zoom), and a disabled
// Help without a popup.
HMENU MakeBar() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    HMENU recent = CreatePopupMenu();
    HMENU edit = CreatePopupMenu();
    HMENU view = CreatePopupMenu();
    AppendMenuW(recent, MF_STRING, cmRecentOne, L"&One");
    AppendMenuW(file, MF_STRING, cmOpen, L"&Open\tCtrl+O");
    AppendMenuW(file, MF_STRING, cmSave, L"&Save");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"&Recent");
    AppendMenuW(edit, MF_STRING, cmCut, L"Cu&t");
    AppendMenuW(view, MF_STRING, cmZoom, L"&Zoom");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, 401, L"&Help");
    return bar;
}

// One step of real input.
struct TInput {
    enum TKind { Press, Click, MoveTo } Kind;
    WORD VirtualKey = 0; // Press
    int BarItem = -1;    // Click, MoveTo: the centre of this bar item
    bool WithAlt = false;
};

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

void SendMouse(POINT screen, DWORD flags) {
    // Echoes of earlier places are taken in before the input is sent: a late
    // echo would otherwise move the pointer back under Wine, after the input.
    test::SettlePointer(screen, false);
    test::SendMouseInput(screen, flags);
}

class MenuBarTest : public testing::Test {
protected:
    std::unique_ptr<TSkinDefinition> Skin = MakeTestSkin();
    std::optional<TTestWindow> Window;
    std::unique_ptr<TWinSkinForm> Skinned;
    HMENU Bar = nullptr;

    void SetUp() override {
        Bar = MakeBar();
        Window.emplace(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 480, 300, Bar);
        const HWND h = Window->Handle();
        Skinned = std::make_unique<TWinSkinForm>(nullptr, h, test::TestEngine());
        Skinned->SetSkinDefinition(Skin.get());
        Skinned->InitSkin(nullptr);
        SendMessageW(h, SKINMSG_INIT, 0, kSkinInitParam);
        Focus();
    }
    void TearDown() override {
        // Nothing may be left pressed or queued for the next test.
        SendKey(VK_MENU, true);
        MgrTestPump(50);
    }
    void Focus() {
        SetForegroundWindow(Window->Handle());
        SetFocus(Window->Handle());
        SendMessageW(Window->Handle(), SKINMSG_REPAINTFRAME, 0, 0);
        MgrTestPump(50);
    }
    POINT BarItemCentre(int index) const {
        const RECT outer = FrameOf(Window->Handle()).Outer;
        const Rect& r = Skinned->MenuBar()->Items().at(static_cast<std::size_t>(index))->BoundsRect;
        return {outer.left + (r.Left + r.Right) / 2, outer.top + (r.Top + r.Bottom) / 2};
    }
    void Send(const TInput& step) {
        switch (step.Kind) {
        case TInput::Press:
            if (step.WithAlt)
                SendKey(VK_MENU, false);
            SendKey(step.VirtualKey, false);
            SendKey(step.VirtualKey, true);
            if (step.WithAlt)
                SendKey(VK_MENU, true);
            break;
        case TInput::Click:
            SendMouse(BarItemCentre(step.BarItem), 0);
            SendMouse(BarItemCentre(step.BarItem), MOUSEEVENTF_LEFTDOWN);
            SendMouse(BarItemCentre(step.BarItem), MOUSEEVENTF_LEFTUP);
            break;
        case TInput::MoveTo:
            SendMouse(BarItemCentre(step.BarItem), 0);
            break;
        }
    }
    // The commands the window's own procedure received from menus.
    std::vector<UINT> Commands() const {
        std::vector<UINT> commands;
        for (const auto& seen : Window->Seen)
            if (seen.Msg == WM_COMMAND && HIWORD(seen.WParam) == 0 && seen.LParam == 0)
                commands.push_back(LOWORD(seen.WParam));
        return commands;
    }
    // Every item of menu and its submenus is a plain string or separator
    // again, with its text.
    void ExpectItemsGivenBack(HMENU menu) const {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = 64;
            ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
            EXPECT_EQ(info.fType & MFT_OWNERDRAW, 0u) << "item " << i;
            if (!(info.fType & MFT_SEPARATOR)) {
                EXPECT_GT(wcslen(text), 0u) << "item " << i;
            }
            if (info.hSubMenu)
                ExpectItemsGivenBack(info.hSubMenu);
        }
    }
};

TEST_F(MenuBarTest, TheBarReplacesThePlatformMenuAndLaysItsItemsOut) {
    EXPECT_EQ(GetMenu(Window->Handle()), nullptr);
    ASSERT_NE(Skinned->MenuBar(), nullptr);
    const auto& items = Skinned->MenuBar()->Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0]->Caption, L"&File");
    EXPECT_EQ(items[0]->Command, 0u) << "an item with a popup posts no command";
    EXPECT_FALSE(items[3]->ItemEnabled);
    EXPECT_EQ(items[3]->Command, 401u);
    for (std::size_t i = 1; i < items.size(); ++i)
        EXPECT_EQ(items[i]->BoundsRect.Left, items[i - 1]->BoundsRect.Right);
    EXPECT_EQ(items[0]->BoundsRect.Top, Skinned->Metrics().TitleHeight);
}

TEST_F(MenuBarTest, RealInputOpensMovesAndChooses) {
    using K = TInput;
    struct Case {
        const char* Name;
        std::vector<TInput> Steps;
        std::vector<UINT> Expected;
    } cases[] = {
        {"click, Down, Return",
         {{K::Click, 0, 0}, {K::Press, VK_DOWN}, {K::Press, VK_RETURN}},
         {cmOpen}},
        {"Alt+F opens with the first item selected",
         {{K::Press, 'F', -1, true}, {K::Press, VK_RETURN}},
         {cmOpen}},
        {"F10 opens the first item", {{K::Press, VK_F10}, {K::Press, VK_RETURN}}, {cmOpen}},
        {"Alt+E", {{K::Press, 'E', -1, true}, {K::Press, VK_RETURN}}, {cmCut}},
        {"Right moves to the next item",
         {{K::Press, 'F', -1, true}, {K::Press, VK_RIGHT}, {K::Press, VK_RETURN}},
         {cmCut}},
        {"Left from the first wraps to the last with a popup",
         {{K::Press, 'F', -1, true}, {K::Press, VK_LEFT}, {K::Press, VK_RETURN}},
         {cmZoom}},
        {"Right from the last wraps to the first, past the disabled item",
         {{K::Press, 'V', -1, true}, {K::Press, VK_RIGHT}, {K::Press, VK_RETURN}},
         {cmOpen}},
        {"Right on a submenu's item opens the submenu",
         {{K::Press, 'F', -1, true},
          {K::Press, VK_UP},
          {K::Press, VK_RIGHT},
          {K::Press, VK_RETURN}},
         {cmRecentOne}},
        {"sliding the pointer moves along the bar",
         {{K::Click, 0, 0}, {K::MoveTo, 0, 1}, {K::Press, VK_DOWN}, {K::Press, VK_RETURN}},
         {cmCut}},
        {"Esc closes", {{K::Click, 0, 0}, {K::Press, VK_ESCAPE}}, {}},
        {"Alt closes", {{K::Press, 'F', -1, true}, {K::Press, VK_MENU}}, {}},
        {"a disabled item opens nothing", {{K::Click, 0, 3}, {K::Press, VK_RETURN}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Focus();
        Window->Seen.clear();
        for (const TInput& step : c.Steps)
            Send(step);
        MgrTestPump(300);
        EXPECT_EQ(Commands(), c.Expected);
        EXPECT_FALSE(TMenuBarTracker::Tracking());
        ExpectItemsGivenBack(Bar);
        // Menu mode is over: the window handles its messages again.
        EXPECT_EQ(SendMessageW(Window->Handle(), WM_APP, 0, 0), TTestWindow::kTestAnswer);
    }
}

TEST_F(MenuBarTest, SkinOffGivesThePlatformMenuBackWhole) {
    Send({TInput::Click, 0, 0});
    Send({TInput::Press, VK_ESCAPE});
    MgrTestPump(200);
    Skinned->Unskin();
    EXPECT_EQ(GetMenu(Window->Handle()), Bar);
    ExpectItemsGivenBack(Bar);
    // The platform's own bar works again: Alt+F opens File on its first
    // item, Return chooses Open.
    Window->Seen.clear();
    Focus();
    Send({TInput::Press, 'F', -1, true});
    Send({TInput::Press, VK_RETURN});
    MgrTestPump(300);
    const std::vector<UINT> commands = Commands();
    EXPECT_EQ(commands, std::vector<UINT>{cmOpen});
}

} // namespace
} // namespace veyra
