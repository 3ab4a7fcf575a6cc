#pragma once

// The opaque shape of a bitmap as a list of rectangles, for shaped windows.

#include <vector>

#include "Bitmap.h"

namespace veyra {

// How far above the key colour, per channel, a pixel still counts as
// transparent.
struct KeyTolerance {
    int Blue = 0;
    int Green = 0;
    int Red = 0;
};

// One rectangle, one pixel high, per run of non-transparent pixels of each
// row, moved by (xOffset, yOffset); rows top to bottom, runs left to right.
// A pixel is transparent when each channel lies between the key's value and
// that value plus its tolerance (capped at 255). Empty for a fully
// transparent bitmap.
std::vector<Rect> RegionOfBitmap(const Bitmap& bitmap, int xOffset, int yOffset, KeyTolerance tolerance,
                                 Colour key = kKeyColour);

} // namespace veyra
