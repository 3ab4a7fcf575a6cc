#pragma once

#include <vector>

#include "skin/imaging/Rect.h"

// The arithmetic of skinned progress and track bars. A progress bar is
// always composed lying down, in a bar of the control's length by its
// thickness, and turned anticlockwise afterwards when the control stands
// up, so that a vertical bar fills from the bottom:
//
//   +================-----------+      turned      +--+
//   | filled         | empty    |   ----------->   |  | empty
//   +================-----------+                  |##|
//                                                  |##| filled
//                                                  +--+
//
// A track bar's channel is drawn in three slices along it from the skin's
// channel image: both ends kept, the middle stretched.
namespace veyra {

// The part of bar that is filled for a position in [min, max]: its length
// is (position - min) / (max - min) of the bar's, clamped to the bar; empty
// for an empty or inverted range.
Rect ProgressFill(const Rect& bar, int position, int min, int max);

// Where the chunks of a chunk-style bar go.
struct TChunkStrip {
    // The strip of chunks, inside the bar.
    Rect Strip;
    // How many chunk images side by side make the strip (tiled chunks);
    // 0 for a strip drawn as one three-slice frame.
    int Copies = 0;
    constexpr bool operator==(const TChunkStrip&) const = default;
};

// Tiled chunks (chunk image chunkWidth x chunkHeight, its LeftWidth
// leftWidth) for the filled part fill of bar: chunk-high, centred across
// the bar, starting leftWidth + 2 in and as long as the filled part, cut at
// the bar's end.
TChunkStrip TiledChunkStrip(const Rect& bar, const Rect& fill, int chunkWidth, int chunkHeight,
                            int leftWidth);

// A chunk strip drawn as one three-slice frame: the filled part moved 2
// pixels in, kept 2 pixels inside the bar on every side.
TChunkStrip SlicedChunkStrip(const Rect& bar, const Rect& fill);

// Which way a track bar lies.
enum class TTrackAxis { Horizontal, Vertical };

// One stretched copy from a source image to a target.
struct TSliceCopy {
    Rect Target;
    Rect Source;
    constexpr bool operator==(const TSliceCopy&) const = default;
};

// The slices of a channel image imageWidth x imageHeight drawn along
// channel, keeping margins at both ends (LeftWidth and RightWidth for a
// horizontal channel, TopHeight and BottomHeight for a vertical one), each
// cut to the image's side either way. The image keeps its own thickness,
// centred across a thicker channel. A slice of no or negative extent in
// target or source is left out.
std::vector<TSliceCopy> TrackChannelSlices(const Rect& channel, int imageWidth, int imageHeight,
                                           const Margins& margins, TTrackAxis axis);

// The channel of a vertical track bar as the control reports it. Some
// implementations of the platform report it with x and y exchanged; a
// vertical channel is taller than it is wide, so a report wider than tall
// is read as exchanged and turned back.
Rect VerticalChannelRect(const Rect& reported);

// Whether a vertical track bar's reported channel had x and y exchanged.
bool ChannelReportSwapped(const Rect& reported);

} // namespace veyra
