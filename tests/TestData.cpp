#include "TestData.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace veyra::test {

std::filesystem::path TestDataDir() {
    std::string dir = VEYRA_TEST_DATA_DIR;
#ifdef _WIN32
    // Under Wine the Unix root is drive Z:.
    if (!dir.empty() && dir[0] == '/')
        dir = "Z:" + dir;
#endif
    return std::filesystem::path(dir);
}

std::vector<std::uint8_t> ReadTestFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open test file " + path.string());
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(generator() >> 24);
    return bytes;
}

} // namespace veyra::test
