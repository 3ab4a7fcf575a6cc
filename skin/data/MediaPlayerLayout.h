#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/imaging/Rect.h"

// The button row of a media player, shared by the player's own painting and
// the skin's panel laid over it, so that what either draws and what either
// clicks cannot disagree. The visible buttons divide the width equally, in
// the fixed order of their kinds; what the division leaves over stays on the
// right, belonging to no button:
//
//   x = 0        w        2w       3w     n*w  width
//   +--------+--------+--------+--------+---+
//   |  Play  | Pause  |  Stop  |  ...   |   |   w = width div n
//   +--------+--------+--------+--------+---+
//
// A boundary pixel (x = k*w) belongs to the button on its left.
namespace veyra {

// The transport buttons, in the order a player shows them.
enum class TMPBtnType : std::uint8_t {
    btPlay,
    btPause,
    btStop,
    btNext,
    btPrev,
    btStep,
    btBack,
    btRecord,
    btEject
};

inline constexpr int kMPButtonCount = 9;
// What MPButtonAt answers outside every button.
inline constexpr int kMPNoButton = 9;

// A set of button kinds: bit i is kind i, as the published sets store it.
using TMPBtnSet = std::uint16_t;
inline constexpr TMPBtnSet kAllMPButtons = (1u << kMPButtonCount) - 1;

constexpr TMPBtnSet MPButtonBit(TMPBtnType kind) {
    return static_cast<TMPBtnSet>(1u << static_cast<int>(kind));
}

// The kind's name as published sets write it ("btPlay").
std::string_view MPButtonName(TMPBtnType kind);
// The picture resources' stem ("MPPLAY").
std::string_view MPPictureName(TMPBtnType kind);

// The kinds whose names occur in a published set's text ("[btPlay,btStop]").
TMPBtnSet MPButtonSetFromText(std::string_view text);

// One visible button and where it lies.
struct TMPButtonPlace {
    TMPBtnType Kind = TMPBtnType::btPlay;
    Rect Bounds;
    constexpr bool operator==(const TMPButtonPlace&) const = default;
};

// The width of each visible button in a player width wide (0 without one).
int MPButtonWidth(int width, TMPBtnSet visible);

// The visible buttons of a width x height player, left to right.
std::vector<TMPButtonPlace> LayoutMPButtons(int width, int height, TMPBtnSet visible);

// The kind (as a number) of the visible button at x, or kMPNoButton (also
// outside the player, where a held mouse may be let go).
int MPButtonAt(int x, int width, TMPBtnSet visible);

// Which of a button's three pictures shows.
enum class TMPPicture : std::uint8_t { Normal, Disabled, Coloured };

// How one button is drawn: the frame of the Buttons element (1 normal, 2
// pressed, 3 disabled), its picture, and how far the picture sinks right
// and down.
struct TMPButtonLook {
    int Frame = 1;
    TMPPicture Picture = TMPPicture::Normal;
    int Sink = 0;
    constexpr bool operator==(const TMPButtonLook&) const = default;
};

// A disabled button looks disabled even while held down.
TMPButtonLook MPButtonLook(bool enabled, bool coloured, bool pressed);

// Where a picture of pictureWidth x pictureHeight goes on button: centred
// (div truncating), then sunk by sink pixels right and down.
Rect MPPicturePlace(const Rect& button, int pictureWidth, int pictureHeight, int sink);

} // namespace veyra
