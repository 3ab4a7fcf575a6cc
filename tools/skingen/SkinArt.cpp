#include "SkinArt.h"

#include <cmath>

#include "SkinMetrics.h"
#include "skin/imaging/Blit.h"

namespace veyra::skingen {
namespace {

using Glyph = std::vector<std::string_view>;

// Title-button symbols, 10 x 10, drawn crisp on whole pixels.
const Glyph kMaximizeGlyph{"##########", "#        #", "#        #", "#        #", "#        #",
                           "#        #", "#        #", "#        #", "#        #", "##########"};
const Glyph kRestoreGlyph{"  ########", "  #      #", "######## #", "#      # #", "#      # #",
                          "#      # #", "#      # #", "#      ###", "#      #  ", "########  "};
const Glyph kMinimizeGlyph{"##########"};
// The same at 8 x 8 for the MDI buttons on the menu bar.
const Glyph kSmallRestoreGlyph{"  ######", "  #    #", "###### #", "#    # #",
                               "#    # #", "#    ###", "#    #  ", "######  "};
const Glyph kSmallMinimizeGlyph{"########"};

// The pointing direction of arrows and chevrons.
enum class Direction { Left, Right, Up, Down };

// Frame states of a five-frame control strip.
enum StripState { kNormal = 1, kPressed = 2, kDisabled = 3, kHot = 4, kFocused = 5 };

// Blends with a weight 0..1; shorter to read in the colour choices below.
Colour Tint(Colour base, Colour towards, double share) {
    return Mix(base, towards, share);
}

Area Centred(const Rect& frame, double width, double height) {
    const double x = frame.Left + (frame.Width() - width) / 2;
    const double y = frame.Top + (frame.Height() - height) / 2;
    return {x, y, x + width, y + height};
}

// A filled triangle pointing in direction, inside area.
void FillArrow(Painter& painter, const Area& a, Direction direction, Colour colour) {
    const double cx = (a.Left + a.Right) / 2, cy = (a.Top + a.Bottom) / 2;
    Point p0, p1, p2;
    switch (direction) {
    case Direction::Left:
        p0 = {a.Left, cy};
        p1 = {a.Right, a.Top};
        p2 = {a.Right, a.Bottom};
        break;
    case Direction::Right:
        p0 = {a.Right, cy};
        p1 = {a.Left, a.Top};
        p2 = {a.Left, a.Bottom};
        break;
    case Direction::Up:
        p0 = {cx, a.Top};
        p1 = {a.Left, a.Bottom};
        p2 = {a.Right, a.Bottom};
        break;
    case Direction::Down:
        p0 = {cx, a.Bottom};
        p1 = {a.Left, a.Top};
        p2 = {a.Right, a.Top};
        break;
    }
    const auto side = [](Point a0, Point a1, double x, double y) {
        return (a1.X - a0.X) * (y - a0.Y) - (a1.Y - a0.Y) * (x - a0.X);
    };
    painter.FillShape(a, colour, [&](double x, double y) {
        const double d0 = side(p0, p1, x, y), d1 = side(p1, p2, x, y), d2 = side(p2, p0, x, y);
        return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
    });
}

// Dot (column, row) of the 3 x 3 grid of the size grip.
Area GripDot(const Rect& f, int column, int row) {
    const double x = f.Left + 2 + 4 * column, y = f.Top + 2 + 4 * row;
    return {x, y, x + 2, y + 2};
}

// An open chevron, like the arrow of a drop-down field.
void StrokeChevron(Painter& painter, const Area& a, Colour colour, double width) {
    painter.StrokePolyline({{a.Left, a.Top}, {(a.Left + a.Right) / 2, a.Bottom}, {a.Right, a.Top}},
                           width, colour);
}

void StrokeCross(Painter& painter, const Area& a, Colour colour, double width) {
    painter.StrokePolyline({{a.Left, a.Top}, {a.Right, a.Bottom}}, width, colour);
    painter.StrokePolyline({{a.Right, a.Top}, {a.Left, a.Bottom}}, width, colour);
}

// ---- Window frame ---------------------------------------------------------

// A small window (title, sides, bottom) in the frame colours; the four
// border images are cut from it, so they always join without a seam.
Bitmap FrameTemplate(const Palette& p, bool active) {
    const int width = 2 * kBorder + kEdgeLength;
    const int height = kSideLength;
    Bitmap bitmap(width, height, PixelFormat::Rgb24, PixelOf(kKeyColour));
    const Colour outline = active ? p.Outline : p.OutlineInactive;
    // The outer edge must be a hard cut (it becomes the window region), so
    // only pixels at least half inside the shape are drawn.
    Painter painter(bitmap, outline, 0.5);
    const Area whole{0, 0, double(width), double(height)};
    painter.FillRoundRect(whole, kCornerRadius, active ? p.Frame : p.FrameInactive, kTopCorners);
    painter.FillRoundRectGradient({0, 0, double(width), double(kTitleHeight)}, kCornerRadius,
                                  active ? p.TitleTop : p.TitleTopInactive,
                                  active ? p.TitleBottom : p.TitleBottomInactive, kTopCorners);
    // The lit line along the top, following the rounded corners.
    const Area sheen = Inset(whole, 1);
    const Colour sheenColour = active ? p.TitleSheen : p.TitleSheenInactive;
    painter.FillShape(
        {0, 0, double(width), double(kCornerRadius)}, sheenColour, [&](double x, double y) {
            return InsideRoundRect(sheen, kCornerRadius - 1, kTopCorners, x, y) &&
                   !InsideRoundRect(Inset(sheen, 1), kCornerRadius - 2, kTopCorners, x, y);
        });
    painter.StrokeRoundRect(whole, kCornerRadius, 1, outline, kTopCorners);
    // Where the frame meets the client area.
    const Rect client{kBorder, kTitleHeight, width - kBorder, height - kBorder};
    painter.Fill({client.Left - 1, client.Top, client.Left, client.Bottom + 1}, p.FrameInner);
    painter.Fill({client.Right, client.Top, client.Right + 1, client.Bottom + 1}, p.FrameInner);
    painter.Fill({client.Left - 1, client.Bottom, client.Right + 1, client.Bottom + 1},
                 p.FrameInner);
    return bitmap;
}

// Cuts the same piece out of the active and the inactive template and puts
// them side by side (Left, Right) or stacked (Top, Bottom).
Bitmap FramePiece(const Bitmap& active, const Bitmap& inactive, const Rect& piece,
                  FrameLayout layout) {
    const bool stacked = layout == FrameLayout::Vertical;
    Bitmap result(piece.Width() * (stacked ? 1 : 2), piece.Height() * (stacked ? 2 : 1),
                  PixelFormat::Rgb24);
    StretchDraw(result, RectOfSize(0, 0, piece.Width(), piece.Height()), active, piece);
    StretchDraw(result,
                RectOfSize(stacked ? 0 : piece.Width(), stacked ? piece.Height() : 0, piece.Width(),
                           piece.Height()),
                inactive, piece);
    return result;
}

// The caption's text back: a short bar under the caption of the active
// window, nothing on an inactive one.
Bitmap TextBackImage(const Palette& p) {
    const Colour title = Tint(p.TitleTop, p.TitleBottom, 0.85);
    return BuildStrip(4 * kTextBackEnd, kTitleHeight, 2, FrameLayout::Vertical, title,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index != 1)
                              return;
                          const double y = f.Bottom - 4;
                          painter.FillRoundRect({f.Left + 3.0, y, f.Right - 3.0, y + 2}, 1,
                                                Tint(title, p.TitleText, 0.4));
                      });
}

// ---- Title-bar buttons ------------------------------------------------------

// What a title button shows: a pattern glyph or the close cross.
struct CaptionSymbol {
    const Glyph* Pattern; // null: the cross
    bool IsClose;
};

Bitmap CaptionButtonImage(const Palette& p, CaptionSymbol symbol) {
    const Colour active = Tint(p.TitleTop, p.TitleBottom, 0.5);
    const Colour inactive = Tint(p.TitleTopInactive, p.TitleBottomInactive, 0.5);
    return BuildStrip(
        kCaptionButtonWidth, kCaptionButtonHeight, kCaptionButtonFrames, FrameLayout::Horizontal,
        active, [&](Painter& painter, const Rect& f, int index) {
            // Frames: 1 normal, 2 pressed, 3 hot, 4 disabled or on an inactive window.
            const bool pressed = index == 2, hot = index == 3, dimmed = index == 4;
            Colour back = active;
            if (pressed || hot) {
                back = symbol.IsClose ? (pressed ? p.ClosePressed : p.CloseHot)
                                      : (pressed ? p.CaptionPressed : p.CaptionHot);
                painter.FillRoundRect(AreaOf(f), 5, back);
            }
            Colour glyph = dimmed ? p.CaptionGlyphInactive : p.CaptionGlyph;
            if (symbol.IsClose && (pressed || hot))
                glyph = kWhite;
            // Anti-aliased glyph edges over a transparent back are mixed
            // with the title colour they will sit on.
            Painter onTitle(painter.Target(), dimmed ? inactive : back);
            const int gx = f.Left + (f.Width() - 10) / 2, gy = f.Top + (f.Height() - 10) / 2;
            if (symbol.IsClose)
                StrokeCross(onTitle, {gx + 0.5, gy + 0.5, gx + 9.5, gy + 9.5}, glyph, 1.3);
            else
                onTitle.Pattern(*symbol.Pattern, gx, gy + (symbol.Pattern->size() == 1 ? 5 : 0),
                                glyph);
        });
}

// The window icon's stand-in: the engine draws the window's own icon over it,
// so only its size really matters; it shows when a window has no icon.
Bitmap SysMenuImage(const Palette& p) {
    return BuildStrip(
        kIconSize, kIconSize, 1, FrameLayout::Horizontal, Tint(p.TitleTop, p.TitleBottom, 0.5),
        [&](Painter& painter, const Rect& f, int) {
            painter.FillRoundRect(Inset(AreaOf(f), 1), 3, p.TitleText);
            painter.StrokePolyline({{4, 11}, {7, 7.5}, {9, 9.5}, {12.5, 5}}, 1.6, p.Accent);
        });
}

// Minimise, restore and close of a maximised MDI child, four frames each:
// normal, pressed, hot, hot (the menu bar shows frame 4 for hot).
Bitmap MdiControlsImage(const Palette& p) {
    return BuildStrip(
        kMdiButtonWidth, kMdiButtonHeight, 12, FrameLayout::Horizontal, p.MenuBar,
        [&](Painter& painter, const Rect& f, int index) {
            const int button = (index - 1) / 4, state = (index - 1) % 4 + 1;
            Colour back = p.MenuBar;
            if (state != 1) {
                back = Tint(p.MenuBar, p.Accent, state == 2 ? 0.30 : 0.16);
                painter.FillRoundRect(AreaOf(f), 3, back);
            }
            Painter onBar(painter.Target(), back);
            const int gx = f.Left + 4, gy = f.Top + 3;
            if (button == 0)
                onBar.Pattern(kSmallMinimizeGlyph, gx, gy + 7, p.MenuBarText);
            else if (button == 1)
                onBar.Pattern(kSmallRestoreGlyph, gx, gy, p.MenuBarText);
            else
                StrokeCross(onBar, {gx + 0.5, gy + 0.5, gx + 7.5, gy + 7.5}, p.MenuBarText, 1.2);
        });
}

// ---- Menus ------------------------------------------------------------------

Bitmap MenuBarImage(const Palette& p) {
    return BuildStrip(8, kMenuBarHeight, 2, FrameLayout::Horizontal, p.MenuBar,
                      [&](Painter& painter, const Rect& f, int) {
                          painter.Gradient(f, p.MenuBar, p.MenuBarBottom);
                      });
}

// Frames: 1 normal (nothing, the popup's back shows), 2 separator,
// 3 disabled (nothing), 4 selected, 5 selected.
Bitmap MenuItemImage(const Palette& p) {
    return BuildStrip(24, 22, 5, FrameLayout::Horizontal, p.Menu,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index == 2)
                              painter.Fill({f.Left + 4, f.Bottom - 4, f.Right - 4, f.Bottom - 3},
                                           p.MenuSeparator);
                          if (index >= 4)
                              painter.FillRoundRect(Inset(AreaOf(f), 1), 3, p.Accent);
                      });
}

Bitmap MenuBackgroundImage(const Palette& p) {
    return BuildStrip(16, 16, 1, FrameLayout::Horizontal, p.Menu,
                      [&](Painter& painter, const Rect& f, int) {
                          painter.Fill(f, p.Menu);
                          painter.StrokeRoundRect(AreaOf(f), 0, 1, p.MenuBorder);
                      });
}

// ---- Buttons, check boxes, radio buttons -----------------------------------

struct ButtonLook {
    Colour Top, Bottom, Edge;
};

ButtonLook ButtonLookOf(const Palette& p, int state) {
    switch (state) {
    case kPressed:
        return {p.ButtonPressed, p.ButtonPressed, p.BorderHot};
    case kDisabled:
        return {p.ButtonDisabled, p.ButtonDisabled, Tint(p.Border, p.Face, 0.5)};
    case kHot:
        return {p.ButtonHotTop, p.ButtonHotBottom, p.BorderHot};
    case kFocused:
        return {p.ButtonTop, p.ButtonBottom, p.Accent};
    default:
        return {p.ButtonTop, p.ButtonBottom, p.Border};
    }
}

void DrawButtonFace(Painter& painter, const Area& a, double radius, const ButtonLook& look,
                    unsigned corners) {
    painter.FillRoundRectGradient(a, radius, look.Top, look.Bottom, corners);
    painter.StrokeRoundRect(a, radius, 1, look.Edge, corners);
}

Bitmap ButtonsImage(const Palette& p) {
    return BuildStrip(32, 24, 5, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          const ButtonLook look = ButtonLookOf(p, index);
                          DrawButtonFace(painter, AreaOf(f), 4, look, kAllCorners);
                          if (index == kFocused) // the default button: a second, softer ring inside
                              painter.StrokeRoundRect(Inset(AreaOf(f), 1), 3, 1,
                                                      Tint(p.Accent, p.ButtonTop, 0.55));
                      });
}

// Frames: 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled.
Bitmap CheckBoxImage(const Palette& p) {
    return BuildStrip(kGlyphBox, kGlyphBox, 4, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          const bool checked = index % 2 == 0, disabled = index >= 3;
                          const Area box = AreaOf(f);
                          const Colour fill =
                              checked ? (disabled ? Tint(p.Accent, p.Face, 0.6) : p.Accent)
                                      : (disabled ? p.ButtonDisabled : p.Window);
                          const Colour edge =
                              checked ? fill : (disabled ? Tint(p.Border, p.Face, 0.5) : p.Border);
                          painter.FillRoundRect(box, 2.5, fill);
                          painter.StrokeRoundRect(box, 2.5, 1, edge);
                          if (checked)
                              painter.StrokePolyline(
                                  {{f.Left + 3.2, f.Top + 6.6},
                                   {f.Left + 5.4, f.Top + 8.9},
                                   {f.Left + 9.8, f.Top + 4.1}},
                                  1.6, disabled ? Tint(p.AccentText, p.Face, 0.3) : p.AccentText);
                      });
}

Bitmap RadioImage(const Palette& p) {
    return BuildStrip(
        kGlyphBox, kGlyphBox, 4, FrameLayout::Horizontal, p.Face,
        [&](Painter& painter, const Rect& f, int index) {
            const bool checked = index % 2 == 0, disabled = index >= 3;
            const Area circle = AreaOf(f);
            if (checked) {
                const Colour fill = disabled ? Tint(p.Accent, p.Face, 0.6) : p.Accent;
                painter.FillEllipse(circle, fill);
                painter.FillEllipse(Inset(circle, 4),
                                    disabled ? Tint(p.AccentText, p.Face, 0.3) : p.AccentText);
            } else {
                painter.FillEllipse(circle, disabled ? p.ButtonDisabled : p.Window);
                painter.StrokeEllipse(circle, 1, disabled ? Tint(p.Border, p.Face, 0.5) : p.Border);
            }
        });
}

Bitmap ToolBarsImage(const Palette& p) {
    return BuildStrip(24, 24, 5, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index == kNormal || index == kDisabled)
                              return; // flat until touched
                          const bool hot = index == kHot;
                          painter.FillRoundRect(AreaOf(f), 4, hot ? p.AccentSoft : p.ButtonPressed);
                          painter.StrokeRoundRect(AreaOf(f), 4, 1,
                                                  hot ? p.BorderHot
                                                      : Tint(p.BorderHot, p.Accent, 0.5));
                      });
}

// ---- Tabs ---------------------------------------------------------------------

// Frames: 1 a tab, 2 the focused tab, 3 a tab, 4 hot, 5 focused.
Bitmap TabsImage(const Palette& p) {
    return BuildStrip(
        28, 24, 5, FrameLayout::Horizontal, p.Face,
        [&](Painter& painter, const Rect& f, int index) {
            const bool focused = index == 2 || index == 5;
            const Area tab{double(f.Left), double(f.Top), double(f.Right), f.Bottom + 4.0};
            painter.FillRoundRect(tab, 4, focused ? p.Face : (index == 4 ? p.TabHot : p.Tab),
                                  kTopCorners);
            painter.StrokeRoundRect(tab, 4, 1, p.Border, kTopCorners);
            if (focused) // a lit top edge, following the rounded corners, marks the current page
                painter.FillShape(tab, p.Accent, [&](double x, double y) {
                    return y < f.Top + 2 && InsideRoundRect(tab, 4, kTopCorners, x, y);
                });
            else // an ordinary tab stands on the pane's edge
                painter.Fill({f.Left, f.Bottom - 1, f.Right, f.Bottom}, p.Border);
        });
}

Bitmap PaneImage(const Palette& p) {
    return BuildStrip(16, 16, 1, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int) {
                          painter.Fill(f, p.Face);
                          painter.StrokeRoundRect(AreaOf(f), 0, 1, p.Border);
                      });
}

// ---- Scroll bars ----------------------------------------------------------------

Colour TrackEdge(const Palette& p) {
    return Tint(p.Track, p.Border, 0.35);
}

// Frames 1-16: left, right, up and down arrows, four states each (normal,
// pressed, disabled, hot); 17-19 and 20-22: the grips of a horizontal and a
// vertical thumb (normal, pressed, hot); 23: plain track.
Bitmap ScrollbarImage(const Palette& p) {
    return BuildStrip(
        kScrollSize, kScrollSize, 23, FrameLayout::Horizontal, p.Thumb,
        [&](Painter& painter, const Rect& f, int index) {
            if (index <= 16) {
                const auto direction = static_cast<Direction>((index - 1) / 4);
                const int state = (index - 1) % 4 + 1;
                const bool horizontal =
                    direction == Direction::Left || direction == Direction::Right;
                painter.Fill(f, p.Track);
                painter.Fill(horizontal ? Rect{f.Left, f.Top, f.Right, f.Top + 1}
                                        : Rect{f.Left, f.Top, f.Left + 1, f.Bottom},
                             TrackEdge(p));
                const Area inner =
                    horizontal ? Area{f.Left + 1.0, f.Top + 2.0, f.Right - 1.0, f.Bottom - 1.0}
                               : Area{f.Left + 2.0, f.Top + 1.0, f.Right - 1.0, f.Bottom - 1.0};
                if (state == kPressed || state == kHot)
                    painter.FillRoundRect(inner, 3,
                                          state == kPressed ? p.ArrowPressedBack : p.ArrowHotBack);
                const Colour arrow = state == kDisabled ? Tint(p.Arrow, p.Track, 0.6)
                                     : state == kNormal ? p.Arrow
                                                        : Tint(p.Arrow, p.Text, 0.6);
                const double cx = (inner.Left + inner.Right) / 2,
                             cy = (inner.Top + inner.Bottom) / 2;
                const Area glyph = horizontal ? Area{cx - 2, cy - 3.5, cx + 2, cy + 3.5}
                                              : Area{cx - 3.5, cy - 2, cx + 3.5, cy + 2};
                FillArrow(painter, glyph, direction, arrow);
            } else if (index <= 22) {
                const bool horizontal = index <= 19;
                const int state =
                    horizontal ? index - 16 : index - 19; // 1 normal, 2 pressed, 3 hot
                const Colour thumb = state == 2   ? p.ThumbPressed
                                     : state == 3 ? p.ThumbHot
                                                  : p.Thumb;
                Painter onThumb(painter.Target(), thumb);
                const Colour grip = Tint(thumb, p.ThumbGrip, 0.8);
                for (int line = -1; line <= 1; ++line) {
                    const double c = (horizontal ? f.Left : f.Top) + kScrollSize / 2.0 + 2.5 * line;
                    const double a = (horizontal ? f.Top : f.Left) + 6.5, b = a + 5;
                    onThumb.StrokePolyline(horizontal ? std::vector<Point>{{c, a}, {c, b}}
                                                      : std::vector<Point>{{a, c}, {b, c}},
                                           1, grip);
                }
            } else {
                painter.Fill(f, p.Track);
            }
        });
}

// Tracks: frames 1 enabled, 2 pressed, 3 disabled, 4 hot.
Bitmap TrackImage(const Palette& p, bool horizontal) {
    const int along = 8;
    return BuildStrip(
        horizontal ? along : kScrollSize, horizontal ? kScrollSize : along, 4,
        FrameLayout::Horizontal, p.Track, [&](Painter& painter, const Rect& f, int index) {
            painter.Fill(f, index == kDisabled ? Tint(p.Track, p.Face, 0.5) : p.Track);
            painter.Fill(horizontal ? Rect{f.Left, f.Top, f.Right, f.Top + 1}
                                    : Rect{f.Left, f.Top, f.Left + 1, f.Bottom},
                         TrackEdge(p));
        });
}

// Thumbs: frames 1 normal, 2 pressed, 3 hot; a rounded bar across the track.
Bitmap ThumbImage(const Palette& p, bool horizontal) {
    const int along = 24;
    return BuildStrip(
        horizontal ? along : kScrollSize, horizontal ? kScrollSize : along, 3,
        FrameLayout::Horizontal, p.Track, [&](Painter& painter, const Rect& f, int index) {
            const Colour thumb = index == 2 ? p.ThumbPressed : index == 3 ? p.ThumbHot : p.Thumb;
            const Area bar = horizontal
                                 ? Area{f.Left + 1.0, f.Top + 4.0, f.Right - 1.0, f.Bottom - 3.0}
                                 : Area{f.Left + 4.0, f.Top + 1.0, f.Right - 3.0, f.Bottom - 1.0};
            painter.FillRoundRect(bar, 5, thumb);
        });
}

// ---- Combo box, up-down, progress, track bar ----------------------------------

Colour EdgeOf(const Palette& p, int state) {
    switch (state) {
    case kPressed:
        return p.Accent;
    case kDisabled:
        return Tint(p.Border, p.Face, 0.5);
    case kHot:
        return p.BorderHot;
    default:
        return p.Border;
    }
}

// The edit field around a combo box: frames normal, pressed, disabled, hot.
Bitmap SunkEdgeImage(const Palette& p) {
    return BuildStrip(24, 21, 4, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          painter.FillRoundRect(AreaOf(f), 3,
                                                index == kDisabled ? p.ButtonDisabled : p.Window);
                          painter.StrokeRoundRect(AreaOf(f), 3, 1, EdgeOf(p, index));
                      });
}

// The drop-down button's back inside the field; the arrow itself comes
// from ExtraImages, drawn unscaled over it.
Bitmap ComboButtonImage(const Palette& p) {
    return BuildStrip(kScrollSize + 2, 21, 4, FrameLayout::Horizontal, p.Window,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index == kPressed || index == kHot)
                              painter.FillRoundRect(
                                  {f.Left + 1.0, f.Top + 3.0, f.Right - 3.0, f.Bottom - 3.0}, 3,
                                  index == kPressed ? Tint(p.AccentSoft, p.Accent, 0.25)
                                                    : p.AccentSoft);
                      });
}

// Frames 1-4: the drop-down arrow (normal, pressed, disabled, hot); 5: the
// status bar's size grip.
Bitmap ExtraImagesImage(const Palette& p) {
    return BuildStrip(kGlyphBox, kGlyphBox, 5, FrameLayout::Horizontal, p.Window,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index <= 4) {
                              const Colour arrow = index == kDisabled  ? p.TextDisabled
                                                   : index == kPressed ? p.Accent
                                                                       : Tint(p.Arrow, p.Text, 0.4);
                              StrokeChevron(painter, Centred(f, 7, 3.5), arrow, 1.5);
                              return;
                          }
                          Painter onFace(painter.Target(), p.Face);
                          for (int row = 0; row < 3; ++row)
                              for (int column = 2 - row; column < 3; ++column)
                                  onFace.FillRoundRect(GripDot(f, column, row), 0.6, p.Shadow);
                      });
}

Bitmap UpDownImage(const Palette& p, bool vertical) {
    const int w = vertical ? 16 : 12, h = vertical ? 12 : 16;
    return BuildStrip(
        w, h, 8, FrameLayout::Horizontal, p.Face, [&](Painter& painter, const Rect& f, int index) {
            const bool first = index <= 4;
            const int state = (index - 1) % 4 + 1;
            const unsigned corners = vertical ? (first ? kTopCorners : kBottomCorners)
                                              : (first ? kLeftCorners : kRightCorners);
            DrawButtonFace(painter, AreaOf(f), 3, ButtonLookOf(p, state), corners);
        });
}

Bitmap UpDownGlyphImage(const Palette& p, bool vertical) {
    const int w = vertical ? 7 : 4, h = vertical ? 4 : 7;
    return BuildStrip(
        w, h, 8, FrameLayout::Horizontal, p.ButtonBottom,
        [&](Painter& painter, const Rect& f, int index) {
            const bool first = index <= 4;
            const int state = (index - 1) % 4 + 1;
            const Direction direction = vertical ? (first ? Direction::Up : Direction::Down)
                                                 : (first ? Direction::Left : Direction::Right);
            FillArrow(painter, AreaOf(f), direction, state == kDisabled ? p.TextDisabled : p.Text);
        });
}

// Frames: 1 the empty bar, 2 the filled part.
Bitmap ProgressImage(const Palette& p) {
    return BuildStrip(24, 14, 2, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          if (index == 1) {
                              painter.FillRoundRect(AreaOf(f), 4, Tint(p.Track, p.Border, 0.15));
                              painter.StrokeRoundRect(AreaOf(f), 4, 1, Tint(p.Border, p.Face, 0.3));
                          } else {
                              painter.FillRoundRectGradient(AreaOf(f), 4,
                                                            Tint(p.Accent, kWhite, 0.22), p.Accent);
                          }
                      });
}

Bitmap ProgressChunkImage(const Palette& p) {
    return BuildStrip(
        10, 10, 1, FrameLayout::Horizontal, p.Face, [&](Painter& painter, const Rect& f, int) {
            painter.FillRoundRect({f.Left + 1.0, f.Top + 1.0, f.Right - 1.0, f.Bottom - 1.0}, 1.5,
                                  p.Accent);
        });
}

// The track bar's channel; drawn opaque, so it carries its own background.
Bitmap ChannelImage(const Palette& p, bool horizontal) {
    const int w = horizontal ? 16 : 5, h = horizontal ? 5 : 16;
    return BuildStrip(
        w, h, 1, FrameLayout::Horizontal, p.Face, [&](Painter& painter, const Rect& f, int) {
            painter.Fill(f, p.Face);
            const Area groove =
                horizontal ? Area{double(f.Left), f.Top + 0.5, double(f.Right), f.Bottom - 0.5}
                           : Area{f.Left + 0.5, double(f.Top), f.Right - 0.5, double(f.Bottom)};
            painter.FillRoundRect(groove, 2, Tint(p.Border, p.Face, 0.25));
        });
}

// Frames: normal, normal (the one the engine shows), disabled, hot, focused.
Bitmap TrackThumbImage(const Palette& p, bool horizontal) {
    const int w = horizontal ? 11 : 21, h = horizontal ? 21 : 11;
    return BuildStrip(
        w, h, 5, FrameLayout::Horizontal, p.Face, [&](Painter& painter, const Rect& f, int index) {
            const Colour fill = index == kDisabled ? Tint(p.Border, p.Face, 0.3)
                                : index == kHot    ? Tint(p.Accent, kWhite, 0.15)
                                                   : p.Accent;
            painter.FillRoundRect(AreaOf(f), 5, fill);
            painter.StrokeRoundRect(Inset(AreaOf(f), 1), 4, 1, Tint(fill, kWhite, 0.3));
        });
}

// ---- Boxes, status bar, header -------------------------------------------------

Bitmap GroupBoxEdgeImage(const Palette& p) {
    return BuildStrip(16, 16, 2, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int index) {
                          painter.StrokeRoundRect(
                              AreaOf(f), 4, 1, index == 1 ? p.Border : Tint(p.Border, p.Face, 0.5));
                      });
}

Bitmap GroupBoxImage(const Palette& p) {
    return BuildStrip(16, 16, 1, FrameLayout::Horizontal, p.Face,
                      [&](Painter& painter, const Rect& f, int) { painter.Fill(f, p.Face); });
}

// Panels: frames 1 lowered (with a divider on the right), 2 raised, 3 flat.
// Drawn opaque, so no key pixels.
Bitmap StatusBarImage(const Palette& p) {
    return BuildStrip(
        16, 16, 3, FrameLayout::Horizontal, p.Face,
        [&](Painter& painter, const Rect& f, int index) {
            painter.Fill(f, p.Face);
            painter.Fill({f.Left, f.Top, f.Right, f.Top + 1}, Tint(p.Border, p.Face, 0.35));
            if (index == 2)
                painter.Fill({f.Left, f.Top + 1, f.Right, f.Top + 2}, Tint(p.Face, kWhite, 0.5));
            if (index == 1)
                painter.Fill({f.Right - 1, f.Top + 4, f.Right, f.Bottom - 3},
                             Tint(p.Border, p.Face, 0.2));
        });
}

// Column headers: frames 1 normal, 2 hot, 3 pressed, 4 and 5 normal.
Bitmap HeaderImage(const Palette& p) {
    return BuildStrip(24, 22, 5, FrameLayout::Horizontal, p.Window,
                      [&](Painter& painter, const Rect& f, int index) {
                          const Colour top = index == 2   ? Tint(p.Window, p.AccentSoft, 0.6)
                                             : index == 3 ? p.AccentSoft
                                                          : p.Window;
                          painter.Gradient(f, top, Tint(top, p.Face, 0.8));
                          painter.Fill({f.Left, f.Bottom - 1, f.Right, f.Bottom}, p.Border);
                          painter.Fill({f.Right - 1, f.Top + 4, f.Right, f.Bottom - 4},
                                       Tint(p.Border, p.Window, 0.3));
                      });
}

} // namespace

Bitmap BuildStrip(int frameWidth, int frameHeight, int frames, FrameLayout layout, Colour matte,
                  const FrameDrawer& draw) {
    const bool stacked = layout == FrameLayout::Vertical;
    Bitmap strip(frameWidth * (stacked ? 1 : frames), frameHeight * (stacked ? frames : 1),
                 PixelFormat::Rgb24, PixelOf(kKeyColour));
    Painter painter(strip, matte);
    for (int i = 1; i <= frames; ++i)
        draw(painter, FrameRect(strip.Width(), strip.Height(), frames, i, layout), i);
    return strip;
}

std::vector<SkinImage> DrawSkinImages(const Palette& p) {
    const Bitmap active = FrameTemplate(p, true);
    const Bitmap inactive = FrameTemplate(p, false);
    const int right = kBorder + kEdgeLength;
    std::vector<SkinImage> images;
    const auto add = [&](const char* file, Bitmap image) {
        images.push_back({file, std::move(image)});
    };
    add(files::Left,
        FramePiece(active, inactive, {0, 0, kBorder, kSideLength}, FrameLayout::Horizontal));
    add(files::Right, FramePiece(active, inactive, {right, 0, right + kBorder, kSideLength},
                                 FrameLayout::Horizontal));
    add(files::Top,
        FramePiece(active, inactive, {kBorder, 0, right, kTitleHeight}, FrameLayout::Vertical));
    add(files::Bottom,
        FramePiece(active, inactive, {kBorder, kSideLength - kBorder, right, kSideLength},
                   FrameLayout::Vertical));
    add(files::TextBack, TextBackImage(p));
    add(files::Close, CaptionButtonImage(p, {nullptr, true}));
    add(files::Maximize, CaptionButtonImage(p, {&kMaximizeGlyph, false}));
    add(files::Restore, CaptionButtonImage(p, {&kRestoreGlyph, false}));
    add(files::Minimize, CaptionButtonImage(p, {&kMinimizeGlyph, false}));
    add(files::SysMenu, SysMenuImage(p));
    add(files::MdiControls, MdiControlsImage(p));
    add(files::MenuBar, MenuBarImage(p));
    add(files::MenuItem, MenuItemImage(p));
    add(files::MenuBackground, MenuBackgroundImage(p));
    add(files::Buttons, ButtonsImage(p));
    add(files::CheckBox, CheckBoxImage(p));
    add(files::Radio, RadioImage(p));
    add(files::ToolBars, ToolBarsImage(p));
    add(files::Tabs, TabsImage(p));
    add(files::TabPane, PaneImage(p));
    add(files::Scrollbar, ScrollbarImage(p));
    add(files::HorzScroll, TrackImage(p, true));
    add(files::VertScroll, TrackImage(p, false));
    add(files::HorzThumb, ThumbImage(p, true));
    add(files::VertThumb, ThumbImage(p, false));
    add(files::SunkEdge, SunkEdgeImage(p));
    add(files::ComboButton, ComboButtonImage(p));
    add(files::ExtraImages, ExtraImagesImage(p));
    add(files::UpDownHorz, UpDownImage(p, false));
    add(files::UpDownVert, UpDownImage(p, true));
    add(files::UpDownHorzGlyph, UpDownGlyphImage(p, false));
    add(files::UpDownVertGlyph, UpDownGlyphImage(p, true));
    add(files::Progress, ProgressImage(p));
    add(files::ProgressChunk, ProgressChunkImage(p));
    add(files::Track, ChannelImage(p, true));
    add(files::TrackVert, ChannelImage(p, false));
    add(files::ThumbHorz, TrackThumbImage(p, true));
    add(files::ThumbVert, TrackThumbImage(p, false));
    add(files::GroupBoxEdge, GroupBoxEdgeImage(p));
    add(files::GroupBox, GroupBoxImage(p));
    add(files::StatusBar, StatusBarImage(p));
    add(files::Header, HeaderImage(p));
    return images;
}

} // namespace veyra::skingen
