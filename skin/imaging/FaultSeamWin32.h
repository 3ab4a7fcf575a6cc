#pragma once

// A seam in front of the platform calls whose failure the engine must
// survive. Test builds (VEYRA_FAULT_SEAMS) can make the next calls of one
// kind fail as the platform would; elsewhere the seam is compiled away.
//
//   HBITMAP dib = VEYRA_PLATFORM_FAILS(CreateDIBSection) ? nullptr : CreateDIBSection(...);
#ifdef VEYRA_FAULT_SEAMS

namespace veyra::faults {

// The platform calls that can be made to fail.
enum class TPlatformCall { CreateDIBSection, ExtCreateRegion, CombineRgn, SetWindowRgn, Count };

// Makes the next count calls of call fail (0 stops failing).
void FailNext(TPlatformCall call, int count);
// Whether this call is to fail; uses one of the failures asked for.
bool Fails(TPlatformCall call);
// How many of the failures asked for are still to come.
int Pending(TPlatformCall call);

} // namespace veyra::faults

#define VEYRA_PLATFORM_FAILS(call) ::veyra::faults::Fails(::veyra::faults::TPlatformCall::call)

#else

#define VEYRA_PLATFORM_FAILS(call) false

#endif
