#pragma once

#include <cstdint>

// The states a window skinning object keeps of itself and of its window,
// with the numbers the engine has always used for them.
namespace veyra {

// Where the object is in its life.
enum class TLifeState : int {
    Created = 0,      // attached, waiting for its deferred initialisation
    Running = 1,      // painting and answering the non-client messages
    Reskinning = 3,   // taking a new skin
    InNcDestroy = 4,  // the window is being destroyed
    ApplyingSize = 5, // giving the window its skinned outer size
    Destroyed = 6,    // the window is gone; the object only waits to be freed
};

// Whether the object paints its frame in this state.
constexpr bool PaintsFrame(TLifeState state) {
    return state == TLifeState::Running || state == TLifeState::Reskinning;
}

// What kind of top-level window it is.
enum class TWindowKind : int { Ordinary = 0, MdiFrame = 1, MdiChild = 2 };

// The window's show state as the object tracks it.
enum class TWindowState : int { Normal = 0, Maximized = 1, Minimized = 2 };

// What the object remembers of the window's style at attach time, and what
// it changed.
enum TSavedStyle : std::uint32_t {
    ssHadMaximizeBox = 1,
    ssHadMinimizeBox = 2,
    ssHadSystemMenu = 8,
    ssCaptionRemoved = 16,
};

} // namespace veyra
