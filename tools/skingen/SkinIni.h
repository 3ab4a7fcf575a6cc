#pragma once

// The skin definition (skin.ini) that goes with the pictures of SkinArt.

#include <string>
#include <utility>
#include <vector>

#include "Palette.h"

namespace veyra::skingen {

struct IniSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys;
};

// The sections of the skin definition for palette, in file order.
std::vector<IniSection> SkinDefinition(const Palette& palette);

// The definition as INI text with CR LF line ends, headed by a comment.
std::string IniText(const std::vector<IniSection>& sections, const std::string& comment);

// A colour in the definition's text form, "red,green,blue".
std::string ColourText(Colour colour);

} // namespace veyra::skingen
