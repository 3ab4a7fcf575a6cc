#pragma once

#include "BitBtn.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

// The stock picture of a standard bit button, drawn in code: a strip of two
// 16 x 16 frames, the picture and its disabled (embossed grey) look, on
// olive, which the bottom-left pixel makes transparent. Empty for bkCustom
// or a kind out of range. The caller owns the returned pixels.
Bitmap StockGlyph(TBitBtnKind kind);

} // namespace veyra
