#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins a size box of a system dialog: the face colour over what the box
// painted.
class TSkinSizer : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinSizer(TComponent* owner);

protected:
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace veyra
