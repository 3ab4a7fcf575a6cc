#include "SliceGeometry.h"

#include <algorithm>
#include <cstdint>

namespace veyra {
namespace {

// A margin as the pieces use it: none when negative, never more than the
// frame holds. Margins come straight from the skin file, which may say
// anything; once cut to the frame, every source coordinate lies inside it.
int MarginInFrame(int margin, int frameSize) {
    return std::clamp(margin, 0, std::max(frameSize, 0));
}

} // namespace

Rect FrameRect(int imageWidth, int imageHeight, int frameCount, int frameIndex,
               FrameLayout layout) {
    const std::int64_t n = frameCount < 1 ? 1 : frameCount;
    const std::int64_t k = frameIndex;
    if (layout == FrameLayout::Horizontal) {
        const std::int64_t w = imageWidth / n;
        return {SaturateToInt((k - 1) * w), 0, SaturateToInt(k * w), imageHeight};
    }
    const std::int64_t h = imageHeight / n;
    return {0, SaturateToInt((k - 1) * h), imageWidth, SaturateToInt(k * h)};
}

Margins EffectiveMargins(int width, int height, Margins m) {
    m = {std::max(m.Left, 0), std::max(m.Top, 0), std::max(m.Right, 0), std::max(m.Bottom, 0)};
    if (width < std::int64_t{m.Left} + m.Right)
        m.Left = m.Right = 0;
    if (height < std::int64_t{m.Top} + m.Bottom)
        m.Top = m.Bottom = 0;
    return m;
}

std::array<SlicePiece, 9> NineSlicePieces(const Rect& frame, int width, int height,
                                          Margins margins) {
    const int fw = std::max(frame.Width(), 0), fh = std::max(frame.Height(), 0);
    const Margins e = EffectiveMargins(width, height, margins);
    const int l = MarginInFrame(e.Left, fw), t = MarginInFrame(e.Top, fh);
    const int r = MarginInFrame(e.Right, fw), b = MarginInFrame(e.Bottom, fh);
    const int w = std::max(width, 0), h = std::max(height, 0);
    // Source column and row boundaries, all inside the frame, and the
    // matching destination ones, all inside the destination: the margins kept
    // fit it together, and cutting them to the frame only makes them smaller.
    const int sx = frame.Left, sy = frame.Top, sxEnd = sx + fw, syEnd = sy + fh;
    const int sx1 = sx + l, sx2 = sxEnd - r, sy1 = sy + t, sy2 = syEnd - b;
    const int dx1 = l, dx2 = w - r, dy1 = t, dy2 = h - b;
    std::array<SlicePiece, 9> pieces = {{
        {{sx, sy, sx1, sy1}, {0, 0, dx1, dy1}, l > 0 && t > 0},
        {{sx, sy2, sx1, syEnd}, {0, dy2, dx1, h}, l > 0 && b > 0},
        {{sx2, sy, sxEnd, sy1}, {dx2, 0, w, dy1}, r > 0 && t > 0},
        {{sx, sy1, sx1, sy2}, {0, dy1, dx1, dy2}, l > 0},
        {{sx1, sy, sx2, sy1}, {dx1, 0, dx2, dy1}, t > 0},
        {{sx1, sy1, sx2, sy2}, {dx1, dy1, dx2, dy2}, true},
        {{sx2, sy2, sxEnd, syEnd}, {dx2, dy2, w, h}, r > 0 && b > 0},
        {{sx2, sy1, sxEnd, sy2}, {dx2, dy1, w, dy2}, r > 0},
        {{sx1, sy2, sx2, syEnd}, {dx1, dy2, dx2, h}, b > 0},
    }};
    // A piece with nothing to take or nowhere to go is not drawn, so that a
    // reused target knows to clear the place it would have covered.
    for (SlicePiece& piece : pieces)
        piece.Drawn = piece.Drawn && !piece.Source.IsEmpty() && !piece.Dest.IsEmpty();
    return pieces;
}

ThreeSliceTiled ThreeSliceTiledPieces(const Rect& frame, int width, int height, Margins margins) {
    const int fw = std::max(frame.Width(), 0);
    const int l = MarginInFrame(margins.Left, fw), r = MarginInFrame(margins.Right, fw);
    const int w = std::max(width, 0);
    const int sx = frame.Left, sxEnd = sx + fw;
    const int middleWidth = fw - l - r;
    ThreeSliceTiled pieces;
    pieces.Left = {{sx, frame.Top, sx + l, frame.Bottom}, {0, 0, l, height}, l > 0};
    pieces.Right = {{sxEnd - r, frame.Top, sxEnd, frame.Bottom}, {w - r, 0, w, height}, r > 0};
    pieces.Middle = {{sx + l, frame.Top, sxEnd - r, frame.Bottom},
                     {l, 0, l + std::max(middleWidth, 0), height},
                     middleWidth >= 1};
    if (middleWidth >= 1) {
        pieces.MiddleStep = middleWidth;
        const std::int64_t span = std::int64_t{w} - r - l;
        pieces.MiddleRepeats =
            span > 0 ? static_cast<int>((span + middleWidth - 1) / middleWidth) : 0;
        pieces.Middle.Drawn = pieces.MiddleRepeats > 0;
    }
    return pieces;
}

std::array<SlicePiece, 3> ThreeSliceStretchedPieces(const Rect& frame, int width, int height,
                                                    Margins margins) {
    const int fw = std::max(frame.Width(), 0);
    if (width < fw)
        return {{{frame, {0, 0, width, height}, true}, {}, {}}};
    const int l = MarginInFrame(margins.Left, fw), r = MarginInFrame(margins.Right, fw);
    const int sx = frame.Left, sxEnd = sx + fw;
    return {{
        {{sx, frame.Top, sx + l, frame.Bottom}, {0, 0, l, height}, l > 0},
        {{sx + l, frame.Top, sxEnd - r, frame.Bottom}, {l, 0, width - r, height}, true},
        {{sxEnd - r, frame.Top, sxEnd, frame.Bottom}, {width - r, 0, width, height}, r > 0},
    }};
}

Rect CentredRect(const Rect& area, int frameWidth, int frameHeight) {
    const std::int64_t x = area.Left + (std::int64_t{area.Width()} - frameWidth) / 2;
    const std::int64_t y = area.Top + (std::int64_t{area.Height()} - frameHeight) / 2;
    return RectOfSize(SaturateToInt(x), SaturateToInt(y), frameWidth, frameHeight);
}

} // namespace veyra
