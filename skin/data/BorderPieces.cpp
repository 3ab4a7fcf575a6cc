#include "BorderPieces.h"

#include <algorithm>

#include "CaptionGeometry.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

Bitmap BuildBorderPiece(const TDataSkinObject& border, TBorderPiece piece, int width, int height,
                        bool active) {
    if (width < 0 || height < 0)
        return Bitmap();
    const bool stacked = piece == TBorderPiece::Top || piece == TBorderPiece::Bottom;
    return BuildSlicedFrame(Rect{0, 0, width, height}, border.Image, border.GetMargins(),
                            stacked ? FrameLayout::Vertical : FrameLayout::Horizontal,
                            border.Tile == 1 ? MiddleFill::Stretch : MiddleFill::Tile,
                            std::max(border.Frame, 1), BorderFrameIndex(border, active));
}

void RenderBorderPiece(Bitmap& target, const TDataSkinObject& border, TBorderPiece piece, int width,
                       int height, bool active) {
    if (target.IsView())
        target = Bitmap();
    target.SetSize(std::max(width, 0), std::max(height, 0));
    target.SetFormat(border.Image.Format());
    const bool stacked = piece == TBorderPiece::Top || piece == TBorderPiece::Bottom;
    RenderSlicedFrame(target, border.Image, border.GetMargins(),
                      stacked ? FrameLayout::Vertical : FrameLayout::Horizontal,
                      border.Tile == 1 ? MiddleFill::Stretch : MiddleFill::Tile,
                      std::max(border.Frame, 1), BorderFrameIndex(border, active));
}

} // namespace veyra
