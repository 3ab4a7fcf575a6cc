// Unpacks arbitrary bytes as a packed skin file and looks members up.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/package/ElzhException.h"
#include "skin/package/SkinReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veyra::TSkinReader reader([](std::string_view) {});
    try {
        if (!reader.Unpack(std::span<const std::uint8_t>(data, size)))
            return 0;
    } catch (const veyra::ESkinFileDamaged&) {
        return 0;
    }
    std::vector<std::uint8_t> out;
    std::string found;
    reader.FindContaining(".ini", out, found);
    for (const std::string& name : reader.Names())
        reader.ExtractByName(name, out);
    return 0;
}
