#pragma once

#include "skin/imaging/Bitmap.h"

namespace veyra {

// The images the library carries itself. Each call builds a new bitmap that
// the caller owns.

// The horizontal track of a track bar, 16 x 4, for skins without "Track".
Bitmap BuiltinTrackImage();
// The vertical track, 4 x 16, for skins without "TRACKVERT".
Bitmap BuiltinTrackVertImage();
// The four 16 x 16 glyphs of the skinned system menu side by side (restore,
// maximise, minimise, close): black on white, white being the mask colour.
Bitmap BuiltinMenuGlyphs();

} // namespace veyra
