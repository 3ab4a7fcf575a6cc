#include <windows.h>

#include <memory>
#include <string>

#include "FormMain.h"
#include "StartupProbe.h"
#include "framework/Application.h"
#include "framework/PageControl.h"
#include "framework/WebBrowser.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/SkinManage.h"

namespace {

using namespace veyra;

bool IsSkinned(HWND window) {
    return window && SendMessageW(window, SKINMSG_ISSKINNED, 0, 0) == 1;
}

// The main window as the user first sees it: shown, its frame and its tabs
// skinned.
bool MainWindowSkinned(TFormMain& form) {
    const HWND window = form.WindowHandle();
    return window && IsWindowVisible(window) && IsSkinned(window) &&
           IsSkinned(form.PageControl1->WindowHandle());
}

// The probe's run (VEYRA_STARTUP_PROBE): shows the main form as Run does,
// handles messages until its first skinned paint is on the screen, reports
// the steps and returns, which ends the program as closing it would.
void RunToFirstSkinnedPaint(TFormMain& form) {
    TStartupProbe& probe = StartupProbe();
    try {
        form.Show();
    } catch (...) {
        Application().HandleException(nullptr);
    }
    probe.Mark("shown");
    bool skinnedSeen = false;
    probe.RunUntilPainted(
        [&] {
            const bool more = Application().HandleMessage();
            if (!skinnedSeen && MainWindowSkinned(form)) {
                skinnedSeen = true;
                probe.Mark("skinned");
            }
            return more;
        },
        [&] { return MainWindowSkinned(form); });
    probe.Report();
}

// Marks the making of each web view ("windows-made" before the first, when
// the form's windows exist; "web-view-N" after each), so that the steps show
// what the views cost. The views start their engines after the first paint,
// so a probe's run shows these marks only if that ever changes. With
// VEYRA_STARTUP_PROBE=without-web-views no view is made (each tab shows the
// note for a system without one), which measures the start without the
// browser engine.
void MarkWebViews(bool withViews) {
    auto made = std::make_shared<int>(0);
    auto previous = std::make_shared<TWebBrowser::TViewFactory>();
    *previous = TWebBrowser::SetViewFactory(
        [made, previous, withViews](TWebBrowser& browser, HWND host) -> std::unique_ptr<IWebView> {
            if (*made == 0)
                StartupProbe().Mark("windows-made");
            const std::string number = std::to_string(++*made);
            std::unique_ptr<IWebView> view =
                withViews && *previous ? (*previous)(browser, host) : nullptr;
            StartupProbe().Mark(("web-view-" + number).c_str());
            return view;
        });
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    TStartupProbe& probe = StartupProbe();
    probe.Mark("entry");
    if (probe.Enabled())
        MarkWebViews(probe.Variant() != "without-web-views");
    try {
        Application().Initialize();
        probe.Mark("initialized");
        TFormMain& form = Application().CreateForm<TFormMain>();
        probe.Mark("created");
        if (probe.Enabled())
            RunToFirstSkinnedPaint(form);
        else
            Application().Run();
    } catch (...) {
        // The main window could not be made: say why instead of vanishing.
        Application().HandleException(nullptr);
        TSkinManage::Shutdown();
        return 1;
    }
    // Every skinned window is given back and the hook removed while the
    // forms and the application object still exist.
    TSkinManage::Shutdown();
    return 0;
}
