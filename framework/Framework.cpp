#include "Framework.h"

#include "ClassInfo.h"
#include "ImageList.h"
#include "ListBox.h"
#include "ListView.h"
#include "MainMenu.h"
#include "Memo.h"
#include "MenuItem.h"
#include "PageControl.h"
#include "PopupMenu.h"
#include "ScrollBar.h"
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
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(), &TMemo::StaticClass(),
          &TListBox::StaticClass(), &TListView::StaticClass(), &TScrollBar::StaticClass(),
          &TToolBar::StaticClass(), &TMainMenu::StaticClass(), &TToolButton::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
