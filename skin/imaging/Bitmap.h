#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Colour.h"
#include "Rect.h"

namespace veyra {

// A pixel in memory: bytes blue, green, red, alpha, so 0xAARRGGBB as a
// little-endian 32-bit value; the same layout as a 32-bit top-down DIB.
using Pixel = std::uint32_t;

inline constexpr Pixel kPixelRgbMask = 0x00FFFFFFu;
inline constexpr Pixel kOpaque = 0xFF000000u;

constexpr Pixel PixelOf(Colour c) {
    return kOpaque | static_cast<Pixel>(BlueOf(c)) | static_cast<Pixel>(GreenOf(c)) << 8 |
           static_cast<Pixel>(RedOf(c)) << 16;
}
constexpr Colour ColourOf(Pixel p) {
    return Rgb(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
}
// True when two pixels have the same red, green and blue.
constexpr bool SameRgb(Pixel a, Pixel b) {
    return ((a ^ b) & kPixelRgbMask) == 0;
}

// What the pixels of a bitmap stand for. Every bitmap stores 32 bits a
// pixel; Rgb24 says the alpha byte carries nothing (the image is written as a
// 24-bit file and its alpha is ignored), Bgra32 that it does.
enum class PixelFormat { Bgra32, Rgb24 };

// An image of 32-bit pixels in top-down rows. It owns its pixels, or is a view
// over pixels somebody else owns (a DIB section); copying always gives an
// owning bitmap.
class Bitmap {
public:
    // Bitmaps larger than this many pixels are refused.
    static constexpr std::int64_t kMaxPixels = 64ll * 1024 * 1024;

    Bitmap() = default;
    // A width x height bitmap, every pixel fill. Throws std::invalid_argument
    // for a negative size and std::length_error above kMaxPixels.
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgra32, Pixel fill = 0);
    // A view over pixels owned by the caller, rows stride pixels apart; the
    // caller keeps them alive and in place while the view is used.
    static Bitmap View(Pixel* pixels, int width, int height, int stride,
                       PixelFormat format = PixelFormat::Bgra32);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap() = default;

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    // Distance between rows, in pixels.
    int Stride() const { return Stride_; }
    bool IsEmpty() const { return Width_ <= 0 || Height_ <= 0; }
    Rect Bounds() const { return {0, 0, Width_, Height_}; }
    PixelFormat Format() const { return Format_; }
    bool IsView() const { return Storage_.empty() && Data_ != nullptr; }

    // Marks the pixels as 24-bit (their alpha bytes become 255) or as 32-bit.
    void SetFormat(PixelFormat format);

    // Gives an owning bitmap a new size; the pixels become fill. Throws
    // std::logic_error for a view.
    void SetSize(int width, int height, Pixel fill = 0);

    Pixel* Row(int y) { return Data_ + static_cast<std::ptrdiff_t>(y) * Stride_; }
    const Pixel* Row(int y) const { return Data_ + static_cast<std::ptrdiff_t>(y) * Stride_; }
    Pixel& At(int x, int y) { return Row(y)[x]; }
    Pixel At(int x, int y) const { return Row(y)[x]; }

    void Fill(Pixel value);
    // Fills the part of rect inside the bitmap.
    void FillRect(const Rect& rect, Pixel value);

    // True when both have the same size and the same pixels (and format).
    bool operator==(const Bitmap& other) const;

private:
    void Allocate(int width, int height, Pixel fill);

    std::vector<Pixel> Storage_;
    Pixel* Data_ = nullptr;
    int Width_ = 0;
    int Height_ = 0;
    int Stride_ = 0;
    PixelFormat Format_ = PixelFormat::Bgra32;
};

} // namespace veyra
