#include "SkinPacker.h"

#include "LzhEncoder.h"

namespace veyra::tools {
namespace {

void AppendInt32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> BuildSkinPayload(std::span<const PackMember> members,
                                           std::int32_t format) {
    std::string names;
    for (const PackMember& member : members)
        names += member.Name + "\r\n";

    std::vector<std::uint8_t> payload;
    AppendInt32(payload, static_cast<std::uint32_t>(format));
    AppendInt32(payload, static_cast<std::uint32_t>(names.size()));
    payload.resize(payload.size() + 8, 0);
    if (format == 30000)
        payload.resize(payload.size() + 256, 0);
    payload.insert(payload.end(), names.begin(), names.end());
    for (const PackMember& member : members)
        AppendInt32(payload, static_cast<std::uint32_t>(member.Data.size()));
    for (const PackMember& member : members)
        payload.insert(payload.end(), member.Data.begin(), member.Data.end());
    return payload;
}

std::vector<std::uint8_t> PackSkin(std::span<const PackMember> members, std::int32_t format,
                                   LzhMatching matching) {
    return LzhPackBody(BuildSkinPayload(members, format), matching);
}

} // namespace veyra::tools
