#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormTestSupport.h"
#include "framework/Application.h"
#include "framework/BitBtn.h"
#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/CustomCheckBox.h"
#include "framework/CustomForm.h"
#include "framework/RadioButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpeedButton.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/ImageWriters.h"

// Skinned buttons, check boxes and radio buttons under real input: the
// mouse and the keys go through the platform's input queue (SendInput), the
// pictures are read back from the windows' DCs.
namespace veyra {
namespace {

// The Buttons frames, the check glyphs and the radio glyphs of the test
// skin: each frame one solid colour, so a pixel tells the frame.
constexpr COLORREF kButtonFrames[5] = {RGB(10, 20, 200), RGB(200, 20, 10), RGB(90, 90, 90),
                                       RGB(20, 200, 30), RGB(200, 200, 20)};
constexpr COLORREF kCheckFrames[4] = {RGB(0, 0, 120), RGB(0, 120, 0), RGB(120, 0, 0),
                                      RGB(120, 120, 0)};
constexpr COLORREF kRadioFrames[4] = {RGB(0, 60, 60), RGB(60, 0, 60), RGB(60, 60, 0),
                                      RGB(160, 60, 0)};

Bitmap Strip(const COLORREF* colours, int frames, int width, int height) {
    Bitmap strip(width * frames, height);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                strip.At(f * width + x, y) = PixelOf(
                    Rgb(GetRValue(colours[f]), GetGValue(colours[f]), GetBValue(colours[f])));
    return strip;
}

std::unique_ptr<TSkinDefinition> ButtonSkin() {
    auto skin = test::MakeTestSkin();
    skin->Buttons.Image = Strip(kButtonFrames, 5, 8, 8);
    skin->Buttons.Frame = 5;
    skin->Buttons.CheckImage = Strip(kCheckFrames, 4, 13, 13);
    skin->Buttons.CheckButtonFrame = 4;
    skin->Buttons.RadioImage = Strip(kRadioFrames, 4, 13, 13);
    skin->Buttons.RadioButtonFrame = 4;
    return skin;
}

// Messages handled as the application's loop would (dialog keys included)
// for ms milliseconds.
void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void SendMouse(POINT screen, DWORD flags = 0) {
    // The X server's pointer is put there first: Wine keeps it in step with
    // the input it is sent, and a late echo of an earlier position would
    // move the mouse back.
    SetCursorPos(screen.x, screen.y);
    Pump(20);
    test::SendMouseInput(screen, flags);
    // On a busy machine the input takes its time to arrive.
    POINT cursor{};
    for (int waited = 0;
         waited < 1000 && (!GetCursorPos(&cursor) || cursor.x != screen.x || cursor.y != screen.y);
         waited += 10)
        Pump(10);
    Pump(60);
}

// Waits up to a second and a half for a count to reach expected.
int CountAfterWaiting(const int& count, int expected) {
    for (int waited = 0; waited < 1500 && count != expected; waited += 20)
        Pump(20);
    Pump(100);
    return count;
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
    Pump(60);
}

// Brings window to the front, where the keys go, and waits until it is.
void BringToFront(HWND window) {
    for (int tries = 0; tries < 50 && GetForegroundWindow() != window; ++tries) {
        SetForegroundWindow(window);
        Pump(20);
    }
    EXPECT_EQ(GetForegroundWindow(), window);
}

void PressKey(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
}

// A step's name as a file name: letters and digits, the rest dashes.
std::string FileName(std::string name) {
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '-';
    return name;
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 &&
           std::abs(GetGValue(a) - GetGValue(b)) <= 8 && std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

// A shown, active form skinned with the test skin; the controls a test puts
// on it are mapped by the control map with the real skin classes.
class SkinButtonTest : public testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 460, 320);
    }
    void TearDown() override {
        SendKey(VK_SPACE, true);
        delete Form;
        Pump(30);
    }
    // Shows the form and skins what is on it.
    void Skin() {
        Form->Show();
        BringToFront(Form->Handle());
        Skinned = new TWinSkinForm(Form, Form->Handle(), test::TestEngine());
        Skinned->SetSkinDefinition(SkinDefinition.get());
        Skinned->AttachToForm(&Data, Form);
        TControlMap(*Skinned).DiscoverControls();
        Park();
    }
    template <class T> T* Add(const wchar_t* caption, RECT bounds) {
        auto* control = new T(Form);
        control->SetParent(Form);
        control->SetCaption(caption);
        control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
        return control;
    }
    // The mouse away from every control, on the form's empty corner.
    void Park() {
        RECT client{};
        GetClientRect(Form->Handle(), &client);
        POINT corner{client.right - 5, client.bottom - 5};
        ClientToScreen(Form->Handle(), &corner);
        SendMouse(corner);
    }
    POINT Centre(const TControl& control) const {
        POINT centre{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2};
        ClientToScreen(control.Parent()->Handle(), &centre);
        return centre;
    }
    // A pixel of control's picture, in control coordinates.
    COLORREF PixelOf(TControl& control, int x, int y) {
        Pump(30);
        POINT at{control.Left() + x, control.Top() + y};
        const WindowDcScope dc(control.Parent()->Handle(), false);
        return GetPixel(dc.Get(), at.x, at.y);
    }
    // Writes the form's picture to a file for a failing pixel test.
    void SavePicture(const std::string& name) {
        RECT client{};
        GetClientRect(Form->Handle(), &client);
        const WindowDcScope dc(Form->Handle(), false);
        Bitmap picture(client.right, client.bottom);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                const COLORREF c = GetPixel(dc.Get(), x, y);
                picture.At(x, y) = veyra::PixelOf(Rgb(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        const std::vector<std::uint8_t> png = WritePng(picture);
        if (FILE* file = std::fopen((name + ".png").c_str(), "wb")) {
            std::fwrite(png.data(), 1, png.size(), file);
            std::fclose(file);
        }
    }
    // The platform tells a window the mouse left it some time after (it
    // polls): a picture is waited for, up to a second and a half.
    void ExpectColour(TControl& control, int x, int y, COLORREF expected, const std::string& what) {
        COLORREF seen = PixelOf(control, x, y);
        for (int waited = 0; !Near(seen, expected) && waited < 1500; waited += 30)
            seen = PixelOf(control, x, y);
        EXPECT_TRUE(Near(seen, expected))
            << what << ": saw " << std::hex << seen << ", expected " << expected;
        if (!Near(seen, expected))
            SavePicture("SkinButtonTest-" + FileName(what));
    }

    std::unique_ptr<TSkinDefinition> SkinDefinition = ButtonSkin();
    TSkinData Data{nullptr};
    TForm* Form = nullptr;
    TWinSkinForm* Skinned = nullptr;
};

TEST_F(SkinButtonTest, EachStateShowsItsFrameUnderRealInput) {
    auto* button = Add<TButton>(L"Button", {20, 20, 100, 30});
    auto* other = Add<TButton>(L"Other", {20, 70, 100, 30});
    Skin();
    ASSERT_NE(dynamic_cast<TSkinButton*>(Skinned->FindControlObject(button->Handle())), nullptr);
    ::SetFocus(other->Handle());
    const struct TStep {
        const char* Name;
        std::function<void()> Act;
        COLORREF Expected;
    } steps[] = {
        {"normal", [] {}, kButtonFrames[0]},
        {"hot", [&] { SendMouse(Centre(*button)); }, kButtonFrames[3]},
        {"pressed", [&] { SendMouse(Centre(*button), MOUSEEVENTF_LEFTDOWN); }, kButtonFrames[1]},
        {"released: focused and hot", [&] { SendMouse(Centre(*button), MOUSEEVENTF_LEFTUP); },
         kButtonFrames[3]},
        {"focused", [&] { Park(); }, kButtonFrames[4]},
        {"disabled", [&] { button->SetEnabled(false); }, kButtonFrames[2]},
        {"enabled again, not focused",
         [&] { button->SetEnabled(true), ::SetFocus(other->Handle()); }, kButtonFrames[0]},
    };
    for (const TStep& step : steps) {
        step.Act();
        ExpectColour(*button, 3, 3, step.Expected, step.Name);
    }
}

TEST_F(SkinButtonTest, ClicksFireOnceAndOnlyOnAReleaseOverTheButton) {
    auto* button = Add<TButton>(L"Button", {20, 20, 100, 30});
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Skin();
    const POINT centre = Centre(*button);

    SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
    SendMouse(centre, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(CountAfterWaiting(clicks, 1), 1) << "a click";

    SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
    Park();
    ExpectColour(*button, 3, 3, kButtonFrames[4], "dragged off: focused, no longer pressed");
    SendMouse({centre.x, centre.y + 200}, MOUSEEVENTF_LEFTUP);
    SendMouse(centre);
    EXPECT_EQ(clicks, 1) << "pressed, dragged off and released";
    ExpectColour(*button, 3, 3, kButtonFrames[3], "hot again after the drag, not pressed");

    SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
    SendMouse(centre, MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(CountAfterWaiting(clicks, 2), 2) << "a second click";

    Park();
    ExpectColour(*button, 3, 3, kButtonFrames[4], "left: focused");
    SendKey(VK_SPACE, false);
    ExpectColour(*button, 3, 3, kButtonFrames[1], "Space held");
    SendKey(VK_SPACE, true);
    EXPECT_EQ(CountAfterWaiting(clicks, 3), 3) << "Space";
}

TEST_F(SkinButtonTest, EnterAndEscReachTheDefaultAndCancelButtons) {
    auto* ok = Add<TButton>(L"OK", {20, 20, 100, 30});
    auto* cancel = Add<TButton>(L"Cancel", {140, 20, 100, 30});
    auto* plain = Add<TButton>(L"Plain", {260, 20, 100, 30});
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::string log;
    ok->OnClick = [&](TObject*) { log += "ok "; };
    cancel->OnClick = [&](TObject*) { log += "cancel "; };
    plain->OnClick = [&](TObject*) { log += "plain "; };
    Skin();
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 80,
                                      150, 24, Form->Handle(), nullptr, nullptr, nullptr);
    SetFocus(edit);
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    ::SetFocus(plain->Handle());
    PressKey(VK_RETURN);
    const HWND memo = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 200,
                                      80, 150, 60, Form->Handle(), nullptr, nullptr, nullptr);
    SetFocus(memo);
    PressKey(VK_RETURN);
    Pump(100);
    EXPECT_EQ(log, "ok cancel plain ")
        << "Enter from the edit, Esc, Enter on a focused button, Enter kept by a multi-line edit";
}

TEST_F(SkinButtonTest, CheckBoxCyclesThroughGrayedAndRadioButtonsExcludeEachOther) {
    auto* check = Add<TCheckBox>(L"Check", {20, 20, 120, 20});
    check->SetAllowGrayed(true);
    auto* group = Add<TRadioGroup>(L"Group", {20, 60, 200, 100});
    group->SetItems({L"One", L"Two", L"Three"});
    group->SetItemIndex(1);
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };
    Skin();
    const int glyphY = 10;
    const struct TStep {
        TCheckBoxState State;
        COLORREF Glyph;
    } cycle[] = {{cbChecked, kCheckFrames[1]},
                 {cbGrayed, kCheckFrames[3]},
                 {cbUnchecked, kCheckFrames[0]},
                 {cbChecked, kCheckFrames[1]}};
    ExpectColour(*check, 6, glyphY, kCheckFrames[0], "unchecked");
    {
        // Printed into a DC of ours, the box shows the skin's glyph too.
        DibSurface printed(check->Width(), check->Height());
        SendMessageW(check->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
        EXPECT_TRUE(Near(GetPixel(printed.Dc(), 6, glyphY), kCheckFrames[0])) << "printed";
    }
    const POINT checkCentre = Centre(*check);
    for (const TStep& step : cycle) {
        SendMouse(checkCentre, MOUSEEVENTF_LEFTDOWN);
        SendMouse(checkCentre, MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(check->State(), step.State);
        ExpectColour(*check, 6, glyphY, step.Glyph, "check state " + std::to_string(step.State));
    }
    check->SetEnabled(false);
    ExpectColour(*check, 6, glyphY, kCheckFrames[3], "checked, disabled");

    for (int chosen : {0, 2, 2}) {
        TRadioButton* radio = group->Button(chosen);
        SendMouse(Centre(*radio), MOUSEEVENTF_LEFTDOWN);
        SendMouse(Centre(*radio), MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(group->ItemIndex(), chosen);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(group->Button(i)->Checked(), i == chosen) << "item " << i;
            ExpectColour(*group->Button(i), 6, 8, kRadioFrames[i == chosen ? 1 : 0],
                         "radio " + std::to_string(i) + " after choosing " +
                             std::to_string(chosen));
        }
    }
    EXPECT_EQ(groupClicks, 2) << "choosing the item already chosen is no change";
}

TEST_F(SkinButtonTest, SpeedButtonsArePaintedThroughTheirParentAndLatchInGroups) {
    auto* speed = Add<TSpeedButton>(L"Go", {20, 20, 60, 30});
    auto* flat = Add<TSpeedButton>(L"Flat", {100, 20, 60, 30});
    flat->SetFlat(true);
    auto* first = Add<TSpeedButton>(L"1", {180, 20, 30, 30});
    auto* second = Add<TSpeedButton>(L"2", {220, 20, 30, 30});
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    first->SetDown(true);
    int clicks = 0;
    speed->OnClick = [&](TObject*) { ++clicks; };
    Skin();
    ASSERT_NE(dynamic_cast<TSkinSpeedButton*>(Skinned->ControlObjects().front()), nullptr);
    const COLORREF face = GetPixel(WindowDcScope(Form->Handle(), false).Get(), 300, 200);

    ExpectColour(*speed, 3, 3, kButtonFrames[0], "speed normal");
    ExpectColour(*flat, 3, 3, face, "flat, neither hot nor down: background only");
    ExpectColour(*first, 3, 3, kButtonFrames[1], "latched down");
    SendMouse(Centre(*flat));
    ExpectColour(*flat, 3, 3, kButtonFrames[3], "flat and hot");
    SendMouse(Centre(*speed));
    ExpectColour(*speed, 3, 3, kButtonFrames[3], "speed hot");
    ExpectColour(*flat, 3, 3, face, "flat left");
    SendMouse(Centre(*speed), MOUSEEVENTF_LEFTDOWN);
    ExpectColour(*speed, 3, 3, kButtonFrames[1], "speed pressed");
    SendMouse(Centre(*speed), MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(CountAfterWaiting(clicks, 1), 1);
    SendMouse(Centre(*second), MOUSEEVENTF_LEFTDOWN);
    SendMouse(Centre(*second), MOUSEEVENTF_LEFTUP);
    Park();
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    ExpectColour(*first, 3, 3, kButtonFrames[0], "raised by its group");
    ExpectColour(*second, 3, 3, kButtonFrames[1], "latched down by a click");
}

TEST_F(SkinButtonTest, SkinOffGivesTheControlsBackAndOnAgainSkinsThem) {
    auto* button = Add<TButton>(L"Button", {20, 20, 100, 30});
    auto* check = Add<TCheckBox>(L"Check", {20, 70, 120, 20});
    Skin();
    for (bool on : {false, true}) {
        for (TWinControl* control : std::initializer_list<TWinControl*>{button, check})
            SendMessageW(control->Handle(), SKINMSG_ENABLE, on ? 1 : 0, 0);
        Pump(50);
        const std::string when = on ? "skin on again" : "skin off";
        if (on) {
            ExpectColour(*button, 3, 3, kButtonFrames[0], "button, " + when);
            ExpectColour(*check, 6, 10, kCheckFrames[0], "check, " + when);
        } else {
            EXPECT_FALSE(Near(PixelOf(*button, 3, 3), kButtonFrames[0])) << when;
            EXPECT_FALSE(Near(PixelOf(*check, 6, 10), kCheckFrames[0])) << when;
        }
    }
}

// A bare push button reports its click to its parent with its identifier,
// once, made by the skin: the platform's own click never happens.
TEST_F(SkinButtonTest, BareButtonsPostTheirCommandOnce) {
    test::TTestWindow parent(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 300, 200);
    const HWND bare = CreateWindowExW(
        0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 100, 30,
        parent.Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(321)), nullptr, nullptr);
    BringToFront(parent.Handle());
    POINT away{250, 150};
    ClientToScreen(parent.Handle(), &away);
    SendMouse(away);
    auto skinned = std::make_unique<TWinSkinForm>(nullptr, parent.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(SkinDefinition.get());
    TControlMap(*skinned).MapWindow(bare);
    ASSERT_NE(dynamic_cast<TSkinButton*>(skinned->FindControlObject(bare)), nullptr);
    POINT centre{70, 35};
    ClientToScreen(parent.Handle(), &centre);
    SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
    SendMouse(centre, MOUSEEVENTF_LEFTUP);
    const auto commandsSeen = [&parent] {
        return std::count_if(parent.Seen.begin(), parent.Seen.end(),
                             [](const test::TSeenMessage& seen) { return seen.Msg == WM_COMMAND; });
    };
    for (int waited = 0; waited < 1500 && commandsSeen() == 0; waited += 20)
        Pump(20);
    Pump(100);
    int commands = 0;
    for (const test::TSeenMessage& seen : parent.Seen)
        if (seen.Msg == WM_COMMAND) {
            ++commands;
            EXPECT_EQ(seen.WParam, 321u);
            EXPECT_EQ(seen.LParam, reinterpret_cast<LPARAM>(bare));
        }
    EXPECT_EQ(commands, 1);
    COLORREF seen = 0;
    for (int waited = 0; waited < 1500 && !Near(seen, kButtonFrames[3]); waited += 30) {
        Pump(30);
        seen = GetPixel(WindowDcScope(bare, false).Get(), 3, 3);
    }
    EXPECT_TRUE(Near(seen, kButtonFrames[3])) << "hot after the click";
    skinned.reset();
}

// A button that notes the timers that reach it.
class TTimerButton : public TButton {
public:
    using TButton::TButton;
    std::vector<WPARAM> Timers;

protected:
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_TIMER)
            Timers.push_back(message.WParam);
        TButton::WndProc(message);
    }
};

// The skin takes only the platform button's own timer (1); the control's
// other timers reach it.
TEST_F(SkinButtonTest, OnlyTheButtonsOwnTimerIsKeptFromIt) {
    auto* button = Add<TTimerButton>(L"Timers", {20, 20, 100, 30});
    Skin();
    for (WPARAM id : {1u, 7u, 2u})
        SendMessageW(button->Handle(), WM_TIMER, id, 0);
    EXPECT_EQ(button->Timers, (std::vector<WPARAM>{7, 2}));
}

// A push button of a class the skin knows only by name, as the default
// Skin3rd lines name it: a menu button.
class TRzMenuButton : public TButton {
    VEYRA_CLASS()
public:
    using TButton::TButton;
};

const TClassInfo& TRzMenuButton::StaticClass() {
    static const TClassInfo info("TRzMenuButton", &TButton::StaticClass());
    return info;
}

// A glyph strip of two 10 x 10 frames: red, then blue, each on a white key
// in its bottom-left corner.
TBitmap TwoFrameGlyph() {
    Bitmap strip = Strip(std::array<COLORREF, 2>{RGB(220, 0, 0), RGB(0, 0, 210)}.data(), 2, 10, 10);
    strip.At(0, 9) = strip.At(10, 9) = veyra::PixelOf(Rgb(255, 255, 255));
    TBitmap glyph;
    glyph.SetPixels(strip);
    return glyph;
}

TEST_F(SkinButtonTest, PictureButtonsShowTheirGlyphFrameAndMenuButtonsTheirArrow) {
    auto* bit = Add<TBitBtn>(L"", {20, 20, 60, 30});
    TBitmap glyph = TwoFrameGlyph();
    bit->SetGlyph(&glyph);
    bit->SetNumGlyphs(2);
    auto* menu = Add<TRzMenuButton>(L"Menu", {100, 20, 100, 30});
    Skin();
    EXPECT_EQ(Skinned->FindControlObject(bit->Handle())->ClassName(), "TSkinBitButton");
    EXPECT_EQ(Skinned->FindControlObject(menu->Handle())->ClassName(), "TSkinMenuButton");
    // No caption: the glyph is centred, at (25, 10).
    ExpectColour(*bit, 27, 13, RGB(220, 0, 0), "glyph frame 1");
    ExpectColour(*bit, 25, 19, kButtonFrames[0], "the glyph's key colour shows the face");
    bit->SetEnabled(false);
    ExpectColour(*bit, 27, 13, RGB(70, 70, 70), "disabled: frame 2 in grey");
    // The arrow's tip row, in the window-text colour, right of the caption.
    ExpectColour(*menu, 100 - 12, 30 / 2 + 1, GetSysColor(COLOR_WINDOWTEXT), "arrow");
    ExpectColour(*menu, 100 - 20, 30 / 2 + 1, kButtonFrames[0], "left of the arrow");
}

// A bare check box or radio button paints itself; the skin replaces its
// glyph, over a patch as large as the platform's, so none of that shows.
TEST_F(SkinButtonTest, BareCheckBoxesAndRadioButtonsGetTheSkinsGlyph) {
    // Glyphs narrower than the platform's 13 pixels.
    SkinDefinition->Buttons.CheckImage = Strip(kCheckFrames, 4, 9, 9);
    SkinDefinition->Buttons.RadioImage = Strip(kRadioFrames, 4, 9, 9);
    test::TTestWindow parent(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 300, 200);
    const struct TCase {
        DWORD Style;
        WPARAM Check;
        COLORREF Glyph;
    } cases[] = {{BS_AUTOCHECKBOX, BST_CHECKED, kCheckFrames[1]},
                 {BS_AUTOCHECKBOX | WS_DISABLED, BST_UNCHECKED, kCheckFrames[2]},
                 {BS_3STATE, BST_INDETERMINATE, kCheckFrames[3]},
                 {BS_AUTORADIOBUTTON, BST_CHECKED, kRadioFrames[1]},
                 {BS_AUTORADIOBUTTON | WS_DISABLED, BST_UNCHECKED, kRadioFrames[2]}};
    auto skinned = std::make_unique<TWinSkinForm>(nullptr, parent.Handle(), test::TestEngine());
    skinned->SetSkinDefinition(SkinDefinition.get());
    int y = 10;
    for (const TCase& c : cases) {
        const HWND bare =
            CreateWindowExW(0, L"BUTTON", L"Bare", WS_CHILD | WS_VISIBLE | c.Style, 10, y, 120, 20,
                            parent.Handle(), nullptr, nullptr, nullptr);
        SendMessageW(bare, BM_SETCHECK, c.Check, 0);
        TControlMap(*skinned).MapWindow(bare);
        RedrawWindow(bare, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump(50);
        const WindowDcScope dc(bare, false);
        const COLORREF face = skinned->Skin()->Colours.ButtonFace;
        EXPECT_TRUE(Near(GetPixel(dc.Get(), 4, 10), c.Glyph)) << "style " << std::hex << c.Style;
        for (int x : {10, 12})
            EXPECT_TRUE(Near(GetPixel(dc.Get(), x, 10), ResolveColour(face) & 0xFFFFFF))
                << "style " << std::hex << c.Style << ": the platform's glyph at " << std::dec << x;
        y += 24;
    }
}

} // namespace
} // namespace veyra
