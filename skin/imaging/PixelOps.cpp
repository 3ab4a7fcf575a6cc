#include "PixelOps.h"

#include <algorithm>
#include <stdexcept>

namespace veyra {
namespace {

template <typename F> void ForEachPixel(Bitmap& bitmap, F f) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            row[x] = f(row[x]);
    }
}

// Builds the turned image in a new bitmap: source (x, y) lands at place(x, y).
template <typename F> void Rotate(Bitmap& bitmap, F place) {
    if (bitmap.IsView())
        throw std::logic_error("a bitmap view cannot be rotated in place");
    Bitmap turned(bitmap.Height(), bitmap.Width(), PixelFormat::Rgb24);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const auto [tx, ty] = place(x, y);
            turned.At(tx, ty) = row[x] | kOpaque;
        }
    }
    bitmap = std::move(turned);
}

} // namespace

void Grey(Bitmap& bitmap) {
    bitmap.SetFormat(PixelFormat::Rgb24);
    ForEachPixel(bitmap, [](Pixel p) {
        const Pixel average = ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3;
        return kOpaque | average << 16 | average << 8 | average;
    });
}

void ReplaceKeyColour(Bitmap& bitmap, Colour c) {
    bitmap.SetFormat(PixelFormat::Rgb24);
    const Pixel key = PixelOf(kKeyColour);
    const Pixel replacement = PixelOf(ResolveColour(c));
    ForEachPixel(bitmap, [&](Pixel p) { return SameRgb(p, key) ? replacement : p; });
}

void Mirror(Bitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        std::reverse(bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
}

void Flip(Bitmap& bitmap) {
    for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + bitmap.Width(), bitmap.Row(bottom));
}

void RotateLeft(Bitmap& bitmap) {
    const int w = bitmap.Width();
    Rotate(bitmap, [w](int x, int y) { return std::pair{y, w - 1 - x}; });
}

void RotateRight(Bitmap& bitmap) {
    const int h = bitmap.Height();
    Rotate(bitmap, [h](int x, int y) { return std::pair{h - 1 - y, x}; });
}

} // namespace veyra
