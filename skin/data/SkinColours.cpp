#include "SkinColours.h"

#include "skin/package/AsciiText.h"

#include <array>
#include <string>

#include "skin/package/QuickIni.h"

namespace veyra {
namespace {

constexpr const char* kColoursSection = "Colours";
constexpr const char* kCustomSection = "Customcolors";
constexpr std::string_view kExtraPrefix = "COLOUR";
constexpr std::string_view kExtraExcluded = "COLOURS";
constexpr const char* kExtraKey = "color";
constexpr Colour kExtraDefault = clWindowText;
constexpr Colour kCustomDefault = kWhite;

using S = TSkinColours;

// Read in this order: Menubar falls back on the ButtonFace read before it.
constexpr TSkinColourMember kMembers[] = {
    {"WindowText", &S::WindowText, clWindowText, nullptr},
    {"ButtonFace", &S::ButtonFace, clBtnFace, nullptr},
    {"Scrollbar", &S::Scrollbar, clScrollBar, nullptr},
    {"HilightText", &S::HilightText, clHighlightText, nullptr},
    {"Hilight", &S::Hilight, clHighlight, nullptr},
    {"Menubar", &S::Menubar, clBtnFace, &S::ButtonFace},
    {"Menu", &S::Menu, clMenu, nullptr},
    {"MenuText", &S::MenuText, clMenuText, nullptr},
    {"ButtonText", &S::ButtonText, clBtnText, nullptr},
    {"ButtonHilight", &S::ButtonHilight, clBtnHighlight, nullptr},
    {"Buttonlight", &S::Buttonlight, clBtnHighlight, nullptr},
    {"ButtonShadow", &S::ButtonShadow, clBtnShadow, nullptr},
    {"ButtonDkShadow", &S::ButtonDkShadow, cl3DDkShadow, nullptr},
    {"MenuBarText", &S::MenuBarText, clMenuText, nullptr},
    {"TitleTextActive", &S::TitleTextActive, clCaptionText, nullptr},
    {"TitleTextNoActive", &S::TitleTextNoActive, clInactiveCaptionText, nullptr},
};

bool IsExtraColourSection(std::string_view name) {
    const std::string upper = UpperAscii(name);
    return upper.starts_with(kExtraPrefix) && upper != kExtraExcluded;
}

void ReadMembers(const TQuickIni& ini, TSkinColours& scheme) {
    for (const TSkinColourMember& m : kMembers) {
        const Colour fallback = m.DefaultFrom != nullptr ? scheme.*m.DefaultFrom : m.Default;
        scheme.*m.Member = ColourOrDefault(ini.ReadString(kColoursSection, m.Key, {}), fallback);
    }
}

void ReadExtraColours(const TQuickIni& ini, TSkinColours& scheme) {
    std::vector<std::string> sections;
    ini.GetSections(&sections);
    for (const std::string& name : sections)
        if (IsExtraColourSection(name))
            scheme.ExtraColours.push_back(
                ColourOrDefault(ini.ReadString(name, kExtraKey, {}), kExtraDefault));
}

void ReadCustomColours(const TQuickIni& ini, TSkinColours& scheme) {
    for (std::size_t i = 0; i < TSkinColours::kCustomCount; ++i) {
        const std::string key = "Color" + std::to_string(i);
        scheme.CustomColours[i] =
            ColourOrDefault(ini.ReadString(kCustomSection, key, {}), kCustomDefault);
    }
}

} // namespace

Colour ParseColour(std::string_view text) {
    text = TQuickIni::Trim(text);
    std::array<int, 3> components{};
    std::size_t completed = 0;
    bool open = false;
    int number = 0; // kept modulo 256, so a run of any length cannot overflow
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            number = (number * 10 + (c - '0')) & 0xFF;
            open = true;
        } else if (open) {
            if (completed < components.size())
                components[completed++] = number;
            open = false;
            number = 0;
        }
    }
    // A number that runs to the end of the text only counts as the blue one.
    if (open && completed == 2)
        components[2] = number;
    return Rgb(components[0], components[1], components[2]);
}

Colour ColourOrDefault(std::string_view text, Colour defaultColour) {
    return text.empty() ? defaultColour : ParseColour(text);
}

std::span<const TSkinColourMember> SkinColourMembers() {
    return kMembers;
}

TSkinColours LoadColourScheme(const TQuickIni& ini) {
    TSkinColours scheme;
    ReadMembers(ini, scheme);
    ReadExtraColours(ini, scheme);
    ReadCustomColours(ini, scheme);
    return scheme;
}

} // namespace veyra
