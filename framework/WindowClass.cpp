#include "WindowClass.h"

namespace veyra {

std::wstring ClassNameOf(HWND window) {
    // Class names are at most 256 characters long.
    wchar_t name[257] = {};
    const int length = GetClassNameW(window, name, 257);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace veyra
