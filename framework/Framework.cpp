#include "Framework.h"

#include "ClassInfo.h"
#include "ComboBox.h"
#include "CustomEdit.h"
#include "DateTimePicker.h"
#include "ImageList.h"
#include "ListBox.h"
#include "ListView.h"
#include "Memo.h"
#include "MenuItem.h"
#include "PageControl.h"
#include "PopupMenu.h"
#include "ScrollBar.h"
#include "SpinEdit.h"
#include "TabControl.h"
#include "TabSheet.h"
#include "Timer.h"
#include "UpDown.h"
#include "WebBrowser.h"

namespace veyra {

void RegisterFrameworkClasses() {
    for (const TClassInfo* cls :
         {&TPageControl::StaticClass(), &TTabSheet::StaticClass(), &TTabControl::StaticClass(),
          &TImageList::StaticClass(), &TWebBrowser::StaticClass(), &TTimer::StaticClass(),
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(), &TMemo::StaticClass(),
          &TListBox::StaticClass(), &TListView::StaticClass(), &TScrollBar::StaticClass(),
          &TEdit::StaticClass(), &TComboBox::StaticClass(), &TUpDown::StaticClass(),
          &TSpinEdit::StaticClass(), &TDateTimePicker::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
