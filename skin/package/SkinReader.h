#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "MessageSink.h"

namespace veyra {

// A packed skin file that does not hold together: sizes that lie, lists that
// run past the data. Raised by TSkinReader::Unpack with a message saying what.
class ESkinFileDamaged : public std::runtime_error {
public:
    explicit ESkinFileDamaged(const std::string& what)
        : std::runtime_error("Damaged skin file: " + what) {}
};

// Unpacks a packed skin file in memory and hands out its members by name.
class TSkinReader {
public:
    static constexpr std::int32_t kFormat20000 = 20000;
    static constexpr std::int32_t kFormat30000 = 30000;
    static constexpr std::size_t kMaxMembers = 1001;
    static constexpr std::size_t kHeaderSize = 16;
    static constexpr std::size_t kSkippedBlock = 256;
    // A packed body never expands by more than this per compressed byte: one
    // bit at least per symbol, and ten bits at least per 60-byte match.
    static constexpr std::int64_t kMaxExpansionPerByte = 48;
    // No skin comes near this; a larger stated size is a damaged file.
    static constexpr std::int64_t kMaxUnpackedSize = 256ll * 1024 * 1024;

    static constexpr const char* kOlderFileMessage =
        "This is Older Skin File\rPlease update to new version !";

    explicit TSkinReader(MessageSink sink = DefaultMessageSink());

    // Reads the whole packed stream from its start. True for the formats 20000
    // and 30000; an older format shows the older-file message and gives false.
    // Throws ESkinFileDamaged for a file that does not hold together, and lets
    // ElzhException through.
    bool Unpack(std::istream& packed);
    bool Unpack(std::span<const std::uint8_t> packed);
    // The same for a payload that is already expanded: the bytes a packed
    // body expands to (header, name list, size table, members), as the skin
    // packer builds them before compressing.
    bool ReadPayload(std::span<const std::uint8_t> payload);

    // Replaces out with the member whose name equals name (compared lower-cased);
    // the first such member wins. An unknown name leaves out empty.
    void ExtractByName(std::string_view name, std::vector<std::uint8_t>& out) const;

    // Replaces out with the first member whose name contains text (not
    // lower-cased) and sets foundName; with no match out is empty and foundName
    // keeps its value.
    void FindContaining(std::string_view text, std::vector<std::uint8_t>& out,
                        std::string& foundName) const;

    std::int32_t Format() const { return Format_; }
    const std::vector<std::string>& Names() const { return Names_; }
    std::int32_t MemberSize(std::size_t index) const { return Sizes_.at(index); }
    const std::array<std::uint8_t, kHeaderSize>& Header() const { return Header_; }

    // Lower-cases the letters A..Z only; every other byte stays as it is.
    static std::string LowerAscii(std::string_view text);
    // Splits a name list at CR LF, CR or LF; a final line break adds no name.
    static std::vector<std::string> SplitLines(std::string_view text);

private:
    void Clear();
    void CopyMember(std::size_t index, std::vector<std::uint8_t>& out) const;
    void BuildFromPayload(std::span<const std::uint8_t> payload);

    MessageSink Sink_;
    std::int32_t Format_ = 0;
    std::array<std::uint8_t, kHeaderSize> Header_{};
    std::vector<std::string> Names_;
    std::array<std::int32_t, kMaxMembers> Sizes_{};
    std::vector<std::int64_t> Offsets_;
    std::vector<std::uint8_t> MemberData_;
};

// Expands a packed body (4-byte little-endian size, then the LZHUF stream) into
// out, after the same size checks as Unpack. Throws ESkinFileDamaged.
void ExpandPackedBody(std::span<const std::uint8_t> packed, std::vector<std::uint8_t>& out);

} // namespace veyra
