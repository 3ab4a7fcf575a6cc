#pragma once

#include <windows.h>

#include <array>

#include "SkinControl.h"
#include "skin/data/ScrollbarGeometry.h"

namespace veyra {

// Skins the vertical scroll bar of a combo box's drop-down list. The list
// is a pop-up of its own, with no sibling to lay an overlay over, so the bar
// is drawn straight into the list's non-client area: after the list's own
// frame paint, and again whenever the list scrolled (the platform redraws
// its bar then, outside any frame paint). A drag of the thumb runs in a loop
// of this object's, which scrolls the list as the thumb moves; arrows and
// track are left to the list's own scroll loop.
class TComboxScrollBar : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TComboxScrollBar(TComponent* owner);

    // Whether the thumb is being dragged now.
    bool Dragging() const { return Dragging_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    // The bar as the platform has it now; false when it cannot be read.
    bool ReadBar(SCROLLBARINFO& info) const;
    // A button-down on the bar: true when it was on the thumb and the drag
    // ran here.
    bool OnNcButtonDown(const TMessage& message);
    void DragThumb(const SCROLLBARINFO& bar, POINT start);
    // Draws the bar again when it changed since it was last drawn.
    void RefreshIfChanged();

    struct TDrawn {
        RECT Bar{};
        TThumbSpan Thumb;
        bool Visible = false;
        bool Enabled = false;
        std::array<int, 4> Values{}; // minimum, maximum, page, position
        bool operator==(const TDrawn& other) const {
            return EqualRect(&Bar, &other.Bar) && Thumb == other.Thumb &&
                   Visible == other.Visible && Enabled == other.Enabled && Values == other.Values;
        }
    };
    // The bar as it would be drawn now, from what the platform has.
    TDrawn DrawnOf(const SCROLLBARINFO& bar) const;
    TDrawn Drawn_;
    bool Dragging_ = false;
    bool CaptureLost_ = false;
    TThumbSpan DragThumb_;
};

} // namespace veyra
