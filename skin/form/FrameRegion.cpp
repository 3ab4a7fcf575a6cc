#include "FrameRegion.h"

#include <vector>

#include "skin/data/BorderPieces.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/BitmapRegion.h"
#include "skin/imaging/RegionWin32.h"

namespace veyra {

namespace {

// The opaque pixels of one border piece rendered for a w x h place, as
// rectangles at (x, y) of the window.
void AddBorderPieceShape(std::vector<Rect>& shape, Bitmap& piece, const TDataSkinBorder& border,
                         TBorderPiece kind, bool active, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    RenderBorderPiece(piece, border, kind, width, height, active);
    const std::vector<Rect> runs = RegionOfBitmap(piece, x, y, KeyTolerance{1, 1, 1});
    shape.insert(shape.end(), runs.begin(), runs.end());
}

} // namespace

RegionHandle BuildFrameRegion(const TSkinDefinition& skin, const TFrameMetrics& m, TBorderKind kind,
                              bool active, int w, int h, Bitmap& scratch) {
    const bool anyTransparent =
        skin.Left.Trans || skin.Right.Trans || skin.Top.Trans || skin.Bottom.Trans;
    if (!anyTransparent)
        return RegionHandle(CreateRectRgn(0, 0, w, h));
    std::vector<Rect> shape;
    shape.push_back(Rect{m.BorderLeft, m.TitleHeight, w - m.BorderRight, h - m.BorderBottom});
    if (kind != TBorderKind::NoCaption) {
        const int innerWidth = w - m.BorderLeft - m.BorderRight;
        if (skin.Left.Trans == 1 && h > 1)
            AddBorderPieceShape(shape, scratch, skin.Left, TBorderPiece::Left, active, 0, 0,
                                m.BorderLeft, h);
        else
            shape.push_back(Rect{0, 0, m.BorderLeft, h});
        if (skin.Right.Trans == 1 && h > 1)
            AddBorderPieceShape(shape, scratch, skin.Right, TBorderPiece::Right, active,
                                w - m.BorderRight, 0, m.BorderRight, h);
        else
            shape.push_back(Rect{w - m.BorderRight, 0, w, h});
        if (skin.Bottom.Trans == 1 && m.BorderBottom >= 2)
            AddBorderPieceShape(shape, scratch, skin.Bottom, TBorderPiece::Bottom, active,
                                m.BorderLeft, h - m.BorderBottom, innerWidth, m.BorderBottom);
        else
            shape.push_back(Rect{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h});
        if (skin.Top.Trans == 1 && m.TitleHeight > 1 && !skin.Top.Image.IsEmpty())
            AddBorderPieceShape(shape, scratch, skin.Top, TBorderPiece::Top, active, m.BorderLeft,
                                0, innerWidth, m.TitleHeight);
        else
            shape.push_back(Rect{m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight});
    }
    RegionHandle region = RegionFromRects(MergeRowRuns(shape));
    if (!region)
        region.Reset(CreateRectRgn(0, 0, 0, 0));
    return region;
}

} // namespace veyra
