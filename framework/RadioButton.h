#pragma once

#include "ButtonControl.h"

namespace veyra {

// A radio button: checking one unchecks the other radio buttons of the
// same parent; a click checks it and raises OnClick.
class TRadioButton : public TButtonControl {
    VEYRA_CLASS()
public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return Checked_; }
    void SetChecked(bool checked);

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void ButtonClicked() override;

private:
    bool Checked_ = false;
};

} // namespace veyra
