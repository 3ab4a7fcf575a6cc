#include "SystemColoursWin32.h"

#include <windows.h>

#include "Colour.h"

namespace veyra {

void LoadSystemColours() {
    for (int index = 0; index < SystemColours::kCount; ++index)
        SystemColours::Set(index, static_cast<Colour>(GetSysColor(index)));
}

} // namespace veyra
