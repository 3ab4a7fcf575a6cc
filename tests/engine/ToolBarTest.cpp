// Tool bars of a framework form painted by the skin through their custom
// draw: the Toolbar element behind the buttons, the Buttons element's frame
// under a hot and a pressed button (real input), Flat switched on, the
// button still clicked once, and everything given back when skinning ends.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "MgrTestSupport.h"
#include "framework/CustomForm.h"
#include "framework/ToolBar.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/ToolbarPainter.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"

namespace veyra {
namespace {

using test::MgrTestPump;

const Colour kBarColour = Rgb(200, 30, 160);
// The Buttons element's five frames, one colour each.
const Colour kFrameColours[] = {Rgb(10, 10, 240), Rgb(240, 10, 10), Rgb(10, 240, 10),
                                Rgb(240, 240, 10), Rgb(10, 240, 240)};

std::unique_ptr<TSkinDefinition> MakeBarSkin() {
    auto skin = test::MakeTestSkin();
    auto toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    toolbar->Image = Bitmap(10, 40, PixelFormat::Bgra32, PixelOf(kBarColour));
    toolbar->Frame = 1;
    skin->Put(std::move(toolbar));
    skin->Buttons.Image = Bitmap(5 * 12, 12, PixelFormat::Bgra32);
    for (int frame = 0; frame < 5; ++frame)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                skin->Buttons.Image.At(frame * 12 + x, y) = PixelOf(kFrameColours[frame]);
    skin->Buttons.Frame = 5;
    skin->Buttons.MouseOverColour2 = Rgb(1, 2, 3);
    skin->Buttons.MouseOverColour2Given = true;
    return skin;
}

void SendMouse(POINT screen, DWORD flags) {
    test::SendMouseInput(screen, flags);
}

COLORREF PixelOfWindow(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

COLORREF Ref(Colour colour) {
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

TEST(ToolBarPainting, TheButtonFrameFollowsTheCustomDrawState) {
    const struct {
        UINT State;
        int Frame;
    } cases[] = {
        {0, 0},
        {CDIS_HOT, 4},
        {CDIS_FOCUS, 4},
        {CDIS_SELECTED | CDIS_HOT, 2},
        {CDIS_CHECKED, 2},
        {CDIS_DEFAULT, 1},
        {CDIS_DEFAULT | CDIS_DISABLED, 0},
        {CDIS_DEFAULT | CDIS_GRAYED, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToolButtonFrame(c.State), c.Frame) << "state " << c.State;
}

TEST(ToolBarPainting, ASkinnedFormsToolBarIsPaintedFromTheSkinAndGivenBack) {
    auto skin = MakeBarSkin();
    TSkinData data(nullptr);
    // The Toolbar element is drawn only without xoToolbarBK, which is on by default.
    data.SetOptions(data.Options() & ~Bit(xoToolbarBK));
    TForm form(nullptr);
    form.SetBounds(100, 100, 420, 200);
    auto* bar = new TToolBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 400, 34);
    int clicks = 0;
    for (const wchar_t* caption : {L"First", L"Second"}) {
        auto* button = new TToolButton(&form);
        button->SetCaption(caption);
        button->OnClick = [&clicks](TObject*) { ++clicks; };
        bar->AddButton(button);
    }
    form.Show();
    auto* skinned = new TWinSkinForm(&form, form.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(skin.get());
    skinned->AttachToForm(&data, &form);
    SendMessageW(form.Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    SetForegroundWindow(form.Handle());
    MgrTestPump(100);
    EXPECT_TRUE(bar->Flat());
    ASSERT_TRUE(bar->OnCustomDraw);

    const HWND window = bar->WindowHandle();
    RECT first{};
    ASSERT_TRUE(SendMessageW(window, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(PixelOfWindow(window, 390, 5), Ref(kBarColour)) << "the background";
    EXPECT_EQ(PixelOfWindow(window, first.left + 2, first.top + 2), Ref(kBarColour))
        << "a normal flat button shows the bar";

    POINT centre{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
    ClientToScreen(window, &centre);
    SendMouse(centre, 0);
    MgrTestPump(200);
    EXPECT_EQ(PixelOfWindow(window, first.left + 2, first.top + 2), Ref(kFrameColours[3]))
        << "hot: frame 4";
    SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
    MgrTestPump(200);
    EXPECT_EQ(PixelOfWindow(window, first.left + 2, first.top + 2), Ref(kFrameColours[1]))
        << "pressed: frame 2";
    SendMouse(centre, MOUSEEVENTF_LEFTUP);
    MgrTestPump(200);
    EXPECT_EQ(clicks, 1);

    skinned->Unskin();
    EXPECT_FALSE(bar->OnCustomDraw);
    EXPECT_FALSE(bar->OnCustomDrawButton);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_NE(PixelOfWindow(window, 390, 5), Ref(kBarColour));
    SendMouse({0, 0}, 0);
    delete skinned;
}

} // namespace
} // namespace veyra
