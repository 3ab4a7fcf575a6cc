#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "skin/form/FormStates.h"

namespace veyra {

class TComponent;
class TPopupMenu;

// The items of the fixed system menu; the numbers are their glyphs.
enum class TSystemMenuCommand : int { Restore = 0, Maximize = 1, Minimize = 2, Close = 3 };

// What the skinned copy of a window's system menu is built from.
struct TSystemMenuSource {
    HWND Window = nullptr;
    // The platform's system menu of the window (null: the window has none).
    HMENU PlatformMenu = nullptr;
    // The SavedStyleBits of the window's skinning object.
    std::uint32_t SavedStyle = 0;
    TWindowState State = TWindowState::Normal;
    // The window has a sizing border (WS_THICKFRAME).
    bool Sizeable = false;
    // The four glyphs: restore, maximise, minimise, close.
    HIMAGELIST Glyphs = nullptr;
    // Carries out a command of the fixed menu of platforms whose system menu
    // cannot be read.
    std::function<void(TSystemMenuCommand command)> Command;
};

// The skinned copy of a window's system menu: an owner-drawn popup menu of
// the framework, built from the platform's menu each time it opens, with the
// glyphs of the skin component, tagged 33333. Its items post WM_SYSCOMMAND,
// so that the platform does the work; Size and Move keep the platform's
// greyed state and are greyed while maximized.
class TSkinSystemMenu {
public:
    static constexpr std::int64_t kTag = 33333;

    // owner: the component that owns the popup menu objects.
    explicit TSkinSystemMenu(TComponent* owner) : Owner_(owner) {}
    TSkinSystemMenu(const TSkinSystemMenu&) = delete;
    TSkinSystemMenu& operator=(const TSkinSystemMenu&) = delete;
    ~TSkinSystemMenu() { Free(); }

    // Builds the menu anew from source (freeing the previous one) and
    // returns it; the object keeps ownership.
    TPopupMenu* Build(const TSystemMenuSource& source);
    // The menu last built, or null.
    TPopupMenu* Menu() const { return Menu_; }
    void Free();

private:
    void AddFixedItems(const TSystemMenuSource& source);
    void AddPlatformItems(const TSystemMenuSource& source);

    TComponent* Owner_;
    TPopupMenu* Menu_ = nullptr;
};

} // namespace veyra
