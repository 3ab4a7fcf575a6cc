#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Object.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

// A picture property of a control (a button's Glyph): the pixels of a BMP
// file, written in stored descriptions as "Glyph.Data = {...}" with the
// file's bytes in hexadecimal.
class TBitmap : public TObject {
    VEYRA_CLASS()
public:
    TBitmap() = default;

    // The pixels; empty when no picture was given.
    const Bitmap& Pixels() const { return Pixels_; }
    bool Empty() const { return Pixels_.IsEmpty(); }
    int Width() const { return Pixels_.Width(); }
    int Height() const { return Pixels_.Height(); }

    // Takes a picture from the bytes of a BMP file; an empty list clears it.
    // Throws EBmpDamaged for a damaged file (the picture stays as it was).
    void SetData(const std::vector<std::uint8_t>& bmpFile);
    // The BMP file the picture was read from.
    const std::vector<std::uint8_t>& Data() const { return Data_; }
    // Takes the pixels of a picture made in the program.
    void SetPixels(const Bitmap& pixels);
    // Copies source's picture.
    void Assign(const TBitmap* source);

    // Called after every change.
    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<std::uint8_t> Data_;
    Bitmap Pixels_;
};

} // namespace veyra
