#include "SliceGeometry.h"

namespace veyra {

Rect FrameRect(int imageWidth, int imageHeight, int frameCount, int frameIndex, FrameLayout layout) {
    const int n = frameCount < 1 ? 1 : frameCount;
    if (layout == FrameLayout::Horizontal) {
        const int w = imageWidth / n;
        return {(frameIndex - 1) * w, 0, frameIndex * w, imageHeight};
    }
    const int h = imageHeight / n;
    return {0, (frameIndex - 1) * h, imageWidth, frameIndex * h};
}

Margins EffectiveMargins(int width, int height, Margins m) {
    if (width < m.Left + m.Right)
        m.Left = m.Right = 0;
    if (height < m.Top + m.Bottom)
        m.Top = m.Bottom = 0;
    return m;
}

std::array<SlicePiece, 9> NineSlicePieces(const Rect& frame, int width, int height, Margins margins) {
    const auto [l, t, r, b] = EffectiveMargins(width, height, margins);
    const int sx = frame.Left, sy = frame.Top;
    const int fw = frame.Width(), fh = frame.Height();
    const int w = width, h = height;
    // Source column and row boundaries, and the matching destination ones.
    const int sx1 = sx + l, sx2 = sx + fw - r, sy1 = sy + t, sy2 = sy + fh - b;
    const int dx1 = l, dx2 = w - r, dy1 = t, dy2 = h - b;
    return {{
        {{sx, sy, sx1, sy1}, {0, 0, dx1, dy1}, l * t > 0},
        {{sx, sy2, sx1, sy + fh}, {0, dy2, dx1, h}, l * b > 0},
        {{sx2, sy, sx + fw, sy1}, {dx2, 0, w, dy1}, r * t > 0},
        {{sx, sy1, sx1, sy2}, {0, dy1, dx1, dy2}, l > 0},
        {{sx1, sy, sx2, sy1}, {dx1, 0, dx2, dy1}, t > 0},
        {{sx1, sy1, sx2, sy2}, {dx1, dy1, dx2, dy2}, true},
        {{sx2, sy2, sx + fw, sy + fh}, {dx2, dy2, w, h}, r * b > 0},
        {{sx2, sy1, sx + fw, sy2}, {dx2, dy1, w, dy2}, r > 0},
        {{sx1, sy2, sx2, sy + fh}, {dx1, dy2, dx2, h}, b > 0},
    }};
}

ThreeSliceTiled ThreeSliceTiledPieces(const Rect& frame, int width, int height, Margins margins) {
    const int l = margins.Left, r = margins.Right;
    const int sx = frame.Left, fw = frame.Width();
    const int middleWidth = fw - l - r;
    ThreeSliceTiled pieces;
    pieces.Left = {{sx, frame.Top, sx + l, frame.Bottom}, {0, 0, l, height}, l > 0};
    pieces.Right = {{sx + fw - r, frame.Top, sx + fw, frame.Bottom}, {width - r, 0, width, height}, r > 0};
    pieces.Middle = {{sx + l, frame.Top, sx + fw - r, frame.Bottom}, {l, 0, l + middleWidth, height},
                     middleWidth >= 1};
    if (middleWidth >= 1) {
        pieces.MiddleStep = middleWidth;
        const int span = width - r - l;
        pieces.MiddleRepeats = span > 0 ? (span + middleWidth - 1) / middleWidth : 0;
        pieces.Middle.Drawn = pieces.MiddleRepeats > 0;
    }
    return pieces;
}

std::array<SlicePiece, 3> ThreeSliceStretchedPieces(const Rect& frame, int width, int height,
                                                    Margins margins) {
    const int fw = frame.Width();
    if (width < fw)
        return {{{frame, {0, 0, width, height}, true}, {}, {}}};
    const int l = margins.Left, r = margins.Right;
    const int sx = frame.Left;
    return {{
        {{sx, frame.Top, sx + l, frame.Bottom}, {0, 0, l, height}, l > 0},
        {{sx + l, frame.Top, sx + fw - r, frame.Bottom}, {l, 0, width - r, height}, true},
        {{sx + fw - r, frame.Top, sx + fw, frame.Bottom}, {width - r, 0, width, height}, r > 0},
    }};
}

Rect CentredRect(const Rect& area, int frameWidth, int frameHeight) {
    const int x = area.Left + (area.Width() - frameWidth) / 2;
    const int y = area.Top + (area.Height() - frameHeight) / 2;
    return RectOfSize(x, y, frameWidth, frameHeight);
}

} // namespace veyra
