#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "LzhEncoder.h"

namespace veyra::tools {

struct PackMember {
    std::string Name;
    std::vector<std::uint8_t> Data;
};

// The unpacked payload of a packed skin file: header, name list (CR LF after
// every name), size table and member data, in format 20000 or 30000. Any
// other tag writes an older-format header, which readers refuse.
std::vector<std::uint8_t> BuildSkinPayload(std::span<const PackMember> members,
                                           std::int32_t format);

// BuildSkinPayload, compressed into a packed skin file.
std::vector<std::uint8_t> PackSkin(std::span<const PackMember> members, std::int32_t format,
                                   LzhMatching matching = LzhMatching::Search);

} // namespace veyra::tools
