// Lays out the flat combo look, a date picker's arrow and an edit's border,
// and turns a dragged drop-down thumb into a list position, from arbitrary
// sizes, image sizes, frame counts and scroll information.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzValues.h"
#include "skin/data/ComboGeometry.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    TComboStateInput state;
    state.Enabled = in.ConsumeBool();
    state.Down = in.ConsumeBool();
    state.Focused = in.ConsumeBool();
    state.Hot = in.ConsumeBool();
    const int frame = static_cast<int>(ComboButtonState(state));
    Expect(frame >= 1 && frame <= 4);

    TFlatComboInput flat;
    flat.Width = PlatformSize(in);
    flat.Height = PlatformSize(in);
    flat.Thumb = PlatformInt(in);
    flat.ImageWidth = ImageSide(in);
    flat.ImageHeight = ImageSide(in);
    flat.Frames = SkinInt(in);
    flat.Side = ComboButtonSide(PlatformRect(in), flat.Width, in.ConsumeBool());
    const TFlatComboLayout layout = FlatComboLayout(flat);
    const Rect inner{2, 2, std::max(flat.Width - 2, 2), std::max(flat.Height - 2, 2)};
    Expect(Inside(layout.Zone, inner) && Inside(layout.Glyph, inner));

    DateTimeArrowRect(PlatformSize(in), PlatformInt(in), flat.Side);
    const int border = EditBorderWidth(PlatformRect(in), PlatformRect(in));
    Expect(border >= 0);

    TListDragInput drag;
    drag.BarLength = PlatformInt(in);
    drag.Arrow = PlatformInt(in);
    drag.Thumb = {PlatformInt(in), PlatformInt(in)};
    drag.Range.Min = in.ConsumeIntegral<std::int32_t>();
    drag.Range.Max = in.ConsumeIntegral<std::int32_t>();
    drag.Range.Page = in.ConsumeIntegral<std::int32_t>();
    drag.Range.Pos = in.ConsumeIntegral<std::int32_t>();
    drag.Delta = PlatformInt(in);
    const int position = ComboListDragPosition(drag);
    Expect(position >= drag.Range.Min && position <= std::max(drag.Range.Max, drag.Range.Min));
    return 0;
}
