#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/WebBrowser.h"

namespace veyra::test {

// Handles the thread's messages, timers included, until done() is true or
// timeoutMs have passed; answers done().
template <class F> bool PumpUntil(F done, DWORD timeoutMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// A hook in front of a control's WindowProc that runs Before on every
// message (true: answered, not passed on), passes the rest on, and is taken
// out again at the end of the scope.
class THook {
public:
    using TBefore = std::function<bool(TMessage& message)>;
    THook(TControl& control, TBefore before)
        : Control_(control), Saved_(control.WindowProc()), Before_(std::move(before)) {
        control.SetWindowProc(TWndMethod::Of<&THook::Run>(this));
    }
    ~THook() { Control_.SetWindowProc(Saved_); }
    THook(const THook&) = delete;
    THook& operator=(const THook&) = delete;

private:
    void Run(TMessage& message) {
        if (!Before_(message))
            Saved_(message);
    }
    TControl& Control_;
    TWndMethod Saved_;
    TBefore Before_;
};

// Collects what the application's error handler would show in message boxes,
// for one scope.
class TMessageBoxRecorder {
public:
    TMessageBoxRecorder() {
        Previous_ = Application().SetMessageBoxFunction(
            [this](const std::wstring& text, const std::wstring&) { Messages.push_back(text); });
    }
    ~TMessageBoxRecorder() { Application().SetMessageBoxFunction(std::move(Previous_)); }
    TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
    TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

    std::vector<std::wstring> Messages;

private:
    TApplication::TMessageBoxFunction Previous_;
};

// Gives every web browser made in its scope a recording engine: each
// navigation is logged as (control name, url) and answered with the result
// the test chose for that control.
class TRecordingWebViews {
public:
    struct TNavigation {
        std::string View;
        std::wstring Url;
        bool operator==(const TNavigation&) const = default;
    };

    TRecordingWebViews() {
        Previous_ = TWebBrowser::SetViewFactory(
            [this](TWebBrowser& browser, HWND) -> std::unique_ptr<IWebView> {
                return std::make_unique<TView>(*this, browser.Name());
            });
    }
    ~TRecordingWebViews() { TWebBrowser::SetViewFactory(std::move(Previous_)); }
    TRecordingWebViews(const TRecordingWebViews&) = delete;
    TRecordingWebViews& operator=(const TRecordingWebViews&) = delete;

    // Makes every navigation of the named view fail with result.
    void FailView(const std::string& view, HRESULT result) {
        FailingView_ = view;
        Failure_ = result;
    }

    std::vector<TNavigation> Navigations;
    std::vector<std::pair<std::string, RECT>> Placements;

private:
    class TView : public IWebView {
    public:
        TView(TRecordingWebViews& owner, std::string name)
            : Owner_(owner), Name_(std::move(name)) {}
        HRESULT Navigate(const std::wstring& url) override {
            Owner_.Navigations.push_back({Name_, url});
            return Name_ == Owner_.FailingView_ ? Owner_.Failure_ : S_OK;
        }
        void SetBounds(const RECT& bounds) override {
            Owner_.Placements.emplace_back(Name_, bounds);
        }

    private:
        TRecordingWebViews& Owner_;
        std::string Name_;
    };

    TWebBrowser::TViewFactory Previous_;
    std::string FailingView_;
    HRESULT Failure_ = S_OK;
};

} // namespace veyra::test
