#include <gtest/gtest.h>

#include <windows.h>

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

} // namespace
} // namespace veyra
