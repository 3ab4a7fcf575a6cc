#include "FormMain.h"

#include "StartupProbe.h"

#include "framework/ClassInfo.h"
#include "framework/Framework.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "framework/WebBrowser.h"
#include "skin/component/SkinData.h"

namespace veyra {

const TClassInfo& TFormMain::StaticClass() {
    static const TClassInfo info(
        "TFormMain", &TForm::StaticClass(), {}, nullptr,
        {{"FormCreate",
          [](TObject& self, TObject* sender) { static_cast<TFormMain&>(self).FormCreate(sender); }},
         {"FormShow",
          [](TObject& self, TObject* sender) { static_cast<TFormMain&>(self).FormShow(sender); }}});
    return info;
}

void RegisterViewerClasses() {
    RegisterFrameworkClasses();
    RegisterComponentClass(TSkinData::StaticClass());
    RegisterComponentClass(TFormMain::StaticClass());
}

TFormMain::TFormMain(TComponent* owner) : TForm(owner) {
    RegisterViewerClasses();
    ReadDescription(L"TFORMMAIN");
    StartupProbe().Mark("described");
    PageControl1 = Field<TPageControl>("PageControl1");
    TabSheet1 = Field<TTabSheet>("TabSheet1");
    TabSheet2 = Field<TTabSheet>("TabSheet2");
    TabSheet3 = Field<TTabSheet>("TabSheet3");
    TabSheet4 = Field<TTabSheet>("TabSheet4");
    WebBrowserDDE = Field<TWebBrowser>("WebBrowserDDE");
    WebBrowserDDEHistory = Field<TWebBrowser>("WebBrowserDDEHistory");
    WebBrowserDDEChart = Field<TWebBrowser>("WebBrowserDDEChart");
    WebBrowserDDENorm = Field<TWebBrowser>("WebBrowserDDENorm");
    SkinData = Field<TSkinData>("SkinData");
}

template <class T> T* TFormMain::Field(const char* name) {
    T* component = As<T>(FindComponent(name));
    if (!component)
        throw std::runtime_error(std::string("The main window's description has no ") +
                                 T::StaticClass().ClassName() + " named " + name);
    return component;
}

void TFormMain::FormCreate(TObject*) {
    const std::wstring directory = ExecutableDirectory();
    Provider_ = TProviderConfig::Load(directory);
    // Whatever the file holds, the skin is switched on and the pages load:
    // without a skin the window keeps the platform's look.
    StartupProbe().Mark("form-create");
    AssignSkinFile(*SkinData, directory + L"skin\\skin.skn");
    StartupProbe().Mark("skin-loaded");
    if (!SkinData->Active())
        SkinData->SetActive(true);
    for (TWebBrowser* view : WebViews())
        view->Navigate(L"about:blank");
    StartupProbe().Mark("web-views-blank");
}

void TFormMain::FormShow(TObject*) {
    const auto views = WebViews();
    for (std::size_t i = 0; i < views.size(); ++i)
        views[i]->Navigate(Provider_.PageUrl(kPagePaths[i]));
    StartupProbe().Mark("web-views-navigated");
}

} // namespace veyra
