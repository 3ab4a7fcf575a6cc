#include "MessageSink.h"

#include <windows.h>

#include <string>

namespace veyra {

MessageSink DefaultMessageSink() {
    return [](std::string_view text) {
        const int length = static_cast<int>(text.size());
        std::wstring wide(static_cast<std::size_t>(
                              MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)),
                          L'\0');
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(),
                            static_cast<int>(wide.size()));
        MessageBoxW(nullptr, wide.c_str(), L"", MB_OK | MB_ICONINFORMATION);
    };
}

} // namespace veyra
