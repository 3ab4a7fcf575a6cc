#pragma once

#include <windows.h>

#include "framework/CustomForm.h"

namespace veyra {

class TSkinData;
class TPopupMenu;

// The gallery's main form, read from its stored description with the skin
// component on it. A menu, a tool bar and a column of buttons open the
// other windows.
class TGalleryMainForm : public TForm {
    VEYRA_CLASS()
public:
    explicit TGalleryMainForm(TComponent* owner);

    // The form's creation handler: loads the skin beside the executable and
    // switches skinning on.
    void FormCreate(TObject* sender);

    // The commands of the menu and the buttons.
    enum TCommand : UINT {
        cmControls = 100,
        cmTabs,
        cmSystemDialog,
        cmMessageBox,
        cmMdiFrame,
        cmUnskinnedForm,
        cmSkinOff,
        cmSkinOn,
        cmExit,
        // The View menu's items, there to show how items look.
        cmChecked,
        cmDisabled,
        cmDefault,
        cmShortCut,
        cmMoreOne,
        cmMoreTwo,
        // Opened from the command line: a menu of the bar, its submenu, the
        // system menu.
        cmOpenMenu,
        cmOpenSubmenu,
        cmOpenSystemMenu,
        // The scroll-bars window.
        cmScrollbars,
        // The containers window.
        cmContainers,
        // The controls window with a button held hot and one pressed.
        cmControlsHeld,
        cmMdiMaximized,
        cmOpenContextMenu,
        // The context menu's items.
        cmCopy,
        cmPaste,
        cmShowGrid,
        cmProperties,
        // The edits window, and the same with a combo's list dropped down.
        cmEdits,
        cmEditsDropped,
        // The containers window with its tool bar's drop-down menu open, or
        // its panel's own popup menu.
        cmContainersDropDown,
        cmContainersControlMenu
    };
    // Runs a command as the menu or a button would.
    void RunCommand(UINT command);

    TSkinData* SkinData = nullptr;
    // The form's context menu, opened by a right click; drawn by the skin.
    TPopupMenu* ContextMenu = nullptr;

protected:
    void WndProc(TMessage& message) override;

private:
    void BuildMenu();
    HMENU BuildViewMenu();
    void BuildButtons();
    void BuildContextMenu();
    void BuildToolBar();
    void ShowContextMenu(POINT screen);
    void OpenControlsForm();
    // Real input over the controls window, in two steps: Space held on its
    // Pressed button, then the mouse on its Hot button, for pictures.
    void HoldControlStates(int step);
    void OpenTabsForm();
    void OpenScrollbarsForm();
    void OpenContainersForm(UINT openMenu = 0);
    // Opens the containers window's menu named by ContainersMenu_.
    void OpenContainersMenu();
    void OpenEditsForm(bool dropped);
    void OpenUnskinnedForm();

    UINT ContainersMenu_ = 0;
};

// Registers the classes that the gallery's description names.
void RegisterGalleryClasses();

} // namespace veyra
