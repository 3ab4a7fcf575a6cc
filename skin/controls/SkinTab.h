#pragma once

#include <windows.h>

#include <vector>

#include "SkinControl.h"
#include "skin/data/TabGeometry.h"
#include "skin/imaging/Bitmap.h"
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

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void HookProc(TMessage& message) override;

private:
    // The tab and pane images turned for the side the tabs are on.
    void PrepareImages();
    // Skins the scroll-arrow child when there is one; answers it when it
    // shows, else null.
    HWND SkinScrollArrows();
    void DecideCloseBoxes();
    // SKINMSG_ENABLE reaches the arrows' skinning object too.
    void ForwardSkinSwitch(WPARAM on);

    void PaintStrip(HDC dc, const TTabStripLayout& layout, HWND arrows);
    void PaintPane(HDC dc, const TTabStripLayout& layout, HWND arrows);
    // Copies the buffer's top-left width x height (or bitmap) to dc at
    // (x, y), around the scroll arrows when they show.
    void CopyAroundArrows(HDC dc, HWND arrows, int x, int y, int width, int height,
                          const Bitmap* turned);
    void DrawCloseBox(HDC dc, const Rect& box) const;

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
    TTabSide Side_ = TTabSide::Top;
    bool CloseBoxes_ = false;
    std::vector<Rect> CloseRects_;
    TSkinUpDown* UpDown_ = nullptr;
    // The page a close request is about, while the form is asked.
    TTabSheet* ClosingPage_ = nullptr;
};

} // namespace veyra
