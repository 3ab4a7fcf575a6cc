#pragma once

// The pictures of a skin, drawn in code from a palette.

#include <functional>
#include <string>
#include <vector>

#include "Painter.h"
#include "Palette.h"
#include "skin/imaging/SliceGeometry.h"

namespace veyra::skingen {

// The file names of the pictures, shared by the definition writer and the preview.
namespace files {
inline constexpr const char* Left = "left.bmp";
inline constexpr const char* Right = "right.bmp";
inline constexpr const char* Top = "top.bmp";
inline constexpr const char* Bottom = "bottom.bmp";
inline constexpr const char* TextBack = "textback.bmp";
inline constexpr const char* Close = "close.bmp";
inline constexpr const char* Maximize = "maximize.bmp";
inline constexpr const char* Restore = "restore.bmp";
inline constexpr const char* Minimize = "minimize.bmp";
inline constexpr const char* SysMenu = "sysmenu.bmp";
inline constexpr const char* MdiControls = "mdicontrols.bmp";
inline constexpr const char* MenuBar = "menubar.bmp";
inline constexpr const char* MenuItem = "menuitem.bmp";
inline constexpr const char* MenuBackground = "menubackground.bmp";
inline constexpr const char* Buttons = "buttons.bmp";
inline constexpr const char* CheckBox = "checkbox.bmp";
inline constexpr const char* Radio = "radio.bmp";
inline constexpr const char* Tabs = "tabs.bmp";
inline constexpr const char* TabPane = "tabpane.bmp";
inline constexpr const char* Scrollbar = "scrollbar.bmp";
inline constexpr const char* HorzScroll = "hscroll.bmp";
inline constexpr const char* VertScroll = "vscroll.bmp";
inline constexpr const char* HorzThumb = "hthumb.bmp";
inline constexpr const char* VertThumb = "vthumb.bmp";
inline constexpr const char* SunkEdge = "sunkedge.bmp";
inline constexpr const char* ComboButton = "combobutton.bmp";
inline constexpr const char* ExtraImages = "extraimages.bmp";
inline constexpr const char* Progress = "progress.bmp";
inline constexpr const char* ProgressChunk = "progresschunk.bmp";
inline constexpr const char* Track = "track.bmp";
inline constexpr const char* TrackVert = "trackvert.bmp";
inline constexpr const char* ThumbHorz = "thumbhorz.bmp";
inline constexpr const char* ThumbVert = "thumbvert.bmp";
inline constexpr const char* GroupBox = "groupbox.bmp";
inline constexpr const char* GroupBoxEdge = "groupboxedge.bmp";
inline constexpr const char* StatusBar = "statusbar.bmp";
inline constexpr const char* Header = "header.bmp";
inline constexpr const char* UpDownHorz = "updownhorz.bmp";
inline constexpr const char* UpDownVert = "updownvert.bmp";
inline constexpr const char* UpDownHorzGlyph = "updownhorzglyph.bmp";
inline constexpr const char* UpDownVertGlyph = "updownvertglyph.bmp";
inline constexpr const char* ToolBars = "toolbars.bmp";
} // namespace files

struct SkinImage {
    std::string File;
    Bitmap Image;
};

// Every picture of the skin in palette's colours, in a fixed order.
std::vector<SkinImage> DrawSkinImages(const Palette& palette);

// Draws frame index (from 1) into the frame's rectangle.
using FrameDrawer = std::function<void(Painter& painter, const Rect& frame, int index)>;

// A strip of frames, side by side or stacked, every pixel starting as the key
// colour. Anti-aliased edges that meet key pixels are mixed with matte.
Bitmap BuildStrip(int frameWidth, int frameHeight, int frames, FrameLayout layout, Colour matte,
                  const FrameDrawer& draw);

} // namespace veyra::skingen
