#include "Blit.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace veyra {
namespace {

// For each destination coordinate from clipFrom to clipTo (in dest space),
// the source coordinate it samples, or -1 outside the source. Worked in 64
// bits: a destination may start far outside the target.
std::vector<int> SampleMap(int destStart, int destLength, int clipFrom, int clipTo, int sourceStart,
                           int sourceLength, int sourceLimit) {
    std::vector<int> map(static_cast<std::size_t>(clipTo - clipFrom));
    for (int d = clipFrom; d < clipTo; ++d) {
        const std::int64_t offset = (std::int64_t{d} - destStart) * sourceLength / destLength;
        const std::int64_t s = sourceStart + offset;
        map[static_cast<std::size_t>(d - clipFrom)] =
            s >= 0 && s < sourceLimit ? static_cast<int>(s) : -1;
    }
    return map;
}

bool IsIdentityRun(const std::vector<int>& map) {
    if (map.empty() || map.front() < 0)
        return false;
    for (std::size_t i = 1; i < map.size(); ++i)
        if (map[i] != map.front() + static_cast<int>(i))
            return false;
    return true;
}

void CopyRow(Pixel* out, const Pixel* in, const std::vector<int>& xs, bool identity,
             Transparency t) {
    const Pixel key = PixelOf(kKeyColour);
    if (identity && t == Transparency::Opaque) {
        std::memcpy(out, in + xs.front(), xs.size() * sizeof(Pixel));
        return;
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (xs[i] < 0)
            continue;
        const Pixel p = in[xs[i]];
        if (t == Transparency::Opaque || !SameRgb(p, key))
            out[i] = p;
    }
}

} // namespace

void StretchDraw(Bitmap& target, const Rect& dest, const Bitmap& source, const Rect& sourceRect,
                 Transparency transparency) {
    if (dest.IsEmpty() || sourceRect.IsEmpty() || source.IsEmpty())
        return;
    const Rect clip = Intersect(dest, target.Bounds());
    if (clip.IsEmpty())
        return;
    const std::vector<int> xs = SampleMap(dest.Left, dest.Width(), clip.Left, clip.Right,
                                          sourceRect.Left, sourceRect.Width(), source.Width());
    const std::vector<int> ys = SampleMap(dest.Top, dest.Height(), clip.Top, clip.Bottom,
                                          sourceRect.Top, sourceRect.Height(), source.Height());
    const bool identity = IsIdentityRun(xs);
    const std::size_t rowBytes = xs.size() * sizeof(Pixel);
    // Rows repeated by a vertical stretch are copied from the row above.
    int previousSource = -1;
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const int sy = ys[static_cast<std::size_t>(y - clip.Top)];
        if (sy < 0) {
            previousSource = -1;
            continue;
        }
        Pixel* out = target.Row(y) + clip.Left;
        if (sy == previousSource && transparency == Transparency::Opaque)
            std::memcpy(out, target.Row(y - 1) + clip.Left, rowBytes);
        else
            CopyRow(out, source.Row(sy), xs, identity, transparency);
        previousSource = sy;
    }
}

void DrawBitmap(Bitmap& target, int x, int y, const Bitmap& source, Transparency transparency) {
    StretchDraw(target, RectOfSize(x, y, source.Width(), source.Height()), source, source.Bounds(),
                transparency);
}

void DrawTransparent(Bitmap& target, const Rect& rect, const Bitmap& source, Colour key) {
    if (rect.IsEmpty())
        return;
    const Pixel keyPixel = PixelOf(key);
    const Rect clip =
        Intersect(Intersect(rect, target.Bounds()), source.Bounds().Offset(rect.Left, rect.Top));
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const Pixel* in = source.Row(y - rect.Top) + (clip.Left - rect.Left);
        Pixel* out = target.Row(y) + clip.Left;
        for (int i = 0, n = clip.Width(); i < n; ++i)
            if (!SameRgb(in[i], keyPixel))
                out[i] = in[i];
    }
}

void Tile(Bitmap& target, const Rect& rect, const Bitmap& image, const Rect& source) {
    const Rect piece = Intersect(source, image.Bounds());
    if (rect.IsEmpty() || piece.IsEmpty())
        return;
    const int pw = piece.Width(), ph = piece.Height();
    // Whole pieces cover rect, then the target's edges cut them.
    const std::int64_t across = (std::int64_t{rect.Width()} + pw - 1) / pw;
    const std::int64_t down = (std::int64_t{rect.Height()} + ph - 1) / ph;
    const Rect covered{rect.Left, rect.Top, SaturateToInt(rect.Left + across * pw),
                       SaturateToInt(rect.Top + down * ph)};
    const Rect clip = Intersect(covered, target.Bounds());
    if (clip.IsEmpty())
        return;
    // One pattern row per piece row, then every target row is one copy.
    const std::size_t width = static_cast<std::size_t>(clip.Width());
    std::vector<Pixel> pattern(width * static_cast<std::size_t>(ph));
    for (int py = 0; py < ph; ++py) {
        const Pixel* in = image.Row(piece.Top + py) + piece.Left;
        Pixel* out = pattern.data() + static_cast<std::size_t>(py) * width;
        for (std::size_t i = 0; i < width; ++i)
            out[i] = in[(static_cast<std::int64_t>(i) + clip.Left - rect.Left) % pw];
    }
    for (int y = clip.Top; y < clip.Bottom; ++y)
        std::memcpy(target.Row(y) + clip.Left,
                    pattern.data() +
                        static_cast<std::size_t>((std::int64_t{y} - rect.Top) % ph) * width,
                    width * sizeof(Pixel));
}

} // namespace veyra
