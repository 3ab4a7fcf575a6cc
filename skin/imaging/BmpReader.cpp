#include "BmpReader.h"

#include <bit>
#include <vector>

namespace veyra {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kJpeg = 4,
    kPng = 5,
    kAlphaBitFields = 6,
};

bool IsKnownHeaderSize(std::uint32_t size) {
    for (std::uint32_t known : {12u, 40u, 52u, 56u, 108u, 124u})
        if (size == known)
            return true;
    return false;
}

std::string Num(std::uint64_t n) {
    return std::to_string(n);
}

} // namespace

struct BmpReader::Header {
    std::uint32_t HeaderSize = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0; // rows, always positive
    bool TopDown = false;
    int BitsPerPixel = 0;
    std::uint32_t Compression = kRgb;
    std::uint32_t ImageSize = 0;
    std::uint32_t ColoursUsed = 0;
    std::uint64_t PixelOffset = 0;
    std::uint64_t TableOffset = 0; // where masks after the header or the colour table start
    BitField Red, Green, Blue, Alpha;
    std::vector<Pixel> Palette;
};

BmpReader::BmpReader(std::span<const std::uint8_t> file) : File_(file) {}

void BmpReader::Require(std::uint64_t offset, std::uint64_t length, const char* what) const {
    if (offset > File_.size() || length > File_.size() - offset)
        throw EBmpDamaged(std::string(what) + " (" + Num(length) + " bytes at " + Num(offset) +
                          ") runs past the end of the " + Num(File_.size()) + "-byte file");
}

std::uint32_t BmpReader::U32(std::uint64_t offset) const {
    Require(offset, 4, "a header field");
    const std::uint8_t* p = File_.data() + offset;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t BmpReader::U16(std::uint64_t offset) const {
    Require(offset, 2, "a header field");
    const std::uint8_t* p = File_.data() + offset;
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

BmpReader::Header BmpReader::ReadHeader() const {
    Require(0, kFileHeaderSize + 4, "the file header");
    if (File_[0] != 'B' || File_[1] != 'M')
        throw EBmpDamaged("no \"BM\" signature");
    Header h;
    h.PixelOffset = U32(10);
    h.HeaderSize = U32(kFileHeaderSize);
    if (!IsKnownHeaderSize(h.HeaderSize))
        throw EBmpDamaged("unknown header size " + Num(h.HeaderSize));
    Require(kFileHeaderSize, h.HeaderSize, "the bitmap header");
    const std::uint64_t base = kFileHeaderSize + 4;
    if (h.HeaderSize == kCoreHeaderSize) {
        h.Width = U16(base);
        h.Height = U16(base + 2);
        h.BitsPerPixel = U16(base + 6);
    } else {
        h.Width = static_cast<std::int32_t>(U32(base));
        const auto height = static_cast<std::int32_t>(U32(base + 4));
        h.TopDown = height < 0;
        h.Height = h.TopDown ? -static_cast<std::int64_t>(height) : height;
        h.BitsPerPixel = U16(base + 10);
        h.Compression = U32(base + 12);
        h.ImageSize = U32(base + 16);
        h.ColoursUsed = U32(base + 28);
    }
    h.TableOffset = kFileHeaderSize + h.HeaderSize;
    if (h.Width <= 0 || h.Height <= 0)
        throw EBmpDamaged("size " + std::to_string(h.Width) + " x " + std::to_string(h.Height) +
                          " is not a picture");
    if (h.Width * h.Height > Bitmap::kMaxPixels)
        throw EBmpDamaged("size " + std::to_string(h.Width) + " x " + std::to_string(h.Height) +
                          " is larger than " + Num(Bitmap::kMaxPixels) + " pixels");
    return h;
}

void BmpReader::ReadMasks(Header& h) const {
    const bool bitFields = h.Compression == kBitFields || h.Compression == kAlphaBitFields;
    if (!bitFields) {
        // The default layouts: 5-5-5 for 16 bits, 8-8-8 for 24 and 32; no alpha.
        if (h.BitsPerPixel == 16) {
            h.Red.Mask = 0x7C00;
            h.Green.Mask = 0x03E0;
            h.Blue.Mask = 0x001F;
        } else {
            h.Red.Mask = 0xFF0000;
            h.Green.Mask = 0xFF00;
            h.Blue.Mask = 0xFF;
        }
    } else {
        if (h.BitsPerPixel != 16 && h.BitsPerPixel != 32)
            throw EBmpDamaged("bit fields with " + Num(h.BitsPerPixel) + " bits per pixel");
        // An info header is followed by the masks; larger headers hold them.
        const std::uint64_t at = kFileHeaderSize + 40;
        const bool withAlpha = h.Compression == kAlphaBitFields || h.HeaderSize >= 56;
        h.Red.Mask = U32(at);
        h.Green.Mask = U32(at + 4);
        h.Blue.Mask = U32(at + 8);
        h.Alpha.Mask = withAlpha ? U32(at + 12) : 0;
        if (h.HeaderSize == kInfoHeaderSize)
            h.TableOffset += withAlpha ? 16 : 12;
        // Some writers declare bit fields and leave the masks out; reading the
        // pixels as masks would give wrong colours without a word.
        if (h.PixelOffset < h.TableOffset)
            throw EBmpDamaged("pixel data offset " + Num(h.PixelOffset) +
                              " lies inside the headers");
    }
    for (BitField* field : {&h.Red, &h.Green, &h.Blue, &h.Alpha}) {
        if (field->Mask == 0)
            continue;
        field->Shift = std::countr_zero(field->Mask);
        const std::uint32_t bits = field->Mask >> field->Shift;
        if ((bits & (bits + 1)) != 0)
            throw EBmpDamaged("bit field mask " + Num(field->Mask) + " is not one run of bits");
        field->Max = bits;
    }
}

void BmpReader::ReadPalette(Header& h) const {
    if (h.BitsPerPixel > 8)
        return;
    const std::uint64_t most = 1u << h.BitsPerPixel;
    const std::uint64_t claimed = h.ColoursUsed != 0 ? h.ColoursUsed : most;
    // Entries beyond what the bit depth can index are never used; they are
    // still checked below as part of the claimed table.
    const std::uint64_t entrySize = h.HeaderSize == kCoreHeaderSize ? 3 : 4;
    if (claimed > 65536)
        throw EBmpDamaged("colour table of " + Num(claimed) + " entries");
    Require(h.TableOffset, claimed * entrySize, "the colour table");
    if (h.PixelOffset < h.TableOffset + claimed * entrySize)
        throw EBmpDamaged("pixel data offset " + Num(h.PixelOffset) +
                          " lies inside the colour table");
    const std::uint64_t used = std::min(claimed, most);
    h.Palette.resize(used);
    for (std::uint64_t i = 0; i < used; ++i) {
        const std::uint8_t* p = File_.data() + h.TableOffset + i * entrySize;
        h.Palette[i] =
            kOpaque | static_cast<Pixel>(p[2]) << 16 | static_cast<Pixel>(p[1]) << 8 | p[0];
    }
}

Pixel BmpReader::FromBitFields(const Header& h, std::uint32_t value) const {
    const auto channel = [value](const BitField& f) -> Pixel {
        if (f.Max == 0)
            return 0;
        const std::uint64_t v = (value & f.Mask) >> f.Shift;
        return static_cast<Pixel>((v * 255 + f.Max / 2) / f.Max);
    };
    const Pixel alpha = h.Alpha.Mask != 0 ? channel(h.Alpha) : 255;
    return alpha << 24 | channel(h.Red) << 16 | channel(h.Green) << 8 | channel(h.Blue);
}

std::uint64_t BmpReader::RowStride(const Header& h) {
    const std::uint64_t rowBits =
        static_cast<std::uint64_t>(h.Width) * static_cast<std::uint64_t>(h.BitsPerPixel);
    return (rowBits + 31) / 32 * 4;
}

void BmpReader::RequireRows(const Header& h) const {
    const std::uint64_t rowBits =
        static_cast<std::uint64_t>(h.Width) * static_cast<std::uint64_t>(h.BitsPerPixel);
    // The last row's padding may be missing.
    Require(h.PixelOffset,
            RowStride(h) * static_cast<std::uint64_t>(h.Height - 1) + (rowBits + 7) / 8,
            "the pixel rows");
}

void BmpReader::DecodeRows(const Header& h, Bitmap& bitmap) const {
    const std::uint64_t stride = RowStride(h);
    const auto paletteColour = [&h](std::uint32_t index) {
        return index < h.Palette.size() ? h.Palette[index] : kOpaque; // out of the table: black
    };
    const int width = static_cast<int>(h.Width);
    for (std::int64_t row = 0; row < h.Height; ++row) {
        const std::uint8_t* in =
            File_.data() + h.PixelOffset + static_cast<std::uint64_t>(row) * stride;
        Pixel* out = bitmap.Row(static_cast<int>(h.TopDown ? row : h.Height - 1 - row));
        switch (h.BitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const int bits = h.BitsPerPixel;
            const int perByte = 8 / bits;
            const std::uint32_t mask = (1u << bits) - 1;
            for (int x = 0; x < width; ++x) {
                const int shift = 8 - bits * (x % perByte + 1);
                out[x] = paletteColour(in[x / perByte] >> shift & mask);
            }
            break;
        }
        case 16:
            for (int x = 0; x < width; ++x)
                out[x] =
                    FromBitFields(h, static_cast<std::uint32_t>(in[2 * x] | in[2 * x + 1] << 8));
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                out[x] = kOpaque | static_cast<Pixel>(in[3 * x + 2]) << 16 |
                         static_cast<Pixel>(in[3 * x + 1]) << 8 | in[3 * x];
            break;
        case 32:
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = in + 4 * x;
                out[x] = FromBitFields(h, p[0] | p[1] << 8 | p[2] << 16 |
                                              static_cast<std::uint32_t>(p[3]) << 24);
            }
            break;
        }
    }
}

void BmpReader::DecodeRle(const Header& h, Bitmap& bitmap) const {
    std::uint64_t end = File_.size();
    if (h.ImageSize != 0) {
        Require(h.PixelOffset, h.ImageSize, "the compressed pixel data");
        end = h.PixelOffset + h.ImageSize;
    }
    if (h.PixelOffset >= end)
        throw EBmpDamaged("pixel data offset " + Num(h.PixelOffset) +
                          " is past the end of the file");
    const bool four = h.Compression == kRle4;
    const std::int64_t width = h.Width, height = h.Height;
    // Pixels that the data skips keep colour 0 of the table.
    bitmap.Fill(h.Palette.empty() ? kOpaque : h.Palette[0]);
    const auto colour = [&h](std::uint32_t index) {
        return index < h.Palette.size() ? h.Palette[index] : kOpaque;
    };
    // Writers encode whole stored rows, padding included, so runs may go on
    // into the padding; those pixels are dropped. Past the padding is damage.
    const std::int64_t rowBytes = ((four ? (width + 1) / 2 : width) + 3) / 4 * 4;
    const std::int64_t paddedWidth = four ? rowBytes * 2 : rowBytes;
    std::int64_t x = 0, y = 0; // y counts rows from the first stored one
    struct Span {
        Pixel* Out;
        std::int64_t Visible;
    };
    const auto put = [&](std::int64_t count, const char* what) -> Span {
        if (y >= height)
            throw EBmpDamaged(std::string(what) + " past the last row");
        if (x + count > paddedWidth)
            throw EBmpDamaged(std::string(what) + " of " + Num(count) + " pixels at x " + Num(x) +
                              " runs past the end of row " + Num(y));
        Span span{bitmap.Row(static_cast<int>(h.TopDown ? y : height - 1 - y)) + x,
                  std::max<std::int64_t>(0, std::min(count, width - x))};
        x += count;
        return span;
    };
    std::uint64_t pos = h.PixelOffset;
    while (true) {
        if (end - pos < 2) {
            if (y >= height)
                return; // the last row is complete; the end marker alone is missing
            throw EBmpDamaged("compressed data ends at row " + Num(y) + " of " + Num(height));
        }
        const std::uint8_t count = File_[pos], value = File_[pos + 1];
        pos += 2;
        if (count > 0) {
            const Span span = put(count, "a run");
            for (int i = 0; i < span.Visible; ++i)
                span.Out[i] = colour(four ? (i % 2 == 0 ? value >> 4 : value & 0xF) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // move by (dx, dy)
            if (end - pos < 2)
                throw EBmpDamaged("a move runs past the end of the compressed data");
            x += File_[pos];
            y += File_[pos + 1];
            pos += 2;
            if (x > paddedWidth || y > height)
                throw EBmpDamaged("a move leaves the image");
        } else { // value pixels stored as they are, padded to 16 bits
            const std::uint64_t bytes = four ? (value + 1u) / 2 : value;
            if (end - pos < bytes)
                throw EBmpDamaged("a literal run of " + Num(value) +
                                  " pixels runs past the end of the compressed data");
            const Span span = put(value, "a literal run");
            for (int i = 0; i < span.Visible; ++i) {
                const std::uint8_t byte = File_[pos + (four ? i / 2 : i)];
                span.Out[i] = colour(four ? (i % 2 == 0 ? byte >> 4 : byte & 0xF) : byte);
            }
            pos += bytes + bytes % 2;
            pos = std::min(pos, end);
        }
    }
}

Bitmap BmpReader::Read() {
    Header h = ReadHeader();
    const int bpp = h.BitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        throw EBmpDamaged(Num(bpp) + " bits per pixel");
    if (h.HeaderSize == kCoreHeaderSize && bpp > 8 && bpp != 24)
        throw EBmpDamaged(Num(bpp) + " bits per pixel in a core header");
    switch (h.Compression) {
    case kRgb:
    case kBitFields:
    case kAlphaBitFields:
        break;
    case kRle8:
    case kRle4:
        if (bpp != (h.Compression == kRle8 ? 8 : 4))
            throw EBmpDamaged("RLE" + std::string(h.Compression == kRle8 ? "8" : "4") + " with " +
                              Num(bpp) + " bits per pixel");
        break;
    case kJpeg:
    case kPng:
        throw EBmpDamaged("embedded JPEG or PNG pictures are not supported");
    default:
        throw EBmpDamaged("unknown compression " + Num(h.Compression));
    }
    ReadMasks(h);
    ReadPalette(h);
    if (h.PixelOffset < h.TableOffset)
        throw EBmpDamaged("pixel data offset " + Num(h.PixelOffset) + " lies inside the headers");
    // Uncompressed rows must all be in the file before their pixels are
    // allocated: a short file stating a large picture is refused without
    // claiming the memory first.
    const bool rle = h.Compression == kRle8 || h.Compression == kRle4;
    if (!rle)
        RequireRows(h);
    const bool alpha = bpp == 32 || h.Alpha.Mask != 0;
    Bitmap bitmap(static_cast<int>(h.Width), static_cast<int>(h.Height),
                  alpha ? PixelFormat::Bgra32 : PixelFormat::Rgb24);
    if (rle)
        DecodeRle(h, bitmap);
    else
        DecodeRows(h, bitmap);
    return bitmap;
}

std::int64_t BmpReader::PixelCount() const {
    const Header h = ReadHeader();
    return h.Width * h.Height;
}

Bitmap ReadBmp(std::span<const std::uint8_t> file) {
    return BmpReader(file).Read();
}

} // namespace veyra
