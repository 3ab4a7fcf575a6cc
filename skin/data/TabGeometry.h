#pragma once

#include <cstdint>
#include <vector>

#include "skin/imaging/Rect.h"

// The arithmetic of a skinned tab control and of the up-down arrows that
// scroll its strip: which side the tabs are on, where the pane and the strip
// go, where each tab lands in the strip's upright buffer, the close boxes and
// what a click hits, and the arrows' buttons and frames. The painting code and
// the mouse handling both use these functions, so what is drawn and what is
// clicked agree.
//
// A strip is composed upright, as if the tabs hung from the top, in a buffer
// of L x D pixels (L along the strip, D its depth), and then put in place:
//
//   Top:     copied as it is          Bottom:  copied as it is; the tab
//   +--------------------+                     images are flipped beforehand
//   | tab | tab |        |  strip              +--------------------+
//   +--------------------+                     |       pane         |
//   |       pane         |                     +--------------------+
//   +--------------------+                     | bat | bat |        | strip
//                                              +--------------------+
//   Left:    turned anticlockwise     Right:   turned clockwise
//   +---+----------------+                     +----------------+---+
//   | b |                |                     |                | t |
//   | a |     pane       |                     |     pane       | a |
//   | t |                |                     |                | b |
//   +---+----------------+                     +----------------+---+
//   strip: D wide, L high                                 strip: D wide, L high
//
// The tabs sink one pixel into the pane's edge; the pane's image covers the
// part of a tab that reaches under it.
namespace veyra {

// The side of the control the tabs are on; the numbers are those the skin
// code has always used for it.
enum class TTabSide : std::uint8_t { Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The tab control's style bits that place the tabs (TCS_BOTTOM, which is
// also TCS_RIGHT, and TCS_VERTICAL).
inline constexpr std::uint32_t kTabStyleBottomOrRight = 0x0002;
inline constexpr std::uint32_t kTabStyleVertical = 0x0080;

// The side of the tabs from a tab control's window style.
TTabSide TabSideFromStyle(std::uint32_t style);

// Where the pane, the strip and the strip's upright buffer go in a control of
// width x height pixels.
struct TTabStripLayout {
    TTabSide Side = TTabSide::Top;
    int WindowWidth = 0;
    // The pane frame: the display rectangle grown by 4 on every side, its tab
    // side moved one pixel away from the tabs.
    Rect Pane;
    // The strip between the control's edge and the pane, inside the control.
    Rect Strip;
    // The upright buffer: the strip's size, width and height swapped for
    // tabs on the left or right. Never negative.
    int BufferWidth = 0;
    int BufferHeight = 0;
    constexpr bool operator==(const TTabStripLayout&) const = default;
};

// The layout for a control of width x height whose display rectangle (the
// pages' area, as the control itself reports it) is display.
TTabStripLayout LayoutTabStrip(int width, int height, const Rect& display, TTabSide side);

// The margins of an upright image once it is put on side: flipped top to
// bottom for Bottom, turned anticlockwise for Left and clockwise for Right,
// so that each margin stays with the edge of the picture it keeps.
Margins TurnedMargins(const Margins& upright, TTabSide side);

// Where a tab whose rectangle the control reports as item (client
// coordinates) is drawn in the upright buffer.
Rect TabRectInBuffer(const TTabStripLayout& layout, const Rect& item);

// The close box of a tab drawn at tab (top tabs only, where buffer and
// window coordinates agree): a 6 x 6 box near its top-right corner.
Rect CloseBoxRect(const Rect& tab);

// The index of the first close box among boxes (as recorded by the last
// paint, one per tab, empty for a tab that was not drawn) that holds (x, y),
// left and top edges inside; -1 when none does or when that box's index is
// not below tabCount (the tab went away since the paint).
int CloseBoxAt(const std::vector<Rect>& boxes, int x, int y, int tabCount);

// How an up-down control lays out its two buttons.
enum class TUpDownOrientation { Vertical, Horizontal };

// The two buttons of an up-down control: up or left first, down or right
// second.
enum class TUpDownButton { First, Second };

// The state of one up-down button; the numbers are the frame offsets in the
// skin's up-down images.
enum class TUpDownState { Normal = 1, Pressed = 2, Disabled = 3, Hot = 4 };

// The arrow a button shows; the numbers are the skin's.
enum class TUpDownArrow { Up = 0, Down = 1, Left = 2, Right = 3 };

// The button rectangles of a width x height up-down control: halves side by
// side (horizontal) or one above the other (vertical).
//
//   Vertical:  +------+       Horizontal:  +-----+-----+
//              | Up   |                    |Left |Right|
//              +------+                    +-----+-----+
//              | Down |
//              +------+
struct TUpDownRects {
    Rect First;
    Rect Second;
    constexpr bool operator==(const TUpDownRects&) const = default;
};
TUpDownRects UpDownButtonRects(int width, int height, TUpDownOrientation orientation);

// What the state of an up-down button depends on.
struct TUpDownInput {
    int Width = 0;
    int Height = 0;
    TUpDownOrientation Orientation = TUpDownOrientation::Vertical;
    int CursorX = 0; // client coordinates
    int CursorY = 0;
    bool Enabled = true;
    bool Down = false;  // the left button is held on the control
    bool Hover = false; // the mouse is over the control
};

// A button's state: disabled for a disabled control; otherwise pressed while
// the button is held, or hot while the mouse hovers, when the cursor is on
// that button's half (only the coordinate along the halves counts); normal
// otherwise.
TUpDownState UpDownButtonState(const TUpDownInput& input, TUpDownButton button);

// The arrow a button shows in an orientation.
TUpDownArrow UpDownArrowOf(TUpDownOrientation orientation, TUpDownButton button);

// The frame of the skin's 8-frame up-down image for a state and arrow: 1-4
// for up and left, 5-8 for down and right.
int UpDownFrame(TUpDownState state, TUpDownArrow arrow);

// Whether frameIndex (from 1) names a frame of an image of frameCount frames.
constexpr bool FrameInRange(int frameCount, int frameIndex) {
    return frameCount >= 1 && frameIndex >= 1 && frameIndex <= frameCount;
}

} // namespace veyra
