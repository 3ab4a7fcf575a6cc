#include "StatusBarLayout.h"

namespace veyra {

namespace {

// Frames overlap their right neighbour so that the bevels meet.
constexpr int kFrameOverlap = 2;
constexpr int kTextInset = 2;
constexpr int kOwnerDrawInset = 2;

} // namespace

TPanelAlign PanelTextAlign(TPanelAlign align, bool rightToLeft) {
    if (!rightToLeft)
        return align;
    switch (align) {
    case TPanelAlign::Left:
        return TPanelAlign::Right;
    case TPanelAlign::Right:
        return TPanelAlign::Left;
    default:
        return align;
    }
}

std::vector<TStatusPanelPlace> LayoutStatusPanels(int barRight,
                                                  const std::vector<TStatusPanelInput>& panels) {
    std::vector<TStatusPanelPlace> places(panels.size());
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const TStatusPanelInput& in = panels[i];
        TStatusPanelPlace& out = places[i];
        out.Align = PanelTextAlign(in.Align, in.RightToLeft);
        out.FrameIndex = static_cast<int>(in.Bevel);
        if (!in.Reported)
            continue;
        const Rect& r = *in.Reported;
        out.Drawn = true;
        out.Frame = r;
        out.Frame.Right = i + 1 == panels.size()
                              ? barRight
                              : SaturateToInt(std::int64_t{r.Right} + kFrameOverlap);
        out.Text = {out.Frame.Left + kTextInset, out.Frame.Top, out.Frame.Right - kTextInset,
                    out.Frame.Bottom};
        out.OwnerDraw = {r.Left + kOwnerDrawInset, r.Top + kOwnerDrawInset,
                         r.Right - kOwnerDrawInset, r.Bottom - kOwnerDrawInset};
    }
    return places;
}

Rect SizeGripRect(int width, int height, int imageWidth, int imageHeight, int frameCount) {
    if (frameCount < 1 || imageWidth < frameCount || imageHeight < 1)
        return {};
    const int w = imageWidth / frameCount;
    return {width - 1 - w, height - 1 - imageHeight, width - 1, height - 1};
}

} // namespace veyra
