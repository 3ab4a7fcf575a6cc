#include "Framework.h"

#include "BitBtn.h"
#include "Button.h"
#include "ClassInfo.h"
#include "ComboBox.h"
#include "CoolBar.h"
#include "CustomCheckBox.h"
#include "CustomEdit.h"
#include "DateTimePicker.h"
#include "GroupBox.h"
#include "HeaderControl.h"
#include "ImageList.h"
#include "ListBox.h"
#include "ListView.h"
#include "MainMenu.h"
#include "MediaPlayer.h"
#include "Memo.h"
#include "MenuItem.h"
#include "PageControl.h"
#include "Panel.h"
#include "PopupMenu.h"
#include "ProgressBar.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "ScrollBar.h"
#include "SpeedButton.h"
#include "SpinEdit.h"
#include "StatusBar.h"
#include "TabControl.h"
#include "TabSet.h"
#include "TabSheet.h"
#include "Timer.h"
#include "ToolBar.h"
#include "ToolButton.h"
#include "TrackBar.h"
#include "UpDown.h"
#include "WebBrowser.h"

namespace veyra {

void RegisterFrameworkClasses() {
    for (const TClassInfo* cls :
         {&TPageControl::StaticClass(), &TTabSheet::StaticClass(), &TTabControl::StaticClass(),
          &TImageList::StaticClass(), &TWebBrowser::StaticClass(), &TTimer::StaticClass(),
          &TPopupMenu::StaticClass(), &TMenuItem::StaticClass(), &TMemo::StaticClass(),
          &TListBox::StaticClass(), &TListView::StaticClass(), &TScrollBar::StaticClass(),
          // Buttons
          &TButton::StaticClass(), &TBitBtn::StaticClass(), &TSpeedButton::StaticClass(),
          &TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TRadioGroup::StaticClass(),
          // Tool bars and menus
          &TToolBar::StaticClass(), &TMainMenu::StaticClass(), &TToolButton::StaticClass(),
          &TCoolBar::StaticClass(),
          // Containers and bars
          &TPanel::StaticClass(), &TGroupBox::StaticClass(), &TStatusBar::StaticClass(),
          &TProgressBar::StaticClass(), &TTrackBar::StaticClass(), &THeaderControl::StaticClass(),
          &TMediaPlayer::StaticClass(),
          // Edits

          &TEdit::StaticClass(), &TComboBox::StaticClass(), &TUpDown::StaticClass(),
          &TSpinEdit::StaticClass(), &TDateTimePicker::StaticClass(),
          // The older tab strip
          &TTabSet::StaticClass()})
        RegisterComponentClass(*cls);
}

} // namespace veyra
