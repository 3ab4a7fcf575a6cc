#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "Bitmap.h"

namespace veyra {

// A BMP file that cannot be read: sizes and offsets that lie, unknown
// formats, compressed data that runs past its rows. The message says what.
class EBmpDamaged : public std::runtime_error {
public:
    explicit EBmpDamaged(const std::string& what)
        : std::runtime_error("Damaged BMP file: " + what) {}
};

// Reads BMP files as skin authors' tools write them: 1, 4, 8, 16, 24 and 32
// bits per pixel, colour tables, bit fields, RLE4 and RLE8, bottom-up and
// top-down rows, and the core (12-byte), info (40), V2/V3 (52, 56), V4 (108)
// and V5 (124) headers. Every field is checked against the file before use.
class BmpReader {
public:
    // The reader looks at file, which must outlive it.
    explicit BmpReader(std::span<const std::uint8_t> file);

    // Decodes the file into a new bitmap: 32-bit when the file has 32 bits a
    // pixel or an alpha mask, else 24-bit (alpha 255). Throws EBmpDamaged.
    Bitmap Read();

    // How many pixels Read would give, from the headers alone: a few bytes of
    // run-length data can stand for the largest bitmap, so callers that read
    // many files can check the cost before paying it. Throws EBmpDamaged.
    std::int64_t PixelCount() const;

private:
    struct Header;
    struct BitField {
        std::uint32_t Mask = 0;
        int Shift = 0;
        std::uint64_t Max = 0;
    };

    std::uint32_t U32(std::uint64_t offset) const;
    std::uint16_t U16(std::uint64_t offset) const;
    void Require(std::uint64_t offset, std::uint64_t length, const char* what) const;

    Header ReadHeader() const;
    void ReadMasks(Header& header) const;
    void ReadPalette(Header& header) const;
    // Bytes from one stored row to the next: rows are padded to 32 bits.
    static std::uint64_t RowStride(const Header& header);
    // Throws EBmpDamaged when the file ends before the last uncompressed row.
    void RequireRows(const Header& header) const;
    void DecodeRows(const Header& header, Bitmap& bitmap) const;
    void DecodeRle(const Header& header, Bitmap& bitmap) const;
    Pixel FromBitFields(const Header& header, std::uint32_t value) const;

    std::span<const std::uint8_t> File_;
};

// Reads a BMP file held in memory; see BmpReader. Throws EBmpDamaged.
Bitmap ReadBmp(std::span<const std::uint8_t> file);

} // namespace veyra
