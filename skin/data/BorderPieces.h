#pragma once

#include "DataSkinObject.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

// Which border of the window frame a piece is.
enum class TBorderPiece { Left = 1, Right = 2, Top = 3, Bottom = 4 };

// One border of the frame, width x height, as the window shows it: frame 1
// when active (or when the border has one frame), else 2; the top and bottom
// borders hold their frames stacked; the middle stretched when the border's
// Tile (its "Stretch" key) is 1, else tiled. A negative size gives an empty
// bitmap. The caller owns the result.
Bitmap BuildBorderPiece(const TDataSkinObject& border, TBorderPiece piece, int width, int height,
                        bool active);

// The same piece rendered into target, which takes its size and keeps its
// storage where it can (a negative size empties it).
void RenderBorderPiece(Bitmap& target, const TDataSkinObject& border, TBorderPiece piece, int width,
                       int height, bool active);

} // namespace veyra
