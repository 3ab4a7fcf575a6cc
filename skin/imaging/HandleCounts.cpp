#include "HandleCounts.h"

#include <array>
#include <atomic>

namespace veyra {
namespace {

constexpr std::array<const char*, kHandleKindCount> kNames = {"bitmaps",
                                                              "regions",
                                                              "fonts",
                                                              "brushes",
                                                              "pens",
                                                              "other GDI",
                                                              "memory DCs",
                                                              "window DCs",
                                                              "paint DCs",
                                                              "selected objects",
                                                              "saved DC states",
                                                              "icons",
                                                              "menus",
                                                              "image lists",
                                                              "hooks",
                                                              "timers",
                                                              "subclass entries",
                                                              "window properties",
                                                              "files"};

// Hooks and timer callbacks run on the user-interface thread, but nothing
// here may assume it.
std::array<std::atomic<long>, kHandleKindCount> gLive{};

bool Known(THandleKind kind) {
    return static_cast<int>(kind) >= 0 && static_cast<int>(kind) < kHandleKindCount;
}

} // namespace

const char* HandleKindName(THandleKind kind) {
    return Known(kind) ? kNames[static_cast<int>(kind)] : "unknown";
}

long LiveHandles(THandleKind kind) {
    return Known(kind) ? gLive[static_cast<int>(kind)].load(std::memory_order_relaxed) : 0;
}

void AddLiveHandles(THandleKind kind, int delta) noexcept {
    if (Known(kind))
        gLive[static_cast<int>(kind)].fetch_add(delta, std::memory_order_relaxed);
}

} // namespace veyra
