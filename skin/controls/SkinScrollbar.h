#pragma once

#include <windows.h>

#include <cstdint>

#include "ScrollbarPair.h"
#include "SkinControl.h"

namespace veyra {

// The scroll bars of a framework control with built-in bars (a memo, a
// list box, a grid ...): an overlay over each bar (TWScrollbar) drawn from
// the skin, a 2-pixel border in the shadow and face colours unless the
// control's BorderStyle is none, and the box between two bars in the face
// colour. The overlays follow the control's size, visibility, enabled state
// and every change of its bars, whether from the mouse, the wheel, the
// keyboard or the program; the control scrolls exactly as without skin.
//
// Mode 1 (the Skin3rd "singlescrollbar" variant) never draws the border. A
// control with an integer FixedColor (grids) has it in the face colour while
// skinned. When the control makes a new window the skin follows it with new
// overlays.
class TSkinScrollbar : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinScrollbar(TComponent* owner);
    ~TSkinScrollbar() override;

    // The scroll-bar family attaches through AttachScrollbars; keepColor is
    // not used (the control keeps its colour).
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    // Hooks the owner, a framework windowed control, and lays the overlays
    // over its bars.
    virtual void AttachScrollbars(TWinSkinForm* form, TSkinData* skinData);
    void RestoreControl() override;
    void SkinChanged() override;

    // Whether the 2-pixel border is drawn.
    bool Border() const { return Border_; }
    const TScrollbarPair& Overlays() const { return Overlays_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    // Draws the border (and the corner box) into a DC of the whole window.
    void PaintFrame(HDC windowDc);

    TScrollbarPair Overlays_;
    bool Border_ = true;
    bool RestoreFixedColor_ = false;
    std::int64_t SavedFixedColor_ = 0;
};

} // namespace veyra
