#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/ComboBox.h"
#include "framework/CustomEdit.h"
#include "framework/CustomForm.h"
#include "framework/DateTimePicker.h"
#include "framework/EngineTestSupport.h"
#include "framework/SpinEdit.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ArrowButton.h"
#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/ScrollbarGeometry.h"
#include "skin/data/TabGeometry.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"

namespace veyra {
namespace {

// Every frame of the test skin's strips has a colour of its own, so a pixel
// names the frame drawn there.
Colour GlyphColour(int frame) {
    return Rgb(220, 30 * frame, 40);
}
Colour ArrowColour(int frame) {
    return Rgb(40, 30 * frame, 210);
}
Colour BarColour(int frame) {
    return Rgb(200, 4 * frame, 90);
}
constexpr Colour kFace = Rgb(10, 200, 30);
constexpr Colour kShadow = Rgb(70, 70, 90);

using test::Strip;

// A flat combo button (Style 1), the picker's arrow and a scroll bar whose
// arrows and grips are all one colour per frame.
std::unique_ptr<TSkinDefinition> MakeEditSkin() {
    auto skin = test::MakeTestSkin();
    auto combo = std::make_unique<TDataSkinBorder>("ComboButton");
    combo->Image = Strip(4, 12, 10, &GlyphColour);
    combo->Frame = 4;
    combo->Style = 1;
    skin->Put(std::move(combo));
    auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    arrow->Image = Strip(4, 17, 17, &ArrowColour);
    arrow->Frame = 4;
    skin->Put(std::move(arrow));
    const int a = GetSystemMetrics(SM_CXHSCROLL);
    auto bar = std::make_unique<TDataSkinObject>("Scrollbar");
    bar->Image = Strip(23, a, a, &BarColour);
    bar->Frame = 23;
    skin->Put(std::move(bar));
    skin->Colours.ButtonFace = kFace;
    skin->Colours.ButtonShadow = kShadow;
    return skin;
}

using test::Ref;

// A pixel of a window (frame included) or of the screen, read back now; a
// miss leaves the picture of the window in name.png.
COLORREF ScreenPixel(POINT p) {
    const WindowDcScope dc(nullptr, true);
    return GetPixel(dc.Get(), p.x, p.y);
}

void ExpectWindowPixel(HWND window, int x, int y, Colour expected, const std::string& name) {
    RECT r{};
    GetWindowRect(window, &r);
    const COLORREF seen = ScreenPixel({r.left + x, r.top + y});
    EXPECT_EQ(seen, Ref(expected)) << name << " at " << x << "," << y;
    if (seen == Ref(expected))
        return;
    DibSurface shot(std::max(1L, r.right - r.left), std::max(1L, r.bottom - r.top));
    const WindowDcScope dc(window, true);
    BitBlt(shot.Dc(), 0, 0, shot.Width(), shot.Height(), dc.Get(), 0, 0, SRCCOPY);
    const std::vector<std::uint8_t> png = WritePng(shot.Pixels());
    std::ofstream(name + ".png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}

POINT CentreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Real input, queued in one call.
void AddMouse(std::vector<INPUT>& inputs, POINT p, DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    inputs.push_back(in);
}
void Click(POINT p, bool release = true) {
    std::vector<INPUT> inputs;
    AddMouse(inputs, p, 0);
    AddMouse(inputs, p, MOUSEEVENTF_LEFTDOWN);
    if (release)
        AddMouse(inputs, p, MOUSEEVENTF_LEFTUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
void MoveTo(POINT p) {
    std::vector<INPUT> inputs;
    AddMouse(inputs, p, 0);
    SendInput(1, inputs.data(), sizeof(INPUT));
}
// Moves the pointer and waits until the platform reports it there (the
// echo from the display can come late under load), then moves it by one
// pixel: a control that asked for its leave while the platform still had
// the pointer elsewhere is told of the pointer again.
void MoveAndWait(POINT p) {
    for (const POINT at : {POINT{p.x, p.y - 1}, p}) {
        MoveTo(at);
        test::PumpUntil(
            [at] {
                POINT now{};
                return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
            },
            2000);
    }
}
void Release() {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}
void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text)
        for (DWORD up : {0UL, static_cast<DWORD>(KEYEVENTF_KEYUP)}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = c;
            in.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(in);
        }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
void PressKey(WORD key) {
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
    }
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

void Settle(DWORD ms = 200) {
    test::PumpUntil([] { return false; }, ms);
}

// A shown, active form with a skinned form object over the test skin and
// a skin component that skins spin arrows.
class EditsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Skin = MakeEditSkin();
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 600, 420);
        SkinData = new TSkinData(Form);
        Form->HandleNeeded();
        ShowWindow(Form->Handle(), SW_SHOW);
        SetForegroundWindow(Form->Handle());
        SkinForm = std::make_unique<TWinSkinForm>(nullptr, Form->Handle(), test::TestEngine());
        SkinForm->SetSkinDefinition(Skin.get());
        Settle(100);
    }
    void TearDown() override {
        SkinForm.reset();
        delete Form;
    }
    template <class C> C* Add(int left, int top, int width, int height) {
        auto* control = new C(Form);
        control->SetParent(Form);
        control->SetBounds(left, top, width, height);
        return control;
    }
    TComboBox* AddCombo(int left, int top, TComboBoxStyle style, int items = 30) {
        auto* combo = Add<TComboBox>(left, top, 160, 23);
        combo->SetStyle(style);
        combo->SetDropDownCount(6);
        std::vector<std::wstring> lines;
        for (int i = 0; i < items; ++i)
            lines.push_back(L"item " + std::to_wstring(i));
        combo->SetItems(lines);
        return combo;
    }
    template <class T> T* Skinned(TWinControl* control) {
        auto* object = new T(control);
        object->AttachControl(SkinForm.get(), SkinData, false);
        return object;
    }
    POINT ScreenOf(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return p;
    }

    std::unique_ptr<TSkinDefinition> Skin;
    TForm* Form = nullptr;
    TSkinData* SkinData = nullptr;
    std::unique_ptr<TWinSkinForm> SkinForm;
};

// Typing reaches a skinned edit and a skinned combo's edit exactly as it
// reaches their unskinned twins.
TEST_F(EditsTest, TypingGivesTheSameTextAsUnskinned) {
    TEdit* edits[2] = {Add<TEdit>(10, 10, 150, 23), Add<TEdit>(10, 40, 150, 23)};
    TComboBox* combos[2] = {AddCombo(200, 10, csDropDown), AddCombo(200, 40, csDropDown)};
    Skinned<TSkinEdit>(edits[1]);
    auto* comboSkin = Skinned<TSkinComBox>(combos[1]);
    ASSERT_NE(comboSkin->EditWindow(), nullptr);
    Settle();
    for (int i = 0; i < 2; ++i) {
        for (TWinControl* control :
             {static_cast<TWinControl*>(edits[i]), static_cast<TWinControl*>(combos[i])}) {
            HWND target = control->Handle();
            COMBOBOXINFO info{sizeof info};
            if (GetComboBoxInfo(target, &info))
                target = info.hwndItem;
            SetFocus(target);
            TypeText(L"600036 Bank");
            PressKey(VK_BACK);
            Settle();
        }
    }
    EXPECT_EQ(edits[0]->Text(), L"600036 Ban");
    EXPECT_EQ(edits[1]->Text(), edits[0]->Text());
    EXPECT_EQ(combos[1]->Text(), combos[0]->Text());
    EXPECT_EQ(combos[0]->Text(), L"600036 Ban");
}

// The dropped list is chosen from by keyboard and by mouse as unskinned,
// and its thumb, dragged through the skin's own loop, scrolls the list.
TEST_F(EditsTest, ChoosingFromTheDroppedList) {
    TComboBox* combos[2] = {AddCombo(10, 10, csDropDownList), AddCombo(200, 10, csDropDownList)};
    auto* skin = Skinned<TSkinComBox>(combos[1]);
    ASSERT_NE(skin->ListScrollbar(), nullptr);
    Settle();
    int chosen[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        const HWND combo = combos[i]->Handle();
        SetFocus(combo);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Settle();
        PressKey(VK_DOWN);
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        Settle();
        chosen[i] = combos[i]->ItemIndex();
        EXPECT_GE(chosen[i], 1) << "keyboard, combo " << i;
        EXPECT_EQ(chosen[i], chosen[0]) << "keyboard, as unskinned";

        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        Settle();
        COMBOBOXINFO info{sizeof info};
        ASSERT_TRUE(GetComboBoxInfo(combo, &info));
        RECT item{};
        SendMessageW(info.hwndList, LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
        const POINT at =
            ScreenOf(info.hwndList, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
        Click(at);
        Settle();
        EXPECT_EQ(combos[i]->ItemIndex(), 4) << "mouse, combo " << i;
        EXPECT_FALSE(combos[i]->DroppedDown());
    }

    // The skinned bar: the skin's arrow over the platform's from the first
    // paint on (the list sets its scroll values again as it is sized, and
    // the platform redraws its bar then), the grip following the wheel, and
    // a thumb drag that scrolls.
    const HWND combo = combos[1]->Handle();
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Settle();
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    SCROLLBARINFO bar{sizeof bar};
    ASSERT_TRUE(GetScrollBarInfo(info.hwndList, OBJID_VSCROLL, &bar));
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    ASSERT_TRUE(IsWindowVisible(info.hwndList));
    const int barX = bar.rcScrollBar.left - list.left + 3;
    ExpectWindowPixel(info.hwndList, barX, bar.rcScrollBar.top - list.top + 3, BarColour(9),
                      "list-first-paint");
    MoveTo(ScreenOf(info.hwndList, 20, 20));
    Settle();
    INPUT wheel{};
    wheel.type = INPUT_MOUSE;
    wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
    wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    SendInput(1, &wheel, sizeof wheel);
    Settle();
    const int top = static_cast<int>(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0));
    EXPECT_GT(top, 0) << "the wheel scrolls the dropped list";
    ASSERT_TRUE(GetScrollBarInfo(info.hwndList, OBJID_VSCROLL, &bar));
    const int grip = ScrollbarFrames(TScrollAxis::Vertical, true, TScrollPart::None, false).Grip;
    ExpectWindowPixel(info.hwndList, barX,
                      bar.rcScrollBar.top - list.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2,
                      BarColour(grip), "list-grip-after-wheel");
    const POINT thumb{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                      bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
    // Down, moved and up in one go: the skin's drag loop takes them all.
    std::vector<INPUT> drag;
    AddMouse(drag, thumb, 0);
    AddMouse(drag, thumb, MOUSEEVENTF_LEFTDOWN);
    AddMouse(drag, {thumb.x, thumb.y + 15}, 0);
    AddMouse(drag, {thumb.x, thumb.y + 30}, 0);
    AddMouse(drag, {thumb.x, thumb.y + 30}, MOUSEEVENTF_LEFTUP);
    SendInput(static_cast<UINT>(drag.size()), drag.data(), sizeof(INPUT));
    Settle();
    EXPECT_FALSE(skin->ListScrollbar()->Dragging());
    EXPECT_GT(SendMessageW(info.hwndList, LB_GETTOPINDEX, 0, 0), top);
    // Paging by keyboard scrolls without a scroll message: the skin's bar
    // is drawn again all the same.
    PressKey(VK_NEXT);
    Settle();
    ExpectWindowPixel(info.hwndList, bar.rcScrollBar.left - list.left + 3,
                      bar.rcScrollBar.bottom - list.top - 3, BarColour(13), "list-down-arrow");
    ExpectWindowPixel(info.hwndList, bar.rcScrollBar.left - list.left + 3,
                      bar.rcScrollBar.top - list.top + 3, BarColour(9), "list-up-arrow");
    PressKey(VK_ESCAPE);
    Settle();
}

// The spin edit's value after a click on each arrow and after holding one
// down, with its arrows skinned inside the skinned edit.
TEST_F(EditsTest, SpinEditArrowsStepTheValue) {
    auto* spin = Add<TSpinEdit>(10, 10, 120, 24);
    spin->SetMinValue(0);
    spin->SetMaxValue(1000);
    spin->SetIncrement(5);
    spin->SetValue(100);
    auto* skin = Skinned<TSkinEdit>(spin);
    RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Settle();
    ASSERT_NE(skin->UpDownSkin(), nullptr);
    EXPECT_TRUE(skin->UpDownSkin()->InsideEdit());
    RECT arrows{};
    GetWindowRect(spin->UpDownHandle(), &arrows);
    const POINT up{(arrows.left + arrows.right) / 2, arrows.top + 4};
    const POINT down{(arrows.left + arrows.right) / 2, arrows.bottom - 4};
    Click(up);
    Settle();
    EXPECT_EQ(spin->Value(), 105);
    Click(down);
    Click(down);
    Settle();
    EXPECT_EQ(spin->Value(), 95);
    Click(up, false);
    Settle(1500);
    Release();
    Settle();
    EXPECT_GE(spin->Value(), 115) << "holding the arrow repeats";
    // The skinned border around it all.
    ExpectWindowPixel(spin->Handle(), 0, 0, kShadow, "spin-border");
}

// The flat combo in each state, on the side of the platform's button; the
// edit's border; the picker's arrow; all gone with the skin switched off
// and back when it is switched on.
TEST_F(EditsTest, PixelsOfEachStateAndSkinOffAndOn) {
    auto* edit = Add<TEdit>(10, 10, 150, 24);
    auto* plain = Add<TEdit>(10, 40, 150, 24);
    plain->SetBorderStyle(bsNone);
    auto* combo = AddCombo(200, 10, csDropDownList);
    auto* rtl = AddCombo(200, 50, csDropDownList);
    rtl->SetBiDiMode(bdRightToLeft);
    auto* off = AddCombo(200, 90, csDropDownList);
    off->SetEnabled(false);
    auto* picker = Add<TDateTimePicker>(10, 80, 160, 24);
    auto* editSkin = Skinned<TSkinEdit>(edit);
    Skinned<TSkinEdit>(plain);
    auto* comboSkin = Skinned<TSkinComBox>(combo);
    auto* rtlSkin = Skinned<TSkinComBox>(rtl);
    Skinned<TSkinComBox>(off);
    auto* pickerSkin = Skinned<TSkinDateTime>(picker);
    SetFocus(edit->Handle());
    Settle();

    ExpectWindowPixel(edit->Handle(), 0, 0, kShadow, "edit-shadow");
    ExpectWindowPixel(edit->Handle(), 1, 1, Rgb(255, 255, 255), "edit-white");
    RECT plainRect{};
    GetWindowRect(plain->Handle(), &plainRect);
    EXPECT_NE(ScreenPixel({plainRect.left, plainRect.top}), Ref(kShadow)) << "no border, no frame";

    // The glyph is 12 x 10 at the top of the zone, inside 2 pixels.
    const int w = combo->Width();
    ExpectWindowPixel(combo->Handle(), w - 6, 6, GlyphColour(1), "combo-normal");
    ExpectWindowPixel(combo->Handle(), 0, 0, kShadow, "combo-frame");
    ExpectWindowPixel(off->Handle(), off->Width() - 6, 6, GlyphColour(3), "combo-disabled");
    SetFocus(combo->Handle());
    Settle();
    ExpectWindowPixel(combo->Handle(), w - 6, 6, GlyphColour(4), "combo-focused");
    // Right to left: drawn where the platform put its button.
    COMBOBOXINFO info{sizeof info};
    ASSERT_TRUE(GetComboBoxInfo(rtl->Handle(), &info));
    const bool platformLeft = info.rcButton.left + info.rcButton.right < rtl->Width();
    EXPECT_EQ(rtlSkin->Side(), platformLeft ? TComboSide::Left : TComboSide::Right);
    const int glyphX = platformLeft ? 6 : rtl->Width() - 6;
    ExpectWindowPixel(rtl->Handle(), glyphX, 6, GlyphColour(1), "combo-rtl");
    // Hot over the button: real mouse.
    RECT button = info.rcButton;
    ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
    button = info.rcButton;
    SetFocus(edit->Handle());
    MoveTo(ScreenOf(combo->Handle(), (button.left + button.right) / 2, 6));
    Settle();
    ExpectWindowPixel(combo->Handle(), w - 6, 6, GlyphColour(4), "combo-hot");
    MoveTo(ScreenOf(Form->Handle(), 400, 300));
    // The platform tells of the leave late, or (in a long run under Wine)
    // not at all; the form object then tells, as here.
    comboSkin->NotifyMouseLeave();
    Settle();
    ExpectWindowPixel(combo->Handle(), w - 6, 6, GlyphColour(1), "combo-left");

    // The picker's arrow: frame 1, and it opens the calendar.
    ASSERT_NE(pickerSkin->Arrow(), nullptr);
    const HWND arrow = FindWindowExW(picker->Handle(), nullptr, L"TArrowButton", nullptr);
    ASSERT_NE(arrow, nullptr);
    ExpectWindowPixel(arrow, 8, 8, ArrowColour(1), "picker-arrow");
    ExpectWindowPixel(picker->Handle(), 0, 0, kShadow, "picker-border");
    RECT arrowRect{};
    GetWindowRect(arrow, &arrowRect);
    Click(CentreOf(arrowRect));
    const bool opened = test::PumpUntil(
        [picker] { return picker->CalendarHandle() && IsWindowVisible(picker->CalendarHandle()); },
        2000);
    EXPECT_TRUE(opened) << "the skinned arrow opens the picker's calendar";
    PressKey(VK_ESCAPE);
    MoveTo(ScreenOf(Form->Handle(), 420, 320));
    Settle();

    // Off: the platform's look; on: the skin's again.
    for (TSkinControl* object :
         std::initializer_list<TSkinControl*>{editSkin, comboSkin, pickerSkin})
        SendMessageW(object->Handle(), SKINMSG_ENABLE, 0, 0);
    Settle();
    RECT r{};
    GetWindowRect(edit->Handle(), &r);
    EXPECT_NE(ScreenPixel({r.left, r.top}), Ref(kShadow)) << "edit unskinned";
    GetWindowRect(combo->Handle(), &r);
    EXPECT_NE(ScreenPixel({r.right - 6, r.top + 6}), Ref(GlyphColour(1))) << "combo unskinned";
    EXPECT_FALSE(IsWindowVisible(arrow));
    for (TSkinControl* object :
         std::initializer_list<TSkinControl*>{editSkin, comboSkin, pickerSkin})
        SendMessageW(object->Handle(), SKINMSG_ENABLE, 1, 0);
    Settle();
    ExpectWindowPixel(edit->Handle(), 0, 0, kShadow, "edit-back-on");
    ExpectWindowPixel(combo->Handle(), w - 6, 6, GlyphColour(1), "combo-back-on");
    EXPECT_TRUE(IsWindowVisible(arrow));
}

Colour CompositeColour(int frame) {
    return Rgb(90, 20 * frame, 160);
}
Colour SpinColour(int frame) {
    return Rgb(30, 10 + 25 * frame, 200);
}

// The composite combo (ComboButton Style 2: the whole control's picture,
// its middle see-through) and the spin arrows' frames, each state read
// back from the screen: the frame drawn names the state the skin saw.
TEST_F(EditsTest, CompositeComboAndSpinArrowFramesFollowTheState) {
    constexpr int kSide = 20;
    constexpr int kMargin = 4;
    auto composite = std::make_unique<TDataSkinBorder>("ComboButton");
    composite->Image = Strip(4, kSide, kSide, &CompositeColour);
    for (int frame = 0; frame < 4; ++frame)
        composite->Image.FillRect(
            RectOfSize(frame * kSide + kMargin, kMargin, kSide - 2 * kMargin, kSide - 2 * kMargin),
            PixelOf(kKeyColour));
    composite->Frame = 4;
    composite->Style = 2;
    composite->LeftWidth = composite->RightWidth = kMargin;
    composite->TopHeight = composite->BottomHeight = kMargin;
    Skin->Put(std::move(composite));
    auto arrows = std::make_unique<TDataSkinBorder>("UpDown.Vert");
    arrows->Image = Strip(8, 12, 12, &SpinColour);
    arrows->Frame = 8;
    Skin->Put(std::move(arrows));

    auto* combo = AddCombo(200, 10, csDropDownList);
    auto* off = AddCombo(200, 50, csDropDownList);
    off->SetEnabled(false);
    auto* spin = Add<TSpinEdit>(10, 10, 120, 24);
    auto* other = Add<TEdit>(10, 60, 120, 24);
    Skinned<TSkinComBox>(combo);
    Skinned<TSkinComBox>(off);
    Skinned<TSkinEdit>(spin);
    SetFocus(other->Handle());
    MoveTo(ScreenOf(Form->Handle(), 420, 320));
    Settle();

    RECT box{};
    GetWindowRect(spin->UpDownHandle(), &box);
    const int boxWidth = box.right - box.left;
    const int boxHeight = box.bottom - box.top;
    const POINT upCentre{(box.left + box.right) / 2, box.top + boxHeight / 4};
    const POINT downCentre{(box.left + box.right) / 2, box.bottom - boxHeight / 4};
    const int h = combo->Height();
    const struct {
        const char* Name;
        std::function<void()> Make;
        HWND Window;
        POINT At;  // in window coordinates
        int Frame; // 0: the colour seen is none of the picture's
    } cases[] = {
        {"combo-normal", [] {}, combo->Handle(), {1, h / 2}, 1},
        {"combo-see-through", [] {}, combo->Handle(), {combo->Width() / 2, h / 2}, 0},
        {"combo-disabled", [] {}, off->Handle(), {off->Width() - 2, h / 2}, 3},
        {"combo-focused", [&] { SetFocus(combo->Handle()); }, combo->Handle(), {1, h / 2}, 4},
        {"combo-dropped",
         [&] { SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0); },
         combo->Handle(),
         {combo->Width() - 2, h / 2},
         2},
        {"spin-up-normal",
         [&] { SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0); },
         spin->UpDownHandle(),
         {boxWidth / 2, boxHeight / 4},
         UpDownFrame(TUpDownState::Normal, TUpDownArrow::Up)},
        {"spin-down-normal",
         [] {},
         spin->UpDownHandle(),
         {boxWidth / 2, boxHeight * 3 / 4},
         UpDownFrame(TUpDownState::Normal, TUpDownArrow::Down)},
        {"spin-up-hot",
         [&] { MoveAndWait(upCentre); },
         spin->UpDownHandle(),
         {boxWidth / 2, boxHeight / 4},
         UpDownFrame(TUpDownState::Hot, TUpDownArrow::Up)},
        {"spin-down-beside-hot",
         [] {},
         spin->UpDownHandle(),
         {boxWidth / 2, boxHeight * 3 / 4},
         UpDownFrame(TUpDownState::Normal, TUpDownArrow::Down)},
        {"spin-down-pressed",
         [&] {
             MoveAndWait(downCentre);
             Click(downCentre, false);
         },
         spin->UpDownHandle(),
         {boxWidth / 2, boxHeight * 3 / 4},
         UpDownFrame(TUpDownState::Pressed, TUpDownArrow::Down)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Make();
        Settle();
        if (c.Frame > 0) {
            ExpectWindowPixel(c.Window, c.At.x, c.At.y,
                              c.Window == spin->UpDownHandle() ? SpinColour(c.Frame)
                                                               : CompositeColour(c.Frame),
                              c.Name);
            continue;
        }
        RECT r{};
        GetWindowRect(c.Window, &r);
        const COLORREF seen = ScreenPixel({r.left + c.At.x, r.top + c.At.y});
        for (int frame = 1; frame <= 4; ++frame)
            EXPECT_NE(seen, Ref(CompositeColour(frame))) << "frame " << frame;
    }
    Release();
    Settle();
}

// The combo's edit is unhooked at its own destruction, and a combo freed
// with its skin still on leaves nothing behind.
TEST_F(EditsTest, ComboWindowsGoingAwayFirst) {
    auto* combo = AddCombo(10, 10, csDropDown);
    auto* skin = Skinned<TSkinComBox>(combo);
    const HWND edit = skin->EditWindow();
    ASSERT_NE(edit, nullptr);
    combo->DestroyHandle();
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(skin->EditWindow(), nullptr);
    delete combo; // frees the skin object, which gives back nothing twice
    Settle();
}

} // namespace
} // namespace veyra
