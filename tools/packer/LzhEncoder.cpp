#include "LzhEncoder.h"

#include <algorithm>
#include <stdexcept>

#include "skin/package/HuffmanTree.h"
#include "skin/package/LzhParams.h"

namespace veyra::tools {
namespace {

using namespace veyra::lzh;

class BitWriter {
public:
    explicit BitWriter(std::vector<std::uint8_t>& out) : Out_(out) {}

    // Appends the low `count` bits of value, most significant first.
    void Put(std::uint64_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            Byte_ = static_cast<std::uint8_t>((Byte_ << 1) | ((value >> i) & 1));
            if (++Filled_ == 8) {
                Out_.push_back(Byte_);
                Byte_ = 0;
                Filled_ = 0;
            }
        }
    }
    void Flush() {
        if (Filled_ > 0)
            Out_.push_back(static_cast<std::uint8_t>(Byte_ << (8 - Filled_)));
        Byte_ = 0;
        Filled_ = 0;
    }

private:
    std::vector<std::uint8_t>& Out_;
    std::uint8_t Byte_ = 0;
    int Filled_ = 0;
};

// Emits symbol c with the current tree, then counts it as the decoder will.
void EncodeSymbol(HuffmanTree& tree, BitWriter& bits, int c) {
    std::uint64_t code = 0;
    int length = 0;
    int node = tree.Parent[c + kTreeSize];
    // Walk from the leaf to the root; a node's bit is which of its parent's pair it is.
    do {
        code |= static_cast<std::uint64_t>(node & 1) << length;
        ++length;
        node = tree.Parent[node];
    } while (node != kRoot);
    if (length > 64)
        throw std::logic_error("LZH tree deeper than 64 levels");
    bits.Put(code, length);
    tree.Update(c);
}

void EncodePosition(BitWriter& bits, unsigned p) {
    const unsigned upper = p >> 6;
    const int length = kPositionCodeLengths[upper];
    bits.Put(kPositionCodes[upper] >> (8 - length), length);
    bits.Put(p & 0x3F, 6);
}

// Longest-match search over the stream as the decoder sees it: the ring's
// kPrefilled spaces followed by the data. Hash chains over 3-byte prefixes.
class MatchFinder {
public:
    explicit MatchFinder(std::span<const std::uint8_t> data)
        : Stream_(static_cast<std::size_t>(kPrefilled), ' '), Head_(kHashSize, -1) {
        Stream_.insert(Stream_.end(), data.begin(), data.end());
        Previous_.assign(Stream_.size(), -1);
        for (std::int64_t i = 0; i < kPrefilled; ++i)
            Insert(i);
    }

    struct Match {
        int Length = 0;
        unsigned Distance = 0;
    };

    Match Find(std::int64_t at) const {
        Match best;
        const std::int64_t end = static_cast<std::int64_t>(Stream_.size());
        const int maxLength = static_cast<int>(std::min<std::int64_t>(kLookAhead, end - at));
        if (maxLength < kThreshold + 1)
            return best;
        int steps = 0;
        for (std::int64_t candidate = Head_[Hash(at)]; candidate >= 0 && steps < kMaxChain;
             candidate = Previous_[candidate], ++steps) {
            const std::int64_t distance = at - candidate;
            if (distance > kRingSize)
                break;
            int length = 0;
            while (length < maxLength && Stream_[candidate + length] == Stream_[at + length])
                ++length;
            if (length > best.Length) {
                best.Length = length;
                best.Distance = static_cast<unsigned>(distance);
                if (length == maxLength)
                    break;
            }
        }
        return best;
    }

    void Insert(std::int64_t at) {
        if (at + 2 >= static_cast<std::int64_t>(Stream_.size()))
            return;
        const std::size_t h = Hash(at);
        Previous_[at] = Head_[h];
        Head_[h] = at;
    }

    std::uint8_t At(std::int64_t i) const { return Stream_[static_cast<std::size_t>(i)]; }
    std::int64_t End() const { return static_cast<std::int64_t>(Stream_.size()); }

private:
    static constexpr std::size_t kHashSize = 1 << 15;
    static constexpr int kMaxChain = 256;

    std::size_t Hash(std::int64_t at) const {
        if (at + 2 >= static_cast<std::int64_t>(Stream_.size()))
            return 0;
        const std::uint32_t v = (static_cast<std::uint32_t>(Stream_[at]) << 16) |
                                (static_cast<std::uint32_t>(Stream_[at + 1]) << 8) |
                                Stream_[at + 2];
        return (v * 2654435761u) >> 17;
    }

    std::vector<std::uint8_t> Stream_;
    std::vector<std::int64_t> Head_;
    std::vector<std::int64_t> Previous_;
};

} // namespace

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data, LzhMatching matching) {
    std::vector<std::uint8_t> out;
    if (data.empty())
        return out;
    HuffmanTree tree;
    tree.Start();
    BitWriter bits(out);
    if (matching == LzhMatching::LiteralsOnly) {
        for (const std::uint8_t byte : data)
            EncodeSymbol(tree, bits, byte);
        bits.Flush();
        return out;
    }
    MatchFinder finder(data);

    std::int64_t at = kPrefilled;
    while (at < finder.End()) {
        const MatchFinder::Match match = finder.Find(at);
        if (match.Length > kThreshold) {
            EncodeSymbol(tree, bits, 255 - kThreshold + match.Length);
            EncodePosition(bits, match.Distance - 1);
            for (int k = 0; k < match.Length; ++k)
                finder.Insert(at + k);
            at += match.Length;
        } else {
            EncodeSymbol(tree, bits, finder.At(at));
            finder.Insert(at);
            ++at;
        }
    }
    bits.Flush();
    return out;
}

std::vector<std::uint8_t> LzhPackBody(std::span<const std::uint8_t> data, LzhMatching matching) {
    if (data.size() > 0x7FFFFFFFu)
        throw std::length_error("data too large for a packed body");
    const std::uint32_t size = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> out{
        static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
        static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
    const std::vector<std::uint8_t> stream = LzhCompress(data, matching);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

} // namespace veyra::tools
