#pragma once

#include "skin/data/ScrollbarGeometry.h"
#include "skin/imaging/Rect.h"

// The arithmetic of the skinned text-entry family: which state a combo box
// shows, which side its button is on, where the flat look draws its button
// zone and glyph, where a date picker's arrow button goes, how wide the
// drawn border of an edit is, and where a dragged thumb puts a drop-down
// list. Painting and mouse handling both call these.
namespace veyra {

// The state of a combo box's button; the numbers are the frames of the
// skin's combo images.
enum class TComboState { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4 };

struct TComboStateInput {
    bool Enabled = true;
    bool Down = false; // the left button is held on it
    bool Focused = false;
    bool Hot = false; // the mouse is over its button
};

// Disabled above all; then pressed; then hot when focused or hovered.
TComboState ComboButtonState(const TComboStateInput& input);

// Which side of a combo box its drop-down button is on.
enum class TComboSide { Right, Left };

// The side the platform put the button on: its button rectangle (in the
// combo's window coordinates) decides when there is one, so that the drawn
// button is where a click lands; without one, the left-scroll-bar style.
TComboSide ComboButtonSide(const Rect& platformButton, int width, bool leftScrollbarStyle);

// The flat look of a width x height combo box:
//
//   +--------------------------------+
//   | +--------------------+-------+ |   the window, deflated by 2;
//   | |      text          | Zone  | |   Zone: its last thumb pixels
//   | |                    |[Glyph]| |   (first on the left side);
//   | +--------------------+-------+ |   Glyph: one image frame wide at the
//   +--------------------------------+   same edge, image high from the top
//                                        when lower than thumb.
struct TFlatComboLayout {
    Rect Zone;
    Rect Glyph; // empty when the image has no frame to show
    bool operator==(const TFlatComboLayout&) const = default;
};

struct TFlatComboInput {
    int Width = 0;
    int Height = 0;
    int Thumb = 0; // the platform's scroll thumb size (SM_CYVTHUMB)
    int ImageWidth = 0;
    int ImageHeight = 0;
    int Frames = 0; // frames side by side in the image; below 1 counts as 1
    TComboSide Side = TComboSide::Right;
};

TFlatComboLayout FlatComboLayout(const TFlatComboInput& in);

// A date picker's arrow button in the picker's client coordinates: arrow
// wide and arrow + 1 high at the top, 2 pixels in from the left on the left
// side, else ending 4 pixels before the picker's width.
Rect DateTimeArrowRect(int pickerWidth, int arrow, TComboSide side);

// The width of an edit's border: the smallest gap between its window
// rectangle and its client area on any side (a scroll bar widens one side
// only); 0 for a borderless edit.
int EditBorderWidth(const Rect& window, const Rect& clientInWindow);

// A thumb of a drop-down list's vertical bar dragged delta pixels from
// where it was at the press (thumb, from the bar's start): the list
// position it stands for. Never outside the range the list can show.
struct TListDragInput {
    TThumbSpan Thumb;
    int BarLength = 0;
    int Arrow = 0;
    TScrollRange Range;
    int Delta = 0;
};
int ComboListDragPosition(const TListDragInput& in);

} // namespace veyra
