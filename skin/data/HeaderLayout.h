#pragma once

#include <cstdint>
#include <vector>

#include "StatusBarLayout.h"
#include "skin/imaging/Rect.h"

// The arithmetic of a skinned header: which frame of the Headerbar element
// each section shows, where its hot zone is, what fills the space past the
// last section, and how a section's format places its text and icon.
//
//   +----------+----------+-------+ - - - - - - - -+
//   | section  | section* | sect. |  remainder     |   * the hot section
//   +----------+----------+-------+ - - - - - - - -+
//    |<-zone->|                      frame 1 of Headerbar
namespace veyra {

// The header format bits that matter here (HDF_*).
inline constexpr std::uint32_t kHeaderFormatRight = 0x0001;
inline constexpr std::uint32_t kHeaderFormatCentre = 0x0002;
inline constexpr std::uint32_t kHeaderFormatImage = 0x0800;
inline constexpr std::uint32_t kHeaderFormatOwnerDraw = 0x8000;

// No section is hot.
inline constexpr int kNoHotSection = -1;

// The Headerbar frame of section index: 2 for the hot one, else 1.
int HeaderSectionFrame(int index, int hot);

// The part of a section that makes it hot under the mouse: 3 pixels in from
// both sides, so that the dividers between sections stay neutral.
Rect HeaderHotZone(const Rect& section);

// The hot section after the mouse moved to (x, y): the first zone holding
// the point; the old hot section when the point is over none.
int HeaderHotAfterMove(const std::vector<Rect>& zones, int x, int y, int hot);

// The space right of the last section in a width x height header; empty
// when the sections reach the edge.
Rect HeaderRemainder(int width, int height, int rightMost);

// How a section's format aligns its text.
TPanelAlign HeaderTextAlign(std::uint32_t format);

// The image a section shows: its image index only when it has text and its
// format asks for an image (or is owner-drawn); -1 otherwise.
int HeaderImageIndex(std::uint32_t format, int imageIndex, bool hasText);

} // namespace veyra
