#pragma once

#include <windows.h>

#include <span>

#include "GdiHandlesWin32.h"
#include "Rect.h"

namespace veyra {

// The union of rects as a GDI region (empty rectangles ignored); an empty
// handle when there is nothing. Rectangles are handed to GDI in blocks of
// 2000. The caller owns the region. Throws std::runtime_error when GDI
// cannot build it.
RegionHandle RegionFromRects(std::span<const Rect> rects);

} // namespace veyra
