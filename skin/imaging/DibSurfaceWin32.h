#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "Bitmap.h"
#include "GdiHandlesWin32.h"

namespace veyra {

// A 32-bit top-down DIB section selected into its own memory DC, with a
// Bitmap view over the very same pixels: the core composes into Pixels(),
// GDI draws text into Dc(), and both see each other's work.
class DibSurface {
public:
    // A surface of width x height pixels, all zero. Throws std::runtime_error
    // when GDI cannot create it, std::invalid_argument for an empty size.
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // The memory DC with the DIB section selected; owned by the surface.
    HDC Dc() const { return Dc_.Get(); }
    // The DIB section itself; owned by the surface.
    HBITMAP Handle() const { return Dib_.Get(); }

    // The pixels, after GDI has finished whatever it was drawing into them.
    Bitmap& Pixels();

    int Width() const { return View_.Width(); }
    int Height() const { return View_.Height(); }

private:
    MemoryDc Dc_;
    BitmapHandle Dib_;
    std::optional<SelectObjectScope> Selection_; // undone before the DIB and DC go
    Bitmap View_;

    // Members are destroyed in reverse order: the selection is undone first.
};

// A reused buffer made at least width x height: grown, never shrunk, so
// that a window resized back and forth keeps its one surface. Answers the
// surface (owned by buffer), or null for an empty size (buffer kept) or
// when GDI cannot make it (buffer emptied).
DibSurface* GrowDibSurface(std::unique_ptr<DibSurface>& buffer, int width, int height);

// Copies bitmap to dc with its top-left corner at (x, y), in one call.
void DrawBitmapToDc(HDC dc, int x, int y, const Bitmap& bitmap);

} // namespace veyra
