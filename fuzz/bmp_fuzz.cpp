// Reads arbitrary bytes as a BMP file. A file that decodes must stay within
// the pixel cap and come back unchanged through the BMP writer; anything else
// must be refused with EBmpDamaged, never a crash or an out-of-bounds read.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/imaging/BmpReader.h"
#include "skin/imaging/ImageWriters.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veyra::Bitmap bitmap;
    try {
        bitmap = veyra::ReadBmp(std::span<const std::uint8_t>(data, size));
    } catch (const veyra::EBmpDamaged&) {
        return 0;
    }
    if (bitmap.IsEmpty() ||
        static_cast<std::int64_t>(bitmap.Width()) * bitmap.Height() > veyra::Bitmap::kMaxPixels)
        __builtin_trap();
    if (!(veyra::ReadBmp(veyra::WriteBmp(bitmap)) == bitmap))
        __builtin_trap();
    return 0;
}
