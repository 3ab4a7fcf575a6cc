#pragma once

#include <string>
#include <string_view>

#include "skin/package/AsciiText.h"

namespace veyra {

// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view text);
// UTF-16 to UTF-8.
std::string WideToUtf8(std::wstring_view text);
// The system's ANSI code page to UTF-16.
std::wstring AnsiToWide(std::string_view text);
// UTF-16 to the system's ANSI code page (unmappable characters become '?').
std::string WideToAnsi(std::wstring_view text);
// Compares two ASCII names without regard to letter case.
inline bool SameText(std::string_view a, std::string_view b) {
    return EqualsIgnoreAsciiCase(a, b);
}

} // namespace veyra
