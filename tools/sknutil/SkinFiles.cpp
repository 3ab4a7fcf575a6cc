#include "SkinFiles.h"

#include <filesystem>

#include "Command.h"
#include "FileIo.h"
#include "skin/data/SkinLoader.h"
#include "skin/package/ElzhException.h"

namespace veyra::sknutil {
namespace {

std::string OlderFormat(const std::string& path, std::int32_t tag) {
    return path + ": older skin file format (tag " + std::to_string(tag) + "), not 20000 or 30000";
}

} // namespace

bool IsPackedSkinPath(const std::string& path) {
    return TSkinReader::LowerAscii(std::filesystem::path(path).extension().string()) == ".skn";
}

void UnpackSkinFile(const std::string& path, TSkinReader& reader) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    try {
        if (!reader.Unpack(bytes))
            throw ToolError(OlderFormat(path, reader.Format()));
    } catch (const ESkinFileDamaged& e) {
        throw ToolError(path + ": " + e.what());
    } catch (const ElzhException& e) {
        throw ToolError(path + ": " + e.what());
    }
}

TSkinDefinition LoadSkinFile(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    TSkinDefinition definition;
    try {
        if (!LoadSkinDefinition(bytes, definition, {}, [](std::string_view) {}))
            throw ToolError(path + ": older skin file format, not 20000 or 30000");
    } catch (const ESkinFileDamaged& e) {
        throw ToolError(path + ": " + e.what());
    } catch (const ElzhException& e) {
        throw ToolError(path + ": " + e.what());
    }
    return definition;
}

} // namespace veyra::sknutil
