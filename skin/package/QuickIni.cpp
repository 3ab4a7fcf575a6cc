#include "QuickIni.h"

#include "AsciiText.h"

#include <istream>
#include <iterator>

namespace veyra {
namespace {

bool IsHeader(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

// The text before the first "=", trimmed and lower-cased; empty without "=".
std::string KeyOf(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    return LowerAscii(TQuickIni::Trim(line.substr(0, equals)));
}

std::string HeaderKey(std::string_view section) {
    std::string header;
    header.reserve(section.size() + 2);
    header += '[';
    header += section;
    header += ']';
    return LowerAscii(header);
}

} // namespace

std::string_view TQuickIni::Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool TQuickIni::TryParseInteger(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = !text.empty() && text.front() == '$';
    if (hex)
        text.remove_prefix(1);
    if (text.empty())
        return false;
    // Hexadecimal spells the 32 bits themselves ($FFFFFFFF is -1); decimal
    // must name a value inside the signed range.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    const int base = hex ? 16 : 10;
    std::uint64_t magnitude = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base)
            return false;
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit)
            return false;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<std::int32_t>(bits);
    return true;
}

void TQuickIni::Clear() {
    Lines_.clear();
    Sections_.clear();
    SectionKeys_.clear();
}

void TQuickIni::Load(std::istream* stream) {
    if (stream == nullptr)
        return;
    const std::string text((std::istreambuf_iterator<char>(*stream)),
                           std::istreambuf_iterator<char>());
    LoadText(text);
}

void TQuickIni::LoadBytes(std::span<const std::uint8_t> bytes) {
    LoadText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void TQuickIni::LoadText(std::string_view text) {
    Clear();
    text = text.substr(0, text.find('\0'));
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        AddLine(text.substr(start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    IndexKeys();
}

void TQuickIni::AddLine(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';')
        return;
    if (IsHeader(line))
        Sections_.push_back({std::string(line), Lines_.size()});
    Lines_.emplace_back(line);
}

void TQuickIni::IndexKeys() {
    for (std::size_t s = 0; s < Sections_.size(); ++s) {
        // A repeated header is never read: only its first occurrence is indexed.
        const auto [entry, added] = SectionKeys_.try_emplace(LowerAscii(Sections_[s].Text));
        if (!added)
            continue;
        const std::size_t end = s + 1 < Sections_.size() ? Sections_[s + 1].Line : Lines_.size();
        for (std::size_t line = Sections_[s].Line + 1; line < end; ++line)
            entry->second.try_emplace(KeyOf(Lines_[line]), line);
    }
}

const TQuickIni::KeyIndex* TQuickIni::FindSection(std::string_view section) const {
    const auto found = SectionKeys_.find(HeaderKey(section));
    return found == SectionKeys_.end() ? nullptr : &found->second;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    std::string value;
    ReadString(section, key, value, defaultValue);
    return value;
}

void TQuickIni::ReadString(std::string_view section, std::string_view key, std::string& value,
                           std::string_view defaultValue) const {
    value.assign(defaultValue);
    const KeyIndex* keys = FindSection(section);
    if (keys == nullptr)
        return;
    const auto found = keys->find(LowerAscii(key));
    if (found == keys->end())
        return;
    const std::string_view line = Lines_[found->second];
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    const std::string_view text = Trim(line.substr(equals + 1));
    if (!text.empty())
        value.assign(text);
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    std::string text = ReadString(section, key, {});
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    std::int32_t value = 0;
    return TryParseInteger(text, value) ? value : defaultValue;
}

void TQuickIni::GetSections(std::vector<std::string>* list) const {
    if (list == nullptr)
        throw EAssertionFailed(kNoListMessage);
    list->clear();
    list->reserve(Sections_.size());
    for (const SectionHeader& header : Sections_) {
        const std::string_view text = header.Text;
        list->emplace_back(Trim(text.substr(1, text.size() - 2)));
    }
}

} // namespace veyra
