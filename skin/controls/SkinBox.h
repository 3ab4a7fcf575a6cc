#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins a container that keeps painting itself (panels, embedded forms,
// tool bars, navigators) by its colour alone: with KeepColor it shows the
// scheme's face colour while skinned and gets its own colour back after.
// Every message goes on to the control untouched; the hook is there only so
// that the object learns when the window goes.
//
// A recoloured control whose font is left at a system colour (the
// default) writes its caption in the scheme's ButtonText meanwhile, so that
// a dark face does not get black text; a colour the application chose stays.
class TSkinBox : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinBox(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void RestoreControl() override;
    void SkinChanged() override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;

private:
    // The caption in the scheme's text colour, when the font colour is the
    // control's default.
    void FollowSkinText();

    bool TextRecoloured_ = false;
    std::int32_t SavedTextColour_ = 0;
    bool SavedParentFont_ = false;
};

} // namespace veyra
