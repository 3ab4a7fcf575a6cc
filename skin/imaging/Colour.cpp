#include "Colour.h"

#include <algorithm>
#include <array>

namespace veyra {
namespace {

// The classic scheme, by system colour index (scroll bar, desktop, active
// caption, ... menu bar).
constexpr std::array<Colour, SystemColours::kCount> kClassicScheme = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128),
    Rgb(212, 208, 200), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(212, 208, 200), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255), Rgb(212, 208, 200),
    Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),
    Rgb(255, 255, 225), Rgb(181, 181, 181), Rgb(0, 0, 128),     Rgb(166, 202, 240),
    Rgb(192, 192, 192), Rgb(10, 36, 106),   Rgb(212, 208, 200),
};

std::array<Colour, SystemColours::kCount>& Table() {
    static std::array<Colour, SystemColours::kCount> table = kClassicScheme;
    return table;
}

int BlendChannel(int a, int b, int weight, int scale) {
    const long long mixed = (static_cast<long long>(a) * weight +
                             static_cast<long long>(b) * (scale - weight) + scale / 2) /
                            scale;
    return static_cast<int>(std::clamp<long long>(mixed, 0, 255));
}

} // namespace

Colour SystemColours::Get(int index) {
    return index >= 0 && index < kCount ? Table()[static_cast<std::size_t>(index)] : kBlack;
}

void SystemColours::Set(int index, Colour colour) {
    if (index >= 0 && index < kCount)
        Table()[static_cast<std::size_t>(index)] = colour & 0x00FFFFFFu;
}

void SystemColours::ResetToDefaults() {
    Table() = kClassicScheme;
}

Colour ResolveColour(Colour c) {
    return IsSystemColour(c) ? SystemColours::Get(static_cast<int>(c & 0xFFFFFF)) : c & 0x00FFFFFFu;
}

Colour Blend(Colour c1, Colour c2, int weight) {
    c1 = ResolveColour(c1);
    c2 = ResolveColour(c2);
    const int scale = weight < 100 ? 100 : 1000;
    return Rgb(BlendChannel(RedOf(c1), RedOf(c2), weight, scale),
               BlendChannel(GreenOf(c1), GreenOf(c2), weight, scale),
               BlendChannel(BlueOf(c1), BlueOf(c2), weight, scale));
}

int SaturationMeasure(Colour c) {
    c = ResolveColour(c);
    const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    if (mx < 160)
        return 200;
    // Rounded to nearest, halves up.
    return ((mx - mn) * 255 * 2 + mx) / (2 * mx);
}

} // namespace veyra
