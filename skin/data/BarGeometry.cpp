#include "BarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace veyra {

namespace {

// Chunks start this far in from the bar's ends and sides.
constexpr int kChunkInset = 2;

bool HasExtent(const Rect& r) {
    return !r.IsEmpty();
}

void AddSlice(std::vector<TSliceCopy>& slices, const Rect& target, const Rect& source) {
    if (HasExtent(target) && HasExtent(source))
        slices.push_back({target, source});
}

} // namespace

Rect ProgressFill(const Rect& bar, int position, int min, int max) {
    if (max <= min || bar.IsEmpty())
        return {bar.Left, bar.Top, bar.Left, bar.Bottom};
    const std::int64_t span = std::int64_t{max} - min;
    const std::int64_t done = std::clamp<std::int64_t>(std::int64_t{position} - min, 0, span);
    const std::int64_t length = std::int64_t{bar.Width()} * done / span;
    return {bar.Left, bar.Top, SaturateToInt(bar.Left + length), bar.Bottom};
}

TChunkStrip TiledChunkStrip(const Rect& bar, const Rect& fill, int chunkWidth, int chunkHeight,
                            int leftWidth) {
    if (chunkWidth < 1 || chunkHeight < 1 || fill.IsEmpty())
        return {};
    const int length = fill.Width();
    const int top = bar.Top + (bar.Height() - chunkHeight) / 2;
    const Rect strip = Intersect(
        RectOfSize(SaturateToInt(std::int64_t{bar.Left} + std::max(leftWidth, 0) + kChunkInset),
                   top, length, chunkHeight),
        bar);
    if (strip.IsEmpty())
        return {};
    return {strip, length / chunkWidth + 1};
}

TChunkStrip SlicedChunkStrip(const Rect& bar, const Rect& fill) {
    const Rect inside{bar.Left + kChunkInset, bar.Top + kChunkInset, bar.Right - kChunkInset,
                      bar.Bottom - kChunkInset};
    const Rect strip = Intersect(fill.Offset(kChunkInset, kChunkInset), inside);
    if (fill.IsEmpty() || strip.IsEmpty())
        return {};
    return {strip, 0};
}

std::vector<TSliceCopy> TrackChannelSlices(const Rect& channel, int imageWidth, int imageHeight,
                                           const Margins& margins, TTrackAxis axis) {
    std::vector<TSliceCopy> slices;
    if (imageWidth < 1 || imageHeight < 1)
        return slices;
    const int w = imageWidth;
    const int h = imageHeight;
    // An end wider than the image keeps nothing more of it. Cut there, so
    // that a skin's huge margin neither overflows nor carries a slice (and
    // the buffer painted under it) far outside the channel.
    const auto kept = [](int margin, int side) { return std::clamp(margin, -side, side); };
    if (axis == TTrackAxis::Horizontal) {
        const int y = channel.Top + (h < channel.Height() ? (channel.Height() - h) / 2 : 0);
        const int lw = kept(margins.Left, w);
        const int rw = kept(margins.Right, w);
        AddSlice(slices, {channel.Left, y, channel.Left + lw, y + h}, {0, 0, lw, h});
        AddSlice(slices, {channel.Left + lw, y, channel.Right - rw, y + h}, {lw, 0, w - rw, h});
        AddSlice(slices, {channel.Right - rw, y, channel.Right, y + h}, {w - rw, 0, w, h});
        return slices;
    }
    const int x = channel.Left + (w < channel.Width() ? (channel.Width() - w) / 2 : 0);
    const int th = kept(margins.Top, h);
    const int bh = kept(margins.Bottom, h);
    AddSlice(slices, {x, channel.Top, x + w, channel.Top + th}, {0, 0, w, th});
    AddSlice(slices, {x, channel.Top + th, x + w, channel.Bottom - bh}, {0, th, w, h - bh});
    AddSlice(slices, {x, channel.Bottom - bh, x + w, channel.Bottom}, {0, h - bh, w, h});
    return slices;
}

bool ChannelReportSwapped(const Rect& reported) {
    return reported.Width() > reported.Height();
}

Rect VerticalChannelRect(const Rect& reported) {
    if (!ChannelReportSwapped(reported))
        return reported;
    return {reported.Top, reported.Left, reported.Bottom, reported.Right};
}

} // namespace veyra
