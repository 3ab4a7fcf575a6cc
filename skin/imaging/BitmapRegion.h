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
std::vector<Rect> RegionOfBitmap(const Bitmap& bitmap, int xOffset, int yOffset,
                                 KeyTolerance tolerance, Colour key = kKeyColour);

// The same pixels in fewer rectangles: a rectangle that continues one of the
// same left and right edges ending just above it is merged into that one.
// A window border, whose rows are mostly alike, shrinks from one rectangle
// per row to a few, which the window system shapes far faster.
std::vector<Rect> MergeRowRuns(const std::vector<Rect>& rects);

} // namespace veyra
