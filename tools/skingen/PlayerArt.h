#pragma once

// The pictures of the media player's buttons: for each of the nine kinds a
// normal, a disabled and a coloured one, drawn crisp on whole pixels over
// olive, the colour the player treats as transparent. They are no part of
// a skin: the programs link them in as bitmap resources (PlayerGlyphs.rc,
// written beside them).

#include <string>
#include <vector>

#include "SkinArt.h"

namespace veyra::skingen {

// The 27 pictures, files named after their resources in lower case
// ("en_mpplay.bmp").
std::vector<SkinImage> DrawPlayerGlyphs();

// The resource script that names every picture.
std::string PlayerGlyphsScript(const std::vector<SkinImage>& glyphs);

} // namespace veyra::skingen
