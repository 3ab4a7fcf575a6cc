#pragma once

// Writing bitmaps to files: BMP for skins and tools, PNG for looking at
// results (sknutil render, failing pixel tests).

#include <cstdint>
#include <vector>

#include "Bitmap.h"

namespace veyra {

// Bits per pixel of a written BMP file.
enum class BmpDepth { Bits24, Bits32 };

// A BMP file of bitmap: 24-bit rows with an info header, or 32-bit rows with
// a V4 header whose bit fields keep the alpha channel. Bottom-up rows.
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap, BmpDepth depth);

// A BMP file of the bitmap's own depth (24-bit for Rgb24, else 32-bit).
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

// A PNG file of bitmap: RGB for Rgb24 bitmaps, RGBA otherwise. The data is
// stored uncompressed; PNG readers take it like any other.
std::vector<std::uint8_t> WritePng(const Bitmap& bitmap);

// The CRC-32 of PNG chunks (and zip), and the Adler-32 of zlib streams.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

} // namespace veyra
