#pragma once

#include <vector>

#include "SkinControl.h"
#include "skin/data/StatusBarLayout.h"

namespace veyra {

class TDataSkinObject;

// Skins a status bar completely: the face colour, one StatusBarEdges frame
// per panel (or a plain bevel when the skin has none) with the panel's
// text, the last panel reaching the bar's end, or one frame for a simple
// bar; the size grip from ExtraImages; then the control's owner-drawn
// panels.
class TSkinStatusBar : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinStatusBar(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    // One panel as the bar and its framework control tell it.
    struct TPanelReport {
        std::wstring Text;
        TStatusPanelInput Layout;
        bool OwnerDrawn = false;
    };

    bool SimpleMode() const;
    std::wstring SimpleText() const;
    std::vector<TPanelReport> ReadPanels() const;
    void DrawPanelFrame(DibSurface& buffer, const Rect& rect, TPanelBevel bevel) const;
    void DrawSizeGrip(Bitmap& target, int width, int height) const;
    void CallOwnerDraw(HDC dc, const std::vector<TPanelReport>& panels,
                       const std::vector<TStatusPanelPlace>& places);
};

} // namespace veyra
