#pragma once

#include "SkinButton.h"

namespace veyra {

// Buttons with a drop-down arrow: the push button's face, the caption
// centred left of a 17-pixel arrow zone and a small down-pointing triangle
// in it. Focus looks hot; the focused frame is never used.
class TSkinMenuButton : public TSkinButton {
    VEYRA_CLASS()
public:
    explicit TSkinMenuButton(TComponent* owner);

protected:
    TButtonKind Kind() const override { return TButtonKind::Menu; }
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace veyra
