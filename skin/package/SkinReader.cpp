#include "SkinReader.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>

#include "AsciiText.h"
#include "Lzh.h"

namespace veyra {
namespace {

std::int32_t ReadInt32(const std::uint8_t* p) {
    const std::uint32_t v =
        static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(v);
}

} // namespace

void ExpandPackedBody(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& out) {
    out.clear();
    if (packed.size() < 4)
        throw ESkinFileDamaged("the file is shorter than its 4-byte size field");
    const std::int64_t unpackedSize = ReadInt32(packed.data());
    const std::span<const std::uint8_t> body = packed.subspan(4);
    if (unpackedSize < 0)
        throw ESkinFileDamaged("the unpacked size " + std::to_string(unpackedSize) +
                               " is negative");
    // Two bytes of slack: the last code of a valid stream may end in the final
    // partial byte, and the decoder reads a little ahead.
    const std::int64_t bound =
        TSkinReader::kMaxExpansionPerByte * (static_cast<std::int64_t>(body.size()) + 2) +
        lzh::kLookAhead;
    if (unpackedSize > bound)
        throw ESkinFileDamaged("the unpacked size " + std::to_string(unpackedSize) +
                               " is more than " + std::to_string(body.size()) +
                               " compressed bytes can hold");
    if (unpackedSize > TSkinReader::kMaxUnpackedSize)
        throw ESkinFileDamaged("the unpacked size " + std::to_string(unpackedSize) +
                               " is larger than any skin");

    out.reserve(static_cast<std::size_t>(unpackedSize) + lzh::kLookAhead);
    std::size_t position = 0;
    TLZH decoder;
    decoder.Decode(
        unpackedSize,
        [&out](const std::uint8_t* buffer, std::uint16_t count) {
            out.insert(out.end(), buffer, buffer + count);
            return static_cast<int>(count);
        },
        [&body, &position](std::uint8_t* buffer, std::uint16_t count) {
            const std::size_t n = std::min<std::size_t>(count, body.size() - position);
            std::memcpy(buffer, body.data() + position, n);
            position += n;
            return static_cast<int>(n);
        });
}

TSkinReader::TSkinReader(MessageSink sink) : Sink_(std::move(sink)) {}

std::string TSkinReader::LowerAscii(std::string_view text) {
    return veyra::LowerAscii(text);
}

std::vector<std::string> TSkinReader::SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

void TSkinReader::Clear() {
    Format_ = 0;
    Header_.fill(0);
    Names_.clear();
    Sizes_.fill(0);
    Offsets_.clear();
    MemberData_.clear();
}

bool TSkinReader::Unpack(std::istream& packed) {
    packed.clear();
    packed.seekg(0, std::ios::beg);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(packed)),
                                          std::istreambuf_iterator<char>());
    return Unpack(std::span<const std::uint8_t>(bytes));
}

bool TSkinReader::Unpack(std::span<const std::uint8_t> packed) {
    Clear();
    std::vector<std::uint8_t> payload;
    ExpandPackedBody(packed, payload);
    return ReadPayload(payload);
}

bool TSkinReader::ReadPayload(std::span<const std::uint8_t> payload) {
    Clear();
    if (payload.size() < kHeaderSize)
        throw ESkinFileDamaged("the unpacked data is shorter than its 16-byte header");

    const std::int32_t tag = ReadInt32(payload.data());
    if (tag != kFormat20000 && tag != kFormat30000) {
        if (Sink_)
            Sink_(kOlderFileMessage);
        return false;
    }
    try {
        BuildFromPayload(payload);
    } catch (...) {
        Clear();
        throw;
    }
    return true;
}

void TSkinReader::BuildFromPayload(std::span<const std::uint8_t> payload) {
    std::copy_n(payload.begin(), kHeaderSize, Header_.begin());
    Format_ = ReadInt32(payload.data());
    const std::int64_t listLength = ReadInt32(payload.data() + 4);

    std::size_t at = kHeaderSize;
    if (Format_ == kFormat30000) {
        if (payload.size() - at < kSkippedBlock)
            throw ESkinFileDamaged("the data ends inside the 256-byte block of format 30000");
        at += kSkippedBlock;
    }
    if (listLength < 0 || static_cast<std::uint64_t>(listLength) > payload.size() - at)
        throw ESkinFileDamaged("the name list length " + std::to_string(listLength) +
                               " does not fit in the data");
    const std::string_view list(reinterpret_cast<const char*>(payload.data() + at),
                                static_cast<std::size_t>(listLength));
    at += static_cast<std::size_t>(listLength);

    Names_ = SplitLines(LowerAscii(list));
    const std::size_t count = Names_.size();
    if (count > kMaxMembers)
        throw ESkinFileDamaged(std::to_string(count) + " members listed; at most " +
                               std::to_string(kMaxMembers) + " are supported");
    if ((payload.size() - at) / 4 < count)
        throw ESkinFileDamaged("the size table of " + std::to_string(count) +
                               " members runs past the end of the data");

    const std::int64_t dataLength = static_cast<std::int64_t>(payload.size() - at - 4 * count);
    std::int64_t offset = 0;
    Offsets_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t size = ReadInt32(payload.data() + at + 4 * i);
        if (size < 0)
            throw ESkinFileDamaged("member \"" + Names_[i] + "\" has the negative size " +
                                   std::to_string(size));
        if (offset + size > dataLength)
            throw ESkinFileDamaged("member \"" + Names_[i] + "\" runs past the end of the data");
        Sizes_[i] = size;
        Offsets_[i] = offset;
        offset += size;
    }
    at += 4 * count;
    MemberData_.assign(payload.begin() + static_cast<std::ptrdiff_t>(at), payload.end());
}

void TSkinReader::CopyMember(std::size_t index, std::vector<std::uint8_t>& out) const {
    const auto begin = MemberData_.begin() + Offsets_[index];
    out.assign(begin, begin + Sizes_[index]);
}

void TSkinReader::ExtractByName(std::string_view name, std::vector<std::uint8_t>& out) const {
    out.clear();
    const std::string wanted = LowerAscii(name);
    for (std::size_t i = 0; i < Names_.size(); ++i) {
        if (Names_[i] == wanted) {
            CopyMember(i, out);
            return;
        }
    }
}

void TSkinReader::FindContaining(std::string_view text, std::vector<std::uint8_t>& out,
                                 std::string& foundName) const {
    out.clear();
    for (std::size_t i = 0; i < Names_.size(); ++i) {
        if (Names_[i].find(text) != std::string::npos) {
            CopyMember(i, out);
            foundName = Names_[i];
            return;
        }
    }
}

} // namespace veyra
