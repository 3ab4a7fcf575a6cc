#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "framework/BitBtn.h"
#include "framework/Button.h"
#include "framework/CustomCheckBox.h"
#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/FormReader.h"
#include "framework/Framework.h"
#include "framework/RadioButton.h"
#include "framework/RadioGroup.h"
#include "framework/SpeedButton.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {
namespace {

// A 4 x 2 glyph strip of two frames: red over a white key, blue over a
// white key.
constexpr const char* kGlyph =
    "{424D4E0000000000000036000000280000000400000002000000010018000000000018000000130B0000130B"
    "00000000000000000000FFFFFF0000DCFFFFFFFF00000000DC0000DCFF0000FF0000}";
constexpr COLORREF kRed = RGB(220, 0, 0);

const char* Description() {
    static const std::string text = std::string("object Buttons: TForm\n"
                                                "  Width = 400\n"
                                                "  Height = 300\n"
                                                "  object Ok: TButton\n"
                                                "    Caption = 'OK'\n"
                                                "    Default = True\n"
                                                "    ModalResult = mrOk\n"
                                                "  end\n"
                                                "  object Picture: TBitBtn\n"
                                                "    Left = 10\n"
                                                "    Top = 40\n"
                                                "    Width = 40\n"
                                                "    Height = 24\n"
                                                "    Kind = bkCancel\n"
                                                "    Caption = ''\n"
                                                "    Glyph.Data = ") +
                                    kGlyph +
                                    "\n"
                                    "    NumGlyphs = 2\n"
                                    "  end\n"
                                    "  object Speed: TSpeedButton\n"
                                    "    Left = 100\n"
                                    "    Top = 40\n"
                                    "    Width = 24\n"
                                    "    Height = 24\n"
                                    "    GroupIndex = 1\n"
                                    "    NumGlyphs = 2\n"
                                    "    Glyph.Data = " +
                                    kGlyph +
                                    "\n"
                                    "  end\n"
                                    "  object Other: TSpeedButton\n"
                                    "    Left = 130\n"
                                    "    Top = 40\n"
                                    "    GroupIndex = 1\n"
                                    "    Down = True\n"
                                    "  end\n"
                                    "  object Check: TCheckBox\n"
                                    "    Top = 80\n"
                                    "    AllowGrayed = True\n"
                                    "    State = cbGrayed\n"
                                    "    Alignment = taLeftJustify\n"
                                    "  end\n"
                                    "  object Group: TRadioGroup\n"
                                    "    Top = 110\n"
                                    "    Width = 200\n"
                                    "    Columns = 2\n"
                                    "    Items = ('One' 'Two' 'Three')\n"
                                    "    ItemIndex = 2\n"
                                    "  end\n"
                                    "end\n";
    return text.c_str();
}

// The buttons of a stored description, on a shown form.
class ButtonsTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterFrameworkClasses();
        TFormReader::Read(Form, Description());
        Form.Show();
        test::PumpUntil([] { return false; }, 150);
    }
    template <class T> T& Get(const char* name) {
        auto* component = As<T>(Form.FindComponent(name));
        EXPECT_NE(component, nullptr) << name;
        return *component;
    }
    COLORREF FormPixel(int x, int y) {
        return GetPixel(WindowDcScope(Form.Handle(), false).Get(), x, y);
    }
    // A click on the form's client area at (x, y), as the platform sends it.
    void Click(POINT down, POINT up) {
        SendMessageW(Form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(down.x, down.y));
        SendMessageW(Form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        SendMessageW(Form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        SendMessageW(Form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    }

    TForm Form{nullptr};
};

TEST_F(ButtonsTest, TheDescriptionSetsEveryButtonKind) {
    EXPECT_TRUE(Get<TButton>("Ok").Default());
    EXPECT_EQ(Get<TButton>("Ok").ModalResult(), mrOk);
    EXPECT_EQ(GetWindowLongPtrW(Get<TButton>("Ok").Handle(), GWL_STYLE) & BS_TYPEMASK,
              BS_DEFPUSHBUTTON);
    auto& picture = Get<TBitBtn>("Picture");
    EXPECT_TRUE(picture.Cancel()) << "bkCancel";
    EXPECT_EQ(picture.ModalResult(), mrCancel);
    EXPECT_EQ(picture.Glyph()->Width(), 4);
    auto& check = Get<TCheckBox>("Check");
    EXPECT_EQ(SendMessageW(check.Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_NE(GetWindowLongPtrW(check.Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
    auto& group = Get<TRadioGroup>("Group");
    ASSERT_NE(group.Button(2), nullptr);
    EXPECT_TRUE(group.Button(2)->Checked());
    EXPECT_FALSE(group.Button(0)->Checked());
    EXPECT_GT(group.Button(2)->Left(), group.Button(0)->Left()) << "the third is in column two";
}

TEST_F(ButtonsTest, PictureButtonsDrawTheirGlyphWithoutASkin) {
    // No caption: each glyph is centred (the speed button's one pixel further in).
    const HWND picture = Get<TBitBtn>("Picture").Handle();
    EXPECT_EQ(GetPixel(WindowDcScope(picture, false).Get(), 19, 11), kRed);
    EXPECT_EQ(FormPixel(100 + 12, 40 + 11), kRed);
    EXPECT_NE(FormPixel(100 + 12, 40 + 12), kRed) << "the key colour is transparent";
    Get<TBitBtn>("Picture").SetEnabled(false);
    test::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(GetPixel(WindowDcScope(picture, false).Get(), 19, 11), RGB(85, 85, 85))
        << "disabled: the second frame in grey";
}

TEST_F(ButtonsTest, SpeedButtonsClickOnAReleaseOverThemAndLatchInTheirGroup) {
    auto& speed = Get<TSpeedButton>("Speed");
    auto& other = Get<TSpeedButton>("Other");
    int clicks = 0;
    speed.OnClick = [&](TObject*) { ++clicks; };
    Click({110, 50}, {200, 200});
    EXPECT_EQ(clicks, 0) << "released away from it";
    EXPECT_FALSE(speed.Down());
    Click({110, 50}, {111, 51});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(speed.Down());
    EXPECT_FALSE(other.Down()) << "its group raised";
    Click({110, 50}, {110, 50});
    EXPECT_TRUE(speed.Down()) << "without AllowAllUp it stays down";
    speed.SetAllowAllUp(true);
    Click({110, 50}, {110, 50});
    EXPECT_FALSE(speed.Down());
    EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonsTest, LosingTheFocusPerformsCmExit) {
    auto& ok = Get<TButton>("Ok");
    int exits = 0;
    test::THook hook(ok, [&](TMessage& message) {
        exits += message.Msg == CM_EXIT;
        return false;
    });
    SetFocus(ok.Handle());
    SetFocus(Get<TCheckBox>("Check").Handle());
    EXPECT_EQ(exits, 1);
}

// Each standard kind brings its caption, results and stock glyph: two
// frames on olive (transparent), the second the picture in grey.
TEST_F(ButtonsTest, EveryBitButtonKindHasItsStockGlyphCaptionAndResult) {
    constexpr COLORREF kGreen = RGB(0, 128, 0);
    constexpr COLORREF kRedInk = RGB(192, 0, 0);
    const struct {
        TBitBtnKind Kind;
        const wchar_t* Caption;
        int Result;
        bool Default;
        bool Cancel;
        POINT Ink; // a pixel of the picture, and its colour
        COLORREF Colour;
    } kinds[] = {
        {bkOK, L"OK", mrOk, true, false, {12, 3}, kGreen},
        {bkCancel, L"Cancel", mrCancel, false, true, {2, 2}, kRedInk},
        {bkHelp, L"&Help", mrNone, false, false, {6, 1}, RGB(0, 0, 160)},
        {bkYes, L"&Yes", mrYes, true, false, {12, 3}, kGreen},
        {bkNo, L"&No", mrNo, false, true, {5, 1}, kRedInk},
        {bkClose, L"&Close", mrNone, false, false, {10, 7}, RGB(255, 255, 0)},
        {bkAbort, L"Abort", mrAbort, false, true, {4, 4}, RGB(255, 255, 255)},
        {bkRetry, L"&Retry", mrRetry, false, false, {6, 1}, RGB(0, 128, 128)},
        {bkIgnore, L"&Ignore", mrIgnore, false, false, {6, 6}, RGB(0, 0, 0)},
        {bkAll, L"&All", mrAll, false, false, {11, 2}, kGreen},
    };
    const auto colourAt = [](const Bitmap& pixels, int x, int y) {
        const Colour c = ColourOf(pixels.At(x, y));
        return RGB(RedOf(c), GreenOf(c), BlueOf(c));
    };
    for (const auto& k : kinds) {
        TBitBtn button(nullptr);
        button.SetKind(k.Kind);
        const std::string name = "kind " + std::to_string(k.Kind);
        EXPECT_EQ(button.Caption(), k.Caption) << name;
        EXPECT_EQ(button.ModalResult(), k.Result) << name;
        EXPECT_EQ(button.Default(), k.Default) << name;
        EXPECT_EQ(button.Cancel(), k.Cancel) << name;
        const Bitmap& glyph = button.Glyph()->Pixels();
        ASSERT_EQ(glyph.Width(), 32) << name;
        ASSERT_EQ(glyph.Height(), 16) << name;
        EXPECT_EQ(button.NumGlyphs(), 2) << name;
        EXPECT_EQ(colourAt(glyph, 0, 15), RGB(128, 128, 0)) << name << ": the key colour";
        EXPECT_EQ(colourAt(glyph, k.Ink.x, k.Ink.y), k.Colour) << name;
        EXPECT_EQ(colourAt(glyph, 16 + k.Ink.x, k.Ink.y), RGB(128, 128, 128)) << name;
    }
    TBitBtn custom(nullptr);
    custom.SetKind(bkCustom);
    EXPECT_TRUE(custom.Glyph()->Empty());
}

// Arrow keys move the focus and the check among the radio buttons of a
// group, wrapping round within it: a radio group's buttons, and buttons on
// the form whose group WS_GROUP ends.
TEST_F(ButtonsTest, ArrowKeysMoveTheCheckWithinTheRadioGroup) {
    auto& group = Get<TRadioGroup>("Group");
    TRadioButton* radios[5] = {group.Button(0), group.Button(1), group.Button(2)};
    for (int i = 3; i < 5; ++i) {
        radios[i] = new TRadioButton(&Form);
        radios[i]->SetParent(&Form);
        radios[i]->SetBounds(220, 30 * i, 100, 20);
    }
    auto* after = new TButton(&Form);
    after->SetParent(&Form);
    after->SetBounds(220, 160, 75, 25);
    test::PumpUntil([] { return false; }, 50);
    for (HWND first : {radios[3]->Handle(), after->Handle()})
        SetWindowLongPtrW(first, GWL_STYLE, GetWindowLongPtrW(first, GWL_STYLE) | WS_GROUP);
    const struct {
        int From;
        WPARAM Key;
        int To;
    } steps[] = {
        {2, VK_DOWN, 0}, {0, VK_RIGHT, 1}, {1, VK_UP, 0}, {0, VK_LEFT, 2},
        {3, VK_DOWN, 4}, {4, VK_DOWN, 3},  {3, VK_UP, 4},
    };
    for (const auto& step : steps) {
        SetFocus(radios[step.From]->Handle());
        PostMessageW(radios[step.From]->Handle(), WM_KEYDOWN, step.Key, 0);
        Application().ProcessMessages();
        const std::string name = std::to_string(step.From) + " key " + std::to_string(step.Key);
        EXPECT_EQ(GetFocus(), radios[step.To]->Handle()) << name;
        EXPECT_TRUE(radios[step.To]->Checked()) << name;
        EXPECT_FALSE(radios[step.From]->Checked()) << name;
    }
    EXPECT_EQ(group.ItemIndex(), 2) << "the group follows its buttons";
}

// What a modal form's loop does next, run from a timer inside the loop.
std::function<void()>* ModalStep = nullptr;

void CALLBACK RunModalStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (ModalStep)
        (*ModalStep)();
}

// A loop that does not end when it should is ended apart, with -1.
TCustomForm* StuckModal = nullptr;

void CALLBACK EndStuckModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (StuckModal)
        StuckModal->SetModalResult(-1);
}

// A modal form ends its loop when a button with a ModalResult is clicked or
// the form is closed, and answers that result; meanwhile the other form
// takes no input, and afterwards the modal form is hidden and the other
// form enabled again.
TEST_F(ButtonsTest, ShowModalEndsWithTheResultOfTheButtonOrClose) {
    const struct {
        const char* Name;
        TBitBtnKind Kind; // bkCustom: a plain button
        int ButtonResult;
        bool CloseWindow;
        int Expected;
    } cases[] = {
        {"OK button", bkCustom, mrOk, false, mrOk},
        {"Retry button", bkCustom, mrRetry, false, mrRetry},
        {"bkClose button", bkClose, mrNone, false, mrCancel},
        {"closed", bkCustom, mrNone, true, mrCancel},
    };
    for (const auto& c : cases) {
        TForm dialog(nullptr);
        dialog.SetBounds(300, 200, 200, 120);
        TButton* button = new TButton(&dialog);
        if (c.Kind != bkCustom) {
            delete button;
            auto* bit = new TBitBtn(&dialog);
            bit->SetKind(c.Kind);
            button = bit;
        }
        button->SetParent(&dialog);
        if (c.Kind == bkCustom)
            button->SetModalResult(c.ButtonResult);
        EXPECT_EQ(button->ModalResult(), c.ButtonResult) << c.Name;
        bool ownerEnabled = true;
        std::function<void()> step = [&] {
            ownerEnabled = IsWindowEnabled(Form.Handle()) != FALSE;
            if (c.CloseWindow)
                PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            else
                SendMessageW(button->Handle(), BM_CLICK, 0, 0);
        };
        ModalStep = &step;
        StuckModal = &dialog;
        SetTimer(nullptr, 0, 50, &RunModalStep);
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, &EndStuckModal);
        EXPECT_EQ(dialog.ShowModal(), c.Expected) << c.Name;
        KillTimer(nullptr, watchdog);
        ModalStep = nullptr;
        StuckModal = nullptr;
        EXPECT_FALSE(ownerEnabled) << c.Name << ": the other form was disabled";
        EXPECT_TRUE(IsWindowEnabled(Form.Handle())) << c.Name;
        EXPECT_FALSE(IsWindowVisible(dialog.Handle())) << c.Name;
        EXPECT_FALSE(dialog.Modal()) << c.Name;
    }
    TForm visible(nullptr);
    visible.Show();
    EXPECT_THROW(visible.ShowModal(), EInvalidOperation);
}

} // namespace
} // namespace veyra
