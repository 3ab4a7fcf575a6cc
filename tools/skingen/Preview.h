#pragma once

// A contact sheet of a skin: an active window in front of an inactive one,
// composed from the skin's own pictures the way the engine slices them, and
// next to it every picture of the skin as it is stored.

#include <vector>

#include "SkinArt.h"

namespace veyra::skingen {

// The contact sheet of images (as DrawSkinImages made them for palette).
// Throws std::out_of_range when a picture it shows is missing.
Bitmap RenderPreview(const Palette& palette, const std::vector<SkinImage>& images);

} // namespace veyra::skingen
