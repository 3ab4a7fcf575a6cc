// Fills progress bars and lays out their chunks, and slices a track bar's
// channel image, from arbitrary positions, ranges, image sizes and skin
// margins.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/BarGeometry.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Rect bar = PlatformRect(in);
    const Rect fill =
        ProgressFill(bar, in.ConsumeIntegral<std::int32_t>(), in.ConsumeIntegral<std::int32_t>(),
                     in.ConsumeIntegral<std::int32_t>());
    Expect(Inside(fill, bar));
    const TChunkStrip tiled = TiledChunkStrip(bar, fill, ImageSide(in), ImageSide(in), SkinInt(in));
    Expect(Inside(tiled.Strip, bar) && tiled.Copies >= 0);
    const TChunkStrip sliced = SlicedChunkStrip(bar, fill);
    Expect(Inside(sliced.Strip, bar));

    const Rect channel = PlatformRect(in);
    const int imageWidth = ImageSide(in);
    const int imageHeight = ImageSide(in);
    const Margins margins = SkinMargins(in);
    const TTrackAxis axis = in.ConsumeBool() ? TTrackAxis::Vertical : TTrackAxis::Horizontal;
    // No slice, and so no buffer painted under the slices, reaches further
    // than the channel and the image together.
    const std::int64_t side = std::max(imageWidth, imageHeight);
    for (const TSliceCopy& slice :
         TrackChannelSlices(channel, imageWidth, imageHeight, margins, axis))
        Expect(!slice.Target.IsEmpty() && !slice.Source.IsEmpty() &&
               slice.Target.Width() <= std::max(channel.Width(), 0) + 2 * side &&
               slice.Target.Height() <= std::max(channel.Height(), 0) + 2 * side);
    const Rect vertical = VerticalChannelRect(channel);
    Expect(!ChannelReportSwapped(vertical));
    return 0;
}
