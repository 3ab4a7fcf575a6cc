#pragma once

// Owners of the window system's handles that are not GDI objects: hooks,
// icons, menus, image lists and thread timers. The image list needs the
// common controls' header and library; the others only user32.

#include <windows.h>

#include <commctrl.h>

#include "UniqueHandle.h"

namespace veyra {

struct HookDeleter {
    static constexpr HHOOK Null = nullptr;
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
// Owns a hook from SetWindowsHookExW and removes it.
using HookHandle = UniqueHandle<HHOOK, HookDeleter>;

struct IconDeleter {
    static constexpr HICON Null = nullptr;
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
// Owns an icon that was created or extracted (never a shared one from
// LoadIcon or WM_GETICON) and destroys it.
using IconHandle = UniqueHandle<HICON, IconDeleter>;

struct MenuDeleter {
    static constexpr HMENU Null = nullptr;
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// Owns a menu and destroys it with its submenus; Release a submenu once its
// parent menu holds it.
using MenuHandle = UniqueHandle<HMENU, MenuDeleter>;

struct ImageListDeleter {
    static constexpr HIMAGELIST Null = nullptr;
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
// Owns an image list and destroys it.
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListDeleter>;

struct ThreadTimerDeleter {
    static constexpr UINT_PTR Null = 0;
    void operator()(UINT_PTR id) const { KillTimer(nullptr, id); }
};
// Owns a thread timer (SetTimer with no window; the id is the handle) and
// kills it. Restarting with the same id keeps it:
// timer.Reset(SetTimer(nullptr, timer.Get(), ms, proc)).
using ThreadTimerHandle = UniqueHandle<UINT_PTR, ThreadTimerDeleter>;

} // namespace veyra
