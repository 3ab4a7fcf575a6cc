// References resolve to the colours the user has chosen on this machine.
#include "SystemColours.h"

#include <windows.h>

namespace veyra {

void RefreshSystemColours() {
    for (int index = 0; index < SystemColours::kCount; ++index) {
        // COLORREF has the same 0x00BBGGRR layout as Colour.
        SystemColours::Set(index, static_cast<Colour>(GetSysColor(index)));
    }
}

} // namespace veyra
