#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace veyra::tools {

// Compresses data into an LZHUF stream that TLZH (and any decoder of the
// published scheme) expands back. Matches may reach into the ring's initial
// spaces. The result has no size field.
std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> data);

// A packed body: the 4-byte little-endian size of data, then LzhCompress(data).
std::vector<std::uint8_t> LzhPackBody(std::span<const std::uint8_t> data);

} // namespace veyra::tools
