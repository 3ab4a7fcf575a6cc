#include "ProviderConfig.h"

#include <windows.h>

#include <vector>

namespace veyra {

std::wstring ExecutableDirectory() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    std::wstring full(path.data());
    const std::size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : full.substr(0, slash + 1);
}

bool TProviderConfig::IsUsableHost(const std::wstring& text) {
    if (text.empty() || text.size() > 253)
        return false;
    for (const wchar_t c : text) {
        const bool ok = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                        (c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L':';
        if (!ok)
            return false;
    }
    return text.front() != L'.' && text.front() != L'-' && text.front() != L':';
}

TProviderConfig TProviderConfig::Load(const std::wstring& directory) {
    TProviderConfig config;
    wchar_t host[300] = {};
    const std::wstring file = directory + kFileName;
    GetPrivateProfileStringW(L"Provider", L"Host", L"", host, 300, file.c_str());
    // A host that could change the address's meaning (a path, a user name,
    // spaces) is not used: the built-in host is safer than a wrong page.
    if (IsUsableHost(host))
        config.Host_ = host;
    return config;
}

std::wstring TProviderConfig::PageUrl(const std::wstring& path) const {
    return L"http://" + Host_ + path;
}

} // namespace veyra
