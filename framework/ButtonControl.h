#pragma once

#include "WinControl.h"

namespace veyra {

// The platform's button window ("BUTTON") under a framework control: the
// base of push buttons, check boxes and radio buttons. The click the
// platform reports (BN_CLICKED, reflected as CN_COMMAND) becomes
// ButtonClicked, which for a plain button is Click.
class TButtonControl : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TButtonControl(TComponent* owner);

    // Raises OnClick. A skin that takes the button's mouse messages calls
    // it once per click.
    virtual void Click();
    TNotifyEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The platform reported a click.
    virtual void ButtonClicked() { Click(); }
};

} // namespace veyra
