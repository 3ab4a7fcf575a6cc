#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "SystemColours.h"
#include "skin/imaging/Colour.h"

namespace veyra {

class TQuickIni;

// Reads a colour written as red, green and blue decimal numbers separated by
// anything that is not a digit ("255 128 0", "255,128,0"). Each component
// keeps its low 8 bits and a missing one is 0; a number still open at the end
// of the text counts only as the third. An empty text is black.
Colour ParseColour(std::string_view text);

// defaultColour for an empty text, else ParseColour(text).
Colour ColourOrDefault(std::string_view text, Colour defaultColour);

// The skin's colour scheme: the colours that replace the system colours where
// the skinned windows and controls paint text, menus, highlights and 3-D edges.
// Members keep system colour references as the skin gave them; resolve a
// colour (ResolveColour) when it is painted.
struct TSkinColours {
    static constexpr std::size_t kCustomCount = 10;

    // Default-constructed: the scheme of a skin without colours.
    Colour WindowText = clWindowText;
    Colour ButtonFace = clBtnFace;
    Colour Scrollbar = clScrollBar;
    Colour HilightText = clHighlightText;
    Colour Hilight = clHighlight;
    Colour Menubar = clBtnFace;
    Colour Menu = clMenu;
    Colour MenuText = clMenuText;
    Colour ButtonText = clBtnText;
    Colour ButtonHilight = clBtnHighlight;
    Colour Buttonlight = clBtnHighlight;
    Colour ButtonShadow = clBtnShadow;
    Colour ButtonDkShadow = cl3DDkShadow;
    Colour MenuBarText = clMenuText;
    Colour TitleTextActive = clCaptionText;
    Colour TitleTextNoActive = clInactiveCaptionText;

    // One colour per "Colour..." section other than "Colours", in file order.
    std::vector<Colour> ExtraColours;
    // "Color0" to "Color9" of section "Customcolors".
    std::array<Colour, kCustomCount> CustomColours = MakeCustomDefaults();

    bool operator==(const TSkinColours&) const = default;

private:
    static constexpr std::array<Colour, kCustomCount> MakeCustomDefaults() {
        std::array<Colour, kCustomCount> colours{};
        colours.fill(kWhite);
        return colours;
    }
};

// One named member of the scheme: its key in section "Colours" (which is also
// its name) and its default.
struct TSkinColourMember {
    const char* Key;
    Colour TSkinColours::*Member;
    Colour Default;
    // When set, the default is this member as already read instead of Default.
    Colour TSkinColours::*DefaultFrom;
};

// The sixteen named members in the order they are read. The table is static.
std::span<const TSkinColourMember> SkinColourMembers();

// Reads the scheme from a parsed skin definition; every member that is
// missing or empty gets its default.
TSkinColours LoadColourScheme(const TQuickIni& ini);

} // namespace veyra
