#pragma once

// Anti-aliased drawing into skin bitmaps. Skin images are opaque 24-bit
// pictures with magenta as the transparent key, so an edge pixel cannot be
// half transparent: where a shape only partly covers a key pixel, the
// painter mixes the shape's colour with the matte (the colour the image is
// expected to sit on when the engine draws it) or leaves the key when the
// coverage is too small to matter.

#include <functional>
#include <string_view>
#include <vector>

#include "skin/imaging/Bitmap.h"

namespace veyra::skingen {

// A rectangle in pixel units whose edges may fall between pixels. Pixel (x, y)
// covers the square x..x+1, y..y+1.
struct Area {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

constexpr Area AreaOf(const Rect& r) {
    return {double(r.Left), double(r.Top), double(r.Right), double(r.Bottom)};
}
// The area moved inwards by d on every side.
constexpr Area Inset(const Area& a, double d) {
    return {a.Left + d, a.Top + d, a.Right - d, a.Bottom - d};
}

// Which corners of a rounded rectangle are rounded.
enum Corners : unsigned {
    kTopLeft = 1,
    kTopRight = 2,
    kBottomLeft = 4,
    kBottomRight = 8,
    kTopCorners = kTopLeft | kTopRight,
    kBottomCorners = kBottomLeft | kBottomRight,
    kLeftCorners = kTopLeft | kBottomLeft,
    kRightCorners = kTopRight | kBottomRight,
    kAllCorners = 15,
};

struct Point {
    double X = 0;
    double Y = 0;
};

// Draws shapes into a bitmap it does not own, each pixel weighted by how much
// of it the shape covers (4 x 4 samples).
class Painter {
public:
    // keyThreshold: below this coverage a key pixel stays key.
    Painter(Bitmap& target, Colour matte, double keyThreshold = 0.3);

    Bitmap& Target() { return Target_; }

    // Mixes colour into pixel (x, y) by coverage 0..1; outside the bitmap nothing.
    void Plot(int x, int y, Colour colour, double coverage);
    // Fills whole pixels, no mixing.
    void Fill(const Rect& rect, Colour colour);
    // Fills rect with a gradient from top to bottom (or left to right).
    void Gradient(const Rect& rect, Colour from, Colour to, bool vertical = true);

    // Fills every pixel by the share of its samples for which inside(x, y) is true.
    void FillShape(const Area& bounds, Colour colour,
                   const std::function<bool(double, double)>& inside);
    void FillRoundRect(const Area& area, double radius, Colour colour,
                       unsigned corners = kAllCorners);
    // A ring of the given width along the inside of a rounded rectangle's edge.
    void StrokeRoundRect(const Area& area, double radius, double width, Colour colour,
                         unsigned corners = kAllCorners);
    // Fills a rounded rectangle with a vertical gradient (top colour to bottom colour).
    void FillRoundRectGradient(const Area& area, double radius, Colour top, Colour bottom,
                               unsigned corners = kAllCorners);
    void FillEllipse(const Area& area, Colour colour);
    void StrokeEllipse(const Area& area, double width, Colour colour);
    // A line through the points, width pixels wide, with round joins and ends.
    void StrokePolyline(const std::vector<Point>& points, double width, Colour colour);

    // Draws a small picture given as rows of characters: '#' full colour, 'o'
    // three quarters, '+' half, '.' a quarter, anything else nothing.
    void Pattern(const std::vector<std::string_view>& rows, int x, int y, Colour colour);

private:
    Bitmap& Target_;
    Colour Matte_;
    double KeyThreshold_;
};

// True when (x, y) lies inside the rounded rectangle.
bool InsideRoundRect(const Area& area, double radius, unsigned corners, double x, double y);

// Mixes two colours: share 0 gives a, 1 gives b.
Colour Mix(Colour a, Colour b, double share);

} // namespace veyra::skingen
