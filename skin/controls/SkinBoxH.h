#pragma once

#include "SkinControl.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

// Skins a plain container window of a system dialog: its background and the
// background of its static children in the scheme's face colour.
class TSkinBoxH : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinBoxH(TComponent* owner);

    void SkinChanged() override;

protected:
    bool BeforeMessage(TMessage& message) override;

private:
    HBRUSH FaceBrush();

    BrushHandle FaceBrush_;
    COLORREF FaceBrushColour_ = CLR_INVALID;
};

} // namespace veyra
