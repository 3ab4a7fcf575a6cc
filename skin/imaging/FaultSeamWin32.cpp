#include "FaultSeamWin32.h"

#ifdef VEYRA_FAULT_SEAMS

#include <array>

namespace veyra::faults {

namespace {
std::array<int, static_cast<int>(TPlatformCall::Count)> gPending{};
} // namespace

void FailNext(TPlatformCall call, int count) {
    gPending[static_cast<int>(call)] = count > 0 ? count : 0;
}

int Pending(TPlatformCall call) {
    return gPending[static_cast<int>(call)];
}

bool Fails(TPlatformCall call) {
    int& pending = gPending[static_cast<int>(call)];
    if (pending <= 0)
        return false;
    --pending;
    return true;
}

} // namespace veyra::faults

#endif
