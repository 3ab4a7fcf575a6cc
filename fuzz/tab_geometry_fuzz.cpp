// Lays out a tab control's strip, its tabs, close boxes and up-down arrows
// from arbitrary sizes, rectangles and margins.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/TabGeometry.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const TTabSide side = TabSideFromStyle(in.ConsumeIntegral<std::uint32_t>());
    const int width = PlatformInt(in);
    const int height = PlatformInt(in);
    const TTabStripLayout layout = LayoutTabStrip(width, height, PlatformRect(in), side);
    Expect(layout.BufferWidth >= 0 && layout.BufferHeight >= 0);
    Expect(Inside(layout.Strip, {0, 0, width, height}));

    // Turned four times, or flipped twice, a margin set is where it started.
    const Margins margins = SkinMargins(in);
    Margins turned = margins;
    for (int i = 0; i < 4; ++i)
        turned = TurnedMargins(turned, side);
    Expect(turned == margins);
    Expect(TurnedMargins(TurnedMargins(margins, TTabSide::Bottom), TTabSide::Bottom) == margins);

    std::vector<Rect> boxes;
    const std::size_t tabs = in.ConsumeIntegralInRange<std::size_t>(0, 16);
    for (std::size_t i = 0; i < tabs; ++i) {
        const Rect tab = TabRectInBuffer(layout, PlatformRect(in));
        boxes.push_back(CloseBoxRect(tab));
    }
    const int tabCount = PlatformInt(in);
    const int hit = CloseBoxAt(boxes, PlatformInt(in), PlatformInt(in), tabCount);
    Expect(hit == -1 || (hit < tabCount && static_cast<std::size_t>(hit) < boxes.size()));

    TUpDownInput upDown;
    upDown.Width = PlatformSize(in);
    upDown.Height = PlatformSize(in);
    upDown.Orientation =
        in.ConsumeBool() ? TUpDownOrientation::Horizontal : TUpDownOrientation::Vertical;
    upDown.CursorX = PlatformInt(in);
    upDown.CursorY = PlatformInt(in);
    upDown.Enabled = in.ConsumeBool();
    upDown.Down = in.ConsumeBool();
    upDown.Hover = in.ConsumeBool();
    const TUpDownRects rects = UpDownButtonRects(upDown.Width, upDown.Height, upDown.Orientation);
    Expect(Inside(rects.First, {0, 0, upDown.Width, upDown.Height}) &&
           Inside(rects.Second, {0, 0, upDown.Width, upDown.Height}));
    for (const TUpDownButton button : {TUpDownButton::First, TUpDownButton::Second}) {
        const int frame = UpDownFrame(UpDownButtonState(upDown, button),
                                      UpDownArrowOf(upDown.Orientation, button));
        Expect(FrameInRange(8, frame));
    }
    return 0;
}
