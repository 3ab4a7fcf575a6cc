#pragma once

#include <string>

#include "skin/data/SkinDefinition.h"
#include "skin/package/SkinReader.h"

namespace veyra::sknutil {

// Unpacks the skin file at path into reader; an older format, a damaged file
// or a decoder error becomes a ToolError naming the file.
void UnpackSkinFile(const std::string& path, TSkinReader& reader);

// True for a path ending in ".skn" (any letter case).
bool IsPackedSkinPath(const std::string& path);

// Loads the whole definition of the skin file at path, with the same errors.
TSkinDefinition LoadSkinFile(const std::string& path);

} // namespace veyra::sknutil
