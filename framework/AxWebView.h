#pragma once

#include <memory>

#include "WebView.h"

struct IWebBrowser2;

namespace veyra {

// The platform's embeddable web browser, hosted as an ActiveX control in an
// "AtlAxWin" child window and driven through IWebBrowser2.
class TAxWebView : public IWebView {
public:
    // The view inside host, or nullptr where the platform has no browser control.
    static std::unique_ptr<TAxWebView> Create(HWND host);
    ~TAxWebView() override;
    TAxWebView(const TAxWebView&) = delete;
    TAxWebView& operator=(const TAxWebView&) = delete;

    HRESULT Navigate(const std::wstring& url) override;
    void SetBounds(const RECT& bounds) override;

private:
    TAxWebView(HWND window, IWebBrowser2* browser) : Window_(window), Browser_(browser) {}

    HWND Window_;
    IWebBrowser2* Browser_;
};

} // namespace veyra
