#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/data/CaptionGeometry.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

class DibSurface;

// Buffers a window keeps from one frame paint to the next, so that painting
// at one size over and over touches no new memory.
struct TFramePaintScratch {
    TFramePaintScratch();
    ~TFramePaintScratch();
    TFramePaintScratch(const TFramePaintScratch&) = delete;
    TFramePaintScratch& operator=(const TFramePaintScratch&) = delete;

    Bitmap Left;
    Bitmap Right;
    Bitmap Bottom;
    Bitmap Top;
    std::unique_ptr<DibSurface> Title;
};

// What painting a skinned window's frame needs to know of the window.
struct TFramePaintInput {
    const TSkinDefinition* Skin = nullptr;
    TFrameMetrics Metrics;
    int Width = 0; // outer window size
    int Height = 0;
    bool Active = true;
    bool Minimized = false;
    std::wstring Caption; // the window text; the painter adds the blanks around it
    HFONT CaptionFont = nullptr;
    // A brush of the skin's face colour for the menu-bar strip; null makes one.
    HBRUSH FaceBrush = nullptr;
    bool RightToLeft = false;
    bool Popup = false;      // the window has WS_POPUP
    int ButtonsLeftEdge = 0; // from the previous paint's button layout
    TWindowTraits Traits;
    HICON Icon = nullptr; // the window's small icon, if it has one
    const Bitmap* IconBitmap =
        nullptr; // drawn with the key colour transparent when there is no icon
    int MenuBarLeftWidth = 0;
    // The window paints its menu-bar strip itself (its skinned menu bar).
    bool OwnMenuBar = false;
    TButtonQuery Query;
    // The window's own copies of the title buttons; null paints the skin's.
    const std::vector<std::unique_ptr<TDataSkinSysButton>>* Buttons = nullptr;
    // When set, receives the composed title bar before the buttons are drawn
    // on it, so that one button can be redrawn later on what lies under it.
    Bitmap* TitleBackdrop = nullptr;
    // Buffers to reuse; null paints with buffers of its own.
    TFramePaintScratch* Scratch = nullptr;
};

// Where the caption text and the title buttons ended up.
struct TFramePaintResult {
    Rect TitleTextRect;
    TTitleButtonLayout Buttons;
};

// The blanks drawn before and after the window text in the caption.
inline constexpr const wchar_t* kCaptionPrefix = L" ";
inline constexpr const wchar_t* kCaptionSuffix = L"  ";

// Paints the skinned non-client area into dc, a DC of the whole window: the
// side and bottom borders, then the title bar composed off screen (top border,
// caption text on its text back, title buttons, icon) and copied in one block,
// then the menu-bar strip. A minimized window shows only its title bar on the
// face colour. Throws on GDI failures; callers in window procedures catch.
TFramePaintResult PaintFrame(HDC dc, const TFramePaintInput& in);

} // namespace veyra
