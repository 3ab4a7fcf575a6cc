#pragma once

#include "SkinBitButton.h"

namespace veyra {

// Speed buttons, which have no window: painted into the DC their parent
// hands them (WM_PAINT) or into the parent's client area at once when their
// state changes. A flat one shows the Buttons frame only while hot or
// pressed; a latched one (Down) looks pressed with its fourth glyph frame.
// The speed button keeps its own press logic; the skin only follows it.
class TSkinSpeedButton : public TSkinBitButton {
    VEYRA_CLASS()
public:
    explicit TSkinSpeedButton(TComponent* owner);

    // Attaches to the owner, a windowless control (AttachGraphic).
    void AttachSpeedButton(TWinSkinForm* form, TSkinData* skinData);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintWindow(HDC dc) override;

private:
    // Draws the whole button with its top-left at dc's origin.
    void PaintSpeedButton(HDC dc);

    bool Painting_ = false;
};

} // namespace veyra
