#include "FileIo.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "Command.h"

namespace veyra::sknutil {

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw ToolError(path.string() + ": is a directory, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ToolError(path.string() + ": cannot open for reading");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad())
        throw ToolError(path.string() + ": read error");
    return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        throw ToolError(path.string() + ": cannot open for writing");
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out)
        throw ToolError(path.string() + ": write error");
}

long long ParseIntegerArg(const std::string& text, const char* what) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE)
        throw UsageError(std::string(what) + " must be a whole number, not \"" + text + "\"");
    return value;
}

} // namespace veyra::sknutil
