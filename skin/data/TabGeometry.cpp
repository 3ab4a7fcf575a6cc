#include "TabGeometry.h"

#include <algorithm>
#include <cstdint>

namespace veyra {

TTabSide TabSideFromStyle(std::uint32_t style) {
    const bool vertical = (style & kTabStyleVertical) != 0;
    if ((style & kTabStyleBottomOrRight) != 0)
        return vertical ? TTabSide::Right : TTabSide::Bottom;
    return vertical ? TTabSide::Left : TTabSide::Top;
}

namespace {

Rect PaneOf(const Rect& display, TTabSide side) {
    using W = std::int64_t;
    Rect p{SaturateToInt(W{display.Left} - 4), SaturateToInt(W{display.Top} - 4),
           SaturateToInt(W{display.Right} + 4), SaturateToInt(W{display.Bottom} + 4)};
    switch (side) {
    case TTabSide::Top:
        p.Top = SaturateToInt(W{p.Top} + 1);
        break;
    case TTabSide::Bottom:
        p.Bottom = SaturateToInt(W{p.Bottom} - 1);
        break;
    case TTabSide::Left:
        p.Left = SaturateToInt(W{p.Left} + 1);
        break;
    case TTabSide::Right:
        p.Right = SaturateToInt(W{p.Right} - 1);
        break;
    }
    return p;
}

// The strip between the control's edge and the pane. A pane edge outside the
// control (a control too small for its tabs) is cut to the control, so the
// strip never reaches outside the window and never has a negative size.
Rect StripOf(int width, int height, const Rect& pane, TTabSide side) {
    switch (side) {
    case TTabSide::Top:
        return {0, 0, width, std::clamp(pane.Top, 0, height)};
    case TTabSide::Bottom:
        return {0, std::clamp(pane.Bottom, 0, height), width, height};
    case TTabSide::Left:
        return {0, 0, std::clamp(pane.Left, 0, width), height};
    case TTabSide::Right:
        return {std::clamp(pane.Right, 0, width), 0, width, height};
    }
    return {};
}

bool Vertical(TTabSide side) {
    return side == TTabSide::Left || side == TTabSide::Right;
}

} // namespace

TTabStripLayout LayoutTabStrip(int width, int height, const Rect& display, TTabSide side) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    TTabStripLayout layout;
    layout.Side = side;
    layout.WindowWidth = width;
    layout.Pane = PaneOf(display, side);
    layout.Strip = StripOf(width, height, layout.Pane, side);
    const int along = Vertical(side) ? layout.Strip.Height() : layout.Strip.Width();
    const int depth = Vertical(side) ? layout.Strip.Width() : layout.Strip.Height();
    layout.BufferWidth = std::max(along, 0);
    layout.BufferHeight = std::max(depth, 0);
    return layout;
}

Margins TurnedMargins(const Margins& m, TTabSide side) {
    switch (side) {
    case TTabSide::Top:
        return m;
    case TTabSide::Bottom:
        return {m.Left, m.Bottom, m.Right, m.Top};
    case TTabSide::Left:
        // (x, y) goes to (y, W - 1 - x): the top edge becomes the left one.
        return {m.Top, m.Right, m.Bottom, m.Left};
    case TTabSide::Right:
        // (x, y) goes to (H - 1 - y, x): the top edge becomes the right one.
        return {m.Bottom, m.Left, m.Top, m.Right};
    }
    return m;
}

Rect TabRectInBuffer(const TTabStripLayout& layout, const Rect& item) {
    using W = std::int64_t;
    switch (layout.Side) {
    case TTabSide::Top:
        return item.Offset(0, 1);
    case TTabSide::Bottom:
        return item.Offset(0, SaturateToInt(-W{layout.Strip.Top} - 1));
    case TTabSide::Left: {
        // Turned anticlockwise afterwards: the buffer's x runs up the strip.
        const W l = layout.BufferWidth;
        return {SaturateToInt(l - item.Bottom), item.Left, SaturateToInt(l - item.Top), item.Right};
    }
    case TTabSide::Right: {
        // Turned clockwise afterwards: the buffer's x runs down the strip.
        const W w = layout.WindowWidth;
        return {SaturateToInt(W{item.Top} - 1), SaturateToInt(w - item.Right),
                SaturateToInt(W{item.Bottom} - 1), SaturateToInt(w - item.Left)};
    }
    }
    return item;
}

Rect CloseBoxRect(const Rect& tab) {
    using W = std::int64_t;
    return {SaturateToInt(W{tab.Right} - 8), SaturateToInt(W{tab.Top} + 2),
            SaturateToInt(W{tab.Right} - 2), SaturateToInt(W{tab.Top} + 8)};
}

int CloseBoxAt(const std::vector<Rect>& boxes, int x, int y, int tabCount) {
    const auto count = static_cast<int>(std::min<std::size_t>(boxes.size(), 0x7FFFFFFF));
    for (int i = 0; i < count; ++i) {
        if (boxes[static_cast<std::size_t>(i)].Contains(x, y))
            return i < tabCount ? i : -1;
    }
    return -1;
}

TUpDownRects UpDownButtonRects(int width, int height, TUpDownOrientation orientation) {
    if (orientation == TUpDownOrientation::Horizontal) {
        const int half = width / 2;
        return {{0, 0, half, height}, {half, 0, width, height}};
    }
    const int half = height / 2;
    return {{0, 0, width, half}, {0, half, width, height}};
}

TUpDownState UpDownButtonState(const TUpDownInput& input, TUpDownButton button) {
    if (!input.Enabled)
        return TUpDownState::Disabled;
    const bool horizontal = input.Orientation == TUpDownOrientation::Horizontal;
    const int half = horizontal ? input.Width / 2 : input.Height / 2;
    const int along = horizontal ? input.CursorX : input.CursorY;
    const bool over = button == TUpDownButton::First ? along < half : along >= half;
    if (!over)
        return TUpDownState::Normal;
    if (input.Down)
        return TUpDownState::Pressed;
    return input.Hover ? TUpDownState::Hot : TUpDownState::Normal;
}

TUpDownArrow UpDownArrowOf(TUpDownOrientation orientation, TUpDownButton button) {
    const bool first = button == TUpDownButton::First;
    if (orientation == TUpDownOrientation::Horizontal)
        return first ? TUpDownArrow::Left : TUpDownArrow::Right;
    return first ? TUpDownArrow::Up : TUpDownArrow::Down;
}

int UpDownFrame(TUpDownState state, TUpDownArrow arrow) {
    return static_cast<int>(state) + 4 * (static_cast<int>(arrow) % 2);
}

} // namespace veyra
