#include "Framework.h"

#include "ClassInfo.h"
#include "PageControl.h"
#include "TabSheet.h"
#include "Timer.h"
#include "WebBrowser.h"

namespace veyra {

void RegisterFrameworkClasses()
{
    for (const TClassInfo* cls : {&TPageControl::StaticClass(), &TTabSheet::StaticClass(),
                                  &TWebBrowser::StaticClass(), &TTimer::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
