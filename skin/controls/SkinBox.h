#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins a container that keeps painting itself (panels, embedded forms,
// tool bars, navigators) by its colour alone: with KeepColor it shows the
// scheme's face colour while skinned and gets its own colour back after.
// Every message goes on to the control untouched; the hook is there only so
// that the object learns when the window goes.
class TSkinBox : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinBox(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
};

} // namespace veyra
