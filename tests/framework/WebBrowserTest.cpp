#include <gtest/gtest.h>

#include "framework/CustomForm.h"
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
    TForm Form{nullptr};
    TWebBrowser* Browser;
};

TEST(WebBrowser, HostsThePlatformBrowserControlAndNavigates) {
    TBrowserForm f;
    f.Form.Show();
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

} // namespace
} // namespace veyra
