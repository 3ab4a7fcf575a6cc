#pragma once

#include "SkinControl.h"

namespace veyra {

class TWMediaPlayer;

// Skins a media player by laying a panel of its own over it (the overlay,
// a TWMediaPlayer) that draws the transport buttons from the skin and
// hands their clicks to the player. The overlay follows the player's
// bounds and visibility and hides while skinning of the player is off; it
// lives from the attach until RestoreControl. A player attached by window
// handle alone gets no overlay: it has no framework parent to put one in.
class TSkinMP : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinMP(TComponent* owner);
    ~TSkinMP() override;

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void RestoreControl() override;
    void SkinChanged() override;
    // The overlay was freed by someone else (its parent going first).
    void Notification(TComponent* component, TOperation operation) override;

    // The panel over the player, or null.
    TWMediaPlayer* Overlay() const { return Overlay_; }

protected:
    void AfterMessage(TMessage& message) override;
    void SkinEnabledChanged() override;

private:
    void FreeOverlay();

    TWMediaPlayer* Overlay_ = nullptr;
};

} // namespace veyra
