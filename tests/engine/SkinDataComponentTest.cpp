#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include "MgrTestSupport.h"
#include "framework/FormReader.h"
#include "framework/PropAccess.h"
#include "skin/imaging/Colour.h"

namespace veyra::test {
namespace {

using SkinDataComponent = MgrTest;

TEST_F(SkinDataComponent, ActiveBeforeSkinFileSkinsNothingAndTheFileDoesNotSwitchItOn) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform, /*loadSkin=*/false);
    skin->SetActive(true);
    EXPECT_TRUE(skin->Active());
    EXPECT_FALSE(TSkinManage::Instance()->Enabled());
    TMgrTestSkinFile file;
    skin->SetSkinFile(file.Wide());
    EXPECT_FALSE(skin->NoSkin());
    EXPECT_FALSE(TSkinManage::Instance()->Enabled());
    EXPECT_EQ(TSkinManage::Instance()->PendingRequest(), TSkinRequest::None)
        << "not running: nothing posted";

    // Assigning the same value again does nothing.
    skin->SetActive(true);
    EXPECT_FALSE(TSkinManage::Instance()->Enabled());
}

TEST_F(SkinDataComponent, ActiveAfterSkinFileSwitchesOnAndOff) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform, /*loadSkin=*/false);
    TMgrTestSkinFile file;
    skin->SetSkinFile(file.Wide());
    skin->SetActive(true);
    TSkinManage* manager = TSkinManage::Instance();
    EXPECT_TRUE(manager->Enabled());
    EXPECT_EQ(manager->RunningState(), TRunningState::Running);
    skin->SetActive(false);
    EXPECT_EQ(manager->PendingRequest(), TSkinRequest::SkinOff);
    EXPECT_EQ(manager->RequestingComponent(), skin);
    EXPECT_TRUE(manager->Enabled()) << "carried out by the timer";
    MgrTestPump(350);
    EXPECT_FALSE(manager->Enabled());
}

TEST_F(SkinDataComponent, DialogTypesOnlyStoreActive) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfDialog);
    TSkinManage* manager = TSkinManage::Instance();
    EXPECT_TRUE(manager->Enabled()) << "a dialog component enables the manager when loaded";
    EXPECT_EQ(manager->RunningState(), TRunningState::Running);
    skin->SetActive(true);
    EXPECT_TRUE(skin->Active());
    EXPECT_EQ(manager->PendingRequest(), TSkinRequest::None);
}

// A form that holds a skin component read from a description.
class TMgrTestHostForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TMgrTestHostForm(TComponent* owner) : TForm(owner) {
        RegisterComponentClass(TSkinData::StaticClass());
    }
};

const TClassInfo& TMgrTestHostForm::StaticClass() {
    static const TClassInfo info("TMgrTestHostForm", &TForm::StaticClass());
    return info;
}

std::string HexOf(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TEST_F(SkinDataComponent, AStoredActiveSkinSwitchesOnThroughLoaded) {
    TSkinData probe(nullptr);
    probe.SetMessageSink([](std::string_view) {});
    probe.SetSkinStream([] {
        const auto packed = MgrTestPackedSkin();
        std::vector<std::uint8_t> s{static_cast<std::uint8_t>(packed.size()),
                                    static_cast<std::uint8_t>(packed.size() >> 8), 0, 0};
        s.insert(s.end(), packed.begin(), packed.end());
        return s;
    }());
    const std::string stream = HexOf(probe.SkinStream());

    TMgrTestHostForm form(nullptr);
    TFormReader::Read(form, "object Host: TMgrTestHostForm\n"
                            "  object Skin: TSkinData\n"
                            "    Active = True\n"
                            "    Version = '5.40.07.15'\n"
                            "    SkinStore = '(Good)'\n"
                            "    SkinStream = {" +
                                stream +
                                "}\n"
                                "  end\n"
                                "end\n");
    auto* skin = As<TSkinData>(form.FindComponent("Skin"));
    ASSERT_NE(skin, nullptr);
    EXPECT_TRUE(skin->Active()) << "a stored skin is held, so Active stays";
    EXPECT_FALSE(skin->NoSkin());
    EXPECT_EQ(skin->Skin().SkinName, "Probe");
    EXPECT_EQ(skin->Version(), "4.22.08.28");
    EXPECT_EQ(skin->SkinStore(), "(none)");
    EXPECT_EQ(skin->SkinStream(), probe.SkinStream()) << "the stream round-trips";
    TSkinManage* manager = TSkinManage::Instance();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->MainSkinData(), skin);
    EXPECT_TRUE(manager->HookInstalled());
    EXPECT_TRUE(manager->Enabled()) << "switch-on posted before running only enables";
    EXPECT_EQ(manager->RunningState(), TRunningState::NotRunning);
}

TEST_F(SkinDataComponent, TheDestroyedComponentLeavesTheManager) {
    TSkinData* skin = nullptr;
    {
        TComponent holder(nullptr);
        skin = MgrTestSkinData(holder, sfMainform);
        ASSERT_TRUE(TSkinManage::Instance()->IsRegistered(skin));
    }
    EXPECT_FALSE(TSkinManage::Instance()->IsRegistered(skin));
    EXPECT_EQ(TSkinManage::Instance()->MainSkinData(), nullptr);
}

TEST_F(SkinDataComponent, ALoadMakesTheButtonFaceBrushAndKeepsTheCaptionFont) {
    TComponent holder(nullptr);
    TSkinData* skin = MgrTestSkinData(holder, sfMainform, /*loadSkin=*/false);
    EXPECT_EQ(skin->BackgroundBrush(), nullptr);
    ASSERT_NE(skin->CaptionFont(), nullptr);
    LOGFONTW font{};
    ASSERT_EQ(GetObjectW(skin->CaptionFont(), sizeof font, &font), static_cast<int>(sizeof font));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    EXPECT_STREQ(font.lfFaceName, metrics.lfCaptionFont.lfFaceName);

    TMgrTestSkinFile file;
    skin->SetSkinFile(file.Wide());
    ASSERT_NE(skin->BackgroundBrush(), nullptr);
    LOGBRUSH brush{};
    GetObjectW(skin->BackgroundBrush(), sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, ResolveColour(skin->Skin().Colours.ButtonFace));
    EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));
}

TEST_F(SkinDataComponent, TheCaptionFontAndBrushAreThereAndStayWhileASkinIsInForce) {
    // A component made in code that gets its skin from a stream, with no
    // Loaded before: the skin is in force, so are the font and the brush.
    TSkinData skin(nullptr);
    skin.SetMessageSink([](std::string_view) {});
    const std::vector<std::uint8_t> packed = MgrTestPackedSkin();
    std::vector<std::uint8_t> stream(4 + packed.size());
    for (int i = 0; i < 4; ++i)
        stream[i] = static_cast<std::uint8_t>(packed.size() >> (8 * i));
    std::copy(packed.begin(), packed.end(), stream.begin() + 4);
    skin.SetSkinStream(stream);
    ASSERT_TRUE(skin.HasSkin());
    const HFONT font = skin.CaptionFont();
    const HBRUSH brush = skin.BackgroundBrush();
    ASSERT_NE(font, nullptr);
    ASSERT_NE(brush, nullptr);

    // Registering again with a new manager (the old one shut down) keeps the
    // handles that windows may still hold.
    skin.Loaded();
    TSkinManage::Shutdown();
    skin.Loaded();
    EXPECT_EQ(skin.CaptionFont(), font);
    LOGFONTW logFont{};
    EXPECT_EQ(GetObjectW(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont))
        << "still alive";
    EXPECT_EQ(skin.BackgroundBrush(), brush);

    // A failed load keeps them; a completed one makes the new skin's brush.
    skin.SetSkinFile(L"C:\\no\\such\\skin.skn");
    EXPECT_EQ(skin.BackgroundBrush(), brush);
    TMgrTestSkinFile other("veyra-mgr-other.skn", "40,50,60");
    skin.SetSkinFile(other.Wide());
    LOGBRUSH logBrush{};
    ASSERT_EQ(GetObjectW(skin.BackgroundBrush(), sizeof logBrush, &logBrush),
              static_cast<int>(sizeof logBrush));
    EXPECT_EQ(logBrush.lbColor, RGB(40, 50, 60));
    EXPECT_EQ(skin.CaptionFont(), font);
}

TEST_F(SkinDataComponent, TheMenuGlyphsAreFourMaskedSixteenPixelImages) {
    TSkinData skin(nullptr);
    const HIMAGELIST glyphs = skin.MenuGlyphs();
    ASSERT_NE(glyphs, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(glyphs), 4);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(glyphs, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);

    // The close glyph drawn on red: its strokes are black, white is masked out.
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP target = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ old = SelectObject(dc, target);
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, red);
    ImageList_Draw(glyphs, 3, dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(dc, 3, 4), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 7, 8), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 7, 4), RGB(255, 0, 0));
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST_F(SkinDataComponent, TheFormSkinQuestionWithoutAHandler) {
    TSkinData skin(nullptr);
    const HWND window = GetDesktopWindow();
    EXPECT_TRUE(skin.FormSkinQuestion(window, L"TForm", true));
    EXPECT_FALSE(skin.FormSkinQuestion(window, L"TForm", false)) << "the answer so far stands";
    EXPECT_FALSE(skin.FormSkinQuestion(window, L"SysMonthCal32", true));
    EXPECT_TRUE(skin.FormSkinQuestion(window, L"TfrPreviewForm", true))
        << "report forms only with xcFastReport";
    skin.SetSkinControls(skin.SkinControls() | Bit(xcFastReport));
    EXPECT_FALSE(skin.FormSkinQuestion(window, L"TfrPreviewForm", true));
    EXPECT_EQ(skin.FormSkinWindow(), window);
}

TEST_F(SkinDataComponent, TheOptionalPlatformCallsWork) {
    ASSERT_TRUE(TSkinData::HasGetScrollBarInfo());
    const HWND combo = CreateWindowExW(0, L"ComboBox", L"", WS_POPUP | CBS_DROPDOWN, 0, 0, 120, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(combo);
    COMBOBOXINFO info{};
    EXPECT_TRUE(TSkinData::OptionalGetComboBoxInfo(combo, info));
    EXPECT_NE(info.hwndList, nullptr);
    EXPECT_FALSE(TSkinData::OptionalGetComboBoxInfo(nullptr, info));
    DestroyWindow(combo);

    const HWND list = CreateWindowExW(0, L"ListBox", L"", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
    SCROLLBARINFO bar{};
    EXPECT_TRUE(TSkinData::OptionalGetScrollBarInfo(list, OBJID_VSCROLL, bar));
    EXPECT_EQ(bar.cbSize, sizeof bar);
    EXPECT_TRUE(TSkinData::OptionalTrackMouseLeave(list));
    DestroyWindow(list);
}

TEST_F(SkinDataComponent, TheApplicationIconIsDrawnOnMagentaAtTheSmallIconSize) {
    TSkinData skin(nullptr);
    const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    skin.CaptureIcon(icon);
    const Bitmap& captured = skin.AppIcon();
    ASSERT_EQ(captured.Width(), GetSystemMetrics(SM_CXSMICON));
    ASSERT_EQ(captured.Height(), GetSystemMetrics(SM_CYSMICON));
    int magenta = 0, drawn = 0;
    for (int y = 0; y < captured.Height(); ++y)
        for (int x = 0; x < captured.Width(); ++x)
            (SameRgb(captured.At(x, y), PixelOf(Rgb(255, 0, 255))) ? magenta : drawn) += 1;
    EXPECT_GT(drawn, 0) << "the icon itself";
    EXPECT_GT(magenta, 0) << "its transparent parts are magenta";

    skin.CaptureIcon(nullptr);
    EXPECT_TRUE(skin.AppIcon().IsEmpty());
}

// A program's own icon is the one its file shows, as the shell extracts it.
TEST_F(SkinDataComponent, AModulesIconIsTheOneTheShellShowsForItsFile) {
    const HMODULE withIcons = GetModuleHandleW(L"user32.dll");
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameW(withIcons, path, MAX_PATH), 0u);
    HICON shellIcon = nullptr;
    ASSERT_EQ(ExtractIconExW(path, 0, nullptr, &shellIcon, 1), 1u) << "the module has icons";
    const IconHandle expected(shellIcon);
    const IconHandle loaded = TSkinData::LoadModuleIcon(withIcons);
    ASSERT_TRUE(loaded);
    TSkinData fromShell(nullptr), fromModule(nullptr);
    fromShell.CaptureIcon(expected.Get());
    fromModule.CaptureIcon(loaded.Get());
    ASSERT_FALSE(fromModule.AppIcon().IsEmpty());
    for (int y = 0; y < fromShell.AppIcon().Height(); ++y)
        for (int x = 0; x < fromShell.AppIcon().Width(); ++x)
            ASSERT_TRUE(SameRgb(fromModule.AppIcon().At(x, y), fromShell.AppIcon().At(x, y)))
                << "pixel " << x << "," << y;

    EXPECT_FALSE(TSkinData::LoadModuleIcon(GetModuleHandleW(nullptr))) << "the tests have none";
}

} // namespace
} // namespace veyra::test
