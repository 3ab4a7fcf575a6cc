#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veyra::sknutil {

// Whole-file reads and writes that throw ToolError naming the file.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& data);

// Parses a whole decimal integer argument or throws UsageError naming what.
long long ParseIntegerArg(const std::string& text, const char* what);

} // namespace veyra::sknutil
