#pragma once

// Moving pixels between bitmaps: plain, stretched, tiled and with the key
// colour transparent. Everything is clipped to the target bitmap; source
// pixels outside the source bitmap are not drawn.

#include "Bitmap.h"

namespace veyra {

// Whether pixels of the key colour (magenta) are skipped.
enum class Transparency { Opaque, KeyColour };

// Stretches sourceRect of source onto dest of target, nearest pixel (plain
// dropping or repeating, no smoothing). Empty or inverted rectangles draw
// nothing.
void StretchDraw(Bitmap& target, const Rect& dest, const Bitmap& source, const Rect& sourceRect,
                 Transparency transparency = Transparency::Opaque);

// Copies source unscaled with its top-left corner at (x, y).
void DrawBitmap(Bitmap& target, int x, int y, const Bitmap& source,
                Transparency transparency = Transparency::Opaque);

// Copies the top-left rect-sized part of source to rect, keeping the target's
// pixels wherever the source pixel is key.
void DrawTransparent(Bitmap& target, const Rect& rect, const Bitmap& source,
                     Colour key = kKeyColour);

// Repeats the source piece of image over rect, starting at its top-left
// corner. The last pieces are not cut at the rectangle's right and bottom
// (only at the target's edges). A source piece reaching outside the image is
// cut to the image first; an empty piece draws nothing.
void Tile(Bitmap& target, const Rect& rect, const Bitmap& image, const Rect& source);

} // namespace veyra
