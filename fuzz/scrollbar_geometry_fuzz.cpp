// Places a scroll bar's arrows, thumb and grip from arbitrary scroll
// information, sizes and skin image sizes, hit-tests it and drags its thumb.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzValues.h"
#include "skin/data/ScrollbarGeometry.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int length = PlatformInt(in);
    const int arrow = PlatformInt(in);
    const int a = ArrowLength(length, arrow);
    Expect(a >= 0 && (length <= 0 || a <= length / 2 || a == arrow));

    TScrollRange range;
    range.Min = in.ConsumeIntegral<std::int32_t>();
    range.Max = in.ConsumeIntegral<std::int32_t>();
    range.Page = in.ConsumeIntegral<std::int32_t>();
    range.Pos = in.ConsumeIntegral<std::int32_t>();
    const TThumbSpan thumb = ControlThumbSpan(length, arrow, range);
    const int margin = std::max(arrow, 0);
    Expect(thumb.IsEmpty() || (thumb.Start >= margin && thumb.End <= length - margin));

    const TScrollPart part = HitTestScrollbar(PlatformInt(in), length, arrow, thumb);
    const TThumbSpan dragged = DragThumbSpan(thumb, PlatformInt(in), length, arrow);
    Expect(dragged.End - dragged.Start == std::max(thumb.End - thumb.Start, 0));
    Expect(ScrollPartOfCode(static_cast<int>(part)) == part);

    TScrollbarLayoutInput bar;
    bar.Axis = in.ConsumeBool() ? TScrollAxis::Horizontal : TScrollAxis::Vertical;
    bar.Length = length;
    bar.Arrow = arrow;
    bar.Thickness = ScrollbarThickness(SkinInt(in), PlatformSize(in));
    bar.Thumb = in.ConsumeBool() ? dragged : TThumbSpan{PlatformInt(in), PlatformInt(in)};
    bar.Enabled = in.ConsumeBool();
    bar.GripLength = SkinInt(in);
    const TScrollbarLayout layout = LayoutScrollbar(bar);
    Expect(Inside(layout.Thumb, layout.Track));
    Expect(layout.Grip.IsEmpty() || !layout.Thumb.IsEmpty());

    const TScrollbarFrames frames = ScrollbarFrames(bar.Axis, bar.Enabled, part, in.ConsumeBool());
    Expect(frames.FirstArrow >= 1 && frames.SecondArrow >= 1 && frames.Grip <= 23 &&
           frames.Track >= 1 && frames.Track <= 4 && frames.Thumb >= 1 && frames.Thumb <= 3);
    return 0;
}
