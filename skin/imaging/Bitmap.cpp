#include "Bitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace veyra {
namespace {

// Copies the rows of from into to, which has its size. A bitmap 0 pixels
// wide still has rows, but no storage to copy from or to.
void CopyRows(Bitmap& to, const Bitmap& from) {
    if (to.IsEmpty())
        return;
    for (int y = 0; y < to.Height(); ++y)
        std::memcpy(to.Row(y), from.Row(y), static_cast<std::size_t>(to.Width()) * sizeof(Pixel));
}

} // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format, Pixel fill) : Format_(format) {
    Allocate(width, height, fill);
}

void Bitmap::Allocate(int width, int height, Pixel fill) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("bitmap size " + std::to_string(width) + " x " +
                                    std::to_string(height) + " is negative");
    if (static_cast<std::int64_t>(width) * height > kMaxPixels)
        throw std::length_error("bitmap of " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels is too large");
    Storage_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    Data_ = Storage_.empty() ? nullptr : Storage_.data();
    Width_ = width;
    Height_ = height;
    Stride_ = width;
}

Bitmap Bitmap::View(Pixel* pixels, int width, int height, int stride, PixelFormat format) {
    if (pixels == nullptr || width <= 0 || height <= 0 || stride < width)
        throw std::invalid_argument("bitmap view over no pixels or with a stride below its width");
    Bitmap view;
    view.Data_ = pixels;
    view.Width_ = width;
    view.Height_ = height;
    view.Stride_ = stride;
    view.Format_ = format;
    return view;
}

Bitmap::Bitmap(const Bitmap& other) : Format_(other.Format_) {
    Allocate(other.Width_, other.Height_, 0);
    CopyRows(*this, other);
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other)
        return *this;
    const bool overlaps = !Storage_.empty() && other.Data_ >= Storage_.data() &&
                          other.Data_ < Storage_.data() + Storage_.size();
    if (IsView() || overlaps) {
        Bitmap copy(other);
        *this = std::move(copy);
        return *this;
    }
    // Reuses the storage this bitmap has: a frame painted over and over at
    // the same size then touches no new memory.
    Allocate(other.Width_, other.Height_, 0);
    Format_ = other.Format_;
    CopyRows(*this, other);
    return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : Storage_(std::move(other.Storage_)), Data_(other.Data_), Width_(other.Width_),
      Height_(other.Height_), Stride_(other.Stride_), Format_(other.Format_) {
    other.Storage_.clear();
    other.Data_ = nullptr;
    other.Width_ = other.Height_ = other.Stride_ = 0;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        Storage_ = std::move(other.Storage_);
        Data_ = other.Data_;
        Width_ = other.Width_;
        Height_ = other.Height_;
        Stride_ = other.Stride_;
        Format_ = other.Format_;
        other.Storage_.clear();
        other.Data_ = nullptr;
        other.Width_ = other.Height_ = other.Stride_ = 0;
    }
    return *this;
}

void Bitmap::SetFormat(PixelFormat format) {
    if (format == PixelFormat::Rgb24 && Format_ != PixelFormat::Rgb24)
        for (int y = 0; y < Height_; ++y) {
            Pixel* row = Row(y);
            for (int x = 0; x < Width_; ++x)
                row[x] |= kOpaque;
        }
    Format_ = format;
}

void Bitmap::SetSize(int width, int height, Pixel fill) {
    if (IsView())
        throw std::logic_error("a bitmap view cannot change its size");
    Allocate(width, height, fill);
}

void Bitmap::Fill(Pixel value) {
    FillRect(Bounds(), value);
}

void Bitmap::FillRect(const Rect& rect, Pixel value) {
    const Rect area = Intersect(rect, Bounds());
    if (area.IsEmpty())
        return;
    for (int y = area.Top; y < area.Bottom; ++y)
        std::fill(Row(y) + area.Left, Row(y) + area.Right, value);
}

bool Bitmap::operator==(const Bitmap& other) const {
    if (Width_ != other.Width_ || Height_ != other.Height_ || Format_ != other.Format_)
        return false;
    for (int y = 0; y < Height_; ++y)
        if (!std::equal(Row(y), Row(y) + Width_, other.Row(y)))
            return false;
    return true;
}

} // namespace veyra
