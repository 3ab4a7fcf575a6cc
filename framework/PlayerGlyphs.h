#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "skin/data/MediaPlayerLayout.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

// The 27 pictures of a media player's buttons: for each kind a normal, a
// disabled and a coloured one, bitmap resources of a module named
// "EN_MPPLAY", "DI_MPPLAY", "CL_MPPLAY" and so on. Olive (0x008080) in them
// is transparent. Every program that can show a player links them in (the
// veyra_player_glyphs object library).
class TPlayerGlyphs {
public:
    static constexpr Colour kTransparent = Rgb(128, 128, 0);

    // Loads every picture from module (the program's own when null); a
    // picture the module lacks stays empty and draws nothing.
    explicit TPlayerGlyphs(HMODULE module = nullptr);

    const Bitmap& Picture(TMPBtnType kind, TMPPicture which) const;

    // The resource name of a picture ("EN_MPPLAY").
    static std::wstring ResourceName(TMPBtnType kind, TMPPicture which);

    // Draws a picture centred in button of target, sunk by sink pixels
    // right and down, olive transparent.
    static void Draw(Bitmap& target, const Rect& button, const Bitmap& picture, int sink);

private:
    std::array<Bitmap, kMPButtonCount * 3> Pictures_;
};

} // namespace veyra
