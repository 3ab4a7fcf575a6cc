#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "skin/imaging/Rect.h"

// Where a skinned status bar draws its panels and its size grip. The bar
// reports each panel's rectangle; the skin widens every panel by 2 pixels to
// the right so that neighbouring frames meet, and the last panel reaches the
// bar's right edge whatever width it was given:
//
//   +-----------+-----------+--------------------------+
//   | panel 0   | panel 1   | last panel           ..::|  <- grip in the corner
//   +-----------+-----------+--------------------------+
namespace veyra {

// The bevel of a panel; the numbers are the frames of the StatusBarEdges
// element.
enum class TPanelBevel : std::uint8_t { Lowered = 1, Raised = 2, None = 3 };

// How a panel's text lines up; the numbers are the DrawText flags.
enum class TPanelAlign : std::uint8_t { Left = 0, Centre = 1, Right = 2 };

// What the painting knows of one panel before it is laid out.
struct TStatusPanelInput {
    // The rectangle the bar reports (SB_GETRECT); none when it reports none.
    std::optional<Rect> Reported;
    TPanelAlign Align = TPanelAlign::Left;
    bool RightToLeft = false;
    TPanelBevel Bevel = TPanelBevel::Lowered;
};

// One panel as drawn.
struct TStatusPanelPlace {
    // False for a panel the bar reported no rectangle for: it is skipped,
    // owner drawing included.
    bool Drawn = false;
    Rect Frame;     // the StatusBarEdges frame (or bevel)
    Rect Text;      // the frame narrowed by 2 on the left and right
    Rect OwnerDraw; // the reported rectangle narrowed by 2 on every side
    TPanelAlign Align = TPanelAlign::Left;
    int FrameIndex = 1;
    constexpr bool operator==(const TStatusPanelPlace&) const = default;
};

// The alignment a panel's text is drawn with: left and right swap for a
// right-to-left panel.
TPanelAlign PanelTextAlign(TPanelAlign align, bool rightToLeft);

// Lays the panels out in a bar whose right edge is barRight.
std::vector<TStatusPanelPlace> LayoutStatusPanels(int barRight,
                                                  const std::vector<TStatusPanelInput>& panels);

// The size grip: one frame (imageWidth div frameCount by imageHeight) in
// the bottom-right corner of a width x height bar, one pixel in from both
// edges. Empty without an image or a sensible frame count.
Rect SizeGripRect(int width, int height, int imageWidth, int imageHeight, int frameCount);

} // namespace veyra
