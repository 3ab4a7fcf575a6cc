#pragma once

#include <cstdint>

#include "skin/imaging/Colour.h"

namespace veyra {

// A reference to the platform's system colour with this index.
constexpr Colour SystemColourRef(std::uint8_t index) {
    return kSystemColourFlag | index;
}

// The platform's system colours by index, as references that the skin
// stores and that are resolved (ResolveColour) only when painted.
inline constexpr Colour clScrollBar = SystemColourRef(0);
inline constexpr Colour clBackground = SystemColourRef(1);
inline constexpr Colour clActiveCaption = SystemColourRef(2);
inline constexpr Colour clInactiveCaption = SystemColourRef(3);
inline constexpr Colour clMenu = SystemColourRef(4);
inline constexpr Colour clWindow = SystemColourRef(5);
inline constexpr Colour clWindowFrame = SystemColourRef(6);
inline constexpr Colour clMenuText = SystemColourRef(7);
inline constexpr Colour clWindowText = SystemColourRef(8);
inline constexpr Colour clCaptionText = SystemColourRef(9);
inline constexpr Colour clActiveBorder = SystemColourRef(10);
inline constexpr Colour clInactiveBorder = SystemColourRef(11);
inline constexpr Colour clAppWorkSpace = SystemColourRef(12);
inline constexpr Colour clHighlight = SystemColourRef(13);
inline constexpr Colour clHighlightText = SystemColourRef(14);
inline constexpr Colour clBtnFace = SystemColourRef(15);
inline constexpr Colour clBtnShadow = SystemColourRef(16);
inline constexpr Colour clGrayText = SystemColourRef(17);
inline constexpr Colour clBtnText = SystemColourRef(18);
inline constexpr Colour clInactiveCaptionText = SystemColourRef(19);
inline constexpr Colour clBtnHighlight = SystemColourRef(20);
inline constexpr Colour cl3DDkShadow = SystemColourRef(21);
inline constexpr Colour cl3DLight = SystemColourRef(22);
inline constexpr Colour clInfoText = SystemColourRef(23);
inline constexpr Colour clInfoBk = SystemColourRef(24);
inline constexpr Colour clHotLight = SystemColourRef(26);
inline constexpr Colour clGradientActiveCaption = SystemColourRef(27);
inline constexpr Colour clGradientInactiveCaption = SystemColourRef(28);
inline constexpr Colour clMenuHighlight = SystemColourRef(29);
inline constexpr Colour clMenuBar = SystemColourRef(30);

// Fills the process's SystemColours table from the platform: the current
// colours on Windows (call again after the user changes them), the classic
// default colours in the native build.
void RefreshSystemColours();

} // namespace veyra
