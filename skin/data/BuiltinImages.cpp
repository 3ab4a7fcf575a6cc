#include "BuiltinImages.h"

#include <array>
#include <span>
#include <string_view>

namespace veyra {
namespace {

constexpr Pixel kLight = PixelOf(Rgb(192, 192, 192));
constexpr Pixel kGrey = PixelOf(Rgb(128, 128, 128));
constexpr Pixel kWhitePixel = PixelOf(kWhite);
constexpr Pixel kBlackPixel = PixelOf(kBlack);

// Draws rows of characters: each character one pixel, looked up in a small
// palette of (character, pixel) pairs.
template <std::size_t N>
Bitmap FromPattern(std::span<const std::string_view> rows,
                   const std::array<std::pair<char, Pixel>, N>& palette) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows[0].size()) : 0;
    Bitmap bitmap(width, height, PixelFormat::Rgb24);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (const auto& [ch, pixel] : palette)
                if (rows[y][x] == ch)
                    bitmap.At(x, y) = pixel;
    return bitmap;
}

constexpr std::array<std::pair<char, Pixel>, 3> kTrackPalette = {
    {{'L', kLight}, {'G', kGrey}, {'W', kWhitePixel}}};

constexpr std::array<std::string_view, 4> kTrackRows = {
    "LLGGGGGGGGGGGGWW",
    "LLWWWWWWWWWWWWWW",
    "GLWWWWWWWWWWWWWW",
    "LLWWWWWWWWWWWWWW",
};

constexpr std::array<std::string_view, 16> kTrackVertRows = {
    "LLGL", "LLLL", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW",
    "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "GWWW", "WWWW", "WWWW",
};

// Restore, maximise, minimise and close, 16 columns each.
constexpr std::array<std::string_view, 16> kMenuGlyphRows = {
    "................................................................",
    "................................................................",
    "................................................................",
    "...................##########...................................",
    ".....########......##########......................##.....##....",
    ".....########......#........#......................###...###....",
    ".....#......#......#........#.......................###.###.....",
    "...########.#......#........#........#######.........#####......",
    "...########.#......#........#........#######..........###.......",
    "...#......###......#........#........................#####......",
    "...#......#........#........#.......................###.###.....",
    "...#......#........#........#......................###...###....",
    "...########........##########......................##.....##....",
    "................................................................",
    "................................................................",
    "................................................................",
};

} // namespace

Bitmap BuiltinTrackImage() {
    return FromPattern(std::span<const std::string_view>(kTrackRows), kTrackPalette);
}

Bitmap BuiltinTrackVertImage() {
    return FromPattern(std::span<const std::string_view>(kTrackVertRows), kTrackPalette);
}

Bitmap BuiltinMenuGlyphs() {
    constexpr std::array<std::pair<char, Pixel>, 2> palette = {
        {{'#', kBlackPixel}, {'.', kWhitePixel}}};
    return FromPattern(std::span<const std::string_view>(kMenuGlyphRows), palette);
}

} // namespace veyra
