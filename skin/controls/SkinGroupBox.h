#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins a group box: a thin rounded outline in the scheme's shadow colour
// with the caption on its top edge, 8 pixels in from the left (from the
// right for a WS_EX_RIGHT window). Mode 1 (a framework control) paints the
// whole box itself; Mode 0 (a bare window) lets the window paint and draws
// over it, hiding the window's own frame.
class TSkinGroupBox : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinGroupBox(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace veyra
