// Reads arbitrary bytes as a BMP file. A file that decodes must stay within
// the pixel cap and come back unchanged through the BMP writer; anything else
// must be refused with EBmpDamaged, never a crash or an out-of-bounds read.
//
// A few bytes of run-length data can stand for the largest bitmap the reader
// allows (256 MiB of pixels, all filled): such a file is reading at its cost,
// not at its logic, so one stating more than kMaxFuzzPixels is skipped. Every
// other file, uncompressed ones stating any size included, is read.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/imaging/BmpReader.h"
#include "skin/imaging/ImageWriters.h"

namespace {

constexpr std::int64_t kMaxFuzzPixels = 1 << 16;

bool LargeRunLengthPicture(std::span<const std::uint8_t> file) {
    constexpr std::size_t kHeaderSizeAt = 14;
    constexpr std::size_t kCompressionAt = 30;
    if (file.size() < kCompressionAt + 4 || file[kHeaderSizeAt] == 12)
        return false; // a core header has no compression field
    const std::uint32_t compression = file[kCompressionAt] | file[kCompressionAt + 1] << 8 |
                                      file[kCompressionAt + 2] << 16 |
                                      static_cast<std::uint32_t>(file[kCompressionAt + 3]) << 24;
    if (compression != 1 && compression != 2)
        return false;
    try {
        const std::int64_t pixels = veyra::BmpReader(file).PixelCount();
        return pixels > kMaxFuzzPixels && pixels <= veyra::Bitmap::kMaxPixels;
    } catch (const veyra::EBmpDamaged&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    if (LargeRunLengthPicture(file))
        return 0;
    veyra::Bitmap bitmap;
    try {
        bitmap = veyra::ReadBmp(file);
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
