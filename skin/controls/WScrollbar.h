#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "OverlayWindow.h"
#include "skin/data/ScrollbarGeometry.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

class TSkinControl;
class TWinControl;

// Which bar an overlay covers.
enum class TScrollKind {
    HorzBar = 0, // a window's own horizontal scroll bar
    VertBar = 1, // a window's own vertical scroll bar
    Control = 2  // a scroll-bar control, covered whole
};

// What an overlay reads of the bar it covers.
struct TScrollBarState {
    RECT Bar{};       // the bar, in screen coordinates
    TThumbSpan Thumb; // along the axis, from the bar's start
    bool Visible = false;
    bool Enabled = false;
    bool operator==(const TScrollBarState& other) const {
        return EqualRect(&Bar, &other.Bar) && Thumb == other.Thumb && Visible == other.Visible &&
               Enabled == other.Enabled;
    }
};

// A scroll-bar overlay: a small window of its own laid exactly over a
// window's built-in scroll bar (or over a whole scroll-bar control), as a
// sibling just above it in the z-order, that draws the bar from the skin.
// It is no framework control: discovery never maps it and Tab never reaches
// it. Every click is handed to the covered window synchronously as the
// button-down it expects (the non-client one for a built-in bar), so the
// platform's own scroll loop does the scrolling inside that call; while it
// runs, the overlay mirrors the dragged thumb from the cursor.
//
// The overlay's owner, a control skinning object, owns it and frees it;
// either may be freed while the scroll loop runs, and nothing is touched
// after that.
class TWScrollbar : public TOverlayWindow {
public:
    // An overlay for target's bar of kind, drawn with owner's skin; its
    // window is made at once, hidden, as a child of target's parent.
    TWScrollbar(TSkinControl& owner, HWND target, TScrollKind kind);

    // Places the overlay over the bar and shows it, or hides it when the
    // bar, or the target, is not shown or cannot be read.
    void Position();
    void Hide();
    // Draws the bar now, when shown.
    void Repaint();
    // Looks at the bar again: placed anew when it moved, appeared or went,
    // drawn again when its thumb or state changed, left alone otherwise.
    void Refresh();
    // The covered window reported scroll code: the part it names is shown
    // hot; the end of scrolling leaves nothing hot or pressed.
    void NoteScrollCode(int code);
    void SetEnabled(bool enabled);

    bool Shown() const { return Shown_; }
    TScrollKind Kind() const { return Kind_; }
    TScrollAxis Axis() const { return Axis_; }
    TScrollPart HotPart() const { return Hot_; }
    bool Pressed() const { return Pressed_; }
    HWND Target() const { return Target_; }
    // The bar as last read, in the target's window coordinates (the corner
    // box between two bars is placed from these).
    RECT BarInWindow() const;
    // The bar's state as read now; nothing when it cannot be read.
    std::optional<TScrollBarState> ReadState() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnMouseMove(LPARAM lParam);
    LRESULT OnMouseLeave();
    LRESULT OnButtonDown(LPARAM lParam);
    LRESULT OnButtonUp(LPARAM lParam);
    void Paint(HDC dc) override;
    int Along(POINT point) const;
    TScrollPart HitTest(POINT client) const;
    // The target's point for a point of the overlay's client area.
    POINT TargetPoint(LPARAM lParam) const;

    // What the kept background (face, track, arrows) was drawn for.
    struct TBackgroundKey {
        const void* Skin = nullptr;
        int Width = 0;
        int Height = 0;
        TThumbSpan Arrows; // the two arrows' frames
        bool Enabled = false;
        Pixel Face = 0;
        bool operator==(const TBackgroundKey&) const = default;
    };

    TSkinControl& Owner_;
    HWND Target_;
    TScrollKind Kind_;
    TScrollAxis Axis_;
    int Arrow_;
    bool Shown_ = false;
    TScrollBarState Last_;
    TScrollPart Hot_ = TScrollPart::None;
    bool Pressed_ = false;
    POINT PressCursor_{};
    TThumbSpan PressThumb_;
    std::unique_ptr<DibSurface> Buffer_;
    // The part of the picture a thumb drag does not change, drawn once.
    Bitmap Background_;
    TBackgroundKey BackgroundKey_;
};

} // namespace veyra
