#pragma once

// A 5 x 7 capital-letter font, so the preview can show captions and labels
// in the skin's text colours without a font engine.

#include <string_view>

#include "Painter.h"

namespace veyra::skingen {

inline constexpr int kPreviewCharWidth = 6; // 5 pixels and a gap
inline constexpr int kPreviewCharHeight = 7;

// Width in pixels of text in the preview font.
int PreviewTextWidth(std::string_view text);

// Draws text (letters shown as capitals; digits, blank, '.', '-' and '%' too)
// with its top-left corner at (x, y).
void DrawPreviewText(Painter& painter, std::string_view text, int x, int y, Colour colour);

} // namespace veyra::skingen
