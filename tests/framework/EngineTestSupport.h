#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/WebBrowser.h"

namespace veyra::test {

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
