#pragma once

#include <windows.h>

#include "SkinControl.h"

namespace veyra {

class TSkinUpDown;

// Skins a page control of another component family that draws its own tabs
// from two published pictures, "TabBackGround" and "TabBackGroundActive":
// in mode 4 it renders frame 1 and frame 2 of the Tabs element, 100 x 21
// each, into them at attach and after every skin change, and empties them
// when the control is given back. It paints nothing itself; the control's
// scroll arrows (an up-down child) get a TSkinUpDown.
class TSkinAdvPage : public TSkinControl {
    VEYRA_CLASS()
public:
    // The mode in which the pictures are rendered.
    static constexpr int kRenderMode = 4;
    // The size of the rendered pictures.
    static constexpr int kTabWidth = 100;
    static constexpr int kTabHeight = 21;

    explicit TSkinAdvPage(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void RestoreControl() override;
    void SkinChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The skinning object of the scroll arrows, once they were found.
    TSkinUpDown* UpDownSkin() const { return UpDown_; }

protected:
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void Render();
    void SkinScrollArrows();

    TSkinUpDown* UpDown_ = nullptr;
};

} // namespace veyra
