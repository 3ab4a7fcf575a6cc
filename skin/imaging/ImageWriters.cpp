#include "ImageWriters.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace veyra {
namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

const std::array<std::uint32_t, 256>& CrcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[4],
              const std::vector<std::uint8_t>& data) {
    PutBe32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBe32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    constexpr std::size_t kBlock = 65535;
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(kBlock, raw.size() - at);
        out.push_back(at + n == raw.size() ? 1 : 0);
        PutLe(out, static_cast<std::uint32_t>(n), 2);
        PutLe(out, static_cast<std::uint32_t>(~n & 0xFFFF), 2);
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    PutBe32(out, Adler32(raw.data(), raw.size()));
    return out;
}

void RequireWritable(const Bitmap& bitmap) {
    if (bitmap.IsEmpty())
        throw std::invalid_argument("an empty bitmap cannot be written as an image file");
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = CrcTable()[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler) {
    std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap, BmpDepth depth) {
    RequireWritable(bitmap);
    const bool wide = depth == BmpDepth::Bits32;
    const std::uint32_t headerSize = wide ? 108 : 40;
    const std::uint32_t stride = wide ? 4u * bitmap.Width() : (3u * bitmap.Width() + 3) / 4 * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(bitmap.Height());
    const std::uint32_t offset = 14 + headerSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, offset + imageSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, headerSize, 4);
    PutLe(out, static_cast<std::uint32_t>(bitmap.Width()), 4);
    PutLe(out, static_cast<std::uint32_t>(bitmap.Height()), 4);
    PutLe(out, 1, 2);
    PutLe(out, wide ? 32 : 24, 2);
    PutLe(out, wide ? 3 : 0, 4); // bit fields : plain rows
    PutLe(out, imageSize, 4);
    PutLe(out, 2835, 4); // 72 dots per inch
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    if (wide) {
        for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
            PutLe(out, mask, 4);
        PutLe(out, 0x73524742, 4);           // "sRGB"
        out.resize(out.size() + 36 + 12, 0); // end points and gamma, unused with sRGB
    }
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        const Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            PutLe(out, row[x], wide ? 4 : 3);
        out.resize(out.size() + (stride - (wide ? 4u : 3u) * bitmap.Width()), 0);
    }
    return out;
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
    return WriteBmp(bitmap,
                    bitmap.Format() == PixelFormat::Rgb24 ? BmpDepth::Bits24 : BmpDepth::Bits32);
}

std::vector<std::uint8_t> WritePng(const Bitmap& bitmap) {
    RequireWritable(bitmap);
    const bool alpha = bitmap.Format() != PixelFormat::Rgb24;
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBe32(header, static_cast<std::uint32_t>(bitmap.Width()));
    PutBe32(header, static_cast<std::uint32_t>(bitmap.Height()));
    header.insert(header.end(), {8, static_cast<std::uint8_t>(alpha ? 6 : 2), 0, 0, 0});
    PutChunk(out, "IHDR", header);
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(bitmap.Height()) *
                (1 + 4 * static_cast<std::size_t>(bitmap.Width())));
    for (int y = 0; y < bitmap.Height(); ++y) {
        raw.push_back(0); // no filter
        const Pixel* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Pixel p = row[x];
            raw.insert(raw.end(),
                       {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                        static_cast<std::uint8_t>(p)});
            if (alpha)
                raw.push_back(static_cast<std::uint8_t>(p >> 24));
        }
    }
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace veyra
