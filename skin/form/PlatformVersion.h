#pragma once

namespace veyra {

// The version of the platform the process really runs on, as the skinning
// rules need it. Read through the kernel's own version call, which is not
// shimmed by compatibility modes.
struct TPlatformVersion {
    unsigned Major = 0;
    unsigned Minor = 0;
    // The Windows 9x family (the top bit of the platform version word).
    bool Win9x = false;
    // The Windows NT family.
    bool NT = true;
};

// The platform version, read once.
const TPlatformVersion& PlatformVersion();

// Whether a skinned window drops WS_CAPTION while skinned, so that the
// platform stops drawing its own caption over the skinned one.
bool CaptionRemovalWanted(const TPlatformVersion& version, bool appWindow, bool hasOwner,
                          bool mdiChild);

} // namespace veyra
