#include "TextWin32.h"

#include <climits>

namespace veyra {

int DrawUtf16Text(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
    if (text.size() > static_cast<std::size_t>(INT_MAX))
        return 0;
    // DrawTextW may write to the text with DT_MODIFYSTRING; give it a copy.
    std::wstring copy(text);
    return DrawTextW(dc, copy.data(), static_cast<int>(copy.size()), &rect,
                     format & ~DT_MODIFYSTRING);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    // The length may be an overestimate (or the text may change); take what comes.
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

std::wstring ToUtf16(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int size = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), needed);
    return wide;
}

} // namespace veyra
