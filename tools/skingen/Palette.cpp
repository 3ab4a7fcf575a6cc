#include "Palette.h"

namespace veyra::skingen {
namespace {

// Light and calm: a neutral grey-blue frame, one clear blue for what is
// active or selected, dark slate text.
constexpr Palette kDefault{
    .Name = "default",
    .SkinName = "Veyra Light",
    .TitleTop = Rgb(62, 125, 232),
    .TitleBottom = Rgb(43, 101, 208),
    .TitleTopInactive = Rgb(234, 237, 242),
    .TitleBottomInactive = Rgb(224, 228, 235),
    .TitleSheen = Rgb(110, 160, 242),
    .TitleSheenInactive = Rgb(246, 247, 249),
    .Outline = Rgb(30, 78, 168),
    .OutlineInactive = Rgb(166, 174, 187),
    .Frame = Rgb(232, 235, 240),
    .FrameInactive = Rgb(238, 240, 244),
    .FrameInner = Rgb(200, 206, 216),
    .TitleText = Rgb(255, 255, 255),
    .TitleTextInactive = Rgb(116, 125, 140),
    .CaptionGlyph = Rgb(255, 255, 255),
    .CaptionGlyphInactive = Rgb(128, 137, 151),
    .CaptionHot = Rgb(92, 146, 238),
    .CaptionPressed = Rgb(33, 84, 180),
    .CloseHot = Rgb(226, 60, 57),
    .ClosePressed = Rgb(178, 40, 38),
    .Face = Rgb(243, 244, 247),
    .Text = Rgb(31, 41, 55),
    .TextDisabled = Rgb(160, 167, 178),
    .Window = Rgb(255, 255, 255),
    .Accent = Rgb(47, 111, 219),
    .AccentText = Rgb(255, 255, 255),
    .AccentSoft = Rgb(225, 235, 252),
    .Border = Rgb(184, 191, 202),
    .BorderHot = Rgb(103, 149, 230),
    .Light = Rgb(228, 231, 236),
    .Shadow = Rgb(150, 158, 171),
    .DarkShadow = Rgb(88, 97, 111),
    .ButtonTop = Rgb(255, 255, 255),
    .ButtonBottom = Rgb(236, 239, 244),
    .ButtonHotTop = Rgb(246, 250, 255),
    .ButtonHotBottom = Rgb(226, 235, 251),
    .ButtonPressed = Rgb(214, 226, 246),
    .ButtonDisabled = Rgb(240, 241, 243),
    .Menu = Rgb(255, 255, 255),
    .MenuText = Rgb(31, 41, 55),
    .MenuBar = Rgb(248, 249, 251),
    .MenuBarBottom = Rgb(241, 243, 246),
    .MenuBarText = Rgb(31, 41, 55),
    .MenuBorder = Rgb(176, 184, 196),
    .MenuSeparator = Rgb(222, 226, 232),
    .Track = Rgb(238, 240, 243),
    .Thumb = Rgb(192, 198, 208),
    .ThumbHot = Rgb(166, 174, 187),
    .ThumbPressed = Rgb(138, 148, 163),
    .ThumbGrip = Rgb(236, 238, 242),
    .Arrow = Rgb(110, 119, 133),
    .ArrowHotBack = Rgb(221, 225, 232),
    .ArrowPressedBack = Rgb(200, 206, 216),
    .Tab = Rgb(229, 232, 238),
    .TabHot = Rgb(236, 240, 247),
};

// Dark: charcoal surfaces a few steps apart, a deep blue title that still
// reads as active, and a brighter blue for selection and focus.
constexpr Palette kDark{
    .Name = "dark",
    .SkinName = "Veyra Dark",
    .TitleTop = Rgb(44, 62, 94),
    .TitleBottom = Rgb(35, 50, 78),
    .TitleTopInactive = Rgb(43, 46, 51),
    .TitleBottomInactive = Rgb(38, 41, 46),
    .TitleSheen = Rgb(70, 94, 136),
    .TitleSheenInactive = Rgb(54, 58, 64),
    .Outline = Rgb(63, 108, 186),
    .OutlineInactive = Rgb(62, 66, 73),
    .Frame = Rgb(37, 40, 45),
    .FrameInactive = Rgb(36, 38, 42),
    .FrameInner = Rgb(22, 24, 27),
    .TitleText = Rgb(240, 243, 247),
    .TitleTextInactive = Rgb(136, 143, 153),
    .CaptionGlyph = Rgb(226, 231, 238),
    .CaptionGlyphInactive = Rgb(118, 125, 135),
    .CaptionHot = Rgb(64, 86, 124),
    .CaptionPressed = Rgb(28, 40, 63),
    .CloseHot = Rgb(214, 58, 55),
    .ClosePressed = Rgb(160, 38, 36),
    .Face = Rgb(43, 46, 51),
    .Text = Rgb(227, 230, 234),
    .TextDisabled = Rgb(110, 116, 125),
    .Window = Rgb(31, 33, 37),
    .Accent = Rgb(61, 126, 232),
    .AccentText = Rgb(255, 255, 255),
    .AccentSoft = Rgb(50, 64, 88),
    .Border = Rgb(74, 79, 87),
    .BorderHot = Rgb(88, 138, 220),
    .Light = Rgb(58, 62, 69),
    .Shadow = Rgb(112, 119, 129),
    .DarkShadow = Rgb(16, 17, 19),
    .ButtonTop = Rgb(60, 64, 71),
    .ButtonBottom = Rgb(52, 56, 62),
    .ButtonHotTop = Rgb(68, 75, 86),
    .ButtonHotBottom = Rgb(59, 66, 77),
    .ButtonPressed = Rgb(40, 48, 62),
    .ButtonDisabled = Rgb(47, 50, 55),
    .Menu = Rgb(46, 49, 54),
    .MenuText = Rgb(227, 230, 234),
    .MenuBar = Rgb(40, 43, 48),
    .MenuBarBottom = Rgb(37, 40, 45),
    .MenuBarText = Rgb(214, 218, 224),
    .MenuBorder = Rgb(70, 75, 83),
    .MenuSeparator = Rgb(64, 68, 75),
    .Track = Rgb(36, 38, 42),
    .Thumb = Rgb(78, 83, 91),
    .ThumbHot = Rgb(96, 102, 112),
    .ThumbPressed = Rgb(116, 123, 134),
    .ThumbGrip = Rgb(58, 62, 69),
    .Arrow = Rgb(150, 157, 167),
    .ArrowHotBack = Rgb(52, 56, 62),
    .ArrowPressedBack = Rgb(64, 69, 77),
    .Tab = Rgb(36, 38, 43),
    .TabHot = Rgb(50, 54, 60),
};

} // namespace

const std::vector<Palette>& Palettes() {
    static const std::vector<Palette> palettes{kDefault, kDark};
    return palettes;
}

const Palette* FindPalette(std::string_view name) {
    for (const Palette& palette : Palettes())
        if (name == palette.Name)
            return &palette;
    return nullptr;
}

} // namespace veyra::skingen
