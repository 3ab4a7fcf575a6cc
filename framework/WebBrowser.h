#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "WebView.h"
#include "WinControl.h"
#include "skin/imaging/UserHandlesWin32.h"

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
//
// The engine starts late: loading the platform's HTML engine at the first
// navigation takes longer than the whole rest of a window's start, so the
// engine is made, and sent to the last address asked for, from a timer of the
// control's window. A timer message comes only when no other message and no
// paint is waiting, so the owning form shown right after its creation is
// painted first. Until then Navigate only records the address.
class TWebBrowser : public TWinControl {
    VEYRA_CLASS()
public:
    // Makes the engine for a browser control's window; may return nullptr.
    using TViewFactory = std::function<std::unique_ptr<IWebView>(TWebBrowser& browser, HWND host)>;

    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;

    // Loads url (UTF-16); a failure result of the browser is raised as
    // EWebBrowserError. Before the engine's start it records url, the last
    // one wins, and the start loads it (a failure then reaches the
    // application's error handler).
    void Navigate(const std::wstring& url);
    // The last address asked for.
    const std::wstring& LocationURL() const { return LocationURL_; }
    // Whether a browser engine is showing pages in this control.
    bool HasView() const { return View_ != nullptr; }
    // Whether the engine's deferred start is still to come.
    bool ViewPending() const { return StartTimer_.Running(); }

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
    void StartView();
    void NavigateView();

    std::unique_ptr<IWebView> View_;
    std::wstring LocationURL_;
    WindowTimer StartTimer_;
    // The engine was asked for in this window (made, or none to be had).
    bool Started_ = false;
    // An address asked for before the start, for the start to load.
    bool NavigationPending_ = false;
};

} // namespace veyra
