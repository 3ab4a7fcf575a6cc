#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestData.h"
#include "skin/package/HuffmanTree.h"
#include "skin/package/Lzh.h"
#include "tools/packer/LzhEncoder.h"

namespace veyra {
namespace {

using test::Bytes;
using test::RandomBytes;

struct DecodeResult {
    std::vector<std::uint8_t> Output;
    std::size_t BytesRead = 0;
};

DecodeResult DecodeStream(const std::vector<std::uint8_t>& stream, std::int64_t size) {
    DecodeResult result;
    TLZH decoder;
    decoder.Decode(
        size,
        [&](const std::uint8_t* buffer, std::uint16_t n) {
            result.Output.insert(result.Output.end(), buffer, buffer + n);
            return static_cast<int>(n);
        },
        [&](std::uint8_t* buffer, std::uint16_t n) {
            int delivered = 0;
            while (delivered < n && result.BytesRead < stream.size())
                buffer[delivered++] = stream[result.BytesRead++];
            return delivered;
        });
    return result;
}

std::vector<std::uint8_t> RoundTrip(const std::vector<std::uint8_t>& data) {
    return DecodeStream(tools::LzhCompress(data), static_cast<std::int64_t>(data.size())).Output;
}

std::vector<std::uint8_t> Repeat(const std::vector<std::uint8_t>& block, int times) {
    std::vector<std::uint8_t> out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), block.begin(), block.end());
    return out;
}

TEST(LzhRoundTrip, ExpandsWhatWasCompressed) {
    const std::string text = "[Colours]\r\nButtonFace=236,233,216\r\nButtonText=0,0,0\r\n[Buttons]"
                             "\r\nImage=button.bmp\r\n";
    const std::vector<std::vector<std::uint8_t>> inputs = {
        {},
        Bytes("a"),
        Bytes("ab"),
        Bytes(text),
        RandomBytes(5000, 1),
        std::vector<std::uint8_t>(20000, 0x41),
        Repeat(Bytes("0123456789"), 3000),
    };
    for (const auto& input : inputs) {
        EXPECT_EQ(RoundTrip(input), input) << "input of " << input.size() << " bytes";
        const auto literals = tools::LzhCompress(input, tools::LzhMatching::LiteralsOnly);
        EXPECT_EQ(DecodeStream(literals, static_cast<std::int64_t>(input.size())).Output, input)
            << "literals only, input of " << input.size() << " bytes";
    }
}

TEST(LzhRoundTrip, RepetitiveInputShrinksAndRandomInputDoesNot) {
    const auto repetitive = std::vector<std::uint8_t>(60000, 7);
    EXPECT_LT(tools::LzhCompress(repetitive).size(), 60000u / 20);
    const auto random = RandomBytes(60000, 2);
    EXPECT_GT(tools::LzhCompress(random).size(), 60000u * 9 / 10);
}

// A long input pushes the root frequency to 0x8000 many times; every rebuild
// must keep encoder and decoder in step.
TEST(LzhRoundTrip, SurvivesManyTreeRebuilds) {
    std::vector<std::uint8_t> input = RandomBytes(150000, 3);
    const auto text = Repeat(Bytes("the quick brown fox jumps over the lazy dog. "), 2000);
    input.insert(input.end(), text.begin(), text.end());
    EXPECT_EQ(RoundTrip(input), input);
}

// The data is far longer than the ring and repeats at distances close to its
// size, so matches start near the ring's end and wrap to its start.
TEST(LzhRoundTrip, MatchesWrapAroundTheRing) {
    const auto block = RandomBytes(4000, 4);
    const auto input = Repeat(block, 4);
    const auto compressed = tools::LzhCompress(input);
    EXPECT_LT(compressed.size(), 6000u) << "the repeats were not coded as matches";
    EXPECT_EQ(DecodeStream(compressed, static_cast<std::int64_t>(input.size())).Output, input);
}

// Leading spaces match the ring's pre-filled spaces: sixty of them cost a
// single match code.
TEST(LzhRoundTrip, MatchesReachIntoThePrefilledSpaces) {
    const std::vector<std::uint8_t> spaces(60, ' ');
    const auto compressed = tools::LzhCompress(spaces);
    EXPECT_LE(compressed.size(), 4u);
    EXPECT_EQ(DecodeStream(compressed, 60).Output, spaces);
}

TEST(LzhDecode, SizeZeroReadsNoInput) {
    const DecodeResult result = DecodeStream(RandomBytes(100, 5), 0);
    EXPECT_TRUE(result.Output.empty());
    EXPECT_EQ(result.BytesRead, 0u);
}

// With no input at all every bit reads as 0. Following child 0 from the root
// of the fresh tree (626, 624, 620, 612, 596, 564, 500, 372) ends at node 116,
// the literal 't'. Counting it swaps it with node 313, the longest match, which
// is then the all-zero code; its position byte 0 copies the 't' just written
// sixty times. A match is copied whole even past the stated size.
TEST(LzhDecode, MissingInputReadsAsZeroBits) {
    EXPECT_EQ(DecodeStream({}, 1).Output, std::vector<std::uint8_t>(1, 't'));
    EXPECT_EQ(DecodeStream({}, 2).Output, std::vector<std::uint8_t>(61, 't'));
    EXPECT_EQ(DecodeStream({}, 61).Output, std::vector<std::uint8_t>(61, 't'));
}

TEST(LzhDecode, TruncatedStreamStillProducesTheStatedSize) {
    const auto input = RandomBytes(3000, 6);
    auto compressed = tools::LzhCompress(input);
    compressed.resize(compressed.size() / 2);
    const auto output = DecodeStream(compressed, 3000).Output;
    EXPECT_GE(output.size(), 3000u);
    EXPECT_LE(output.size(), 3000u + 59u);
    // The first bytes come from the intact part of the stream.
    EXPECT_TRUE(std::equal(input.begin(), input.begin() + 100, output.begin()));
}

TEST(LzhPositionTables, DecodeTableInvertsTheCodes) {
    EXPECT_EQ(lzh::kPositionDecode.Code[0x00], 0);
    EXPECT_EQ(lzh::kPositionDecode.Length[0x1F], 3);
    EXPECT_EQ(lzh::kPositionDecode.Code[0x20], 1);
    EXPECT_EQ(lzh::kPositionDecode.Length[0x20], 4);
    EXPECT_EQ(lzh::kPositionDecode.Code[0x50], 4);
    EXPECT_EQ(lzh::kPositionDecode.Code[0xC0], 24);
    EXPECT_EQ(lzh::kPositionDecode.Code[0xFF], 63);
    EXPECT_EQ(lzh::kPositionDecode.Length[0xFF], 8);
    for (int upper = 0; upper < 64; ++upper) {
        const int length = lzh::kPositionCodeLengths[upper];
        // Every first byte that starts with this code decodes to it.
        for (int tail = 0; tail < (1 << (8 - length)); ++tail) {
            const int b = lzh::kPositionCodes[upper] | tail;
            ASSERT_EQ(lzh::kPositionDecode.Code[b], upper) << "byte " << b;
            ASSERT_EQ(lzh::kPositionDecode.Length[b], length) << "byte " << b;
        }
    }
}

void ExpectTreeConsistent(const lzh::HuffmanTree& tree) {
    for (int node = 0; node < lzh::kTreeSize; ++node) {
        if (node > 0) {
            ASSERT_LE(tree.Frequency[node - 1], tree.Frequency[node]) << "node " << node;
        }
        const int child = tree.Child[node];
        if (child >= lzh::kTreeSize) {
            ASSERT_EQ(tree.Parent[child], node);
        } else {
            ASSERT_EQ(tree.Parent[child], node);
            ASSERT_EQ(tree.Parent[child + 1], node);
            ASSERT_EQ(tree.Frequency[node], tree.Frequency[child] + tree.Frequency[child + 1]);
        }
    }
}

TEST(LzhTree, StaysOrderedAndLinkedThroughUpdatesAndRebuilds) {
    lzh::HuffmanTree tree;
    tree.Start();
    ExpectTreeConsistent(tree);
    EXPECT_EQ(tree.Frequency[lzh::kRoot], lzh::kSymbolCount);
    const auto symbols = RandomBytes(70000, 7);
    bool rebuilt = false;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const int c = (i % 5 == 0) ? 256 + symbols[i] % 58 : symbols[i];
        const unsigned before = tree.Frequency[lzh::kRoot];
        tree.Update(c);
        if (tree.Frequency[lzh::kRoot] < before)
            rebuilt = true;
        ASSERT_LT(tree.Frequency[lzh::kRoot], lzh::kMaxFrequency + 1);
    }
    EXPECT_TRUE(rebuilt);
    ExpectTreeConsistent(tree);
}

} // namespace
} // namespace veyra
