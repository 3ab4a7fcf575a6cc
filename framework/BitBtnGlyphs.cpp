#include "BitBtnGlyphs.h"

#include <array>
#include <string_view>

namespace veyra {

namespace {

constexpr int kSize = 16;
constexpr Colour kOlive = Rgb(128, 128, 0);
constexpr Colour kDisabledFace = Rgb(128, 128, 128);
constexpr Colour kDisabledLight = Rgb(255, 255, 255);

using TArt = std::array<std::string_view, kSize>;

// One letter per pixel; '.' is the transparent background.
Colour PaletteColour(char letter) {
    switch (letter) {
    case 'g':
        return Rgb(0, 128, 0);
    case 'r':
        return Rgb(192, 0, 0);
    case 'b':
        return Rgb(0, 0, 160);
    case 'c':
        return Rgb(0, 128, 128);
    case 'n':
        return Rgb(128, 64, 0);
    case 'y':
        return Rgb(255, 255, 0);
    case 'w':
        return Rgb(255, 255, 255);
    default:
        return Rgb(0, 0, 0);
    }
}

constexpr TArt kCheck = {
    "................", "................", "................", "............gg..",
    "...........ggg..", "..........ggg...", ".........ggg....", "..gg....ggg.....",
    "..ggg..ggg......", "...gggggg.......", "....gggg........", ".....gg.........",
    "................", "................", "................", "................",
};
constexpr TArt kCross = {
    "................", "................", "..rr........rr..", "..rrr......rrr..",
    "...rrr....rrr...", "....rrr..rrr....", ".....rrrrrr.....", "......rrrr......",
    "......rrrr......", ".....rrrrrr.....", "....rrr..rrr....", "...rrr....rrr...",
    "..rrr......rrr..", "..rr........rr..", "................", "................",
};
constexpr TArt kQuestion = {
    "................", "......bbbb......", ".....bbbbbb.....", "....bbb..bbb....",
    "....bb....bb....", "..........bb....", ".........bbb....", "........bbb.....",
    ".......bbb......", ".......bb.......", ".......bb.......", "................",
    ".......bb.......", ".......bb.......", "................", "................",
};
constexpr TArt kNoEntry = {
    "................", ".....rrrrrr.....", "...rrrrrrrrrr...", "..rrr......rrr..",
    "..rr......rrrr..", ".rr......rrr.rr.", ".rr.....rrr..rr.", ".rr....rrr...rr.",
    ".rr...rrr....rr.", ".rr..rrr.....rr.", ".rr.rrr......rr.", "..rrrr......rr..",
    "..rrr......rrr..", "...rrrrrrrrrr...", ".....rrrrrr.....", "................",
};
constexpr TArt kDoor = {
    "................", "...kkkkkkkkkk...", "...knnnnnnnnk...", "...knnnnnnnnk...",
    "...knnnnnnnnk...", "...knnnnnnnnk...", "...knnnnnnnnk...", "...knnnnnnyyk...",
    "...knnnnnnyyk...", "...knnnnnnnnk...", "...knnnnnnnnk...", "...knnnnnnnnk...",
    "...knnnnnnnnk...", "...kkkkkkkkkk...", "................", "................",
};
constexpr TArt kStop = {
    "................", ".....rrrrrr.....", "...rrrrrrrrrr...", "..rrrrrrrrrrrr..",
    "..rrwwrrrrwwrr..", ".rrrrwwrrwwrrrr.", ".rrrrrwwwwrrrrr.", ".rrrrrrwwrrrrrr.",
    ".rrrrrwwwwrrrrr.", ".rrrrwwrrwwrrrr.", "..rrwwrrrrwwrr..", "..rrrrrrrrrrrr..",
    "...rrrrrrrrrr...", ".....rrrrrr.....", "................", "................",
};
constexpr TArt kRoundArrow = {
    "................", "......cccc......", "....cccccccc.c..", "...ccc....cccc..",
    "..cc.......ccc..", "..cc......cccc..", ".cc.............", ".cc.............",
    ".cc.............", ".cc.............", "..cc.......cc...", "..cc.......cc...",
    "...ccc....ccc...", "....cccccccc....", "......cccc......", "................",
};
constexpr TArt kJump = {
    "................", "................", ".....bbbbbb.....", "...bb......bb...",
    "..b..........b..", ".b............b.", ".b....kk.....bbb", ".b....kk......b.",
    ".b....kk........", ".b....kk........", "......kk........", "......kk........",
    "......kk........", "....kkkkkk......", "................", "................",
};
constexpr TArt kDoubleCheck = {
    "................", "................", "...........gg...", "..........ggg...",
    ".........ggg....", "...gg...ggg.....", "...ggg.ggg..gg..", "....ggggg..ggg..",
    ".....ggg..ggg...", "..gg..g..ggg....", "..ggg...ggg.....", "...gggggg.......",
    "....gggg........", ".....gg.........", "................", "................",
};

constexpr bool WellFormed(const TArt& art) {
    for (std::string_view row : art)
        if (row.size() != kSize)
            return false;
    // The bottom-left pixel names the transparent colour.
    return art[kSize - 1][0] == '.';
}
static_assert(WellFormed(kCheck) && WellFormed(kCross) && WellFormed(kQuestion) &&
              WellFormed(kNoEntry) && WellFormed(kDoor) && WellFormed(kStop) &&
              WellFormed(kRoundArrow) && WellFormed(kJump) && WellFormed(kDoubleCheck));

// Indexed by TBitBtnKind; null for bkCustom.
constexpr const TArt* kArt[] = {
    nullptr, &kCheck, &kCross,      &kQuestion, &kCheck,       &kNoEntry,
    &kDoor,  &kStop,  &kRoundArrow, &kJump,     &kDoubleCheck,
};

bool Inked(const TArt& art, int x, int y) {
    return x >= 0 && y >= 0 && x < kSize && y < kSize && art[y][x] != '.';
}

} // namespace

Bitmap StockGlyph(TBitBtnKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    if (index >= std::size(kArt) || !kArt[index])
        return {};
    const TArt& art = *kArt[index];
    Bitmap strip(2 * kSize, kSize, PixelFormat::Rgb24, PixelOf(kOlive));
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            if (!Inked(art, x, y))
                continue;
            strip.At(x, y) = PixelOf(PaletteColour(art[y][x]));
            // The disabled frame: the shape in grey, lit from the top left.
            strip.At(kSize + x, y) = PixelOf(kDisabledFace);
            if (x + 1 < kSize && y + 1 < kSize && !Inked(art, x + 1, y + 1))
                strip.At(kSize + x + 1, y + 1) = PixelOf(kDisabledLight);
        }
    return strip;
}

} // namespace veyra
