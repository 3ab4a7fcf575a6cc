#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CustomForm.h"
#include "framework/EngineTestSupport.h"
#include "framework/WebBrowser.h"

namespace veyra {
namespace {

struct TBrowserForm {
    TBrowserForm() {
        Form.SetBounds(0, 0, 400, 300);
        Browser = new TWebBrowser(&Form);
        Browser->SetParent(&Form);
        Browser->SetAlign(alClient);
    }
    // Handles messages until the browser's engine has started.
    bool Start() {
        return test::PumpUntil([&] { return !Browser->ViewPending(); });
    }
    TForm Form{nullptr};
    TWebBrowser* Browser;
};

// (address, whether the form was on the screen and completely painted) per navigation.
using TNavLog = std::vector<std::pair<std::wstring, bool>>;

// An engine that logs each address it is sent with the state of the form then.
class TPaintCheckedView : public IWebView {
public:
    TPaintCheckedView(TNavLog& log, HWND host) : Log_(log), Host_(host) {}
    HRESULT Navigate(const std::wstring& url) override {
        const HWND form = GetAncestor(Host_, GA_ROOT);
        Log_.emplace_back(url, IsWindowVisible(form) && !GetUpdateRect(form, nullptr, FALSE) &&
                                   !GetUpdateRect(Host_, nullptr, FALSE));
        return S_OK;
    }
    void SetBounds(const RECT&) override {}

private:
    TNavLog& Log_;
    HWND Host_;
};

TEST(WebBrowser, HostsThePlatformBrowserControlAndNavigates) {
    TBrowserForm f;
    f.Form.Show();
    ASSERT_TRUE(f.Start());
    ASSERT_TRUE(f.Browser->HasView()) << "the platform's browser control is hosted here";
    const HWND host = FindWindowExW(f.Browser->WindowHandle(), nullptr, L"AtlAxWin", nullptr);
    ASSERT_NE(host, nullptr);
    RECT outer{}, inner{};
    GetClientRect(f.Browser->WindowHandle(), &outer);
    GetWindowRect(host, &inner);
    EXPECT_EQ(inner.right - inner.left, outer.right) << "the control fills the web view";
    EXPECT_NO_THROW(f.Browser->Navigate(L"about:blank"));
    EXPECT_EQ(f.Browser->LocationURL(), L"about:blank");
}

TEST(WebBrowser, WithoutABrowserControlItShowsANoteAndNavigatingDoesNothing) {
    auto previous = TWebBrowser::SetViewFactory(nullptr);
    {
        TBrowserForm f;
        f.Form.Show();
        ASSERT_TRUE(f.Start());
        EXPECT_FALSE(f.Browser->HasView());
        EXPECT_NO_THROW(f.Browser->Navigate(L"http://dde.example.com/thirdparty/dde_live.aspx"));
        EXPECT_EQ(f.Browser->LocationURL(), L"http://dde.example.com/thirdparty/dde_live.aspx");

        // The note is drawn: the view is no longer one plain colour.
        UpdateWindow(f.Browser->WindowHandle());
        const HDC dc = GetDC(f.Browser->WindowHandle());
        const COLORREF background = GetPixel(dc, 2, 2);
        int inked = 0;
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < 300; ++x)
                inked += GetPixel(dc, x, y) != background;
        ReleaseDC(f.Browser->WindowHandle(), dc);
        EXPECT_GT(inked, 50);
    }
    TWebBrowser::SetViewFactory(std::move(previous));
}

// The engine starts from a timer, after the form's first paint, on the last
// address asked for; once started it navigates at once. A view destroyed
// before its start never navigates.
TEST(WebBrowser, StartsItsEngineAfterTheFormsFirstPaintOnTheLastAddress) {
    const std::wstring page = L"http://dde.example.com/thirdparty/dde_live.aspx";
    TNavLog log;
    auto previous = TWebBrowser::SetViewFactory([&log](TWebBrowser&, HWND host) {
        return std::unique_ptr<IWebView>(new TPaintCheckedView(log, host));
    });
    {
        TBrowserForm f;
        f.Browser->Navigate(L"about:blank");
        f.Browser->Navigate(page);
        f.Form.Show();
        EXPECT_TRUE(f.Browser->ViewPending());
        EXPECT_FALSE(f.Browser->HasView());
        EXPECT_EQ(f.Browser->LocationURL(), page) << "the last address asked for";
        ASSERT_TRUE(f.Start());
        EXPECT_EQ(log, (TNavLog{{page, true}}));
        f.Browser->Navigate(L"about:blank");
        EXPECT_EQ(log.back(), (std::pair<std::wstring, bool>{L"about:blank", true}))
            << "started: at once";
    }
    log.clear();
    {
        TBrowserForm f;
        f.Form.Show();
        f.Browser->Navigate(page);
        delete f.Browser;
        test::PumpUntil([] { return false; }, 100);
        EXPECT_TRUE(log.empty());
    }
    TWebBrowser::SetViewFactory(std::move(previous));
}

} // namespace
} // namespace veyra
