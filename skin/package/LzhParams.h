#pragma once

#include <array>
#include <cstdint>

namespace veyra::lzh {

// Parameters of the LZHUF scheme: LZSS over a 4 KiB ring with adaptive Huffman
// coding of literals and match lengths.
inline constexpr int kRingSize = 4096;                             // N
inline constexpr int kLookAhead = 60;                              // F, longest match
inline constexpr int kThreshold = 2;                               // matches are at least 3 bytes
inline constexpr int kSymbolCount = 256 - kThreshold + kLookAhead; // 314
inline constexpr int kTreeSize = 2 * kSymbolCount - 1;             // T = 627
inline constexpr int kRoot = kTreeSize - 1;                        // R = 626
inline constexpr unsigned kMaxFrequency = 0x8000;
inline constexpr int kRingBufferBytes = kRingSize + kLookAhead - 1; // 4155
inline constexpr int kPrefilled =
    kRingSize - kLookAhead; // 4036 spaces, also the first write position

// Bit lengths of the 64 codes for the upper 6 bits of a match position
// (1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8).
inline constexpr std::array<std::uint8_t, 64> kPositionCodeLengths = [] {
    std::array<std::uint8_t, 64> lengths{};
    const int counts[] = {1, 3, 8, 12, 24, 16};
    int index = 0;
    for (int i = 0; i < 6; ++i)
        for (int k = 0; k < counts[i]; ++k)
            lengths[index++] = static_cast<std::uint8_t>(3 + i);
    return lengths;
}();

// The codes themselves, left-aligned in a byte: canonical, shortest first.
inline constexpr std::array<std::uint8_t, 64> kPositionCodes = [] {
    std::array<std::uint8_t, 64> codes{};
    unsigned next = 0; // next free code, as a left-aligned 8-bit prefix
    for (int i = 0; i < 64; ++i) {
        codes[i] = static_cast<std::uint8_t>(next);
        next += 1u << (8 - kPositionCodeLengths[i]);
    }
    return codes;
}();

// Decoding tables indexed by the first byte of a coded position: the upper
// 6 bits of the position, and how many bits (3..8) its code spans.
struct PositionDecodeTables {
    std::array<std::uint8_t, 256> Code{};
    std::array<std::uint8_t, 256> Length{};
};

inline constexpr PositionDecodeTables kPositionDecode = [] {
    PositionDecodeTables tables{};
    for (int i = 0; i < 64; ++i) {
        const int span = 1 << (8 - kPositionCodeLengths[i]);
        for (int b = 0; b < span; ++b) {
            tables.Code[kPositionCodes[i] + b] = static_cast<std::uint8_t>(i);
            tables.Length[kPositionCodes[i] + b] = kPositionCodeLengths[i];
        }
    }
    return tables;
}();

} // namespace veyra::lzh
