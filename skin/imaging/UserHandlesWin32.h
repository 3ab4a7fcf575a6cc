#pragma once

// Owners of the window system's handles that are not GDI objects: hooks,
// icons, menus, image lists, thread timers and window timers. The image list needs the
// common controls' header and library; the others only user32.

#include <windows.h>

#include <commctrl.h>

#include "HandleCounts.h"
#include "UniqueHandle.h"

namespace veyra {

struct HookDeleter {
    static constexpr HHOOK Null = nullptr;
    static constexpr THandleKind Kind = THandleKind::Hook;
    void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
// Owns a hook from SetWindowsHookExW and removes it.
using HookHandle = UniqueHandle<HHOOK, HookDeleter>;

struct IconDeleter {
    static constexpr HICON Null = nullptr;
    static constexpr THandleKind Kind = THandleKind::Icon;
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
// Owns an icon that was created or extracted (never a shared one from
// LoadIcon or WM_GETICON) and destroys it.
using IconHandle = UniqueHandle<HICON, IconDeleter>;

struct MenuDeleter {
    static constexpr HMENU Null = nullptr;
    static constexpr THandleKind Kind = THandleKind::Menu;
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// Owns a menu and destroys it with its submenus; Release a submenu once its
// parent menu holds it.
using MenuHandle = UniqueHandle<HMENU, MenuDeleter>;

struct ImageListDeleter {
    static constexpr HIMAGELIST Null = nullptr;
    static constexpr THandleKind Kind = THandleKind::ImageList;
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
// Owns an image list and destroys it.
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListDeleter>;

struct ThreadTimerDeleter {
    static constexpr UINT_PTR Null = 0;
    static constexpr THandleKind Kind = THandleKind::Timer;
    void operator()(UINT_PTR id) const { KillTimer(nullptr, id); }
};
// Owns a thread timer (SetTimer with no window; the id is the handle) and
// kills it. Restarting with the same id keeps it:
// timer.Reset(SetTimer(nullptr, timer.Get(), ms, proc)).
using ThreadTimerHandle = UniqueHandle<UINT_PTR, ThreadTimerDeleter>;

// A timer of one window under an id of the caller's choosing (SetTimer with a
// window), killed by Stop or when the owner goes. Starting it while it runs
// restarts it under the same id.
class WindowTimer {
public:
    WindowTimer() = default;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() { Stop(); }

    // Sends window WM_TIMER with id every ms milliseconds; false when the
    // platform refuses (the timer is then not running).
    bool Start(HWND window, UINT_PTR id, UINT ms) {
        if (Running() && (window != Window_ || id != Id_))
            Stop();
        if (!SetTimer(window, id, ms, nullptr))
            return false;
        if (!Running())
            CountHandles(THandleKind::Timer, 1);
        Window_ = window;
        Id_ = id;
        return true;
    }
    // Kills the timer; a window already destroyed took its timers with it.
    void Stop() {
        if (!Running())
            return;
        KillTimer(Window_, Id_);
        CountHandles(THandleKind::Timer, -1);
        Window_ = nullptr;
        Id_ = 0;
    }
    bool Running() const { return Window_ != nullptr; }

private:
    HWND Window_ = nullptr;
    UINT_PTR Id_ = 0;
};

} // namespace veyra
