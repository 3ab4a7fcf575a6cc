#pragma once

#include <windows.h>

#include "SkinControl.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

class TSkinUpDown;

// Skins a tab set, the older self-drawn tab strip (class "TTabSet"): its
// tabs hang from the top edge, each drawn from the Tabs element turned
// upside down (frame 2 and MouseOverColour2 for the selected tab, frame 1
// and NormalColour2 for the others) on the face colour, laid out as the
// tab set lays them out itself (skin/data/TabSetLayout), so a click picks
// the tab shown under it. The tab set's scroller, the first component it
// owns, gets a TSkinUpDown with its arrows left and right.
//
// The tab set's tabs, selection, first tab and margins are read through
// its published Tabs, TabIndex, FirstIndex, StartMargin and EndMargin, so
// any class that publishes them is skinned alike.
class TSkinTab31 : public TSkinControl {
    VEYRA_CLASS()
public:
    // The scroller's skinning object gets the same owner, so that whatever
    // frees this object frees that one too.
    explicit TSkinTab31(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void SkinChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The skinning object of the scroller, or null.
    TSkinUpDown* ScrollerSkin() const { return UpDown_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    // The Tabs image turned upside down, and what it is drawn with.
    void PrepareImage();
    void SkinScroller();
    // Whether the scroller's window shows now.
    bool ScrollerVisible() const;

    Bitmap TabImage_;
    Margins TabMargins_;
    int TabFrames_ = 0;
    Transparency TabTransparency_ = Transparency::Opaque;
    MiddleFill TabMiddle_ = MiddleFill::Stretch;
    COLORREF NormalText_ = 0;
    COLORREF SelectedText_ = 0;
    TSkinUpDown* UpDown_ = nullptr;
};

} // namespace veyra
