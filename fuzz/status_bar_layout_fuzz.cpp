// Lays out a status bar's panels and size grip from arbitrary reported
// rectangles, bevels, image sizes and frame counts.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/StatusBarLayout.h"

using namespace veyra;
using namespace veyra::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = PlatformSize(in);
    const int height = PlatformSize(in);
    std::vector<TStatusPanelInput> panels(in.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (TStatusPanelInput& panel : panels) {
        if (in.ConsumeBool())
            panel.Reported = PlatformRect(in);
        panel.Align = static_cast<TPanelAlign>(in.ConsumeIntegralInRange(0, 2));
        panel.RightToLeft = in.ConsumeBool();
        panel.Bevel = static_cast<TPanelBevel>(in.ConsumeIntegralInRange(1, 3));
    }
    const std::vector<TStatusPanelPlace> places = LayoutStatusPanels(width, panels);
    Expect(places.size() == panels.size());
    for (std::size_t i = 0; i < places.size(); ++i)
        Expect(places[i].Drawn == panels[i].Reported.has_value() && places[i].FrameIndex >= 1 &&
               places[i].FrameIndex <= 3);

    const int imageWidth = ImageSide(in);
    const int imageHeight = ImageSide(in);
    const int frames = SkinInt(in);
    const Rect grip = SizeGripRect(width, height, imageWidth, imageHeight, frames);
    Expect(grip.IsEmpty() || (grip.Right == width - 1 && grip.Bottom == height - 1 &&
                              grip.Width() == imageWidth / frames && grip.Height() == imageHeight));
    return 0;
}
