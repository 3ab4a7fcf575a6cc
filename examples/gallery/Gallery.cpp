#include <windows.h>

#include <string>

#include "GalleryMainForm.h"
#include "framework/Application.h"
#include "skin/manager/SkinManage.h"

namespace {

// "Gallery --open controls" (or tabs, scrollbars, containers, edits,
// droplist, dialog, message, mdi, tag99) opens that window once the main
// form is up, for screenshots and tests (the controls window with one button
// held hot and one pressed, the edits window with a combo's list dropped
// down); mdimax opens the MDI frame with its children maximized; menu,
// submenu, sysmenu and context open the View menu, its submenu, the system
// menu or the main form's context menu; dropdown and controlmenu open the
// containers window with its tool button's drop-down menu or its panel's
// own popup menu open.
UINT CommandFromLine(const std::wstring& line) {
    using veyra::TGalleryMainForm;
    static const std::pair<const wchar_t*, UINT> names[] = {
        {L"controls", TGalleryMainForm::cmControlsHeld},
        {L"tabs", TGalleryMainForm::cmTabs},
        {L"scrollbars", TGalleryMainForm::cmScrollbars},
        {L"containers", TGalleryMainForm::cmContainers},
        {L"edits", TGalleryMainForm::cmEdits},
        {L"droplist", TGalleryMainForm::cmEditsDropped},
        {L"dialog", TGalleryMainForm::cmSystemDialog},
        {L"message", TGalleryMainForm::cmMessageBox},
        {L"mdimax", TGalleryMainForm::cmMdiMaximized},
        {L"mdi", TGalleryMainForm::cmMdiFrame},
        {L"tag99", TGalleryMainForm::cmUnskinnedForm},
        {L"menu", TGalleryMainForm::cmOpenMenu},
        {L"submenu", TGalleryMainForm::cmOpenSubmenu},
        {L"sysmenu", TGalleryMainForm::cmOpenSystemMenu},
        {L"context", TGalleryMainForm::cmOpenContextMenu},
        {L"dropdown", TGalleryMainForm::cmContainersDropDown},
        {L"controlmenu", TGalleryMainForm::cmContainersControlMenu},
    };
    const auto at = line.find(L"--open ");
    if (at == std::wstring::npos)
        return 0;
    const std::wstring name = line.substr(at + 7);
    for (const auto& [text, command] : names)
        if (name.starts_with(text))
            return command;
    return 0;
}

} // namespace

// The gallery: everything a program needs to be skinned is the skin
// component on its main form and the manager's shutdown at the end.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    using namespace veyra;
    int result = 0;
    try {
        Application().Initialize();
        auto& main = Application().CreateForm<TGalleryMainForm>();
        if (const UINT command = CommandFromLine(commandLine ? commandLine : L""))
            PostMessageW(main.Handle(), WM_COMMAND, command, 0);
        Application().Run();
    } catch (...) {
        Application().HandleException(nullptr);
        result = 1;
    }
    // Every skinned window is given back while the forms still exist.
    TSkinManage::Shutdown();
    return result;
}
