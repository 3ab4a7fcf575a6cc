#pragma once

#include <windows.h>

namespace veyra {

// The framework's own control messages. Skinning code listens for them on
// framework controls, so their numbers are fixed.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
// Performed on a windowed control as it gets (CM_ENTER) and loses
// (CM_EXIT) the keyboard focus.
inline constexpr UINT CM_ENTER = CM_BASE + 0x1A;
inline constexpr UINT CM_EXIT = CM_BASE + 0x1B;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
// A form's menu changed: wParam 0 once the window shows the new platform
// menu; kMenuItemsChanged (posted) when the menu's items changed and the
// window has yet to be given the new menu.
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
inline constexpr WPARAM kMenuItemsChanged = 1;
inline constexpr UINT CM_RELEASE = CM_BASE + 0x21;
// Performed by TWinControl::RecreateWnd: the default handling destroys the
// window and makes a new one. A hook in front of WindowProc sees the old
// window before it passes the message on and the new one after.
inline constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;

// Notifications and commands that a parent reflects back to the control that
// sent them: CN_BASE plus the platform message number.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

// One message on its way through a control's WindowProc; handlers set Result.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

} // namespace veyra
