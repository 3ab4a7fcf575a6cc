#pragma once

// Where the pieces of a sliced skin image come from and where they go: pure
// arithmetic shared by the painting code and the hit tests.

#include <array>

#include "Rect.h"

namespace veyra {

// How the frames of a skin image are laid out: side by side or stacked.
enum class FrameLayout { Horizontal, Vertical };

// Frame frameIndex (numbered from 1) of an image holding frameCount frames of
// equal size. Frame counts below 1 count as 1.
//
//   Horizontal:  | 1 | 2 | 3 |      Vertical:  +---+
//                                              | 1 |
//                                              | 2 |
//                                              +---+
Rect FrameRect(int imageWidth, int imageHeight, int frameCount, int frameIndex, FrameLayout layout);

// The nine pieces, in the order they are drawn. The pieces drawn after the
// middle cover whatever a tiled middle spills over its right and bottom.
//
//   +----+-----------+----+
//   | TL |   Top     | TR |
//   +----+-----------+----+
//   |Left|  Middle   |Right
//   +----+-----------+----+
//   | BL |  Bottom   | BR |
//   +----+-----------+----+
enum class NinePiece {
    TopLeft,
    BottomLeft,
    TopRight,
    Left,
    Top,
    Middle,
    BottomRight,
    Right,
    Bottom
};

// One piece of a sliced drawing: Source (in image pixels) is stretched or
// tiled onto Dest (relative to the destination's top-left corner). A piece
// with Drawn false is skipped.
struct SlicePiece {
    Rect Source;
    Rect Dest;
    bool Drawn = false;
};

// The nine pieces of frame (in image pixels) drawn into a width x height
// destination. A destination narrower than the left and right margins
// together drops both of them, and likewise for the height. Margins are what
// a skin file says, so any int is taken: a negative margin counts as 0 and a
// margin larger than the frame is cut to it, so that no piece reads outside
// the frame or lands outside the destination.
std::array<SlicePiece, 9> NineSlicePieces(const Rect& frame, int width, int height,
                                          Margins margins);

// The margins a width x height destination keeps (before they are cut to the
// frame): negative ones count as 0, and a pair that does not fit is dropped.
Margins EffectiveMargins(int width, int height, Margins margins);

// The three strips of a horizontal three-slice drawing: left, middle, right.
enum class ThreePiece { Left, Middle, Right };

// Three-slice with a tiled middle (margins, as for the nine pieces, count as
// 0 when negative and are cut to the frame): the left and right margins'
// columns keep their width, the middle piece is repeated from x = left margin while
// x < width - right margin (MiddleRepeats times, each MiddleStep wide); every
// piece is stretched to the full height.
struct ThreeSliceTiled {
    SlicePiece Left;
    SlicePiece Middle; // the first copy; later copies are moved by MiddleStep
    SlicePiece Right;
    int MiddleRepeats = 0;
    int MiddleStep = 0;
};
ThreeSliceTiled ThreeSliceTiledPieces(const Rect& frame, int width, int height, Margins margins);

// Three-slice with a stretched middle. A destination narrower than the frame
// gets the whole frame stretched (Left alone is drawn).
std::array<SlicePiece, 3> ThreeSliceStretchedPieces(const Rect& frame, int width, int height,
                                                    Margins margins);

// Where a frame of frameWidth x frameHeight sits, unscaled, centred in area;
// the halves truncate toward zero and the coordinates saturate at int's limits.
Rect CentredRect(const Rect& area, int frameWidth, int frameHeight);

} // namespace veyra
