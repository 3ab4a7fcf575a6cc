#pragma once

#include <windows.h>

#include <string>

namespace veyra {

// The class name of a window (empty when the window is gone).
std::wstring ClassNameOf(HWND window);

} // namespace veyra
