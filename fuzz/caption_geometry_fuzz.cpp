// Places the caption text and lays out, shows and hit-tests title buttons
// from arbitrary title and button values (shifts, clips, alignments, codes,
// coordinates, frame counts), as a skin's Title and button sections give them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "FuzzValues.h"
#include "skin/data/CaptionGeometry.h"

using namespace veyra;
using namespace veyra::fuzz;

namespace {

TFrameMetrics Metrics(FuzzedDataProvider& in) {
    TFrameMetrics m;
    m.BorderLeft = ImageSide(in);
    m.TitleHeight = ImageSide(in);
    m.BorderRight = ImageSide(in);
    m.BorderBottom = ImageSide(in);
    m.MenuBarHeight = PlatformSize(in);
    return m;
}

std::unique_ptr<TDataSkinSysButton> Button(FuzzedDataProvider& in) {
    auto button = std::make_unique<TDataSkinSysButton>();
    // A small image: the arithmetic sees its size through the frame count.
    button->Image = Bitmap(in.ConsumeIntegralInRange(0, 48), in.ConsumeIntegralInRange(0, 16));
    button->Frame = SkinInt(in);
    button->Action = static_cast<TTitleAction>(SkinInt(in));
    button->Align = static_cast<TTitleAlign>(SkinInt(in));
    button->Xcoord = SkinInt(in);
    button->Ycoord = SkinInt(in);
    button->Visibility = static_cast<TTitleVisibility>(SkinInt(in));
    button->Visibility1 = static_cast<TTitleVisibility>(SkinInt(in));
    return button;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    TDataSkinTitle title;
    title.SetMargins(SkinMargins(in));
    title.TextAlignment = SkinInt(in);
    title.TXTBackleft = SkinInt(in);
    title.TXTBackRight = SkinInt(in);
    title.Frame = SkinInt(in);

    const TFrameMetrics m = Metrics(in);
    const int width = PlatformSize(in);
    const int height = PlatformSize(in);
    TCaptionInput caption;
    caption.TitleRect = {m.BorderLeft, 0, width - m.BorderRight, m.TitleHeight};
    caption.TextWidth = PlatformSize(in);
    caption.TextHeight = PlatformSize(in);
    caption.RightToLeft = in.ConsumeBool();
    caption.Popup = in.ConsumeBool();
    caption.ButtonsLeftEdge = PlatformInt(in);
    caption.Kind = static_cast<TBorderKind>(in.ConsumeIntegralInRange(0, 3));

    TWindowTraits window;
    window.Maximized = in.ConsumeBool();
    window.Active = in.ConsumeBool();
    window.HasSystemMenu = in.ConsumeBool();
    window.HasMinimizeBox = in.ConsumeBool();
    window.HasMaximizeBox = in.ConsumeBool();
    window.IsDialogClass = in.ConsumeBool();
    window.MdiFrameWithMaximizedChild = in.ConsumeBool();
    window.Kind = caption.Kind;

    std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 6);
    for (std::size_t i = 0; i < count; ++i)
        buttons.push_back(Button(in));

    TButtonLayoutInput layoutInput;
    layoutInput.WindowWidth = width;
    layoutInput.TitleTextRect = PlaceCaptionText(title, caption);
    layoutInput.Metrics = m;
    layoutInput.MenuBarLeftWidth = SkinInt(in);
    layoutInput.RightToLeft = caption.RightToLeft;
    const bool answer = in.ConsumeBool();
    const TTitleButtonLayout layout =
        LayoutTitleButtons(buttons, window, layoutInput, [answer](int, int) { return answer; });
    Expect(layout.Bounds.size() == buttons.size() && layout.State.size() == buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int frame =
            TitleButtonFrameInTitle(*buttons[i], window.Active, layout.State[i].Enabled);
        Expect(frame == 1 || frame == 4);
        const int state = in.ConsumeIntegralInRange(1, 3);
        const int shown = TitleButtonFrameForState(*buttons[i], state, layout.State[i].Enabled);
        Expect(shown >= 1 && shown <= 4);
    }
    const int hit = TitleButtonAt(layout, buttons, PlatformInt(in), PlatformInt(in));
    Expect(hit >= -1 && hit < static_cast<int>(buttons.size()));
    const int borderFrame = BorderFrameIndex(title, window.Active);
    Expect(borderFrame == 1 || borderFrame == 2);
    SkinnedClientRect(PlatformInt(in), PlatformInt(in), width, height, m);
    CaptionHitTest(PlatformInt(in), m);
    return 0;
}
