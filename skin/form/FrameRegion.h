#pragma once

#include <windows.h>

#include "skin/data/CaptionGeometry.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

class TSkinDefinition;

// The shape of a skinned window of size width x height: the client area, and
// of each border the opaque pixels of its piece where the skin makes that
// border transparent (Trans 1), else the whole border. A window without a
// caption keeps only its client rectangle. scratch is a buffer the caller
// keeps between calls. The caller owns the region returned.
RegionHandle BuildFrameRegion(const TSkinDefinition& skin, const TFrameMetrics& metrics,
                              TBorderKind kind, bool active, int width, int height,
                              Bitmap& scratch);

} // namespace veyra
