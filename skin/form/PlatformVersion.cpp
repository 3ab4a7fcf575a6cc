#include "PlatformVersion.h"

#include <windows.h>

namespace veyra {

namespace {

TPlatformVersion ReadPlatformVersion() {
    TPlatformVersion version;
    version.Win9x = (GetVersion() & 0x80000000u) != 0;
    version.NT = !version.Win9x;
    // GetVersionEx answers what the compatibility layer says; the kernel's
    // own call gives the real numbers.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        if (auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
                reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))) {
            OSVERSIONINFOW info{};
            info.dwOSVersionInfoSize = sizeof(info);
            if (rtlGetVersion(&info) == 0) {
                version.Major = info.dwMajorVersion;
                version.Minor = info.dwMinorVersion;
                return version;
            }
        }
    }
    const DWORD word = GetVersion();
    version.Major = LOBYTE(LOWORD(word));
    version.Minor = HIBYTE(LOWORD(word));
    return version;
}

} // namespace

const TPlatformVersion& PlatformVersion() {
    static const TPlatformVersion version = ReadPlatformVersion();
    return version;
}

bool CaptionRemovalWanted(const TPlatformVersion& version, bool appWindow, bool hasOwner,
                          bool mdiChild) {
    // Platforms of this generation (major 5 and up with minor 0) redraw their
    // own caption on activation even when the non-client area is answered by
    // us; a window without WS_CAPTION gives them nothing to draw.
    const bool captionRedrawingPlatform = version.Major >= 5 && version.Minor == 0;
    if (appWindow && version.NT && captionRedrawingPlatform)
        return true;
    return !hasOwner && !mdiChild && captionRedrawingPlatform;
}

} // namespace veyra
