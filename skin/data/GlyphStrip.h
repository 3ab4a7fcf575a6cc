#pragma once

#include <cstdint>
#include <vector>

#include "skin/imaging/Bitmap.h"

// Glyph strips for check boxes and radio buttons of other component families
// that take a custom glyph bitmap instead of being painted: cells of one
// frame's size side by side, each a copy of a frame of the skin's check or
// radio image. The strip a family reads:
//
//   CheckNine  (9 cells):  0,3 <- 1   1,4 <- 2   6 <- 3   7 <- 4   2,5,8 <- 5
//   Radio      (6 cells):  0,2 <- 1   1,3 <- 2   4 <- 3   5 <- 4
//   CheckSix   (6 cells):  0,3 <- 1   1,4 <- 2              2,5   <- 5
//
// (frame numbers from 1). The cells taken from frame 5 are filled only from
// an image of exactly 5 frames; a cell no frame reaches stays the key colour
// (magenta), which the family draws transparent.
namespace veyra {

enum class TGlyphStripKind : std::uint8_t { CheckNine = 1, Radio = 2, CheckSix = 3 };

// One cell of a strip and the frame (from 1) copied into it.
struct TGlyphCell {
    int Cell = 0;
    int Frame = 0;
    constexpr bool operator==(const TGlyphCell&) const = default;
};

// The number of cells of a kind of strip.
int GlyphStripCellCount(TGlyphStripKind kind);

// Which frames go into which cells, for an image of frameCount frames.
std::vector<TGlyphCell> GlyphStripCells(TGlyphStripKind kind, int frameCount);

// The strip cut from image (frameCount frames side by side). Empty when the
// image is empty, the frame count is below 1 or a frame would be narrower
// than a pixel. The caller owns the result.
Bitmap BuildGlyphStrip(const Bitmap& image, int frameCount, TGlyphStripKind kind);

} // namespace veyra
