#pragma once

#include <windows.h>

#include <cstdint>

namespace veyra {

class TSkinDefinition;

// The frame of the Buttons element a tool button shows for its custom-draw
// state (CDIS_*): 2 pressed or checked, 4 hot or focused, 1 a default
// button that is enabled; 0 draws nothing, the platform's flat look stays.
int ToolButtonFrame(UINT state);

// Paints a tool bar's background: the skin's Toolbar image stretched over
// rect, unless xoToolbarBK is set or the skin has none. Answers whether it
// painted (the platform's background then stays off).
bool PaintToolBarBackground(HDC dc, const RECT& rect, const TSkinDefinition* skin,
                            bool keepPlatformBackground);

// Paints a tool button's face from the Buttons element (frame by
// ToolButtonFrame, sliced, its Trans kept) into rect shrunk by one pixel,
// over what dc shows there; textColour becomes the element's text colour
// for that frame when it gives one. Answers whether it painted.
bool PaintToolButton(HDC dc, const RECT& rect, UINT state, const TSkinDefinition* skin,
                     COLORREF& textColour);

} // namespace veyra
