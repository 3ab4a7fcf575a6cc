#pragma once

// Drawing frame k of a skin image into a rectangle: nine-slice, three-slice,
// stretched and centred. Each composes off screen where it has several pieces
// and puts the result on the target in one copy.

#include "Blit.h"
#include "SliceGeometry.h"

namespace veyra {

// How the middle of a nine-slice drawing fills its space.
enum class MiddleFill { Stretch, Tile };

// A new bitmap of size's size (negative sizes count as 0) holding frame
// frameIndex of frameCount of image sliced by margins: corners kept, edges
// stretched, the middle stretched or tiled. The caller owns the result.
Bitmap BuildSlicedFrame(const Rect& size, const Bitmap& image, Margins margins, FrameLayout layout,
                        MiddleFill middle, int frameCount, int frameIndex);

// Renders the same nine-slice frame into the whole of target (its size is the
// frame's size), replacing every pixel, without allocating: painting that
// repeats at one size reuses its buffers.
void RenderSlicedFrame(Bitmap& target, const Bitmap& image, Margins margins, FrameLayout layout,
                       MiddleFill middle, int frameCount, int frameIndex);

// Renders only the part of a frameWidth x frameHeight nine-slice frame that
// lies under target when target's top-left corner sits at (left, top) of the
// frame: every pixel is the one the whole frame has there. A control that
// shows little of a large frame keeps and draws that little.
void RenderSlicedFramePart(Bitmap& target, int frameWidth, int frameHeight, int left, int top,
                           const Bitmap& image, Margins margins, FrameLayout layout,
                           MiddleFill middle, int frameCount, int frameIndex);

// Draws BuildSlicedFrame's result at rect, opaque or with the key colour
// transparent. A rectangle of negative width or height draws nothing.
void DrawSlicedFrame(Bitmap& target, const Rect& rect, const Bitmap& image, FrameLayout layout,
                     MiddleFill middle, Transparency transparency, int frameCount, int frameIndex,
                     Margins margins);

// Draws a horizontal three-piece frame (only the left and right margins are
// used) with the middle repeated, every piece stretched to rect's height.
void DrawThreeSliceTiled(Bitmap& target, const Rect& rect, const Bitmap& image, FrameLayout layout,
                         Transparency transparency, int frameCount, int frameIndex,
                         Margins margins);

// Draws a horizontal three-piece frame with the middle stretched, opaque; a
// rectangle narrower than the frame gets the whole frame stretched.
void DrawThreeSliceStretched(Bitmap& target, const Rect& rect, const Bitmap& image,
                             FrameLayout layout, int frameCount, int frameIndex, Margins margins);

// Stretches the whole of frame frameIndex (frames side by side) to rect.
void DrawFrameStretched(Bitmap& target, const Rect& rect, const Bitmap& image,
                        Transparency transparency, int frameCount, int frameIndex);

// Draws frame frameIndex (frames side by side) unscaled, centred in rect.
void DrawFrameCentred(Bitmap& target, const Rect& rect, const Bitmap& image,
                      Transparency transparency, int frameCount, int frameIndex);

} // namespace veyra
