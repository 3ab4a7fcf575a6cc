// The native build has no platform colours: references resolve to the
// classic default colours.
#include "SystemColours.h"

namespace veyra {

void RefreshSystemColours() {
    SystemColours::ResetToDefaults();
}

} // namespace veyra
