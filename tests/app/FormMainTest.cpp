#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "FormMain.h"
#include "UnusableSkinFile.h"
#include "framework/EngineTestSupport.h"
#include "framework/PageControl.h"
#include "framework/PropAccess.h"
#include "framework/TabSheet.h"
#include "framework/WebBrowser.h"
#include "skin/component/SkinData.h"

namespace veyra {
namespace {

using TNav = test::TRecordingWebViews::TNavigation;

std::unique_ptr<TFormMain> CreateMainForm() {
    auto form = std::make_unique<TFormMain>(nullptr);
    form->AfterConstruction();
    return form;
}

// Handles messages until every web view's engine has started.
bool StartWebViews(const TFormMain& form) {
    return test::PumpUntil([&] {
        for (const TWebBrowser* view : form.WebViews())
            if (view->ViewPending())
                return false;
        return true;
    });
}

std::wstring TabText(HWND tabs, int index) {
    wchar_t text[80] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 80;
    SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

// The page control's distances to the left, top, right and bottom of the client area.
std::array<int, 4> Margins(const TFormMain& form) {
    RECT client{};
    GetClientRect(form.WindowHandle(), &client);
    RECT pages{};
    GetWindowRect(form.PageControl1->WindowHandle(), &pages);
    MapWindowPoints(HWND_DESKTOP, form.WindowHandle(), reinterpret_cast<POINT*>(&pages), 2);
    return {pages.left, pages.top, client.right - pages.right, client.bottom - pages.bottom};
}

TEST(FormMain, IsCreatedFromItsStoredDescription) {
    test::TRecordingWebViews views;
    const auto form = CreateMainForm();
    EXPECT_EQ(form->ClassName(), "TFormMain");
    EXPECT_TRUE(form->Is<TCustomForm>());
    EXPECT_EQ(form->Name(), "FormMain");
    EXPECT_EQ(form->Caption(), L"VeyraDDE\x67E5\x8BE2");
    wchar_t title[64] = {};
    GetWindowTextW(form->WindowHandle(), title, 64);
    EXPECT_STREQ(title, L"VeyraDDE\x67E5\x8BE2");
    EXPECT_EQ(GetEnumPropText(form.get(), "Position"), "poScreenCenter");
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), L"\x5B8B\x4F53");
    EXPECT_EQ(form->Font()->Charset(), GB2312_CHARSET);
    EXPECT_EQ(form->Font()->Height(), -12);
    EXPECT_EQ(form->Font()->Style(), 0u);

    // Outer size as stored, centred on the screen rather than at 193, 281.
    RECT outer{};
    GetWindowRect(form->WindowHandle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 1000);
    EXPECT_EQ(outer.bottom - outer.top, 715);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 1000) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 715) / 2);

    TPageControl& pages = *form->PageControl1;
    EXPECT_EQ(pages.Parent(), form.get());
    EXPECT_EQ(pages.Anchors(), static_cast<std::uint32_t>(akLeft | akTop | akRight | akBottom));
    EXPECT_EQ(Margins(*form), (std::array<int, 4>{8, 8, 17, 13}));
    EXPECT_EQ(pages.Font()->Height(), -19);
    EXPECT_EQ(pages.Font()->Style(), static_cast<std::uint32_t>(fsBold));
    EXPECT_EQ(pages.Font()->Charset(), GB2312_CHARSET);
    EXPECT_FALSE(pages.ParentFont());
    EXPECT_EQ(pages.TabOrder(), 0);
    EXPECT_EQ(pages.ActivePage(), form->TabSheet1);

    const HWND tabs = pages.WindowHandle();
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 4);
    const wchar_t* captions[] = {L"DDE\x5B9E\x65F6\x6570\x636E", L"DDE\x5386\x53F2\x6570\x636E",
                                 L"DDE\x5206\x6790\x56FE", L"DDE\x6307\x6807"};
    const TTabSheet* sheets[] = {form->TabSheet1, form->TabSheet2, form->TabSheet3,
                                 form->TabSheet4};
    const auto webViews = form->WebViews();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(TabText(tabs, i), captions[i]);
        EXPECT_EQ(pages.Pages(i), sheets[i]);
        EXPECT_EQ(sheets[i]->ImageIndex(), i);
        EXPECT_EQ(webViews[i]->Parent(), sheets[i]);
        EXPECT_EQ(webViews[i]->Align(), alClient);
        EXPECT_EQ(webViews[i]->TabOrder(), 0);
        EXPECT_EQ(webViews[i]->Width(), sheets[i]->ClientSize().cx);
        EXPECT_EQ(webViews[i]->Height(), sheets[i]->ClientSize().cy);
    }
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

TEST(FormMain, SkinComponentCarriesEveryStoredSetting) {
    test::TRecordingWebViews views;
    const auto form = CreateMainForm();
    TSkinData& skin = *form->SkinData;
    EXPECT_EQ(skin.Owner(), form.get());
    EXPECT_EQ(GetIntProp(&skin, "DisableTag"), 99);
    EXPECT_EQ(GetSetPropText(&skin, "SkinControls"),
              "[xcMainMenu,xcPopupMenu,xcToolbar,xcControlbar,xcCombo,xcCheckBox,xcRadioButton,"
              "xcProgress,"
              "xcScrollbar,xcEdit,xcButton,xcBitBtn,xcSpeedButton,xcSpin,xcPanel,xcGroupBox,"
              "xcStatusBar,xcTab,"
              "xcTrackBar,xcSystemMenu]");
    EXPECT_EQ(GetSetPropText(&skin, "Options"), "[xoPreview,xoToolbarBK]");
    ASSERT_EQ(skin.Skin3rd().size(), 118u);
    EXPECT_EQ(skin.Skin3rd()[0], L"TCategoryButtons=scrollbar");
    EXPECT_EQ(skin.Skin3rd()[1], L"TPngSpeedbutton=pngspeedbutton");
    EXPECT_EQ(std::vector<std::wstring>(skin.Skin3rd().begin() + 2, skin.Skin3rd().end()),
              std::vector<std::wstring>(TSkinData::DefaultSkin3rd().begin() + 1,
                                        TSkinData::DefaultSkin3rd().end()));
    EXPECT_EQ(GetStrPropW(&skin, "SkinStore"), L"(none)");
    EXPECT_EQ(GetEnumPropText(&skin, "SkinFormtype"), "sfMainform");
    EXPECT_EQ(GetStrPropW(&skin, "Version"), L"4.22.08.28")
        << "read-only: the stored value is ignored";
    EXPECT_EQ(GetEnumPropText(&skin, "MenuUpdate"), "True");
    EXPECT_EQ(GetEnumPropText(&skin, "MenuMerge"), "False");
    EXPECT_EQ(skin.SkinStream(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(GetEnumPropText(&skin, "Active"), "True") << "switched on by the creation handler";
}

TEST(FormMain, NavigatesToBlankAtCreationAndToTheProviderAtEveryShow) {
    test::TRecordingWebViews views;
    const auto form = CreateMainForm();
    for (const TWebBrowser* view : form->WebViews())
        EXPECT_EQ(view->LocationURL(), L"about:blank") << view->Name();
    EXPECT_TRUE(views.Navigations.empty()) << "the engines start after the first paint";

    const std::wstring host = L"http://" + TProviderConfig::Load(ExecutableDirectory()).Host();
    const std::vector<TNav> pages{{"WebBrowserDDE", host + L"/thirdparty/dde_live.aspx"},
                                  {"WebBrowserDDEHistory", host + L"/thirdparty/dde_history.aspx"},
                                  {"WebBrowserDDEChart", host + L"/thirdparty/dde_analy_img.aspx"},
                                  {"WebBrowserDDENorm", host + L"/thirdparty/dde_target_img.aspx"}};
    form->Show();
    EXPECT_EQ(form->WebBrowserDDENorm->LocationURL(), pages[3].Url);
    ASSERT_TRUE(StartWebViews(*form));
    EXPECT_EQ(views.Navigations, pages) << "each engine starts on its last address";

    views.Navigations.clear();
    form->Hide();
    EXPECT_TRUE(views.Navigations.empty());
    form->Show();
    EXPECT_EQ(views.Navigations, pages) << "showing again loads the pages again";
}

TEST(FormMain, ANavigationFailureReachesTheErrorHandlerAndStopsTheRest) {
    test::TMessageBoxRecorder boxes;
    test::TRecordingWebViews views;
    const auto form = CreateMainForm();
    ASSERT_TRUE(StartWebViews(*form));
    ASSERT_TRUE(boxes.Messages.empty());
    views.Navigations.clear();
    views.FailView("WebBrowserDDEHistory", E_ACCESSDENIED);
    form->Show();
    ASSERT_EQ(views.Navigations.size(), 2u);
    EXPECT_EQ(views.Navigations[1].View, "WebBrowserDDEHistory");
    ASSERT_EQ(boxes.Messages.size(), 1u);
    EXPECT_NE(boxes.Messages[0].find(L"/thirdparty/dde_history.aspx"), std::wstring::npos)
        << boxes.Messages[0];
    EXPECT_NE(boxes.Messages[0].find(L"0x80070005"), std::wstring::npos) << boxes.Messages[0];
    EXPECT_TRUE(IsWindowVisible(form->WindowHandle())) << "the window still appears";
}

TEST(FormMain, ANavigationFailureAtCreationIsReportedAndTheFormLives) {
    test::TMessageBoxRecorder boxes;
    test::TRecordingWebViews views;
    views.FailView("WebBrowserDDE", E_FAIL);
    const auto form = CreateMainForm();
    ASSERT_TRUE(StartWebViews(*form));
    // Each engine starts on its own: the others still load their page.
    EXPECT_EQ(views.Navigations.size(), 4u);
    ASSERT_EQ(boxes.Messages.size(), 1u);
    EXPECT_NE(boxes.Messages[0].find(L"about:blank"), std::wstring::npos) << boxes.Messages[0];
    EXPECT_NE(form->WindowHandle(), nullptr);
}

TEST(FormMain, ResizingKeepsThePageControlMarginsAndTheViewsFillTheirPages) {
    test::TRecordingWebViews views;
    const auto form = CreateMainForm();
    form->Show();
    ASSERT_TRUE(StartWebViews(*form));
    for (const SIZE size : {SIZE{1200, 850}, SIZE{640, 480}, SIZE{1000, 715}}) {
        SetWindowPos(form->WindowHandle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(Margins(*form), (std::array<int, 4>{8, 8, 17, 13})) << size.cx << "x" << size.cy;
        for (TWebBrowser* view : form->WebViews()) {
            RECT r{};
            GetClientRect(GetParent(view->WindowHandle()), &r);
            EXPECT_EQ(view->Width(), r.right) << view->Name();
            EXPECT_EQ(view->Height(), r.bottom) << view->Name();
        }
    }
    // The engine behind the active view was told its new place.
    ASSERT_FALSE(views.Placements.empty());
    EXPECT_EQ(views.Placements.back().second.right, form->WebBrowserDDE->Width());
}

TEST(FormMain, FindsTheSkinBesideTheExecutableFromAnyWorkingDirectory) {
    namespace fs = std::filesystem;
    test::TRecordingWebViews views;
    const fs::path previous = fs::current_path();
    const fs::path elsewhere = fs::temp_directory_path() / "veyra-elsewhere";
    fs::create_directories(elsewhere);
    fs::current_path(elsewhere);
    const auto form = CreateMainForm();
    fs::current_path(previous);

    const std::wstring expected = ExecutableDirectory() + L"skin\\skin.skn";
    EXPECT_EQ(form->SkinData->SkinFile(), expected);
    EXPECT_TRUE(fs::path(expected).is_absolute());
    EXPECT_EQ(expected.find(elsewhere.wstring()), std::wstring::npos);
}

TEST(FormMain, ASkinFileThatIsNoSkinLeavesThePlatformLookQuietlyAndThePagesStillLoad) {
    namespace fs = std::filesystem;
    const fs::path path = fs::path(ExecutableDirectory()) / "skin" / "skin.skn";
    ASSERT_FALSE(fs::exists(path)) << "the test would replace the skin beside the test program";
    const std::vector<TNav> blank{{"WebBrowserDDE", L"about:blank"},
                                  {"WebBrowserDDEHistory", L"about:blank"},
                                  {"WebBrowserDDEChart", L"about:blank"},
                                  {"WebBrowserDDENorm", L"about:blank"}};
    for (const test::TUnusable kind : {test::TUnusable::Folder, test::TUnusable::Locked,
                                       test::TUnusable::Oversized, test::TUnusable::Damaged}) {
        const test::TUnusableSkinFile file(path, kind);
        test::TMessageBoxRecorder boxes;
        test::TRecordingWebViews views;
        const auto form = CreateMainForm();
        EXPECT_TRUE(boxes.Messages.empty()) << test::NameOf(kind) << ": " << boxes.Messages.front();
        EXPECT_FALSE(form->SkinData->HasSkin()) << test::NameOf(kind);
        EXPECT_TRUE(form->SkinData->Active())
            << test::NameOf(kind) << ": the creation handler went on";
        EXPECT_TRUE(StartWebViews(*form)) << test::NameOf(kind);
        EXPECT_EQ(views.Navigations, blank) << test::NameOf(kind);
    }
    fs::remove(path.parent_path());
}

TEST(ProviderConfig, ReadsTheHostAndFallsBackToTheDefault) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "veyra-config";
    fs::create_directories(dir);
    const std::wstring directory = dir.wstring() + L"\\";
    fs::remove(dir / "VeyraDDE.ini");
    EXPECT_EQ(TProviderConfig::Load(directory).Host(), TProviderConfig::kDefaultHost) << "no file";

    const auto write = [&](const char* text) { std::ofstream(dir / "VeyraDDE.ini") << text; };
    write("[Provider]\nHost=data.provider.test:8080\n");
    EXPECT_EQ(TProviderConfig::Load(directory).Host(), L"data.provider.test:8080");
    EXPECT_EQ(TProviderConfig::Load(directory).PageUrl(L"/thirdparty/dde_live.aspx"),
              L"http://data.provider.test:8080/thirdparty/dde_live.aspx");
    for (const char* bad : {"[Provider]\nHost=evil.test/phish?\n", "[Provider]\nHost=user@host\n",
                            "[Provider]\nHost=\n", "[Other]\nHost=x.test\n"}) {
        write(bad);
        EXPECT_EQ(TProviderConfig::Load(directory).Host(), TProviderConfig::kDefaultHost) << bad;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace veyra
