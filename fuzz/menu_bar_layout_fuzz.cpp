// Lays out a menu bar's items and an owner-drawn menu item, hit-tests the
// bar and walks it with the arrow keys, from arbitrary skin margins, caption
// widths and glyph sizes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/MenuBarLayout.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Rect bar = PlatformRect(in);
    const bool rightToLeft = in.ConsumeBool();
    const int start =
        MenuBarStartOffset(in.ConsumeBool(), SkinInt(in), SkinInt(in), rightToLeft, bar.Width());

    std::vector<TMenuBarItemInput> items(in.ConsumeIntegralInRange<std::size_t>(0, 12));
    for (TMenuBarItemInput& item : items) {
        item.CaptionWidth = PlatformInt(in);
        item.Visible = in.ConsumeBool();
        item.HasCaption = in.ConsumeBool();
        item.Enabled = in.ConsumeBool();
        item.HasPopup = in.ConsumeBool();
    }
    const std::vector<Rect> rects = LayoutMenuBar(bar, start, items, rightToLeft);
    Expect(rects.size() == items.size());
    const int count = static_cast<int>(items.size());
    const int hit = MenuBarItemAt(rects, items, PlatformInt(in), PlatformInt(in));
    Expect(hit >= -1 && hit < count);
    const int next =
        MenuBarNeighbour(items, in.ConsumeIntegral<int>(), in.ConsumeBool(), in.ConsumeBool());
    Expect(next >= -1 && next < count);

    TMenuItemMeasure measure;
    measure.ElementLeftWidth = SkinInt(in);
    measure.HasImages = in.ConsumeBool();
    const int measured = PlatformSize(in);
    MainMenuItemWidth(measured, measure);
    PopupMenuItemWidth(measured, measure);
    NativeMenuItemSize(PlatformInt(in), PlatformInt(in), in.ConsumeBool(),
                       measure.ElementLeftWidth);

    const Rect item = PlatformRect(in);
    const TMenuItemParts parts = LayoutMenuItem(item, measure.ElementLeftWidth, ImageSide(in),
                                                in.ConsumeBool(), in.ConsumeBool(), rightToLeft);
    Expect(parts.TextRect.Left <= parts.TextRect.Right &&
           parts.ShortCutEnd.Left <= parts.ShortCutEnd.Right);
    return 0;
}
