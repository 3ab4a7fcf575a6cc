#include "PlayerArt.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "skin/data/MediaPlayerLayout.h"

namespace veyra::skingen {
namespace {

// The shapes are drawn on a 13 x 11 grid; the picture is one pixel larger
// each way for the disabled picture's highlight.
constexpr int kGridWidth = 13;
constexpr int kGridHeight = 11;
constexpr Colour kOlive = Rgb(128, 128, 0);

using Grid = std::array<std::array<bool, kGridWidth>, kGridHeight>;

void Set(Grid& grid, int x, int y) {
    if (x >= 0 && x < kGridWidth && y >= 0 && y < kGridHeight)
        grid[y][x] = true;
}

// A triangle the full grid height, pointing right from column left (or left
// towards column right): rows grow by one pixel to the middle row.
void TriangleRight(Grid& grid, int left) {
    for (int y = 0; y < kGridHeight; ++y)
        for (int i = 0; i <= std::min(y, kGridHeight - 1 - y); ++i)
            Set(grid, left + i, y);
}
void TriangleLeft(Grid& grid, int right) {
    for (int y = 0; y < kGridHeight; ++y)
        for (int i = 0; i <= std::min(y, kGridHeight - 1 - y); ++i)
            Set(grid, right - i, y);
}
void Box(Grid& grid, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            Set(grid, x, y);
}
void Bar(Grid& grid, int left, int width) {
    Box(grid, left, 0, left + width, kGridHeight);
}

Grid Shape(TMPBtnType kind) {
    Grid grid{};
    switch (kind) {
    case TMPBtnType::btPlay:
        TriangleRight(grid, 4);
        break;
    case TMPBtnType::btPause:
        Bar(grid, 3, 3);
        Bar(grid, 7, 3);
        break;
    case TMPBtnType::btStop:
        Box(grid, 2, 1, 11, 10);
        break;
    case TMPBtnType::btNext: // to the end: triangle, then a bar
        TriangleRight(grid, 2);
        Bar(grid, 9, 2);
        break;
    case TMPBtnType::btPrev:
        Bar(grid, 2, 2);
        TriangleLeft(grid, 10);
        break;
    case TMPBtnType::btStep: // two triangles
        TriangleRight(grid, 0);
        TriangleRight(grid, 6);
        break;
    case TMPBtnType::btBack:
        TriangleLeft(grid, 6);
        TriangleLeft(grid, 12);
        break;
    case TMPBtnType::btRecord:
        for (int y = 0; y < kGridHeight; ++y)
            for (int x = 0; x < kGridWidth; ++x)
                if (std::hypot(x + 0.5 - 6.5, y + 0.5 - 5.5) <= 4.8)
                    Set(grid, x, y);
        break;
    case TMPBtnType::btEject: // a triangle pointing up over a bar
        for (int y = 0; y < 6; ++y)
            for (int x = 6 - y; x <= 6 + y; ++x)
                Set(grid, x, y);
        Box(grid, 1, 8, 12, 11);
        break;
    }
    return grid;
}

// The coloured pictures: go green, pause amber, stop and record red, the
// moves blue, eject dark grey.
Colour KindColour(TMPBtnType kind) {
    switch (kind) {
    case TMPBtnType::btPlay:
        return Rgb(0, 150, 40);
    case TMPBtnType::btPause:
        return Rgb(210, 150, 0);
    case TMPBtnType::btStop:
        return Rgb(170, 20, 20);
    case TMPBtnType::btRecord:
        return Rgb(230, 0, 0);
    case TMPBtnType::btEject:
        return Rgb(60, 60, 60);
    default:
        return Rgb(20, 70, 200);
    }
}

void Stamp(Bitmap& image, const Grid& grid, int dx, int dy, Colour colour) {
    for (int y = 0; y < kGridHeight; ++y)
        for (int x = 0; x < kGridWidth; ++x)
            if (grid[y][x])
                image.At(x + dx, y + dy) = PixelOf(colour);
}

Bitmap Picture(TMPBtnType kind, TMPPicture which) {
    Bitmap image(kGridWidth + 1, kGridHeight + 1, PixelFormat::Rgb24, PixelOf(kOlive));
    const Grid grid = Shape(kind);
    switch (which) {
    case TMPPicture::Normal:
        Stamp(image, grid, 0, 0, kBlack);
        break;
    case TMPPicture::Disabled: // engraved: a white highlight under grey
        Stamp(image, grid, 1, 1, kWhite);
        Stamp(image, grid, 0, 0, Rgb(128, 128, 128));
        break;
    case TMPPicture::Coloured:
        Stamp(image, grid, 0, 0, KindColour(kind));
        break;
    }
    return image;
}

constexpr const char* kPrefixes[] = {"EN", "DI", "CL"}; // in TMPPicture order

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

std::vector<SkinImage> DrawPlayerGlyphs() {
    std::vector<SkinImage> glyphs;
    for (int kind = 0; kind < kMPButtonCount; ++kind)
        for (int which = 0; which < 3; ++which) {
            const auto k = static_cast<TMPBtnType>(kind);
            const std::string name =
                std::string(kPrefixes[which]) + "_" + std::string(MPPictureName(k));
            glyphs.push_back({Lower(name) + ".bmp", Picture(k, static_cast<TMPPicture>(which))});
        }
    return glyphs;
}

std::string PlayerGlyphsScript(const std::vector<SkinImage>& glyphs) {
    std::string script =
        "// The media player's button pictures: generated by tools/skingen; change\n"
        "// the generator, not this file.\n";
    for (const SkinImage& glyph : glyphs) {
        std::string name = glyph.File.substr(0, glyph.File.find('.'));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        script += name + " BITMAP \"" + glyph.File + "\"\n";
    }
    return script;
}

} // namespace veyra::skingen
