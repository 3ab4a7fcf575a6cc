// Lays out a header's sections, hot zones and remainder and follows the
// mouse over them, from arbitrary reported rectangles and formats.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/HeaderLayout.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<Rect> zones(in.ConsumeIntegralInRange<std::size_t>(0, 12));
    for (Rect& zone : zones)
        zone = HeaderHotZone(PlatformRect(in));
    const int hot = in.ConsumeIntegral<int>();
    const int after = HeaderHotAfterMove(zones, PlatformInt(in), PlatformInt(in), hot);
    Expect(after == hot || (after >= 0 && static_cast<std::size_t>(after) < zones.size()));
    const int frame = HeaderSectionFrame(in.ConsumeIntegral<int>(), after);
    Expect(frame == 1 || frame == 2);

    const int width = PlatformSize(in);
    const int height = PlatformSize(in);
    const Rect rest = HeaderRemainder(width, height, PlatformInt(in));
    Expect(rest.IsEmpty() || (rest.Right == width && rest.Bottom == height));

    const std::uint32_t format = in.ConsumeIntegral<std::uint32_t>();
    const int align = static_cast<int>(HeaderTextAlign(format));
    Expect(align >= 0 && align <= 2);
    const int image = in.ConsumeIntegral<int>();
    const int shown = HeaderImageIndex(format, image, in.ConsumeBool());
    Expect(shown == -1 || shown == image);
    return 0;
}
