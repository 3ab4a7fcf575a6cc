#pragma once

#include "SkinCheckBox.h"

namespace veyra {

// Radio buttons: the check box's twin with the skin's RadioImage (4
// frames, or 8 in the 12-state layout), checked or not, never mixed, and
// a right-hand glyph one pixel in from the edge.
class TSkinRadioButton : public TSkinCheckBox {
    VEYRA_CLASS()
public:
    explicit TSkinRadioButton(TComponent* owner);

protected:
    TCheckKind CheckKind() const override { return TCheckKind::RadioButton; }
    const Bitmap* Glyphs(int& frameCount) const override;
    TCheckValue ReadValue() const override;
};

} // namespace veyra
