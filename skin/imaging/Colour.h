#pragma once

#include <cstdint>

namespace veyra {

// A skin colour: 0x00BBGGRR, or a reference to a system colour,
// kSystemColourFlag plus the platform's colour index.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0xFF000000u;
// The transparent colour of every skin image: magenta.
inline constexpr Colour kKeyColour = 0x00FF00FFu;
inline constexpr Colour kWhite = 0x00FFFFFFu;
inline constexpr Colour kBlack = 0x00000000u;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | static_cast<Colour>(green & 0xFF) << 8 |
           static_cast<Colour>(blue & 0xFF) << 16;
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>(c >> 16 & 0xFF);
}
constexpr bool IsSystemColour(Colour c) {
    return (c & kSystemColourFlag) == kSystemColourFlag;
}

// The colours that system colour references stand for. Natively this is the
// classic default scheme; the Windows side refreshes it from the platform.
class SystemColours {
public:
    static constexpr int kCount = 31;

    // The current colour of system colour index; black for an unknown index.
    static Colour Get(int index);
    // Sets one entry; an index out of range is ignored.
    static void Set(int index, Colour colour);
    // Puts every entry back to the classic default scheme.
    static void ResetToDefaults();
};

// The colour itself, or the current system colour it refers to.
Colour ResolveColour(Colour c);

// Mixes two colours: a weight below 100 is a percentage of c1, from 100 up a
// per-mille share. System colour references are resolved first; every channel
// is kept within 0..255 whatever the weight.
Colour Blend(Colour c1, Colour c2, int weight);

// How colourful a colour looks, 0..255; 200 for colours with no channel of at
// least 160.
int SaturationMeasure(Colour c);

} // namespace veyra
