#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "DataSkinObject.h"
#include "SkinDefinition.h"
#include "skin/imaging/Rect.h"

// The arithmetic of a skinned window's frame and title bar: border widths,
// the client rectangle, where the caption text goes, which title buttons show
// and where, and what a point on the caption hits. Painting and hit testing
// both use these functions, so what is drawn and what is clicked agree.
namespace veyra {

// How a window's frame looks: sizeable, single, no caption, dialog frame.
enum class TBorderKind : int { Sizeable = 0, Single = 1, NoCaption = 2, Dialog = 3 };

// The widths of the skinned non-client area, in pixels.
struct TFrameMetrics {
    int BorderLeft = 0;
    int TitleHeight = 0;
    int BorderRight = 0;
    int BorderBottom = 0;
    int MenuBarHeight = 0;
    constexpr bool operator==(const TFrameMetrics&) const = default;
};

// The border widths a skin gives a window: the side borders' frame widths, the
// top and bottom borders' frame heights; all zero for a window without a
// caption. A frame count below 1 counts as 1.
TFrameMetrics ComputeFrameMetrics(const TSkinDefinition& skin, TBorderKind kind, int menuBarHeight);

// The least title-bar height the user can still see, grab and click a button
// in; the platform's own caption is taller than this at every setting.
constexpr int kMinTitleBarHeight = 8;

// Whether the skin can draw a title bar the user can move and close the window
// by: a Top image one frame of which is at least kMinTitleBarHeight high. A
// window whose skin cannot keeps the platform's frame.
bool TitleBarUsable(const TSkinDefinition& skin);

// The client rectangle of a window placed at (x, y) with size (cx, cy).
Rect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m);

// The frame of a border element to draw: 1 for an active window or a
// one-frame element, else 2.
int BorderFrameIndex(const TDataSkinObject& border, bool active);

// What the caption text placement needs to know of the window.
struct TCaptionInput {
    Rect TitleRect;    // where the title bar is drawn
    int TextWidth = 0; // the measured caption, prefix and suffix included
    int TextHeight = 0;
    bool RightToLeft = false;
    bool Popup = false;      // the window has WS_POPUP
    int ButtonsLeftEdge = 0; // from the last button layout
    TBorderKind Kind = TBorderKind::Sizeable;
};

// The rectangle of the caption text (text back margins included) as the title
// element places it: aligned by TextAlignment, shifted by TextShift and
// TextShiftVert, cut on the right by TextRightClip or, for popups, five pixels
// before the right-anchored buttons.
Rect PlaceCaptionText(const TDataSkinTitle& title, const TCaptionInput& in);

// What the visibility tests ask of the window.
struct TWindowTraits {
    bool Maximized = false;
    bool Active = true;
    bool HasSystemMenu = false;
    bool HasMinimizeBox = false;
    bool HasMaximizeBox = false;
    bool IsDialogClass = false;
    // An MDI frame whose active child is maximized, with a menu bar.
    bool MdiFrameWithMaximizedChild = false;
    TBorderKind Kind = TBorderKind::Sizeable;
};

// Asks the application whether a button with a user visibility code shows
// (SKINMSG_BUTTONQUERY); null means no.
using TButtonQuery = std::function<bool(int code, int action)>;

// Whether a title button shows, and whether it is enabled.
struct TButtonVisibility {
    bool Visible = false;
    bool Enabled = true;
};

// Runs both visibility tests and the action rules for one button.
TButtonVisibility EvaluateTitleButton(const TDataSkinSysButton& button, const TWindowTraits& window,
                                      const TButtonQuery& query = nullptr);

// One visibility test: the first (Visibility) or the second (Visibility1).
bool VisibilityTest(TTitleVisibility code, bool firstTest, TTitleAction action,
                    const TWindowTraits& window, const TButtonQuery& query = nullptr);

// Everything the button layout needs besides the buttons themselves.
struct TButtonLayoutInput {
    int WindowWidth = 0;
    Rect TitleTextRect;
    TFrameMetrics Metrics;
    int MenuBarLeftWidth = 0; // LeftWidth of the menu-bar element, 0 without one
    bool RightToLeft = false;
};

// Where one title button goes by its Align value; size = one frame of its image.
Rect TitleButtonRect(const TDataSkinSysButton& button, const TButtonLayoutInput& in);

// The laid-out title buttons, one entry per skin button.
struct TTitleButtonLayout {
    std::vector<Rect> Bounds;
    std::vector<TButtonVisibility> State;
    int ButtonsLeftEdge = 0; // largest left edge of the right-anchored buttons, 0 for none
};

// Lays out every visible button with a non-empty image.
TTitleButtonLayout
LayoutTitleButtons(const std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons,
                   const TWindowTraits& window, const TButtonLayoutInput& in,
                   const TButtonQuery& query = nullptr);

// The frame a button shows in the composed title bar: 1 when the window is
// active and the button enabled, 4 otherwise, but 1 for images with fewer
// than four frames.
int TitleButtonFrameInTitle(const TDataSkinSysButton& button, bool active, bool enabled);

// The frame for an immediate repaint in state 1 normal, 2 pressed, 3 hot.
int TitleButtonFrameForState(const TDataSkinSysButton& button, int state, bool enabled);

// The index of the first button of layout (laid out from buttons) that is
// visible, has an action and holds the point (x, y) in window coordinates;
// -1 when none does. Painting and the mouse use the same layout, so what is
// clicked is what was drawn.
int TitleButtonAt(const TTitleButtonLayout& layout,
                  const std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons, int x, int y);

// What the non-client hit test answers for a point in window coordinates,
// given the platform's own answer (only HTNOWHERE and HTCAPTION are changed).
enum class TCaptionHit { Platform, Caption, Menu };
TCaptionHit CaptionHitTest(int windowY, const TFrameMetrics& m);

} // namespace veyra
