#pragma once

// Sizes that the pictures, the skin definition and the preview must agree on.
// Both skins share them; only colours differ.

namespace veyra::skingen {

// Window frame. The title bar is the Top border's frame height; the side and
// bottom borders are kBorder wide. The top corners are rounded with
// kCornerRadius, cut out with key pixels so the window gets a shaped region.
inline constexpr int kTitleHeight = 30;
inline constexpr int kBorder = 4;
inline constexpr int kCornerRadius = 8;
// The Top and Bottom images: kEdgeMargin kept at each end, kEdgeMiddle stretched.
inline constexpr int kEdgeMargin = 12;
inline constexpr int kEdgeMiddle = 8;
inline constexpr int kEdgeLength = 2 * kEdgeMargin + kEdgeMiddle;
// The Left and Right images: the title part, a stretched middle, the bottom part.
inline constexpr int kSideMiddle = 8;
inline constexpr int kSideLength = kTitleHeight + kSideMiddle + kBorder;

// Title-bar buttons, right-anchored: each is kCaptionButtonWidth wide, the
// close button ends kCaptionButtonInset pixels from the window's right edge.
inline constexpr int kCaptionButtonWidth = 34;
inline constexpr int kCaptionButtonHeight = 22;
inline constexpr int kCaptionButtonTop = (kTitleHeight - kCaptionButtonHeight) / 2;
inline constexpr int kCaptionButtonInset = 8;
inline constexpr int kCaptionButtonGap = 2;
inline constexpr int kCaptionButtonFrames = 4; // normal, pressed, hot, disabled or inactive
// Xcoord of the n-th button from the right (0 = close): its left edge is
// this far from the window's right edge.
constexpr int CaptionButtonX(int n) {
    return kCaptionButtonInset + kCaptionButtonWidth +
           n * (kCaptionButtonWidth + kCaptionButtonGap);
}

// The window icon (system menu button) at the left of the title.
inline constexpr int kIconSize = 16;
inline constexpr int kIconX = 10;
inline constexpr int kIconY = (kTitleHeight - kIconSize) / 2;
// Where the caption starts, from the title bar's left end (after the icon).
inline constexpr int kTextShift = kIconX + kIconSize + 4 - kBorder;
// Keeps the caption clear of the three right-hand buttons.
inline constexpr int kTextRightClip = CaptionButtonX(2) - kBorder + 6;
// The text back's ends, kept when it is stretched to the caption's width.
inline constexpr int kTextBackEnd = 6;

// The three buttons of a maximised MDI child on the menu bar.
inline constexpr int kMdiButtonWidth = 16;
inline constexpr int kMdiButtonHeight = 14;

inline constexpr int kMenuBarHeight = 20;
inline constexpr int kScrollSize = 17;
inline constexpr int kGlyphBox = 13; // check box and radio button glyphs

} // namespace veyra::skingen
