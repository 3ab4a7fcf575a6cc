#pragma once

#include "skin/data/ScrollbarGeometry.h"
#include "skin/imaging/Bitmap.h"

// Draws one scroll bar from the skin into a bitmap: the scroll-bar overlays
// and the combo box's drop-down list bar both paint through it.
namespace veyra {

class TSkinDefinition;

// One bar as it is to be drawn.
struct TScrollbarPaint {
    TScrollAxis Axis = TScrollAxis::Vertical;
    int Length = 0; // along the axis
    int Arrow = 0;  // the platform's arrow size
    TThumbSpan Thumb;
    bool Enabled = true;
    TScrollPart Hot = TScrollPart::None;
    bool Pressed = false;
    Pixel Face = 0; // the scheme's ButtonFace, behind everything
};

// The thickness the skin draws bars with at this arrow size; 0 when the
// skin has no Scrollbar element image (nothing is drawn then).
int SkinScrollbarThickness(const TSkinDefinition& skin, int arrow);

// Draws bar into the top-left Length x thickness (horizontal) or
// thickness x Length (vertical) of target, over the face colour: the track
// from HorzScroll or VertScroll, the arrows and the grip from Scrollbar, the
// thumb stretched from HorzScrollThumb or VertScrollThumb. A skin without a
// track or thumb element shows the face there (and the grip alone for the
// thumb). Answers false, drawing nothing, without a Scrollbar element image.
bool PaintScrollbar(Bitmap& target, const TSkinDefinition& skin, const TScrollbarPaint& bar);

// The two halves of PaintScrollbar, for a painter that keeps the first: what
// does not move with the thumb (the face, the track and the arrows; false
// without a Scrollbar element image), then the thumb and its grip over it.
bool PaintScrollbarBackground(Bitmap& target, const TSkinDefinition& skin,
                              const TScrollbarPaint& bar);
void PaintScrollbarThumb(Bitmap& target, const TSkinDefinition& skin, const TScrollbarPaint& bar);

} // namespace veyra
