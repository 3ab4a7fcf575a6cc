#pragma once

#include <array>

#include "ProviderConfig.h"
#include "framework/CustomForm.h"

namespace veyra {

class TPageControl;
class TTabSheet;
class TWebBrowser;
class TSkinData;

// The viewer's main window: four tabs, each a web view on one of the data
// provider's pages, and the skin component that gives the process its look.
class TFormMain : public TForm {
    VEYRA_CLASS()
public:
    // Creates the form from its stored description.
    explicit TFormMain(TComponent* owner);

    // Points the skin at "skin\skin.skn" beside the executable, switches it on
    // and sends the four web views to "about:blank"; a skin file that cannot
    // be loaded stops neither.
    void FormCreate(TObject* sender);
    // Sends the four web views to the provider's pages.
    void FormShow(TObject* sender);

    // The provider pages, in the order of the web views.
    static constexpr const wchar_t* kPagePaths[4] = {
        L"/thirdparty/dde_live.aspx", L"/thirdparty/dde_history.aspx",
        L"/thirdparty/dde_analy_img.aspx", L"/thirdparty/dde_target_img.aspx"};

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TTabSheet* TabSheet3 = nullptr;
    TTabSheet* TabSheet4 = nullptr;
    TWebBrowser* WebBrowserDDE = nullptr;
    TWebBrowser* WebBrowserDDEHistory = nullptr;
    TWebBrowser* WebBrowserDDEChart = nullptr;
    TWebBrowser* WebBrowserDDENorm = nullptr;
    TSkinData* SkinData = nullptr;

    // The web views in navigation order.
    std::array<TWebBrowser*, 4> WebViews() const {
        return {WebBrowserDDE, WebBrowserDDEHistory, WebBrowserDDEChart, WebBrowserDDENorm};
    }

private:
    template <class T> T* Field(const char* name);

    TProviderConfig Provider_;
};

// Makes the viewer's classes (and the framework's and the skin component's)
// known to the form reader.
void RegisterViewerClasses();

} // namespace veyra
