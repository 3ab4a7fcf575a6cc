// Streams made without the product's Huffman tree. The packer shares that
// tree with the decoder, so a fault in it shows in neither direction of a
// round trip; these streams come from a plain model of the published LZHUF
// written here from the format's description (linear searches, no shortcuts,
// its own position codes), so the decoder must agree with an outside model.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/package/Lzh.h"

namespace veyra {
namespace {

constexpr int kLeaves = 314;            // 256 literals and the lengths 3..60
constexpr int kNodes = 2 * kLeaves - 1; // 627
constexpr int kTop = kNodes - 1;        // the root
constexpr unsigned kRebuildAt = 0x8000;

// The adaptive code exactly as the format describes it, kept as simple as it
// can be written.
class PlainModel {
public:
    PlainModel() : Freq_(kNodes + 1), Parent_(kNodes + kLeaves), Son_(kNodes) {
        for (int i = 0; i < kLeaves; ++i) {
            Freq_[i] = 1;
            Son_[i] = i + kNodes;
            Parent_[i + kNodes] = i;
        }
        for (int i = 0, j = kLeaves; j < kNodes; i += 2, ++j) {
            Freq_[j] = Freq_[i] + Freq_[i + 1];
            Son_[j] = i;
            Parent_[i] = Parent_[i + 1] = j;
        }
        Freq_[kNodes] = 0xFFFF;
        Parent_[kTop] = 0;
    }

    // The code of symbol c, root first, as bits 0 and 1.
    std::vector<int> CodeOf(int c) const {
        std::vector<int> reversed;
        for (int node = Parent_[c + kNodes]; node != kTop; node = Parent_[node])
            reversed.push_back(node - Son_[Parent_[node]]); // 0 for the first of the pair
        return {reversed.rbegin(), reversed.rend()};
    }

    void Count(int c) {
        if (Freq_[kTop] == kRebuildAt)
            Rebuild();
        int node = Parent_[c + kNodes];
        do {
            const unsigned k = ++Freq_[node];
            int l = node + 1;
            if (k > Freq_[l]) {
                while (k > Freq_[l + 1])
                    ++l;
                Freq_[node] = Freq_[l];
                Freq_[l] = k;
                const int i = Son_[node];
                const int j = Son_[l];
                Son_[l] = i;
                Son_[node] = j;
                Relink(i, l);
                Relink(j, node);
                node = l;
            }
            node = Parent_[node];
        } while (node != 0);
    }

    bool Rebuilt() const { return Rebuilds_ > 0; }

private:
    // Child entry child now hangs below node.
    void Relink(int child, int node) {
        Parent_[child] = node;
        if (child < kNodes)
            Parent_[child + 1] = node;
    }

    void Rebuild() {
        ++Rebuilds_;
        int j = 0;
        for (int i = 0; i < kNodes; ++i)
            if (Son_[i] >= kNodes) {
                Freq_[j] = (Freq_[i] + 1) / 2;
                Son_[j] = Son_[i];
                ++j;
            }
        for (int i = 0, node = kLeaves; node < kNodes; i += 2, ++node) {
            const unsigned f = Freq_[i] + Freq_[i + 1];
            int k = node - 1;
            while (f < Freq_[k])
                --k;
            ++k;
            for (int m = node; m > k; --m) {
                Freq_[m] = Freq_[m - 1];
                Son_[m] = Son_[m - 1];
            }
            Freq_[k] = f;
            Son_[k] = i;
        }
        for (int i = 0; i < kNodes; ++i)
            Relink(Son_[i], i);
    }

    std::vector<unsigned> Freq_;
    std::vector<int> Parent_;
    std::vector<int> Son_;
    int Rebuilds_ = 0;
};

// One step of the stream: a literal byte, or a match of Length bytes that
// starts Distance + 1 bytes back in the ring.
struct Token {
    int Literal = -1;
    int Length = 0;
    unsigned Distance = 0;
};

Token Lit(int byte) {
    return {byte, 0, 0};
}
Token Match(int length, unsigned distance) {
    return {-1, length, distance};
}

class PlainEncoder {
public:
    std::vector<std::uint8_t> Encode(const std::vector<Token>& tokens) {
        for (const Token& t : tokens) {
            const int symbol = t.Literal >= 0 ? t.Literal : 253 + t.Length;
            for (int bit : Model_.CodeOf(symbol))
                Put(static_cast<unsigned>(bit), 1);
            Model_.Count(symbol);
            if (t.Literal < 0)
                PutPosition(t.Distance);
        }
        if (Filled_ > 0)
            Out_.push_back(static_cast<std::uint8_t>(Byte_ << (8 - Filled_)));
        return Out_;
    }

    const PlainModel& Model() const { return Model_; }

private:
    // The upper six bits of a position take a prefix code: 1 code of 3 bits,
    // 3 of 4, 8 of 5, 12 of 6, 24 of 7 and 16 of 8, handed out in order of
    // length; the low six bits follow as they are.
    void PutPosition(unsigned distance) {
        const int counts[] = {1, 3, 8, 12, 24, 16};
        unsigned code = 0; // the next free code, as the top bits of a byte
        unsigned upper = distance >> 6;
        for (int bits = 3; bits <= 8; ++bits) {
            const unsigned n = static_cast<unsigned>(counts[bits - 3]);
            if (upper < n) {
                Put((code >> (8 - bits)) + upper, bits);
                break;
            }
            upper -= n;
            code += n << (8 - bits);
        }
        Put(distance & 0x3F, 6);
    }

    void Put(unsigned value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            Byte_ = static_cast<std::uint8_t>(Byte_ << 1 | (value >> i & 1));
            if (++Filled_ == 8) {
                Out_.push_back(Byte_);
                Filled_ = 0;
            }
        }
    }

    PlainModel Model_;
    std::vector<std::uint8_t> Out_;
    std::uint8_t Byte_ = 0;
    int Filled_ = 0;
};

// What the tokens expand to: the output so far, preceded by the ring's 4036
// spaces. Tests keep away from the 60 ring bytes that nothing has written.
std::vector<std::uint8_t> Expand(const std::vector<Token>& tokens) {
    std::vector<std::uint8_t> out;
    for (const Token& t : tokens) {
        if (t.Literal >= 0) {
            out.push_back(static_cast<std::uint8_t>(t.Literal));
            continue;
        }
        for (int k = 0; k < t.Length; ++k) {
            const std::int64_t from = static_cast<std::int64_t>(out.size()) - t.Distance - 1;
            EXPECT_GE(from, -4036) << "a test token reaches unwritten ring bytes";
            out.push_back(from >= 0 ? out[static_cast<std::size_t>(from)] : std::uint8_t{' '});
        }
    }
    return out;
}

std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& stream, std::size_t size) {
    std::vector<std::uint8_t> out;
    std::size_t read = 0;
    TLZH().Decode(
        static_cast<std::int64_t>(size),
        [&](const std::uint8_t* buffer, std::uint16_t n) {
            out.insert(out.end(), buffer, buffer + n);
            return static_cast<int>(n);
        },
        [&](std::uint8_t* buffer, std::uint16_t n) {
            int delivered = 0;
            while (delivered < n && read < stream.size())
                buffer[delivered++] = stream[read++];
            return delivered;
        });
    return out;
}

// A long mix: literals of a skewed alphabet, short and long matches, near and
// far (up to the whole ring back, across its end), with a seeded generator.
std::vector<Token> LongMix(int count, std::uint32_t seed) {
    std::vector<Token> tokens;
    std::int64_t produced = 0;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned r = seed >> 8;
        if (r % 3 != 0 || produced < 100) {
            tokens.push_back(Lit(static_cast<int>(r % 7 == 0 ? r % 256 : 'a' + r % 6)));
            ++produced;
        } else {
            const int length = 3 + static_cast<int>(r / 3 % 58);
            const unsigned reach =
                static_cast<unsigned>(std::min<std::int64_t>(4095, produced + 4000));
            tokens.push_back(Match(length, (r / 200) % (reach + 1)));
            produced += length;
        }
    }
    return tokens;
}

// Made by PlainEncoder from these tokens and checked in: "ABABAB" as two
// literals and a self-overlapping match, five spaces taken from the ring's
// prefilled part, and a literal after them. By hand, the first nine bits are
// the fresh tree's code for 'A' (leaf 65 under nodes 346, 487, 557, 592, 610,
// 619, 623 and 625): 1 1 1 0 0 1 1 0 1, so the stream starts 0xE6.
const std::vector<Token> kShortTokens = {Lit('A'), Lit('B'), Match(4, 1), Match(5, 4035), Lit('!')};
const std::vector<std::uint8_t> kShortStream = {0xE6, 0xF3, 0xA3, 0x40, 0x31,
                                                0xDF, 0xE1, 0xEB, 0x40};

TEST(LzhIndependentStreams, DecodeToWhatAnOutsideModelEncoded) {
    struct Case {
        const char* Name;
        std::vector<Token> Tokens;
    };
    std::vector<Token> literals;
    for (int i = 0; i < 600; ++i)
        literals.push_back(Lit((i * 37) % 256));
    std::vector<Token> wrap;
    for (int i = 0; i < 4100; ++i)
        wrap.push_back(Lit('a' + i % 26));
    wrap.push_back(Match(60, 4095)); // starts one ring's length back, wraps over the ring's end
    const Case cases[] = {
        {"short", kShortTokens},
        {"literals only", literals},
        {"a match across the ring's end", wrap},
        {"long mix with tree rebuilds", LongMix(60000, 11)},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> expected = Expand(c.Tokens);
        PlainEncoder encoder;
        const std::vector<std::uint8_t> stream = encoder.Encode(c.Tokens);
        EXPECT_EQ(Decode(stream, expected.size()), expected) << c.Name;
    }
    PlainEncoder rebuilding;
    rebuilding.Encode(LongMix(60000, 11));
    EXPECT_TRUE(rebuilding.Model().Rebuilt()) << "the long mix must reach the rebuild";
}

TEST(LzhIndependentStreams, CheckedInStreamDecodesAndMatchesTheOutsideModel) {
    const std::string expected = "ABABAB     !";
    EXPECT_EQ(Decode(kShortStream, expected.size()),
              std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(PlainEncoder().Encode(kShortTokens), kShortStream);
}

} // namespace
} // namespace veyra
