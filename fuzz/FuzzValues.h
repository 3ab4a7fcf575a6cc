#pragma once

// Numbers for the layout targets, drawn from the fuzzer's bytes. A value a
// skin gives (a margin, a frame count, an offset) can be any 32-bit integer:
// the INI reader hands over whatever the file says. A value the platform
// gives (a window's size, a rectangle a control reports, a cursor position)
// stays within the coordinate space of the platform's drawing calls, 2^27
// either way: no window or control gets larger than that.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <limits>

#include "skin/imaging/Rect.h"

namespace veyra::fuzz {

inline constexpr int kPlatformLimit = 1 << 27;

// Stops the run so that the fuzzer keeps the input; used for a broken promise
// of the function under test.
[[noreturn]] inline void Broken() {
    __builtin_trap();
}

inline void Expect(bool promise) {
    if (!promise)
        Broken();
}

inline int SkinInt(FuzzedDataProvider& in) {
    return in.ConsumeIntegral<std::int32_t>();
}

inline int PlatformInt(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange<int>(-kPlatformLimit, kPlatformLimit);
}

inline int PlatformSize(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange<int>(0, kPlatformLimit);
}

// A side of an image: the BMP reader keeps images within Bitmap::kMaxPixels,
// so no side is longer than that.
inline int ImageSide(FuzzedDataProvider& in) {
    return in.ConsumeIntegralInRange<int>(0, 1 << 26);
}

inline Rect PlatformRect(FuzzedDataProvider& in) {
    const int left = PlatformInt(in);
    const int top = PlatformInt(in);
    return {left, top, PlatformInt(in), PlatformInt(in)};
}

inline Margins SkinMargins(FuzzedDataProvider& in) {
    const int left = SkinInt(in);
    const int top = SkinInt(in);
    return {left, top, SkinInt(in), SkinInt(in)};
}

inline bool Inside(const Rect& inner, const Rect& outer) {
    return inner.IsEmpty() || (inner.Left >= outer.Left && inner.Top >= outer.Top &&
                               inner.Right <= outer.Right && inner.Bottom <= outer.Bottom);
}

} // namespace veyra::fuzz
