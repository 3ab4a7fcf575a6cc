#include "CaptionGeometry.h"

#include <algorithm>
#include <cstdint>

namespace veyra {
namespace {

// Width of one frame: images with a nonsense frame count are one frame wide.
int FrameWidth(const TDataSkinObject& element) {
    return element.Image.Width() / std::max(element.Frame, 1);
}

int FrameHeight(const TDataSkinObject& element) {
    return element.Image.Height() / std::max(element.Frame, 1);
}

bool AnyBox(const TWindowTraits& w) {
    return w.HasMinimizeBox || w.HasMaximizeBox;
}

} // namespace

TFrameMetrics ComputeFrameMetrics(const TSkinDefinition& skin, TBorderKind kind,
                                  int menuBarHeight) {
    if (kind == TBorderKind::NoCaption)
        return {};
    return {FrameWidth(skin.Left), FrameHeight(skin.Top), FrameWidth(skin.Right),
            FrameHeight(skin.Bottom), menuBarHeight};
}

bool TitleBarUsable(const TSkinDefinition& skin) {
    return !skin.Top.Image.IsEmpty() && FrameHeight(skin.Top) >= kMinTitleBarHeight;
}

Rect SkinnedClientRect(int x, int y, int cx, int cy, const TFrameMetrics& m) {
    using W = std::int64_t;
    return {SaturateToInt(W{x} + m.BorderLeft),
            SaturateToInt(W{y} + m.TitleHeight + m.MenuBarHeight),
            SaturateToInt(W{x} + cx - m.BorderRight), SaturateToInt(W{y} + cy - m.BorderBottom)};
}

int BorderFrameIndex(const TDataSkinObject& border, bool active) {
    return active || border.Frame <= 1 ? 1 : 2;
}

Rect PlaceCaptionText(const TDataSkinTitle& title, const TCaptionInput& in) {
    const Rect& r = in.TitleRect;
    // The title's numbers come from the skin and may be any int: the
    // arithmetic is done in 64 bits and saturates rather than wraps.
    Rect t{
        r.Left, r.Top,
        SaturateToInt(std::int64_t{r.Left} + in.TextWidth + title.TXTBackleft + title.TXTBackRight),
        SaturateToInt(std::int64_t{r.Top} + in.TextHeight)};
    const int rw = r.Width();
    const int tw = t.Width();
    const int textShift = title.LeftWidth;
    const int textShiftVert = title.TopHeight;
    const int textRightClip = title.RightWidth;

    std::int64_t dx = 0;
    const auto alignment = static_cast<TTextAlignment>(title.TextAlignment);
    switch (alignment) {
    case TTextAlignment::Left:
        dx = textShift;
        break;
    case TTextAlignment::Centre:
        dx = (std::int64_t{rw} - tw) / 2;
        break;
    case TTextAlignment::Right:
        dx = std::int64_t{rw} - textRightClip - tw;
        break;
    default:
        dx = 0;
        break;
    }
    if (in.RightToLeft)
        dx = std::int64_t{rw} - textRightClip - tw;
    const std::int64_t dy = (std::int64_t{r.Height()} - t.Height()) / 2 + textShiftVert / 2;
    t = t.Offset(SaturateToInt(dx), SaturateToInt(dy));

    if (in.Popup) {
        if (in.ButtonsLeftEdge > 5 && in.ButtonsLeftEdge - 5 < t.Right)
            t.Right = in.ButtonsLeftEdge - 5;
    } else {
        t.Right = std::min(t.Right, SaturateToInt(std::int64_t{r.Right} - textRightClip));
    }
    if (in.Kind == TBorderKind::Dialog && alignment == TTextAlignment::Left)
        t.Left = SaturateToInt(std::int64_t{t.Left} - 16);
    return t;
}

bool VisibilityTest(TTitleVisibility code, bool firstTest, TTitleAction action,
                    const TWindowTraits& w, const TButtonQuery& query) {
    using V = TTitleVisibility;
    if (code < V::Always)
        return false; // an undefined code never shows
    switch (code) {
    case V::Always:
        return true;
    case V::Maximized:
        return w.Maximized;
    case V::NotMaximized:
        return !w.Maximized;
    case V::Active:
        return w.Active;
    case V::Inactive:
        return !w.Active;
    case V::Never:
        return false;
    case V::AnyBox:
    case V::AnyBox2:
        return firstTest ? AnyBox(w) && w.HasSystemMenu : AnyBox(w);
    case V::NoMaximizeBox:
        return !w.HasMaximizeBox;
    case V::NoMinimizeBox:
        return !w.HasMinimizeBox;
    case V::MdiMaximizedChild:
        return w.MdiFrameWithMaximizedChild;
    case V::DialogFrame:
        return firstTest && !w.IsDialogClass && w.Kind == TBorderKind::Dialog;
    default:
        break;
    }
    if (code >= V::FirstTestOnlyFirst && code <= V::FirstTestOnlyLast)
        return firstTest;
    if (IsApplicationVisibility(code))
        return firstTest && query && query(static_cast<int>(code), static_cast<int>(action));
    return false; // 10..99, 101..199, above 2000
}

TButtonVisibility EvaluateTitleButton(const TDataSkinSysButton& button, const TWindowTraits& w,
                                      const TButtonQuery& query) {
    TButtonVisibility result;
    result.Visible = VisibilityTest(button.Visibility, true, button.Action, w, query) &&
                     VisibilityTest(button.Visibility1, false, button.Action, w, query);
    // The rules by action hold for the first code of each action only.
    switch (button.Action) {
    case TTitleAction::Close:
        if (!w.HasSystemMenu)
            result.Visible = false;
        break;
    case TTitleAction::MaximizeRestore:
        result.Enabled = w.HasMaximizeBox && w.HasSystemMenu;
        break;
    case TTitleAction::Minimize:
        result.Enabled = w.HasMinimizeBox && w.HasSystemMenu;
        break;
    case TTitleAction::SystemMenuIcon:
    case TTitleAction::SystemMenuIcon2:
    case TTitleAction::SystemMenu:
        if (w.Kind == TBorderKind::Dialog)
            result.Visible = false;
        break;
    default:
        break;
    }
    return result;
}

// Xcoord and Ycoord may be any int: positions are worked out in 64 bits and
// saturate at int's limits.
Rect TitleButtonRect(const TDataSkinSysButton& button, const TButtonLayoutInput& in) {
    using W = std::int64_t;
    const int width = FrameWidth(button);
    const int height = button.Image.Height();
    const TFrameMetrics& m = in.Metrics;
    switch (button.Align) {
    case TTitleAlign::Left:
        return RectOfSize(button.Xcoord, button.Ycoord, width, height);
    case TTitleAlign::Right:
        return RectOfSize(SaturateToInt(W{in.WindowWidth} - button.Xcoord), button.Ycoord, width,
                          height);
    case TTitleAlign::BeforeText:
    case TTitleAlign::BeforeText2:
        return RectOfSize(SaturateToInt(W{in.TitleTextRect.Left} - width - button.Xcoord),
                          button.Ycoord, width, height);
    case TTitleAlign::AfterText:
    case TTitleAlign::AfterText2:
        return RectOfSize(SaturateToInt(W{in.TitleTextRect.Right} + button.Xcoord), button.Ycoord,
                          width, height);
    case TTitleAlign::MenuBar: {
        const W y = (W{m.MenuBarHeight} - height) / 2 + m.TitleHeight;
        const W x = in.RightToLeft
                        ? W{button.Xcoord} + in.MenuBarLeftWidth + m.BorderLeft
                        : W{in.WindowWidth} - button.Xcoord - m.BorderRight - in.MenuBarLeftWidth;
        return RectOfSize(SaturateToInt(x), SaturateToInt(y), width, height);
    }
    default:
        return RectOfSize(0, 0, width, height);
    }
}

TTitleButtonLayout
LayoutTitleButtons(const std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons,
                   const TWindowTraits& window, const TButtonLayoutInput& in,
                   const TButtonQuery& query) {
    TTitleButtonLayout layout;
    for (const auto& button : buttons) {
        TButtonVisibility state = EvaluateTitleButton(*button, window, query);
        Rect bounds{};
        if (state.Visible && !button->Image.IsEmpty()) {
            bounds = TitleButtonRect(*button, in);
            if (button->Align == TTitleAlign::Right && bounds.Left > 0)
                layout.ButtonsLeftEdge = std::max(layout.ButtonsLeftEdge, bounds.Left);
        }
        layout.Bounds.push_back(bounds);
        layout.State.push_back(state);
    }
    return layout;
}

int TitleButtonFrameInTitle(const TDataSkinSysButton& button, bool active, bool enabled) {
    if (button.Frame < 4)
        return 1;
    return active && enabled ? 1 : 4;
}

int TitleButtonFrameForState(const TDataSkinSysButton& button, int state, bool enabled) {
    if (!enabled)
        return button.Frame > 3 ? 4 : 1;
    if (state == 3 && button.Visibility == TTitleVisibility::MdiMaximizedChild)
        return 4;
    return state;
}

int TitleButtonAt(const TTitleButtonLayout& layout,
                  const std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons, int x, int y) {
    const std::size_t count = std::min({buttons.size(), layout.Bounds.size(), layout.State.size()});
    for (std::size_t i = 0; i < count; ++i)
        if (layout.State[i].Visible && HasAction(buttons[i]->Action) &&
            layout.Bounds[i].Contains(x, y))
            return static_cast<int>(i);
    return -1;
}

TCaptionHit CaptionHitTest(int windowY, const TFrameMetrics& m) {
    TCaptionHit hit = TCaptionHit::Platform;
    if (windowY > 3)
        hit = TCaptionHit::Caption;
    if (windowY > m.TitleHeight && m.MenuBarHeight > 0)
        hit = TCaptionHit::Menu;
    return hit;
}

} // namespace veyra
