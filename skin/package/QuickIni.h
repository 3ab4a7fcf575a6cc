#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "AssertionFailed.h"

namespace veyra {

// The skin definition's INI text, parsed once and read many times. It never
// writes. Section and key names match without regard to ASCII letter case;
// the first of repeated sections and keys is the one that is read.
class TQuickIni {
public:
    static constexpr const char* kNoListMessage = "The parameter Strings is unassigned!";

    // Replaces the whole content with the text from the stream's current
    // position to its end. A null stream leaves the reader as it was.
    void Load(std::istream* stream);
    // Replaces the whole content with text (code-page bytes).
    void LoadText(std::string_view text);
    // Replaces the whole content with bytes, as an INI member is unpacked.
    void LoadBytes(std::span<const std::uint8_t> bytes);

    // The value of key in section, trimmed, or defaultValue when the section or
    // key is missing or the first matching key has an empty value.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Out-parameter form of ReadString.
    void ReadString(std::string_view section, std::string_view key, std::string& value,
                    std::string_view defaultValue) const;

    // The value of key as a 32-bit integer (decimal, "$1F" or "0x1F"), or
    // defaultValue when it is missing or not wholly such a number.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;

    // Replaces *list with the section names (brackets removed, trimmed) in file
    // order, repeats included. Throws EAssertionFailed when list is null.
    void GetSections(std::vector<std::string>* list) const;

    // Every kept line, trimmed, in file order.
    const std::vector<std::string>& Lines() const { return Lines_; }

    // Removes every leading and trailing byte with a code of 32 or less.
    static std::string_view Trim(std::string_view text);
    // Converts a whole text as an optionally signed decimal number or, after
    // "$", a hexadecimal one of at most 32 bits; false when it is not one.
    static bool TryParseInteger(std::string_view text, std::int32_t& value);

private:
    struct SectionHeader {
        std::string Text; // the header line as it stands, brackets included
        std::size_t Line; // its index in Lines_
    };
    // Where the keys of one section are: for each lower-cased key, the line of
    // its first occurrence. Built at load so that a lookup never walks the
    // file, whatever an untrusted definition repeats.
    using KeyIndex = std::unordered_map<std::string, std::size_t>;

    void Clear();
    void AddLine(std::string_view line);
    void IndexKeys();
    const KeyIndex* FindSection(std::string_view section) const;

    std::vector<std::string> Lines_;
    std::vector<SectionHeader> Sections_;
    // Lower-cased header text -> keys of its first occurrence.
    std::unordered_map<std::string, KeyIndex> SectionKeys_;
};

} // namespace veyra
