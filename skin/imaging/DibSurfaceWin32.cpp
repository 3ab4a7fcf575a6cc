#include "DibSurfaceWin32.h"

#include "FaultSeamWin32.h"

#include <algorithm>
#include <stdexcept>

namespace veyra {
namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows, like Bitmap
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

DibSurface::DibSurface(int width, int height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a DIB surface needs a positive size");
    if (static_cast<long long>(width) * height > Bitmap::kMaxPixels)
        throw std::length_error("a DIB surface of this size is too large");
    if (!Dc_)
        throw std::runtime_error("CreateCompatibleDC failed");
    const BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    if (!VEYRA_PLATFORM_FAILS(CreateDIBSection))
        Dib_.Reset(CreateDIBSection(Dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!Dib_ || bits == nullptr)
        throw std::runtime_error("CreateDIBSection failed");
    Selection_.emplace(Dc_.Get(), Dib_.Get());
    // Rows of a 32-bit DIB are always width pixels apart.
    View_ = Bitmap::View(static_cast<Pixel*>(bits), width, height, width);
}

Bitmap& DibSurface::Pixels() {
    GdiFlush();
    return View_;
}

DibSurface* GrowDibSurface(std::unique_ptr<DibSurface>& buffer, int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    if (buffer && buffer->Width() >= width && buffer->Height() >= height)
        return buffer.get();
    const int newWidth = buffer ? std::max(width, buffer->Width()) : width;
    const int newHeight = buffer ? std::max(height, buffer->Height()) : height;
    // The old surface goes first: both at once may be more than GDI gives.
    buffer.reset();
    try {
        buffer = std::make_unique<DibSurface>(newWidth, newHeight);
    } catch (...) {
        return nullptr;
    }
    return buffer.get();
}

void DrawBitmapToDc(HDC dc, int x, int y, const Bitmap& bitmap) {
    if (bitmap.IsEmpty())
        return;
    // The stride goes in as the DIB's width; only Width() columns are drawn.
    const BITMAPINFO info = TopDown32(bitmap.Stride(), bitmap.Height());
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(bitmap.Width()),
                      static_cast<DWORD>(bitmap.Height()), 0, 0, 0,
                      static_cast<UINT>(bitmap.Height()), bitmap.Row(0), &info, DIB_RGB_COLORS);
}

} // namespace veyra
