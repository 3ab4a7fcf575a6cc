#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "ElzhException.h"
#include "HuffmanTree.h"
#include "LzhParams.h"

namespace veyra {

// Expands an LZHUF stream. The byte source and sink are callables, so the
// per-byte calls inline:
//   int read(std::uint8_t* buffer, std::uint16_t count)        -> bytes delivered
//   int write(const std::uint8_t* buffer, std::uint16_t count) -> bytes written
// The decoder asks for and hands over one byte at a time.
class TLZH {
public:
    // Produces at least unpackedSize bytes (a match is always copied whole, so
    // the last one may carry the output up to 59 bytes further). Missing input
    // reads as zero bits. Throws ElzhException when its tables cannot be had.
    template <class WriteFn, class ReadFn>
    void Decode(std::int64_t unpackedSize, WriteFn&& write, ReadFn&& read);

private:
    struct Tables {
        lzh::HuffmanTree Tree;
        std::uint8_t Ring[lzh::kRingBufferBytes];
    };

    // Bits are kept left-aligned in a 64-bit word and topped up a byte at a
    // time whenever fewer than 9 remain, as the stream's byte order demands.
    template <class ReadFn> struct BitInput {
        ReadFn& Read;
        std::uint64_t Bits = 0;
        int Count = 0;

        void Refill() {
            while (Count <= 56) {
                std::uint8_t byte = 0;
                if (Read(&byte, 1) < 1)
                    byte = 0;
                Bits |= static_cast<std::uint64_t>(byte) << (56 - Count);
                Count += 8;
            }
        }
        unsigned Bit() {
            if (Count < 9)
                Refill();
            const unsigned bit = static_cast<unsigned>(Bits >> 63);
            Bits <<= 1;
            --Count;
            return bit;
        }
        unsigned Byte() {
            if (Count < 9)
                Refill();
            const unsigned byte = static_cast<unsigned>(Bits >> 56);
            Bits <<= 8;
            Count -= 8;
            return byte;
        }
    };

    template <class ReadFn> static int DecodeSymbol(lzh::HuffmanTree& tree, BitInput<ReadFn>& in) {
        int c = tree.Child[lzh::kRoot];
        while (c < lzh::kTreeSize)
            c = tree.Child[c + static_cast<int>(in.Bit())];
        c -= lzh::kTreeSize;
        tree.Update(c);
        return c;
    }

    template <class ReadFn> static unsigned DecodePosition(BitInput<ReadFn>& in) {
        unsigned b = in.Byte();
        const unsigned upper = static_cast<unsigned>(lzh::kPositionDecode.Code[b]) << 6;
        int extra = lzh::kPositionDecode.Length[b] - 2;
        while (extra-- > 0)
            b = (b << 1) + in.Bit();
        return upper | (b & 0x3F);
    }
};

template <class WriteFn, class ReadFn>
void TLZH::Decode(std::int64_t unpackedSize, WriteFn&& write, ReadFn&& read) {
    // Value-initialised: the ring bytes past the pre-filled spaces read as 0.
    std::unique_ptr<Tables> tables(new (std::nothrow) Tables());
    if (!tables)
        throw ElzhException(kLzhNoMemoryMessage);
    lzh::HuffmanTree& tree = tables->Tree;
    std::uint8_t* ring = tables->Ring;

    tree.Start();
    for (int i = 0; i < lzh::kPrefilled; ++i)
        ring[i] = ' ';
    unsigned r = lzh::kPrefilled;
    constexpr unsigned mask = lzh::kRingSize - 1;

    BitInput<ReadFn> in{read};
    std::int64_t count = 0;
    while (count < unpackedSize) {
        const int c = DecodeSymbol(tree, in);
        if (c < 256) {
            const std::uint8_t byte = static_cast<std::uint8_t>(c);
            write(&byte, 1);
            ring[r] = byte;
            r = (r + 1) & mask;
            ++count;
        } else {
            const unsigned start = (r - DecodePosition(in) - 1) & mask;
            const int length = c - 255 + lzh::kThreshold;
            for (int k = 0; k < length; ++k) {
                const std::uint8_t byte = ring[(start + static_cast<unsigned>(k)) & mask];
                write(&byte, 1);
                ring[r] = byte;
                r = (r + 1) & mask;
            }
            count += length;
        }
    }
}

} // namespace veyra
