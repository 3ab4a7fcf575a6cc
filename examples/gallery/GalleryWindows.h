#pragma once

#include <windows.h>

// The gallery's windows that are plain Win32 rather than framework forms:
// what a program's foreign windows look like to the skin manager.
namespace gallery {

// Shows a modal system dialog ("#32770") built from an in-memory template.
void ShowSystemDialog(HWND owner);
// Opens an MDI frame with two children, maximized or not; the frame lives
// until closed.
HWND OpenMdiFrame(bool maximizedChildren = false);
// Fills parent with one of each standard Win32 control, from top to bottom
// starting at top; returns the height used.
int AddStandardControls(HWND parent, int top);

} // namespace gallery
