#include "Preview.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "PreviewFont.h"
#include "SkinMetrics.h"
#include "skin/imaging/Gradient.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra::skingen {
namespace {

constexpr int kSheetWidth = 1250;
constexpr int kSheetHeight = 620;
constexpr Rect kGallery{760, 16, kSheetWidth - 16, kSheetHeight - 16};

class Images {
public:
    explicit Images(const std::vector<SkinImage>& images) : Images_(images) {}
    const Bitmap& operator()(std::string_view file) const {
        for (const SkinImage& image : Images_)
            if (image.File == file)
                return image.Image;
        throw std::out_of_range("no picture " + std::string(file));
    }

private:
    const std::vector<SkinImage>& Images_;
};

// Frame `frame` of an element sliced into rect, as the engine draws elements.
void Sliced(Bitmap& target, const Rect& rect, const Bitmap& image, int frames, int frame,
            Margins margins, Transparency transparency,
            FrameLayout layout = FrameLayout::Horizontal, MiddleFill middle = MiddleFill::Stretch) {
    DrawSlicedFrame(target, rect, image, layout, middle, transparency, frames, frame, margins);
}

void Stretched(Bitmap& target, const Rect& rect, const Bitmap& image, int frames, int frame) {
    DrawFrameStretched(target, rect, image, Transparency::KeyColour, frames, frame);
}

enum class Align { Left, Centre };

void Text(Bitmap& target, std::string_view text, const Rect& box, Colour colour,
          Align align = Align::Left) {
    Painter painter(target, colour);
    const int x =
        align == Align::Centre ? box.Left + (box.Width() - PreviewTextWidth(text)) / 2 : box.Left;
    DrawPreviewText(painter, text, x, box.Top + (box.Height() - kPreviewCharHeight) / 2, colour);
}

// Everything a window draws around its client area: borders, title, caption
// buttons and the menu bar. Returns the client rectangle.
Rect DrawWindowFrame(Bitmap& window, const Palette& p, const Images& images, bool active,
                     int hotButton) {
    const int w = window.Width(), h = window.Height();
    const int frame = active ? 1 : 2;
    const Margins side{0, kTitleHeight, 0, kBorder}, edge{kEdgeMargin, 0, kEdgeMargin, 0};
    Sliced(window, {0, 0, kBorder, h}, images(files::Left), 2, frame, side, Transparency::Opaque);
    Sliced(window, {w - kBorder, 0, w, h}, images(files::Right), 2, frame, side,
           Transparency::Opaque);
    Sliced(window, {kBorder, h - kBorder, w - kBorder, h}, images(files::Bottom), 2, frame, edge,
           Transparency::Opaque, FrameLayout::Vertical);
    Sliced(window, {kBorder, 0, w - kBorder, kTitleHeight}, images(files::Top), 2, frame, edge,
           Transparency::Opaque, FrameLayout::Vertical);

    const std::string_view caption = active ? "VeyraDDE" : "DDE Index";
    const int textLeft = kBorder + kTextShift;
    const int textWidth = PreviewTextWidth(caption) + 8;
    DrawThreeSliceTiled(window,
                        {textLeft, 0, textLeft + textWidth + 2 * kTextBackEnd, kTitleHeight},
                        images(files::TextBack), FrameLayout::Vertical, Transparency::KeyColour, 2,
                        frame, {kTextBackEnd, 0, kTextBackEnd, 0});
    Text(window, caption, {textLeft + kTextBackEnd + 4, 0, w, kTitleHeight},
         active ? p.TitleText : p.TitleTextInactive);
    Stretched(window, RectOfSize(kIconX, kIconY, kIconSize, kIconSize), images(files::SysMenu), 1,
              1);
    const char* buttons[] = {files::Close, files::Maximize, files::Minimize};
    for (int i = 0; i < 3; ++i) {
        const int state = !active ? 4 : i == hotButton ? 3 : 1;
        Stretched(window,
                  RectOfSize(w - CaptionButtonX(i), kCaptionButtonTop, kCaptionButtonWidth,
                             kCaptionButtonHeight),
                  images(buttons[i]), kCaptionButtonFrames, state);
    }

    const Rect bar{kBorder, kTitleHeight, w - kBorder, kTitleHeight + kMenuBarHeight};
    Sliced(window, bar, images(files::MenuBar), 2, frame, {1, 0, 1, 0}, Transparency::Opaque,
           FrameLayout::Horizontal, MiddleFill::Tile);
    int x = bar.Left + 5;
    for (std::string_view item : {"File", "View", "Data", "Help"}) {
        const Rect itemRect{x, bar.Top, x + PreviewTextWidth(item) + 14, bar.Bottom - 1};
        if (active && item == "View") { // hot: a one-pixel frame in ButtonHilight
            Painter painter(window, p.BorderHot);
            painter.StrokeRoundRect(AreaOf(itemRect), 0, 1, p.BorderHot);
        }
        Text(window, item, itemRect, p.MenuBarText, Align::Centre);
        x = itemRect.Right;
    }
    const Rect client{kBorder, bar.Bottom, w - kBorder, h - kBorder};
    window.FillRect(client, PixelOf(p.Face));
    return client;
}

void DrawTabs(Bitmap& target, const Palette& p, const Images& images, const Rect& area,
              Rect& pane) {
    pane = {area.Left, area.Top + 24, area.Right, area.Bottom};
    Sliced(target, pane, images(files::TabPane), 1, 1, {4, 5, 4, 4}, Transparency::Opaque);
    int x = area.Left + 2;
    int index = 0;
    for (std::string_view tab : {"Live", "History", "Chart", "Index"}) {
        const bool focused = index == 0;
        const int width = PreviewTextWidth(tab) + 24;
        const Rect rect = focused ? Rect{x, area.Top, x + width, pane.Top + 1}
                                  : Rect{x, area.Top + 3, x + width, pane.Top + 1};
        Sliced(target, rect, images(files::Tabs), 5, focused ? 2 : (index == 2 ? 4 : 1),
               {5, 5, 5, 2}, Transparency::KeyColour);
        Text(target, tab, rect.Offset(0, 1), focused ? p.Text : Mix(p.Text, p.Face, 0.25),
             Align::Centre);
        x += width;
        ++index;
    }
}

void DrawButtonsRow(Bitmap& target, const Palette& p, const Images& images, int x, int y) {
    struct Sample {
        const char* Caption;
        int Frame;
    };
    for (const Sample& s : {Sample{"OK", 5}, Sample{"Cancel", 1}, Sample{"Hover", 4},
                            Sample{"Down", 2}, Sample{"Off", 3}}) {
        const Rect rect = RectOfSize(x, y, 56, 24);
        Sliced(target, rect, images(files::Buttons), 5, s.Frame, {6, 6, 6, 6},
               Transparency::KeyColour);
        Text(target, s.Caption, rect.Offset(0, s.Frame == 2 ? 1 : 0),
             s.Frame == 3 ? p.TextDisabled : p.Text, Align::Centre);
        x += 62;
    }
}

void DrawChoices(Bitmap& target, const Palette& p, const Images& images, int x, int y) {
    Sliced(target, {x, y, x + 300, y + 78}, images(files::GroupBoxEdge), 2, 1, {5, 5, 5, 5},
           Transparency::KeyColour);
    const std::string_view title = "Options";
    target.FillRect(RectOfSize(x + 8, y - 3, PreviewTextWidth(title) + 8, 7), PixelOf(p.Face));
    Text(target, title, RectOfSize(x + 12, y - 3, 100, 7), p.Text);
    const char* labels[] = {"Live data", "Sound", "Auto scroll", "Locked"};
    for (int i = 0; i < 4; ++i) {
        const int row = y + 14 + i * 15;
        Stretched(target, RectOfSize(x + 12, row, kGlyphBox, kGlyphBox), images(files::CheckBox), 4,
                  i + 1);
        Text(target, labels[i], RectOfSize(x + 30, row, 100, kGlyphBox),
             i >= 2 ? p.TextDisabled : p.Text);
        Stretched(target, RectOfSize(x + 160, row, kGlyphBox, kGlyphBox), images(files::Radio), 4,
                  i + 1);
        Text(target, i % 2 ? "Weekly" : "Daily", RectOfSize(x + 178, row, 100, kGlyphBox),
             i >= 2 ? p.TextDisabled : p.Text);
    }
}

// A drop-down field: the edit frame, the button back and the arrow, as the
// engine's combo composite puts them together.
void DrawCombo(Bitmap& target, const Palette& p, const Images& images, const Rect& rect, int state,
               std::string_view text) {
    const int button = kScrollSize + 2;
    Sliced(target, rect, images(files::SunkEdge), 4, state, {4, 4, 4, 4}, Transparency::KeyColour);
    const Rect right{rect.Right - button, rect.Top, rect.Right, rect.Bottom};
    Sliced(target, right, images(files::ComboButton), 4, state, {3, 3, 3, 3},
           Transparency::KeyColour);
    DrawFrameCentred(target, right, images(files::ExtraImages), Transparency::KeyColour, 5, state);
    Text(target, text, {rect.Left + 6, rect.Top, rect.Right, rect.Bottom}, p.Text);
}

void DrawSpin(Bitmap& target, const Palette& p, const Images& images, const Rect& rect) {
    Sliced(target, rect, images(files::SunkEdge), 4, 1, {4, 4, 4, 4}, Transparency::KeyColour);
    Text(target, "25", {rect.Left + 6, rect.Top, rect.Right, rect.Bottom}, p.Text);
    const int half = rect.Height() / 2;
    const Rect up{rect.Right + 2, rect.Top, rect.Right + 18, rect.Top + half};
    const Rect down{rect.Right + 2, rect.Top + half, rect.Right + 18, rect.Bottom};
    const Bitmap& glyphs = images(files::UpDownVertGlyph);
    const int glyphWidth = glyphs.Width() / 8;
    for (const auto& [button, frame] : {std::pair{up, 4}, std::pair{down, 5}}) {
        Stretched(target, button, images(files::UpDownVert), 8, frame);
        const Rect glyph = RectOfSize(button.Left + (button.Width() - glyphWidth) / 2,
                                      button.Top + (button.Height() - glyphs.Height()) / 2,
                                      glyphWidth, glyphs.Height());
        Stretched(target, glyph, glyphs, 8, frame);
    }
}

void DrawProgressAndTrack(Bitmap& target, const Images& images, int x, int y, int width) {
    const Rect bar = RectOfSize(x, y, width, 14);
    Sliced(target, bar, images(files::Progress), 2, 1, {5, 4, 5, 4}, Transparency::KeyColour);
    Sliced(target, {bar.Left, bar.Top, bar.Left + width * 62 / 100, bar.Bottom},
           images(files::Progress), 2, 2, {5, 4, 5, 4}, Transparency::KeyColour);
    const Bitmap& channel = images(files::Track);
    DrawThreeSliceStretched(target, RectOfSize(x, y + 34, width, channel.Height()), channel,
                            FrameLayout::Horizontal, 1, 1, {3, 0, 3, 0});
    const int thumbX = x + width * 40 / 100;
    Stretched(target, RectOfSize(thumbX, y + 34 + channel.Height() / 2 - 10, 11, 21),
              images(files::ThumbHorz), 5, 2);
}

// A list with column headers and both scroll bars.
void DrawList(Bitmap& target, const Palette& p, const Images& images, const Rect& box) {
    Painter painter(target, p.Face);
    painter.Fill(box, p.Border);
    const Rect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
    painter.Fill(inner, p.Window);
    const Rect vbar{inner.Right - kScrollSize, inner.Top, inner.Right, inner.Bottom - kScrollSize};
    const Rect hbar{inner.Left, inner.Bottom - kScrollSize, inner.Right - kScrollSize,
                    inner.Bottom};
    int x = inner.Left;
    int column = 0;
    for (std::string_view head : {"Code", "Name", "DDE"}) {
        const int width = column == 2 ? vbar.Left - x : 60;
        const Rect item = RectOfSize(x, inner.Top, width, 22);
        Sliced(target, item, images(files::Header), 5, column == 1 ? 2 : 1, {2, 2, 2, 2},
               Transparency::Opaque);
        Text(target, head, {item.Left + 6, item.Top, item.Right, item.Bottom - 1}, p.Text);
        x += width;
        ++column;
    }
    const char* rows[] = {
        "600519  MOUTAI   2.41",  "000858  WULIANGYE 1.07", "601318  PING AN  0.62",
        "000333  MIDEA    -0.35", "600036  CMB      0.18",  "601012  LONGI   -1.12",
        "300750  CATL     3.05",  "002594  BYD      0.94",  "600900  YANGTZE  0.27"};
    for (int i = 0; i < 9; ++i) {
        const Rect row =
            RectOfSize(inner.Left, inner.Top + 24 + i * 18, vbar.Left - inner.Left, 18);
        if (i == 1)
            painter.Fill(row, p.Accent);
        Text(target, rows[i], {row.Left + 6, row.Top, row.Right, row.Bottom},
             i == 1 ? p.AccentText : p.Text);
    }
    const Bitmap& arrows = images(files::Scrollbar);
    // Vertical bar: track, arrows (down arrow hot), thumb with its grip.
    Sliced(target, {vbar.Left, vbar.Top + kScrollSize, vbar.Right, vbar.Bottom - kScrollSize},
           images(files::VertScroll), 4, 1, {}, Transparency::Opaque);
    Stretched(target, RectOfSize(vbar.Left, vbar.Top, kScrollSize, kScrollSize), arrows, 23, 9);
    Stretched(target, RectOfSize(vbar.Left, vbar.Bottom - kScrollSize, kScrollSize, kScrollSize),
              arrows, 23, 16);
    const Rect vthumb{vbar.Left, vbar.Top + 30, vbar.Right, vbar.Top + 78};
    Sliced(target, vthumb, images(files::VertThumb), 3, 1, {0, 7, 0, 7}, Transparency::KeyColour);
    Stretched(target,
              RectOfSize(vthumb.Left, vthumb.Top + (vthumb.Height() - kScrollSize) / 2, kScrollSize,
                         kScrollSize),
              arrows, 23, 20);
    // Horizontal bar with its thumb hot.
    Sliced(target, {hbar.Left + kScrollSize, hbar.Top, hbar.Right - kScrollSize, hbar.Bottom},
           images(files::HorzScroll), 4, 1, {}, Transparency::Opaque);
    Stretched(target, RectOfSize(hbar.Left, hbar.Top, kScrollSize, kScrollSize), arrows, 23, 1);
    Stretched(target, RectOfSize(hbar.Right - kScrollSize, hbar.Top, kScrollSize, kScrollSize),
              arrows, 23, 5);
    const Rect hthumb{hbar.Left + 40, hbar.Top, hbar.Left + 120, hbar.Bottom};
    Sliced(target, hthumb, images(files::HorzThumb), 3, 3, {7, 0, 7, 0}, Transparency::KeyColour);
    Stretched(target,
              RectOfSize(hthumb.Left + (hthumb.Width() - kScrollSize) / 2, hthumb.Top, kScrollSize,
                         kScrollSize),
              arrows, 23, 19);
    painter.Fill({vbar.Left, hbar.Top, vbar.Right, hbar.Bottom}, p.Face);
}

void DrawStatusBar(Bitmap& target, const Palette& p, const Images& images, const Rect& bar) {
    const Bitmap& edges = images(files::StatusBar);
    const Rect panels[] = {{bar.Left, bar.Top, bar.Left + 180, bar.Bottom},
                           {bar.Left + 180, bar.Top, bar.Left + 320, bar.Bottom},
                           {bar.Left + 320, bar.Top, bar.Right, bar.Bottom}};
    const char* texts[] = {"Ready", "4 pages", ""};
    for (int i = 0; i < 3; ++i) {
        Sliced(target, panels[i], edges, 3, i < 2 ? 1 : 3, {2, 2, 2, 2}, Transparency::Opaque);
        Text(target, texts[i],
             {panels[i].Left + 6, panels[i].Top + 1, panels[i].Right, panels[i].Bottom}, p.Text);
    }
    const Bitmap& extra = images(files::ExtraImages);
    const int w = extra.Width() / 5, h = extra.Height();
    Stretched(target, {bar.Right - 1 - w, bar.Bottom - 1 - h, bar.Right - 1, bar.Bottom - 1}, extra,
              5, 5);
}

// A popup menu, in screen (sheet) coordinates.
void DrawPopupMenu(Bitmap& sheet, const Palette& p, const Images& images, int x, int y) {
    struct Item {
        const char* Caption;
        bool Selected;
        bool Separator;
    };
    const Item items[] = {{"Refresh", false, false},
                          {"Full screen", true, false},
                          {"", false, true},
                          {"Always on top", false, false},
                          {"Skin", false, false}};
    int height = 6;
    for (const Item& item : items)
        height += item.Separator ? 8 : 22;
    const Rect popup = RectOfSize(x, y, 150, height);
    Sliced(sheet, popup, images(files::MenuBackground), 1, 1, {3, 3, 3, 3}, Transparency::Opaque);
    const Bitmap& menuItem = images(files::MenuItem);
    const int frameHeight = menuItem.Height();
    int top = popup.Top + 3;
    for (const Item& item : items) {
        const Rect rect{popup.Left + 3, top, popup.Right - 3, top + (item.Separator ? 8 : 22)};
        if (item.Separator) { // bottom-aligned: the last 8 rows of the frame
            const Bitmap separator =
                BuildSlicedFrame({0, 0, rect.Width(), frameHeight}, menuItem, {4, 0, 4, 0},
                                 FrameLayout::Horizontal, MiddleFill::Stretch, 5, 2);
            StretchDraw(sheet, rect, separator, {0, frameHeight - 8, rect.Width(), frameHeight},
                        Transparency::KeyColour);
        } else {
            Sliced(sheet, rect, menuItem, 5, item.Selected ? 4 : 1, {4, 4, 4, 4},
                   Transparency::KeyColour);
            Text(sheet, item.Caption, {rect.Left + 28, rect.Top, rect.Right, rect.Bottom},
                 item.Selected ? p.AccentText : p.MenuText);
        }
        top = rect.Bottom;
    }
}

Bitmap ActiveWindow(const Palette& p, const Images& images) {
    Bitmap window(630, 460, PixelFormat::Rgb24, PixelOf(kKeyColour));
    const Rect client = DrawWindowFrame(window, p, images, true, 0);
    const Rect status{client.Left, client.Bottom - 22, client.Right, client.Bottom};
    Rect pane;
    DrawTabs(window, p, images, {client.Left + 8, client.Top + 8, client.Right - 8, status.Top - 8},
             pane);
    const int x = pane.Left + 14;
    DrawButtonsRow(window, p, images, x, pane.Top + 16);
    DrawChoices(window, p, images, x, pane.Top + 60);
    DrawCombo(window, p, images, RectOfSize(x, pane.Top + 156, 140, 21), 1, "Shanghai");
    DrawCombo(window, p, images, RectOfSize(x + 150, pane.Top + 156, 90, 21), 4, "Daily");
    DrawSpin(window, p, images, RectOfSize(x + 250, pane.Top + 156, 32, 21));
    DrawProgressAndTrack(window, images, x, pane.Top + 194, 300);
    DrawList(window, p, images, {x + 330, pane.Top + 16, pane.Right - 14, pane.Bottom - 14});
    DrawStatusBar(window, p, images, status);
    return window;
}

Bitmap InactiveWindow(const Palette& p, const Images& images) {
    Bitmap window(380, 220, PixelFormat::Rgb24, PixelOf(kKeyColour));
    DrawWindowFrame(window, p, images, false, -1);
    return window;
}

// Every picture as stored, key pixels shown as a checker board.
void DrawGallery(Bitmap& sheet, const Palette& p, const std::vector<SkinImage>& images) {
    sheet.FillRect(kGallery, PixelOf(p.Face));
    const Colour light = Mix(p.Face, kWhite, 0.35), dark = Mix(p.Face, p.Border, 0.35);
    int x = kGallery.Left + 10, y = kGallery.Top + 10, rowHeight = 0;
    for (const SkinImage& image : images) {
        const Bitmap& b = image.Image;
        const int cellWidth = std::max(b.Width(), PreviewTextWidth(image.File) - 24);
        if (x + cellWidth > kGallery.Right - 10) {
            x = kGallery.Left + 10;
            y += rowHeight + 14;
            rowHeight = 0;
        }
        for (int py = 0; py < b.Height(); ++py)
            for (int px = 0; px < b.Width(); ++px) {
                const Pixel pixel = b.At(px, py);
                const bool key = SameRgb(pixel, PixelOf(kKeyColour));
                const Pixel shown = key ? PixelOf(((px / 3 + py / 3) % 2) ? light : dark) : pixel;
                if (x + px < sheet.Width() && y + py < sheet.Height())
                    sheet.At(x + px, y + py) = shown;
            }
        const std::string label = image.File.substr(0, image.File.size() - 4);
        Text(sheet, label,
             RectOfSize(x, y + b.Height() + 3, PreviewTextWidth(label), kPreviewCharHeight),
             Mix(p.Text, p.Face, 0.3));
        x += cellWidth + 12;
        rowHeight = std::max(rowHeight, b.Height() + 10);
    }
}

} // namespace

Bitmap RenderPreview(const Palette& p, const std::vector<SkinImage>& images) {
    const Images lookup(images);
    Bitmap sheet(kSheetWidth, kSheetHeight, PixelFormat::Rgb24);
    const bool darkSkin = RedOf(p.Face) < 128;
    GradientFill(sheet, sheet.Bounds(), darkSkin ? Rgb(58, 66, 80) : Rgb(196, 211, 230),
                 GradientDirection::Vertical, darkSkin ? Rgb(24, 28, 35) : Rgb(150, 172, 202));
    const Bitmap inactive = InactiveWindow(p, lookup);
    DrawTransparent(sheet, RectOfSize(16, 16, inactive.Width(), inactive.Height()), inactive);
    const Bitmap active = ActiveWindow(p, lookup);
    const int left = 100, top = 130;
    DrawTransparent(sheet, RectOfSize(left, top, active.Width(), active.Height()), active);
    // A context menu over the empty end of the list.
    DrawPopupMenu(sheet, p, lookup, left + 420, top + 295);
    DrawGallery(sheet, p, images);
    return sheet;
}

} // namespace veyra::skingen
