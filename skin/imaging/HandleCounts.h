#pragma once

// Live counts of the handles the program owns, one per kind, kept by the
// handle owners and scopes in builds made with VEYRA_COUNT_HANDLES (the soak
// build). The platform cannot tell us (Wine's GetGuiResources answers 0), so
// the owners count what they take and give back. In every other build the
// counting calls are empty and compile away.

namespace veyra {

// What is counted. GdiObject is a GDI object of any other type.
enum class THandleKind : int {
    Bitmap,
    Region,
    Font,
    Brush,
    Pen,
    GdiObject,
    MemoryDc,
    WindowDc,
    PaintDc,
    SelectedObject,
    SavedDc,
    Icon,
    Menu,
    ImageList,
    Hook,
    Timer,
    Subclass,
    WindowProperty,
    File,
    Count
};
inline constexpr int kHandleKindCount = static_cast<int>(THandleKind::Count);

#ifdef VEYRA_COUNT_HANDLES
inline constexpr bool kCountingHandles = true;
#else
inline constexpr bool kCountingHandles = false;
#endif

// The kind's name as reports print it ("bitmaps", "subclass entries" ...).
const char* HandleKindName(THandleKind kind);
// How many handles of kind are live now; always 0 in a build that does not count.
long LiveHandles(THandleKind kind);
// Adds delta to the live count of kind; called through CountHandles.
void AddLiveHandles(THandleKind kind, int delta) noexcept;

// Counts delta handles of kind taken (positive) or given back (negative), in
// a counting build; nothing in any other.
inline void CountHandles(THandleKind kind, int delta) noexcept {
    if constexpr (kCountingHandles)
        AddLiveHandles(kind, delta);
}

} // namespace veyra
