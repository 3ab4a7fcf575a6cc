#include "SlicedDrawing.h"

#include <algorithm>

namespace veyra {
namespace {

Rect FrameOf(const Bitmap& image, int frameCount, int frameIndex, FrameLayout layout) {
    return FrameRect(image.Width(), image.Height(), frameCount, frameIndex, layout);
}

// Inverted rectangles reach here from layout arithmetic on small windows.
bool IsNegative(const Rect& rect) {
    return rect.Width() < 0 || rect.Height() < 0;
}

void PutComposed(Bitmap& target, const Rect& rect, const Bitmap& composed,
                 Transparency transparency) {
    if (transparency == Transparency::KeyColour)
        DrawTransparent(target, rect, composed, kKeyColour);
    else
        DrawBitmap(target, rect.Left, rect.Top, composed);
}

} // namespace

Bitmap BuildSlicedFrame(const Rect& size, const Bitmap& image, Margins margins, FrameLayout layout,
                        MiddleFill middle, int frameCount, int frameIndex) {
    Bitmap result(std::max(size.Width(), 0), std::max(size.Height(), 0), image.Format());
    RenderSlicedFrame(result, image, margins, layout, middle, frameCount, frameIndex);
    return result;
}

void RenderSlicedFrame(Bitmap& result, const Bitmap& image, Margins margins, FrameLayout layout,
                       MiddleFill middle, int frameCount, int frameIndex) {
    RenderSlicedFramePart(result, result.Width(), result.Height(), 0, 0, image, margins, layout,
                          middle, frameCount, frameIndex);
}

void RenderSlicedFramePart(Bitmap& result, int frameWidth, int frameHeight, int left, int top,
                           const Bitmap& image, Margins margins, FrameLayout layout,
                           MiddleFill middle, int frameCount, int frameIndex) {
    if (result.IsEmpty())
        return;
    const Rect frame = FrameOf(image, frameCount, frameIndex, layout);
    const auto pieces = NineSlicePieces(frame, frameWidth, frameHeight, margins);
    // Pieces dropped for a target smaller than its margins leave their place
    // empty, as in a new bitmap.
    if (std::any_of(pieces.begin(), pieces.end(), [](const SlicePiece& p) { return !p.Drawn; }))
        result.Fill(0);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const SlicePiece& piece = pieces[i];
        if (!piece.Drawn)
            continue;
        // The drawing calls sample from the piece's own origin and clip to
        // the target, so a moved piece gives the same pixels as the whole.
        const Rect dest = piece.Dest.Offset(-left, -top);
        if (static_cast<NinePiece>(i) == NinePiece::Middle && middle == MiddleFill::Tile)
            Tile(result, dest, image, piece.Source);
        else
            StretchDraw(result, dest, image, piece.Source);
    }
}

void DrawSlicedFrame(Bitmap& target, const Rect& rect, const Bitmap& image, FrameLayout layout,
                     MiddleFill middle, Transparency transparency, int frameCount, int frameIndex,
                     Margins margins) {
    if (IsNegative(rect))
        return;
    const Bitmap composed =
        BuildSlicedFrame(rect, image, margins, layout, middle, frameCount, frameIndex);
    PutComposed(target, rect, composed, transparency);
}

void DrawThreeSliceTiled(Bitmap& target, const Rect& rect, const Bitmap& image, FrameLayout layout,
                         Transparency transparency, int frameCount, int frameIndex,
                         Margins margins) {
    if (rect.IsEmpty())
        return;
    const Rect frame = FrameOf(image, frameCount, frameIndex, layout);
    const ThreeSliceTiled pieces =
        ThreeSliceTiledPieces(frame, rect.Width(), rect.Height(), margins);
    Bitmap composed(rect.Width(), rect.Height(), image.Format());
    if (pieces.Left.Drawn)
        StretchDraw(composed, pieces.Left.Dest, image, pieces.Left.Source);
    for (int i = 0; pieces.Middle.Drawn && i < pieces.MiddleRepeats; ++i)
        StretchDraw(composed, pieces.Middle.Dest.Offset(i * pieces.MiddleStep, 0), image,
                    pieces.Middle.Source);
    if (pieces.Right.Drawn)
        StretchDraw(composed, pieces.Right.Dest, image, pieces.Right.Source);
    PutComposed(target, rect, composed, transparency);
}

void DrawThreeSliceStretched(Bitmap& target, const Rect& rect, const Bitmap& image,
                             FrameLayout layout, int frameCount, int frameIndex, Margins margins) {
    if (rect.IsEmpty())
        return;
    const Rect frame = FrameOf(image, frameCount, frameIndex, layout);
    Bitmap composed(rect.Width(), rect.Height(), image.Format());
    for (const SlicePiece& piece :
         ThreeSliceStretchedPieces(frame, rect.Width(), rect.Height(), margins))
        if (piece.Drawn)
            StretchDraw(composed, piece.Dest, image, piece.Source);
    PutComposed(target, rect, composed, Transparency::Opaque);
}

void DrawFrameStretched(Bitmap& target, const Rect& rect, const Bitmap& image,
                        Transparency transparency, int frameCount, int frameIndex) {
    StretchDraw(target, rect, image,
                FrameOf(image, frameCount, frameIndex, FrameLayout::Horizontal), transparency);
}

void DrawFrameCentred(Bitmap& target, const Rect& rect, const Bitmap& image,
                      Transparency transparency, int frameCount, int frameIndex) {
    if (IsNegative(rect))
        return;
    const Rect frame = FrameOf(image, frameCount, frameIndex, FrameLayout::Horizontal);
    StretchDraw(target, CentredRect(rect, frame.Width(), frame.Height()), image, frame,
                transparency);
}

} // namespace veyra
