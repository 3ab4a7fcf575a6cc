#include "ScrollbarPainter.h"

#include <algorithm>

#include "ControlDrawing.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// The Scrollbar element's strip: arrows and grips side by side.
constexpr int kArrowFrames = 23;
// HorzScroll and VertScroll: enabled, (unused), disabled, (unused).
constexpr int kTrackFrames = 4;

const TDataSkinObject* ArrowElement(const TSkinDefinition& skin) {
    const TDataSkinObject* element = skin.Find("Scrollbar");
    return element && !element->Image.IsEmpty() ? element : nullptr;
}

// A thumb is stretched whatever its element's Tile says; a frame count the
// skin left at 0 counts as one frame.
void DrawThumb(Bitmap& target, const Rect& rect, const TDataSkinObject& thumb, int frame) {
    const int frames = std::max(thumb.Frame, 1);
    if (thumb.Image.IsEmpty() || thumb.Image.Width() < frames)
        return;
    DrawSlicedFrame(target, rect, thumb.Image, FrameLayout::Horizontal, MiddleFill::Stretch,
                    thumb.Trans == 1 ? Transparency::KeyColour : Transparency::Opaque, frames,
                    std::min(frame, frames), thumb.GetMargins());
}

TScrollbarLayout Layout(const TDataSkinObject& arrows, const TScrollbarPaint& bar) {
    const int thickness = ScrollbarThickness(arrows.Image.Height(), bar.Arrow);
    return LayoutScrollbar({bar.Axis, bar.Length, thickness, bar.Arrow, bar.Thumb, bar.Enabled,
                            arrows.Image.Height()});
}

// The bar's whole area: from the first arrow's top-left to the second's
// bottom-right.
Rect Union(const Rect& first, const Rect& second) {
    return {first.Left, first.Top, second.Right, second.Bottom};
}

} // namespace

int SkinScrollbarThickness(const TSkinDefinition& skin, int arrow) {
    const TDataSkinObject* arrows = ArrowElement(skin);
    return arrows ? ScrollbarThickness(arrows->Image.Height(), arrow) : 0;
}

bool PaintScrollbar(Bitmap& target, const TSkinDefinition& skin, const TScrollbarPaint& bar) {
    if (!PaintScrollbarBackground(target, skin, bar))
        return false;
    PaintScrollbarThumb(target, skin, bar);
    return true;
}

bool PaintScrollbarBackground(Bitmap& target, const TSkinDefinition& skin,
                              const TScrollbarPaint& bar) {
    const TDataSkinObject* arrows = ArrowElement(skin);
    if (!arrows)
        return false;
    const bool horizontal = bar.Axis == TScrollAxis::Horizontal;
    const TScrollbarLayout layout = Layout(*arrows, bar);
    const Rect area = Union(layout.FirstArrow, layout.SecondArrow);
    target.FillRect(Intersect(area, target.Bounds()), bar.Face);
    const TScrollbarFrames frames = ScrollbarFrames(bar.Axis, bar.Enabled, bar.Hot, bar.Pressed);
    if (const TDataSkinObject* track = skin.Find(horizontal ? "HorzScroll" : "VertScroll");
        track && !layout.Track.IsEmpty())
        DrawElementState(target, layout.Track, kTrackFrames, frames.Track, *track);
    DrawStripFrame(target, layout.FirstArrow, kArrowFrames, frames.FirstArrow, arrows->Image);
    DrawStripFrame(target, layout.SecondArrow, kArrowFrames, frames.SecondArrow, arrows->Image);
    return true;
}

void PaintScrollbarThumb(Bitmap& target, const TSkinDefinition& skin, const TScrollbarPaint& bar) {
    const TDataSkinObject* arrows = ArrowElement(skin);
    if (!arrows)
        return;
    const TScrollbarLayout layout = Layout(*arrows, bar);
    if (layout.Thumb.IsEmpty())
        return;
    const bool horizontal = bar.Axis == TScrollAxis::Horizontal;
    const TScrollbarFrames frames = ScrollbarFrames(bar.Axis, bar.Enabled, bar.Hot, bar.Pressed);
    if (const TDataSkinObject* thumb =
            skin.Find(horizontal ? "HorzScrollThumb" : "VertScrollThumb"))
        DrawThumb(target, layout.Thumb, *thumb, frames.Thumb);
    if (!layout.Grip.IsEmpty())
        DrawStripFrame(target, layout.Grip, kArrowFrames, frames.Grip, arrows->Image);
}

} // namespace veyra
