#include "Framework.h"

#include "ClassInfo.h"
#include "ImageList.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "PageControl.h"
#include "PopupMenu.h"
#include "TabControl.h"
#include "TabSheet.h"
#include "Timer.h"
#include "ToolBar.h"
#include "ToolButton.h"
#include "WebBrowser.h"

namespace veyra {

void RegisterFrameworkClasses() {
    for (const TClassInfo* cls :
         {&TPageControl::StaticClass(), &TTabSheet::StaticClass(), &TTabControl::StaticClass(),
          &TImageList::StaticClass(), &TWebBrowser::StaticClass(), &TTimer::StaticClass(),
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(), &TToolBar::StaticClass(),
          &TMainMenu::StaticClass(), &TToolButton::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
