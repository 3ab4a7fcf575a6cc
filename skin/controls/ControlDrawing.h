#pragma once

// The drawing toolkit the control skinning classes share. Pictures are
// composed in a Bitmap (the pixels of a control's DibSurface buffer); text
// goes through the buffer's DC.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string_view>

#include "skin/imaging/Bitmap.h"
#include "skin/imaging/Colour.h"
#include "skin/imaging/Rect.h"

namespace veyra {

class TDataSkinObject;
class TControl;
class TWinControl;

// How DrawCaptionText and DrawIconText place their text.
enum class TTextPlace { Left = 0, Centre = 1, Right = 2 };

// A skin colour, a system-colour reference resolved, as the platform's RGB.
COLORREF ToColorRef(Colour colour);

// Fills rect with a solid colour.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// Draws frame frameIndex (1-based) of frameCount of element's Image into
// rect of target, keeping the element's four margins and filling the middle
// as its Tile says, with magenta transparent when its Trans is 1. An
// inverted rectangle, an empty image, a frame count below 1 or a frame out
// of range draws nothing.
void DrawElementState(Bitmap& target, const Rect& rect, int frameCount, int frameIndex,
                      const TDataSkinObject& element);

// Stretches frame frameIndex (1-based) of frameCount frames side by side in
// image over rect of target, magenta transparent. An inverted rectangle, a
// frame count below 1, a frame out of range or an image narrower than its
// frame count draws nothing.
void DrawStripFrame(Bitmap& target, const Rect& rect, int frameCount, int frameIndex,
                    const Bitmap& image);

// Text of one line or more in rect on a transparent background, vertically
// centred; a disabled caption is drawn in the button-shadow colour. flags
// may add DT_RTLREADING.
void DrawCaptionText(HDC dc, const RECT& rect, std::wstring_view text, bool enabled,
                     TTextPlace place, UINT extraFlags = 0);

// An image list's icon followed by one line of text, placed as a unit in
// rect; imageIndex -1 or no list draws the text alone. A disabled control's
// text is drawn in the button-shadow colour.
void DrawIconText(HDC dc, const RECT& rect, HIMAGELIST images, int imageIndex,
                  std::wstring_view text, bool enabled, TTextPlace place, UINT extraFlags = 0);

// Paints the parent's background and content behind control (windowed or
// not) onto dc, which is in the control's coordinates.
void PaintParentBackground(TControl& control, HDC dc);

// Answers WM_PAINT of window: BeginPaint, paint into its DC, EndPaint. A
// paint that throws (a broken skin) leaves the window unpainted; the paint
// still ends.
void PaintBetweenBeginAndEnd(HWND window, const std::function<void(HDC)>& paint);

// Asks for WM_MOUSELEAVE when the mouse leaves window; false where the
// platform cannot.
bool TrackMouseLeave(HWND window);

} // namespace veyra
