#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinLoader.h"
#include "skin/imaging/Bitmap.h"

namespace veyra::test {

// Builds a small packed skin in memory (an INI and BMP members) for loader
// tests, and loads it.
class SkinTestPackage {
public:
    explicit SkinTestPackage(std::string ini) : Ini_(std::move(ini)) {}

    // Adds a member holding bitmap as a 24-bit BMP under name.
    SkinTestPackage& Image(const std::string& name, const Bitmap& bitmap);
    // Adds a width x height image, each frame (side by side) filled with its own
    // colour: frame k gets FrameColour(k).
    SkinTestPackage& Strip(const std::string& name, int width, int height, int frames = 1);
    // Adds a member with raw bytes.
    SkinTestPackage& Raw(const std::string& name, std::vector<std::uint8_t> bytes);

    std::vector<std::uint8_t> Packed(std::int32_t format = 20000) const;
    // Loads the package; fails the test when it does not load.
    TSkinDefinition Load(const TSkinLoadOptions& options = {}) const;

    static Pixel FrameColour(int k) { return PixelOf(Rgb(10 * k, 200 - 10 * k, 7 * k)); }

private:
    std::string Ini_;
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Members_;
};

} // namespace veyra::test
