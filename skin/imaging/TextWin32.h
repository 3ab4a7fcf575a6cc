#pragma once

// Text for skinned painting, always through the wide calls: every window the
// program creates is a Unicode window.

#include <windows.h>

#include <string>
#include <string_view>

namespace veyra {

// Draws UTF-16 text into rect with DrawTextW's format flags and returns its
// result (the text height; rect is updated with DT_CALCRECT).
int DrawUtf16Text(HDC dc, std::wstring_view text, RECT& rect, UINT format);

// The whole text of window as UTF-16.
std::wstring WindowText(HWND window);

// Text in the system code page as UTF-16.
std::wstring ToUtf16(std::string_view text);

} // namespace veyra
