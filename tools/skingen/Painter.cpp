#include "Painter.h"

#include <algorithm>
#include <cmath>

#include "skin/imaging/Gradient.h"

namespace veyra::skingen {
namespace {

constexpr int kSamples = 4;

double Distance(double x0, double y0, double x1, double y1) {
    return std::hypot(x1 - x0, y1 - y0);
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 == 0 ? 0 : ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / length2;
    t = std::clamp(t, 0.0, 1.0);
    return Distance(p.X, p.Y, a.X + t * dx, a.Y + t * dy);
}

double PatternCoverage(char c) {
    switch (c) {
    case '#':
        return 1.0;
    case 'o':
        return 0.75;
    case '+':
        return 0.5;
    case '.':
        return 0.25;
    default:
        return 0.0;
    }
}

} // namespace

Colour Mix(Colour a, Colour b, double share) {
    const auto channel = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * std::clamp(share, 0.0, 1.0)));
    };
    return Rgb(channel(RedOf(a), RedOf(b)), channel(GreenOf(a), GreenOf(b)),
               channel(BlueOf(a), BlueOf(b)));
}

bool InsideRoundRect(const Area& a, double radius, unsigned corners, double x, double y) {
    if (x < a.Left || x > a.Right || y < a.Top || y > a.Bottom)
        return false;
    const double r = std::min({radius, (a.Right - a.Left) / 2, (a.Bottom - a.Top) / 2});
    const bool left = x<a.Left + r, right = x> a.Right - r;
    const bool top = y<a.Top + r, bottom = y> a.Bottom - r;
    const auto inCorner = [&](unsigned corner, double cx, double cy) {
        return (corners & corner) == 0 || Distance(x, y, cx, cy) <= r;
    };
    if (left && top)
        return inCorner(kTopLeft, a.Left + r, a.Top + r);
    if (right && top)
        return inCorner(kTopRight, a.Right - r, a.Top + r);
    if (left && bottom)
        return inCorner(kBottomLeft, a.Left + r, a.Bottom - r);
    if (right && bottom)
        return inCorner(kBottomRight, a.Right - r, a.Bottom - r);
    return true;
}

Painter::Painter(Bitmap& target, Colour matte, double keyThreshold)
    : Target_(target), Matte_(matte), KeyThreshold_(keyThreshold) {}

void Painter::Plot(int x, int y, Colour colour, double coverage) {
    if (x < 0 || y < 0 || x >= Target_.Width() || y >= Target_.Height() || coverage <= 0)
        return;
    Pixel& pixel = Target_.At(x, y);
    const bool isKey = SameRgb(pixel, PixelOf(kKeyColour));
    if (isKey && coverage < KeyThreshold_)
        return;
    const Colour under = isKey ? Matte_ : ColourOf(pixel);
    pixel = PixelOf(Mix(under, colour, coverage));
}

void Painter::Fill(const Rect& rect, Colour colour) {
    Target_.FillRect(rect, PixelOf(colour));
}

void Painter::Gradient(const Rect& rect, Colour from, Colour to, bool vertical) {
    GradientFill(Target_, rect, from,
                 vertical ? GradientDirection::Vertical : GradientDirection::Horizontal, to);
}

void Painter::FillShape(const Area& bounds, Colour colour,
                        const std::function<bool(double, double)>& inside) {
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.Left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.Top)));
    const int x1 = std::min(Target_.Width(), static_cast<int>(std::ceil(bounds.Right)));
    const int y1 = std::min(Target_.Height(), static_cast<int>(std::ceil(bounds.Bottom)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples) ? 1 : 0;
            Plot(x, y, colour, static_cast<double>(hits) / (kSamples * kSamples));
        }
}

void Painter::FillRoundRect(const Area& area, double radius, Colour colour, unsigned corners) {
    FillShape(area, colour,
              [&](double x, double y) { return InsideRoundRect(area, radius, corners, x, y); });
}

void Painter::StrokeRoundRect(const Area& area, double radius, double width, Colour colour,
                              unsigned corners) {
    const Area inner = Inset(area, width);
    const double innerRadius = std::max(0.0, radius - width);
    FillShape(area, colour, [&](double x, double y) {
        return InsideRoundRect(area, radius, corners, x, y) &&
               !InsideRoundRect(inner, innerRadius, corners, x, y);
    });
}

void Painter::FillRoundRectGradient(const Area& area, double radius, Colour top, Colour bottom,
                                    unsigned corners) {
    // One row at a time, so every row keeps the anti-aliased corners.
    const int y0 = static_cast<int>(std::floor(area.Top));
    const int y1 = static_cast<int>(std::ceil(area.Bottom));
    for (int y = y0; y < y1; ++y) {
        const double share = y1 - y0 > 1 ? static_cast<double>(y - y0) / (y1 - y0 - 1) : 0;
        const Area row{area.Left, std::max<double>(y, area.Top), area.Right,
                       std::min<double>(y + 1, area.Bottom)};
        FillShape(row, Mix(top, bottom, share), [&](double x, double sy) {
            return InsideRoundRect(area, radius, corners, x, sy);
        });
    }
}

void Painter::FillEllipse(const Area& a, Colour colour) {
    const double cx = (a.Left + a.Right) / 2, cy = (a.Top + a.Bottom) / 2;
    const double rx = (a.Right - a.Left) / 2, ry = (a.Bottom - a.Top) / 2;
    FillShape(a, colour, [&](double x, double y) {
        const double u = (x - cx) / rx, v = (y - cy) / ry;
        return u * u + v * v <= 1;
    });
}

void Painter::StrokeEllipse(const Area& a, double width, Colour colour) {
    const double cx = (a.Left + a.Right) / 2, cy = (a.Top + a.Bottom) / 2;
    const double rx = (a.Right - a.Left) / 2, ry = (a.Bottom - a.Top) / 2;
    FillShape(a, colour, [&](double x, double y) {
        const double u = (x - cx) / rx, v = (y - cy) / ry;
        const double ui = (x - cx) / (rx - width), vi = (y - cy) / (ry - width);
        return u * u + v * v <= 1 && ui * ui + vi * vi > 1;
    });
}

void Painter::StrokePolyline(const std::vector<Point>& points, double width, Colour colour) {
    if (points.empty())
        return;
    Area bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
    for (const Point& p : points) {
        bounds.Left = std::min(bounds.Left, p.X);
        bounds.Top = std::min(bounds.Top, p.Y);
        bounds.Right = std::max(bounds.Right, p.X);
        bounds.Bottom = std::max(bounds.Bottom, p.Y);
    }
    const double half = width / 2;
    FillShape({bounds.Left - half, bounds.Top - half, bounds.Right + half, bounds.Bottom + half},
              colour, [&](double x, double y) {
                  for (std::size_t i = 0; i + 1 < points.size(); ++i)
                      if (DistanceToSegment({x, y}, points[i], points[i + 1]) <= half)
                          return true;
                  return points.size() == 1 && Distance(x, y, points[0].X, points[0].Y) <= half;
              });
}

void Painter::Pattern(const std::vector<std::string_view>& rows, int x, int y, Colour colour) {
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            Plot(x + static_cast<int>(column), y + static_cast<int>(row), colour,
                 PatternCoverage(rows[row][column]));
}

} // namespace veyra::skingen
