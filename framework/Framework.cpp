#include "Framework.h"

#include "ClassInfo.h"
#include "GroupBox.h"
#include "HeaderControl.h"
#include "ImageList.h"
#include "ListBox.h"
#include "ListView.h"
#include "Memo.h"
#include "MenuItem.h"
#include "PageControl.h"
#include "Panel.h"
#include "PopupMenu.h"
#include "ProgressBar.h"
#include "ScrollBar.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "TabSheet.h"
#include "Timer.h"
#include "TrackBar.h"
#include "WebBrowser.h"

namespace veyra {

void RegisterFrameworkClasses() {
    for (const TClassInfo* cls :
         {&TPageControl::StaticClass(), &TTabSheet::StaticClass(), &TTabControl::StaticClass(),
          &TImageList::StaticClass(), &TWebBrowser::StaticClass(), &TTimer::StaticClass(),
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(), &TMemo::StaticClass(),
          &TListBox::StaticClass(), &TListView::StaticClass(), &TScrollBar::StaticClass(),
          &TPanel::StaticClass(), &TGroupBox::StaticClass(), &TStatusBar::StaticClass(),
          &TProgressBar::StaticClass(), &TTrackBar::StaticClass(), &THeaderControl::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
