// Decodes arbitrary bytes: the first two bytes give the stated size, the rest
// is the stream. The stated size is cut to what the skin reader itself would
// ask of a stream this long (it refuses a larger one before decoding) and to
// kMaxOutput: missing input reads as zero bits, so a short stream stating a
// large size would only decode the same zeros for longer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "skin/package/Lzh.h"
#include "skin/package/SkinReader.h"

namespace {

// Twice round the ring buffer: past the first round every match position
// reaches bytes the stream wrote itself, not the ring's first spaces.
constexpr std::int64_t kMaxOutput = 2 * veyra::lzh::kRingSize;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t* stream = data + 2;
    const std::size_t length = size - 2;
    const std::int64_t readerBound =
        veyra::TSkinReader::kMaxExpansionPerByte * (static_cast<std::int64_t>(length) + 2) +
        veyra::lzh::kLookAhead;
    const std::int64_t stated =
        std::min({std::int64_t{data[0] | (data[1] << 8)}, readerBound, kMaxOutput});
    std::size_t read = 0;
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(stated) + veyra::lzh::kLookAhead);
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
