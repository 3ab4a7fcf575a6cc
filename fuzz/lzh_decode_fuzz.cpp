// Decodes arbitrary bytes: the first two bytes give the stated size (up to
// 64 KiB), the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/package/Lzh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::int64_t stated = data[0] | (data[1] << 8);
    const std::uint8_t* stream = data + 2;
    const std::size_t length = size - 2;
    std::size_t read = 0;
    std::vector<std::uint8_t> out;
    veyra::TLZH decoder;
    decoder.Decode(
        stated,
        [&](const std::uint8_t* buffer, std::uint16_t n) {
            out.insert(out.end(), buffer, buffer + n);
            return static_cast<int>(n);
        },
        [&](std::uint8_t* buffer, std::uint16_t n) {
            const std::size_t k = n < length - read ? n : length - read;
            std::memcpy(buffer, stream + read, k);
            read += k;
            return static_cast<int>(k);
        });
    if (static_cast<std::int64_t>(out.size()) < stated ||
        static_cast<std::int64_t>(out.size()) > stated + 59)
        __builtin_trap();
    return 0;
}
