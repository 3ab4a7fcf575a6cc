#pragma once

// In-place pixel operations the skin loader applies to images.

#include "Bitmap.h"

namespace veyra {

// Turns every pixel grey: red, green and blue become their average
// (truncated). The bitmap becomes 24-bit.
void Grey(Bitmap& bitmap);

// Gives every pixel of exactly the key colour (magenta) the colour c (system
// colour references resolved). The bitmap becomes 24-bit.
void ReplaceKeyColour(Bitmap& bitmap, Colour c);

// Mirrors left to right.
void Mirror(Bitmap& bitmap);

// Flips top to bottom.
void Flip(Bitmap& bitmap);

// Turns 90 degrees anticlockwise: W x H becomes H x W, (x, y) goes to
// (y, W - 1 - x). The result is 24-bit. Throws std::logic_error for a view,
// whose size cannot change.
void RotateLeft(Bitmap& bitmap);

// Turns 90 degrees clockwise: (x, y) goes to (H - 1 - y, x). The result is
// 24-bit. Throws std::logic_error for a view.
void RotateRight(Bitmap& bitmap);

} // namespace veyra
