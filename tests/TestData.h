#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veyra::test {

// The folder tests/data, as the test program (native or under Wine) sees it.
std::filesystem::path TestDataDir();

std::vector<std::uint8_t> ReadTestFile(const std::filesystem::path& path);

std::vector<std::uint8_t> Bytes(const std::string& text);

// Deterministic pseudo-random bytes.
std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed);

} // namespace veyra::test
