#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "SkinControl.h"
#include "TabReport.h"
#include "skin/data/TabGeometry.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

class TSkinUpDown;
class TTabSheet;

// Skins a tab control, a page control in tab style or a bare tab window: the
// strip of tabs on any of the four sides from the Tabs element (the focused
// tab in frame 2), the pane around the pages, and the strip's scroll arrows
// through a TSkinUpDown. A page control tagged 7777 with its tabs on top
// gets a close box on every tab; a click on one asks the form
// (SKINMSG_TABCLOSE) and frees the page when the form answers 0.
class TSkinTab : public TSkinControl {
    VEYRA_CLASS()
public:
    // The Tag of a page control whose tabs get close boxes.
    static constexpr std::int64_t kCloseBoxTag = 7777;
    // The mode the control map gives a tab control that is not a page
    // control: its windowless children are painted over the pane.
    static constexpr int kTabControlMode = 2;

    // The strip's scroll arrows get their skinning object with the same
    // owner, so that whatever frees this object frees that one too.
    explicit TSkinTab(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;
    void SkinChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Close boxes for a tab window the framework does not know; a page
    // control decides by its Tag and TabPosition at attach. Boxes show only
    // while the tabs are on top.
    void SetCloseBoxes(bool on) { CloseBoxes_ = on; }
    bool CloseBoxes() const { return CloseBoxes_; }
    // The side the tabs were on when the images were last prepared.
    TTabSide Side() const { return Side_; }
    // The close boxes as the last paint drew them, one per tab, client
    // coordinates; empty rectangles for tabs without one.
    const std::vector<Rect>& CloseBoxRects() const { return CloseRects_; }
    // The skinning object of the strip's scroll arrows, once they were found.
    TSkinUpDown* UpDownSkin() const { return UpDown_; }
    // How many pixels of the pane are kept between paints: the parts the
    // shown page leaves visible, or the whole pane when no page covers it.
    std::int64_t KeptPanePixels() const;

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HookProc(TMessage& message) override;

private:
    // What either attach does once attached: state, close boxes, images
    // and the scroll arrows.
    void PrepareAttached();
    // The tab and pane images turned for the side the tabs are on.
    void PrepareImages();
    // Skins the scroll-arrow child when there is one; answers it when it
    // shows, else null.
    HWND SkinScrollArrows();
    void DecideCloseBoxes();
    // SKINMSG_ENABLE reaches the arrows' skinning object too.
    void ForwardSkinSwitch(WPARAM on);

    // unchanged: nothing the strip shows can have changed since the last
    // paint, which composed it in the buffer.
    void PaintStrip(HDC dc, const TTabStripLayout& layout, HWND arrows, bool unchanged);
    // Whether a message leaves everything the strip shows as it was.
    static bool LeavesStripAsItWas(UINT msg);
    struct TStripKey;
    TStripKey CurrentStripKey(const TTabStripLayout& layout) const;
    void ComposeStrip(DibSurface& buffer, const TTabStripLayout& layout, const TStripKey& key,
                      bool boxes);
    void PaintPane(HDC dc, const TTabStripLayout& layout, HWND arrows);
    // The part of pane (pane-relative) that the shown page covers: what the
    // pane need not draw.
    Rect CoveredPart(const Rect& pane) const;
    void RenderPaneParts(int width, int height, const Rect& covered);
    // Leaves the scroll arrows' place out of dc's clipping while saved
    // lives: they are a child window that paints itself, and a tab control
    // need not clip its children.
    void ExcludeArrows(HDC dc, HWND arrows, std::optional<SavedDcScope>& saved) const;
    // Copies the buffer's top-left width x height (or turned) to dc at
    // (x, y), around the scroll arrows when they show.
    void CopyAroundArrows(HDC dc, HWND arrows, int x, int y, int width, int height,
                          const Bitmap* turned);
    void DrawCloseBox(HDC dc, const Rect& box, COLORREF colour) const;

    // A left click on a close box; false when the click is the control's.
    bool OnCloseBoxClick(TMessage& message);
    // Frees the page after the form agreed: page (null when the form freed
    // it already) of a framework page control, else tab index of the window.
    void ClosePage(int index, TTabSheet* page, bool framework);
    int PageCount() const;

    Bitmap TabImage_;
    Bitmap PaneImage_;
    Margins TabMargins_;
    Margins PaneMargins_;
    int TabFrames_ = 0;
    Transparency TabTransparency_ = Transparency::Opaque;
    MiddleFill TabMiddle_ = MiddleFill::Stretch;
    COLORREF NormalText_ = 0;
    COLORREF FocusedText_ = 0;
    // The strip of left or right tabs turned into place, reused.
    Bitmap Turned_;
    // The pane as last rendered, less the part a page covers: a page hides
    // all but a thin ring of a large pane, so only the ring is sliced and
    // kept. It changes only with the pane's size, the covered part or the
    // skin, so a repaint copies it instead of slicing it again.
    struct TPanePart {
        Rect Place; // in the pane
        Bitmap Pixels;
    };
    std::vector<TPanePart> PaneParts_;
    int PaneWidth_ = 0;
    int PaneHeight_ = 0;
    Rect PaneCovered_;
    bool PaneCacheValid_ = false;
    // Everything the strip last showed; a repaint that would show the same
    // copies the strip already composed in the buffer.
    struct TStripKey {
        std::vector<TTabReport> Items;
        int Focus = -1;
        bool Enabled = true;
        HFONT Font = nullptr;
        HIMAGELIST Images = nullptr;
        COLORREF Background = 0;
        Rect Strip;
        int BufferWidth = 0;
        int BufferHeight = 0;
        bool operator==(const TStripKey&) const = default;
    };
    TStripKey StripKey_;
    bool StripValid_ = false;
    std::vector<Rect> StripCloseRects_;
    // What the last paint found; reused while no message could have changed it.
    struct TPaintedState {
        bool Valid = false;
        int Width = 0;
        int Height = 0;
        bool Enabled = true;
        COLORREF Background = 0;
        TTabStripLayout Layout;
        HWND Arrows = nullptr;
    };
    TPaintedState Painted_;
    bool Dirty_ = true;
    TTabSide Side_ = TTabSide::Top;
    bool CloseBoxes_ = false;
    std::vector<Rect> CloseRects_;
    TSkinUpDown* UpDown_ = nullptr;
    // The page a close request is about, while the form is asked.
    TTabSheet* ClosingPage_ = nullptr;
};

} // namespace veyra
