#pragma once

#include <string>
#include <string_view>

// Letter case and digits the way skin files and stored descriptions mean
// them: only the ASCII letters A..Z change case; code-page bytes above 127
// are left exactly as they are.
namespace veyra {

inline char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char UpperAsciiChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = LowerAsciiChar(c);
    return lower;
}

inline std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = UpperAsciiChar(c);
    return upper;
}

// True when a and b differ at most in the case of ASCII letters.
inline bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAsciiChar(a[i]) != LowerAsciiChar(b[i]))
            return false;
    return true;
}

// The value of a hexadecimal digit, or -1.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace veyra
