#pragma once

#include <string>

namespace veyra {

// Where the data provider's pages come from: read from "VeyraDDE.ini" beside
// the executable ([Provider] Host=...), with a built-in default.
class TProviderConfig {
public:
    // The host used when the configuration file does not name a usable one.
    static constexpr const wchar_t* kDefaultHost = L"dde.example.com";
    static constexpr const wchar_t* kFileName = L"VeyraDDE.ini";

    // Reads the configuration file in directory (which ends with a separator).
    static TProviderConfig Load(const std::wstring& directory);

    const std::wstring& Host() const { return Host_; }
    // The unencrypted web address of path (which starts with "/") on the provider's host.
    std::wstring PageUrl(const std::wstring& path) const;

    // Whether text can serve as a host name (with an optional ":port").
    static bool IsUsableHost(const std::wstring& text);

private:
    std::wstring Host_ = kDefaultHost;
};

// The directory of the running executable, with its trailing separator.
std::wstring ExecutableDirectory();

} // namespace veyra
