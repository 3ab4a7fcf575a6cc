#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "WebView.h"
#include "WinControl.h"

namespace veyra {

// A failure result of the web view, raised as an error.
class EWebBrowserError : public std::runtime_error {
public:
    EWebBrowserError(HRESULT result, const std::string& what)
        : std::runtime_error(what), Result_(result) {}
    HRESULT Result() const { return Result_; }

private:
    HRESULT Result_;
};

// A control that shows web pages through the platform's browser control.
// Where there is none, it shows a short note instead and navigating does nothing.
class TWebBrowser : public TWinControl {
    VEYRA_CLASS()
public:
    // Makes the engine for a browser control's window; may return nullptr.
    using TViewFactory = std::function<std::unique_ptr<IWebView>(TWebBrowser& browser, HWND host)>;

    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;

    // Loads url (UTF-16); a failure result of the browser is raised as EWebBrowserError.
    void Navigate(const std::wstring& url);
    // The last address asked for.
    const std::wstring& LocationURL() const { return LocationURL_; }
    // Whether a browser engine is showing pages in this control.
    bool HasView() const { return View_ != nullptr; }

    // Replaces how every browser control made from now on gets its engine;
    // returns the previous factory. The default hosts the platform's control.
    static TViewFactory SetViewFactory(TViewFactory factory);
    // The note shown where no browser control could be created.
    static const wchar_t* UnavailableText();

protected:
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WmPaint(TMessage& message);
    void PlaceView();

    std::unique_ptr<IWebView> View_;
    std::wstring LocationURL_;
};

} // namespace veyra
