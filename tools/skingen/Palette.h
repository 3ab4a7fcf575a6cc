#pragma once

// The colours of one of the product's skins. Both skins are drawn by the same
// code; everything that tells them apart is in this record.

#include <string_view>
#include <vector>

#include "skin/imaging/Colour.h"

namespace veyra::skingen {

struct Palette {
    const char* Name;     // the folder name and the argument of skingen
    const char* SkinName; // shown to the user as the skin's name

    // Window frame.
    Colour TitleTop, TitleBottom;                 // active title bar gradient
    Colour TitleTopInactive, TitleBottomInactive; // inactive title bar gradient
    Colour TitleSheen, TitleSheenInactive;        // the lit line under the outline
    Colour Outline, OutlineInactive;              // the window's outer line
    Colour Frame, FrameInactive;                  // sides and bottom
    Colour FrameInner;                            // the line where frame meets client
    Colour TitleText, TitleTextInactive;
    Colour CaptionGlyph, CaptionGlyphInactive; // title-button symbols
    Colour CaptionHot, CaptionPressed;         // title-button backgrounds on the active title
    Colour CloseHot, ClosePressed;

    // Scheme.
    Colour Face; // dialog and control background
    Colour Text; // text on Face
    Colour TextDisabled;
    Colour Window;     // edit fields and lists
    Colour Accent;     // selection, focus, filled progress
    Colour AccentText; // text on Accent
    Colour AccentSoft; // hover tint
    Colour Border;     // control outlines
    Colour BorderHot;
    Colour Light, Shadow, DarkShadow;

    // Push buttons: gradient tops and bottoms per state.
    Colour ButtonTop, ButtonBottom, ButtonHotTop, ButtonHotBottom, ButtonPressed, ButtonDisabled;

    // Menus.
    Colour Menu, MenuText, MenuBar, MenuBarBottom, MenuBarText, MenuBorder, MenuSeparator;

    // Scroll bars.
    Colour Track, Thumb, ThumbHot, ThumbPressed, ThumbGrip, Arrow, ArrowHotBack, ArrowPressedBack;

    // Tabs.
    Colour Tab, TabHot;
};

// The palettes skingen knows, by folder name.
const std::vector<Palette>& Palettes();

// The palette called name, or null.
const Palette* FindPalette(std::string_view name);

} // namespace veyra::skingen
