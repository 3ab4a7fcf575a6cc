#include "BorderPieces.h"

#include <algorithm>

#include "CaptionGeometry.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

Bitmap BuildBorderPiece(const TDataSkinObject& border, TBorderPiece piece, int width, int height, bool active) {
    if (width < 0 || height < 0)
        return Bitmap();
    const bool stacked = piece == TBorderPiece::Top || piece == TBorderPiece::Bottom;
    return BuildSlicedFrame(Rect{0, 0, width, height}, border.Image, border.GetMargins(),
                            stacked ? FrameLayout::Vertical : FrameLayout::Horizontal,
                            border.Tile == 1 ? MiddleFill::Stretch : MiddleFill::Tile, std::max(border.Frame, 1),
                            BorderFrameIndex(border, active));
}

} // namespace veyra
