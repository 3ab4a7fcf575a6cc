#include "GalleryWindows.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

namespace gallery {
namespace {

constexpr UINT kMdiFirstChild = 50000;

// Appends a value to a dialog template, aligned as the template requires.
template <class T> void Put(std::vector<std::uint8_t>& out, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

void PutText(std::vector<std::uint8_t>& out, const wchar_t* text) {
    for (; *text; ++text)
        Put<WORD>(out, static_cast<WORD>(*text));
    Put<WORD>(out, 0);
}

void AlignToDword(std::vector<std::uint8_t>& out) {
    while (out.size() % 4)
        out.push_back(0);
}

// One item of a dialog template: a system class by its atom.
void PutItem(std::vector<std::uint8_t>& out, DWORD style, short x, short y, short cx, short cy,
             WORD id, WORD classAtom, const wchar_t* text) {
    AlignToDword(out);
    Put(out, DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id});
    Put<WORD>(out, 0xFFFF);
    Put<WORD>(out, classAtom);
    PutText(out, text);
    Put<WORD>(out, 0); // no creation data
}

// One item of a dialog template: a control class by its name.
void PutNamedItem(std::vector<std::uint8_t>& out, DWORD style, short x, short y, short cx, short cy,
                  WORD id, const wchar_t* className, const wchar_t* text) {
    AlignToDword(out);
    Put(out, DLGITEMTEMPLATE{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id});
    PutText(out, className);
    PutText(out, text);
    Put<WORD>(out, 0); // no creation data
}

constexpr WORD kDialogTabs = 101;
constexpr WORD kDialogEdit = 102;
constexpr WORD kDialogCombo = 103;
constexpr WORD kDialogCheck = 104;
constexpr WORD kDialogRadio = 105;

void FillDialogTabs(HWND tabs) {
    int index = 0;
    for (const wchar_t* caption : {L"General", L"Advanced", L"About"}) {
        std::wstring text = caption;
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_INITDIALOG) {
        FillDialogTabs(GetDlgItem(dialog, kDialogTabs));
        CheckDlgButton(dialog, kDialogCheck, BST_CHECKED);
        const HWND combo = GetDlgItem(dialog, kDialogCombo);
        for (const wchar_t* item : {L"Shanghai", L"Shenzhen", L"Hong Kong"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

LRESULT CALLBACK MdiFrameProc(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam) {
    static HWND client = nullptr;
    switch (msg) {
    case WM_CREATE: {
        const bool maximized =
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams != nullptr;
        CLIENTCREATESTRUCT ccs{GetSubMenu(GetMenu(frame), 0), kMdiFirstChild};
        client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                 WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE,
                                 0, 0, 0, 0, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
        for (const wchar_t* title : {L"Child one", L"Child two"}) {
            MDICREATESTRUCTW mcs{L"GalleryMdiChild",
                                 title,
                                 GetModuleHandleW(nullptr),
                                 CW_USEDEFAULT,
                                 CW_USEDEFAULT,
                                 260,
                                 160,
                                 maximized ? static_cast<DWORD>(WS_MAXIMIZE) : 0,
                                 0};
            SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs));
        }
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(frame);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefFrameProcW(frame, client, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(child, msg, wParam, lParam);
}

void RegisterMdiClasses() {
    static bool done = false;
    if (done)
        return;
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = MdiFrameProc;
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frame.lpszClassName = L"GalleryMdiFrame";
    RegisterClassExW(&frame);
    WNDCLASSEXW child = frame;
    child.lpfnWndProc = MdiChildProc;
    child.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    child.lpszClassName = L"GalleryMdiChild";
    RegisterClassExW(&child);
    done = true;
}

} // namespace

void ShowSystemDialog(HWND owner) {
    std::vector<std::uint8_t> tpl;
    Put(tpl,
        DLGTEMPLATE{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 0,
                    7, 0, 0, 220, 150});
    Put<WORD>(tpl, 0); // no menu
    Put<WORD>(tpl, 0); // the system dialog class
    PutText(tpl, L"A system dialog");
    Put<WORD>(tpl, 9);
    PutText(tpl, L"MS Shell Dlg");
    PutNamedItem(tpl, WS_TABSTOP, 8, 8, 204, 84, kDialogTabs, WC_TABCONTROLW, L"");
    PutItem(tpl, SS_LEFT, 16, 30, 188, 30, 100, 0x0082,
            L"This window is of the system class #32770.");
    // The platform's own check box and radio button, whose glyphs the skin
    // replaces.
    PutItem(tpl, BS_AUTOCHECKBOX | WS_TABSTOP, 16, 64, 90, 12, kDialogCheck, 0x0080, L"Check box");
    PutItem(tpl, BS_AUTORADIOBUTTON | WS_TABSTOP, 110, 64, 90, 12, kDialogRadio, 0x0080,
            L"Radio button");
    // An edit and a drop-down combo box: the system classes the foreign
    // window rules skin.
    PutItem(tpl, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 98, 100, 13, kDialogEdit, 0x0081,
            L"600000");
    PutItem(tpl, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 114, 98, 98, 60, kDialogCombo, 0x0085,
            L"");
    PutItem(tpl, BS_DEFPUSHBUTTON | WS_TABSTOP, 85, 122, 50, 14, IDOK, 0x0080, L"OK");
    AlignToDword(tpl);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(tpl.data()), owner, DialogProc, 0);
}

HWND OpenMdiFrame(bool maximizedChildren) {
    RegisterMdiClasses();
    HMENU menu = CreateMenu();
    HMENU window = CreatePopupMenu();
    AppendMenuW(window, MF_STRING, IDCANCEL, L"&Close frame");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
    const HWND frame =
        CreateWindowExW(0, L"GalleryMdiFrame", L"MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        160, 120, 640, 420, nullptr, menu, GetModuleHandleW(nullptr),
                        maximizedChildren ? &maximizedChildren : nullptr);
    ShowWindow(frame, SW_SHOW);
    return frame;
}

int AddStandardControls(HWND parent, int top) {
    struct TItem {
        const wchar_t* Class;
        const wchar_t* Text;
        DWORD Style;
        int Width, Height;
    };
    static const TItem items[] = {
        {L"Button", L"Push button", BS_PUSHBUTTON | WS_TABSTOP, 120, 26},
        {L"Button", L"Check box", BS_AUTOCHECKBOX | WS_TABSTOP, 120, 22},
        {L"Button", L"Radio button", BS_AUTORADIOBUTTON | WS_TABSTOP, 120, 22},
        {L"Button", L"Group box", BS_GROUPBOX, 200, 50},
        {L"Edit", L"Edit", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 200, 24},
        {L"Edit", L"Memo\r\nwith lines", ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 200,
         60},
        {L"ComboBox", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 200, 120},
        {L"ListBox", L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 200, 60},
        {L"ScrollBar", L"", SBS_HORZ, 200, 18},
        {PROGRESS_CLASSW, L"", 0, 200, 18},
        {TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP, 200, 30},
        {L"Static", L"Static text", SS_LEFT, 200, 20},
    };
    int y = top;
    int column = 0;
    const int columnTop = top;
    for (const TItem& item : items) {
        // A group box paints only its frame and caption: what lies inside is
        // the parent's to paint.
        const DWORD exStyle =
            (item.Style & BS_GROUPBOX) == BS_GROUPBOX && item.Class == std::wstring(L"Button")
                ? WS_EX_TRANSPARENT
                : 0;
        const HWND control = CreateWindowExW(
            exStyle, item.Class, item.Text, WS_CHILD | WS_VISIBLE | item.Style, 12 + column * 230,
            y, item.Width, item.Height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (std::wcscmp(item.Class, L"ComboBox") == 0 || std::wcscmp(item.Class, L"ListBox") == 0) {
            const UINT add =
                std::wcscmp(item.Class, L"ComboBox") == 0 ? CB_ADDSTRING : LB_ADDSTRING;
            for (const wchar_t* line : {L"First", L"Second", L"Third"})
                SendMessageW(control, add, 0, reinterpret_cast<LPARAM>(line));
            SendMessageW(control, add == CB_ADDSTRING ? CB_SETCURSEL : LB_SETCURSEL, 0, 0);
        }
        if (std::wcscmp(item.Class, PROGRESS_CLASSW) == 0)
            SendMessageW(control, PBM_SETPOS, 60, 0);
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        y += (item.Class == std::wstring(L"ComboBox") ? 26 : item.Height) + 8;
        if (y > columnTop + 260 && column == 0) {
            column = 1;
            y = columnTop;
        }
    }
    // The up-down control takes the edit made just before it as its buddy.
    CreateWindowExW(0, L"Edit", L"5", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER, 242, y, 60, 24,
                    parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, UPDOWN_CLASSW, L"",
                    WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY, 0, 0,
                    0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, STATUSCLASSNAMEW, L"Status bar", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                    nullptr, GetModuleHandleW(nullptr), nullptr);
    return y - top;
}

} // namespace gallery
