#include "GalleryMainForm.h"

#include <memory>
#include <utility>

#include "GalleryWindows.h"
#include "framework/Application.h"
#include "framework/ClassInfo.h"
#include "framework/Framework.h"
#include "framework/PageControl.h"
#include "framework/PopupMenu.h"
#include "framework/TabSheet.h"
#include "framework/ToolBar.h"
#include "skin/component/SkinData.h"

namespace veyra {
namespace {

struct TCommandInfo {
    TGalleryMainForm::TCommand Command;
    const wchar_t* Text;
    bool Button;
};

constexpr UINT_PTR kOpenSubmenuTimer = 1;
constexpr UINT_PTR kHoldControlsTimer = 2;
constexpr UINT_PTR kContainersMenuTimer = 4;

// The combo box whose list the edits window drops down once it is shown.
HWND& DropListTarget() {
    static HWND target = nullptr;
    return target;
}

void CALLBACK DropListNow(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const HWND combo = std::exchange(DropListTarget(), nullptr);
    if (!combo || !IsWindow(combo))
        return;
    SetFocus(combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
}

// One table for the menu and the buttons.
constexpr TCommandInfo kCommands[] = {
    {TGalleryMainForm::cmControls, L"&Controls...", true},
    {TGalleryMainForm::cmTabs, L"&Tabs...", true},
    {TGalleryMainForm::cmScrollbars, L"Sc&roll bars...", false},
    {TGalleryMainForm::cmContainers, L"Co&ntainers and bars...", false},
    {TGalleryMainForm::cmEdits, L"&Edits...", false},
    {TGalleryMainForm::cmSystemDialog, L"&System dialog...", true},
    {TGalleryMainForm::cmMessageBox, L"&Message box...", true},
    {TGalleryMainForm::cmMdiFrame, L"M&DI frame...", true},
    {TGalleryMainForm::cmUnskinnedForm, L"&Unskinned form (Tag 99)...", true},
    {TGalleryMainForm::cmSkinOff, L"Skin o&ff", true},
    {TGalleryMainForm::cmSkinOn, L"Skin &on", true},
    {TGalleryMainForm::cmExit, L"E&xit", false},
};

// A plain form read from its stored description.
class TStoredForm : public TForm {
public:
    TStoredForm(TComponent* owner, const wchar_t* resourceName) : TForm(owner) {
        ReadDescription(resourceName);
    }
};

std::wstring ExecutableDirectory() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

} // namespace

const TClassInfo& TGalleryMainForm::StaticClass() {
    static const TClassInfo info("TGalleryMainForm", &TForm::StaticClass(), {}, nullptr,
                                 {{"FormCreate", [](TObject& self, TObject* sender) {
                                       static_cast<TGalleryMainForm&>(self).FormCreate(sender);
                                   }}});
    return info;
}

void RegisterGalleryClasses() {
    RegisterFrameworkClasses();
    RegisterComponentClass(TSkinData::StaticClass());
    RegisterComponentClass(TGalleryMainForm::StaticClass());
}

TGalleryMainForm::TGalleryMainForm(TComponent* owner) : TForm(owner) {
    RegisterGalleryClasses();
    ReadDescription(L"TGALLERYMAIN");
    SkinData = As<TSkinData>(FindComponent("SkinData"));
}

void TGalleryMainForm::FormCreate(TObject*) {
    BuildMenu();
    BuildToolBar();
    BuildButtons();
    BuildContextMenu();
    if (!SkinData)
        return;
    // As the viewer does it: the skin file first, then switch on, whatever
    // the file holds.
    AssignSkinFile(*SkinData, ExecutableDirectory() + L"skin\\skin.skn");
    if (!SkinData->Active())
        SkinData->SetActive(true);
}

void TGalleryMainForm::BuildMenu() {
    HMENU bar = CreateMenu();
    HMENU windows = CreatePopupMenu();
    HMENU skin = CreatePopupMenu();
    for (const TCommandInfo& info : kCommands) {
        const bool skinItem = info.Command == cmSkinOff || info.Command == cmSkinOn;
        if (info.Command == cmExit)
            AppendMenuW(windows, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(skinItem ? skin : windows, MF_STRING, info.Command, info.Text);
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(windows), L"&Windows");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(skin), L"&Skin");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildViewMenu()), L"&View");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, 0, L"&Help");
    ::SetMenu(Handle(), bar);
}

HMENU TGalleryMainForm::BuildViewMenu() {
    // One item of each look: checked, disabled, default, with a shortcut,
    // and a submenu.
    HMENU view = CreatePopupMenu();
    HMENU more = CreatePopupMenu();
    AppendMenuW(more, MF_STRING, cmMoreOne, L"&First of more");
    AppendMenuW(more, MF_STRING | MF_CHECKED, cmMoreTwo, L"&Second of more");
    AppendMenuW(view, MF_STRING | MF_CHECKED, cmChecked, L"&Checked item");
    AppendMenuW(view, MF_STRING | MF_GRAYED, cmDisabled, L"&Disabled item");
    AppendMenuW(view, MF_STRING, cmDefault, L"D&efault item");
    AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(view, MF_STRING, cmShortCut, L"With a &shortcut\tCtrl+K");
    AppendMenuW(view, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"&More");
    SetMenuDefaultItem(view, cmDefault, FALSE);
    // The shortcut item shows a picture of its own beside its text.
    static const HBITMAP picture = [] {
        const HDC screen = GetDC(nullptr);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        const HDC dc = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(dc, bitmap);
        const RECT all{0, 0, 16, 16};
        FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
        DrawIconEx(dc, 0, 0, LoadIconW(nullptr, IDI_INFORMATION), 16, 16, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }();
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = picture;
    SetMenuItemInfoW(view, cmShortCut, FALSE, &info);
    return view;
}

void TGalleryMainForm::BuildToolBar() {
    auto* bar = new TToolBar(this);
    bar->SetParent(this);
    bar->SetBounds(0, 0, ClientWidth(), 30);
    for (const TCommandInfo& info : kCommands) {
        if (!info.Button || info.Command == cmSkinOff || info.Command == cmSkinOn ||
            info.Command == cmUnskinnedForm)
            continue;
        std::wstring caption = info.Text;
        if (caption.ends_with(L"..."))
            caption.resize(caption.size() - 3);
        auto* button = new TToolButton(this);
        button->SetCaption(caption);
        const UINT command = info.Command;
        button->OnClick = [this, command](TObject*) { RunCommand(command); };
        bar->AddButton(button);
    }
}

void TGalleryMainForm::BuildButtons() {
    int y = 44;
    for (const TCommandInfo& info : kCommands) {
        if (!info.Button)
            continue;
        const HWND button = CreateWindowExW(
            0, L"Button", info.Text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 16, y, 220, 28, Handle(),
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(info.Command)), GetModuleHandleW(nullptr),
            nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
        y += 36;
    }
}

void TGalleryMainForm::BuildContextMenu() {
    // An item with an image, a disabled one, a checked one, a separator and
    // a shortcut.
    ContextMenu = new TPopupMenu(this);
    static const HIMAGELIST images = [] {
        const HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        ImageList_AddIcon(list, LoadIconW(nullptr, IDI_INFORMATION));
        return list;
    }();
    ContextMenu->SetImages(images);
    struct TItem {
        UINT Command;
        const wchar_t* Caption;
        const wchar_t* ShortCut;
        int Image;
        bool Enabled;
        bool Checked;
    };
    static const TItem items[] = {
        {cmCopy, L"&Copy", L"Ctrl+C", -1, true, false},
        {cmPaste, L"&Paste", L"Ctrl+V", -1, false, false},
        {0, L"-", L"", -1, true, false},
        {cmShowGrid, L"Show &grid", L"", -1, true, true},
        {cmProperties, L"P&roperties...", L"Alt+Enter", 0, true, false},
    };
    for (const TItem& entry : items) {
        auto* item = new TMenuItem(ContextMenu);
        item->SetCaption(entry.Caption);
        item->SetShortCutText(entry.ShortCut);
        item->SetImageIndex(entry.Image);
        item->SetEnabled(entry.Enabled);
        item->SetChecked(entry.Checked);
        ContextMenu->Items()->Add(item);
    }
}

void TGalleryMainForm::ShowContextMenu(POINT screen) {
    if (ContextMenu)
        ContextMenu->Popup(screen.x, screen.y);
}

void TGalleryMainForm::WndProc(TMessage& message) {
    if (message.Msg == WM_CONTEXTMENU) {
        ShowContextMenu({static_cast<short>(LOWORD(message.LParam)),
                         static_cast<short>(HIWORD(message.LParam))});
        message.Result = 0;
        return;
    }
    if (message.Msg == WM_TIMER && message.WParam == kOpenSubmenuTimer) {
        // The View menu is open with its first item selected: Up wraps to
        // the submenu's item, Right opens it.
        KillTimer(Handle(), kOpenSubmenuTimer);
        for (const WPARAM key : {VK_UP, VK_RIGHT})
            PostMessageW(Handle(), WM_KEYDOWN, key, 0);
        message.Result = 0;
        return;
    }
    if (message.Msg == WM_TIMER &&
        (message.WParam == kHoldControlsTimer || message.WParam == kHoldControlsTimer + 1)) {
        KillTimer(Handle(), message.WParam);
        HoldControlStates(static_cast<int>(message.WParam - kHoldControlsTimer));
        message.Result = 0;
        return;
    }
    if (message.Msg == WM_TIMER && message.WParam == kContainersMenuTimer) {
        KillTimer(Handle(), kContainersMenuTimer);
        OpenContainersMenu();
        message.Result = 0;
        return;
    }
    if (message.Msg == WM_COMMAND && HIWORD(message.WParam) <= BN_CLICKED) {
        RunCommand(LOWORD(message.WParam));
        message.Result = 0;
        return;
    }
    TForm::WndProc(message);
}

void TGalleryMainForm::RunCommand(UINT command) {
    switch (command) {
    case cmControls:
        OpenControlsForm();
        break;
    case cmControlsHeld:
        // Once the form is up and skinned, real input holds two buttons.
        OpenControlsForm();
        SetTimer(Handle(), kHoldControlsTimer, 500, nullptr);
        break;
    case cmTabs:
        OpenTabsForm();
        break;
    case cmScrollbars:
        OpenScrollbarsForm();
        break;
    case cmContainers:
        OpenContainersForm();
        break;
    case cmContainersDropDown:
    case cmContainersControlMenu:
        OpenContainersForm(command);
        break;
    case cmEdits:
    case cmEditsDropped:
        OpenEditsForm(command == cmEditsDropped);
        break;
    case cmSystemDialog:
        gallery::ShowSystemDialog(Handle());
        break;
    case cmMessageBox:
        MessageBoxW(Handle(),
                    L"A message box is a system dialog too: it is skinned when it is activated.",
                    L"Message box", MB_OK | MB_ICONINFORMATION);
        break;
    case cmMdiFrame:
    case cmMdiMaximized:
        gallery::OpenMdiFrame(command == cmMdiMaximized);
        break;
    case cmOpenContextMenu: {
        // Opened once the skin is on, where a right click in the middle would.
        RECT client{};
        GetClientRect(Handle(), &client);
        POINT centre{client.right / 2, client.bottom / 3};
        ClientToScreen(Handle(), &centre);
        PostMessageW(Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()),
                     MAKELPARAM(centre.x, centre.y));
        break;
    }
    case cmUnskinnedForm:
        OpenUnskinnedForm();
        break;
    case cmOpenMenu:
    case cmOpenSubmenu:
        // As Alt+V would; the submenu follows once the menu is open.
        if (command == cmOpenSubmenu)
            SetTimer(Handle(), kOpenSubmenuTimer, 500, nullptr);
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'v');
        break;
    case cmOpenSystemMenu:
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        break;
    case cmSkinOff:
    case cmSkinOn:
        if (SkinData)
            SkinData->SetActive(command == cmSkinOn);
        break;
    case cmExit:
        Close();
        break;
    default:
        break;
    }
}

void TGalleryMainForm::OpenControlsForm() {
    // Every button kind in its states, check boxes, radio buttons and a
    // radio group, from their stored description. Owned by the main form,
    // so it goes with it.
    auto* form = new TStoredForm(this, L"TGALLERYCONTROLS");
    form->Show();
}

void TGalleryMainForm::HoldControlStates(int step) {
    auto* form = As<TWinControl>(FindComponent("GalleryControls"));
    auto* hot = form ? As<TWinControl>(form->FindComponent("ButtonHot")) : nullptr;
    auto* pressed = form ? As<TWinControl>(form->FindComponent("ButtonPressed")) : nullptr;
    if (!hot || !pressed)
        return;
    if (step == 0) {
        // Space held on one button...
        SetFocus(pressed->Handle());
        INPUT space{};
        space.type = INPUT_KEYBOARD;
        space.ki.wVk = VK_SPACE;
        SendInput(1, &space, sizeof space);
        SetTimer(Handle(), kHoldControlsTimer + 1, 300, nullptr);
        return;
    }
    // ... which took the mouse capture with it: given up, so that the mouse
    // resting on the other button makes that one hot. The held key keeps
    // the first one pressed.
    ReleaseCapture();
    RECT bounds{};
    GetWindowRect(hot->Handle(), &bounds);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv((bounds.left + bounds.right) / 2, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv((bounds.top + bounds.bottom) / 2, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
}

void TGalleryMainForm::OpenTabsForm() {
    // Page controls in every tab position and style, one with close boxes
    // (Tag 7777), one with more tabs than fit, and a tab control, all from
    // their stored description.
    auto* form = new TStoredForm(this, L"TGALLERYTABS");
    form->Show();
}

void TGalleryMainForm::OpenScrollbarsForm() {
    // A memo, a list box and a report view with both bars, and scroll-bar
    // controls of both kinds, one disabled, from their stored description.
    auto* form = new TStoredForm(this, L"TGALLERYSCROLLBARS");
    form->Show();
}

void TGalleryMainForm::OpenContainersForm(UINT openMenu) {
    // A header, panels and group boxes (one panel with a popup menu of its
    // own), progress bars in both styles and orientations, track bars lying
    // and standing, a tool bar with a drop-down button, and a status bar
    // with three panels and a size grip, from their stored description.
    auto* form = new TStoredForm(this, L"TGALLERYCONTAINERS");
    form->Show();
    // For a picture of a menu open: once the window is up and skinned.
    ContainersMenu_ = openMenu;
    if (openMenu)
        SetTimer(Handle(), kContainersMenuTimer, 600, nullptr);
}

void TGalleryMainForm::OpenContainersMenu() {
    auto* form = As<TWinControl>(FindComponent("GalleryContainers"));
    if (!form)
        return;
    if (ContainersMenu_ == cmContainersControlMenu) {
        // As a right click in the middle of the panel would.
        auto* quotes = As<TWinControl>(form->FindComponent("Quotes"));
        RECT bounds{};
        if (quotes && GetWindowRect(quotes->Handle(), &bounds))
            PostMessageW(
                quotes->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(quotes->Handle()),
                MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2));
        return;
    }
    // As a click on the button's drop-down arrow would.
    auto* bar = As<TToolBar>(form->FindComponent("Bars"));
    auto* period = As<TToolButton>(form->FindComponent("BarsPeriod"));
    RECT place{};
    if (bar && period &&
        SendMessageW(bar->Handle(), TB_GETRECT, static_cast<WPARAM>(period->Command()),
                     reinterpret_cast<LPARAM>(&place)))
        PostMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(place.right - 4, (place.top + place.bottom) / 2));
}

void TGalleryMainForm::OpenEditsForm(bool dropped) {
    // Edits with and without a border, read-only and disabled, a spin edit,
    // date and time pickers, combo boxes of every style and right to left,
    // and an edit with an up-down, from their stored description.
    auto* form = new TStoredForm(this, L"TGALLERYEDITS");
    form->Show();
    if (!dropped)
        return;
    // For a picture of the skinned drop-down list and its bar: once the
    // window is up and active, as a click on the button would.
    if (auto* market = dynamic_cast<TWinControl*>(form->FindComponent("Market"))) {
        DropListTarget() = market->Handle();
        SetTimer(nullptr, 0, 600, &DropListNow);
    }
}

void TGalleryMainForm::OpenUnskinnedForm() {
    auto* form = new TForm(this);
    form->SetTag(99); // a form with this tag is never skinned
    form->SetCaption(L"Never skinned (Tag 99)");
    form->SetBounds(260, 200, 360, 200);
    form->Show();
}

} // namespace veyra
