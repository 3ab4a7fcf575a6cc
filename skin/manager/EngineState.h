#pragma once

#include <windows.h>

// The little state the skin manager shares with the window skinning objects.
// The manager owns it and hands it to every object it makes, so an object
// reads and sets these flags without reaching into the manager.
namespace veyra {

// Which kind of popup menu opens next, and so which switch of SkinControls
// decides whether it is skinned.
enum class TPopupMode : int { Context = 0, MenuBar = 1, SystemMenu = 2 };

struct TEngineState {
    // A window skinning object has attached.
    bool SkinningStarted = false;
    // Hide a window from its attach until its deferred initialisation, so the
    // platform's frame never flashes.
    bool HideWhileSkinning = false;
    // The MDI children are shown maximized: their captions are the platform's.
    bool MaximizedMdiChildMode = false;
    // The MDI client of the main MDI frame.
    HWND MdiClientHandle = nullptr;
    TPopupMode PopupMode = TPopupMode::Context;
};

} // namespace veyra
