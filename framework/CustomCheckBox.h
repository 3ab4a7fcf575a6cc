#pragma once

#include "Alignment.h"

#include "ButtonControl.h"

namespace veyra {

// A check box's state; grayed is the third, indeterminate one.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// The side of the box the caption is on: taRightJustify puts it right of
// the box (the usual way), taLeftJustify left of it (BS_LEFTTEXT).

// A check box on the platform's three-state button. A click goes from
// unchecked to checked, then to grayed when AllowGrayed, then back to
// unchecked, and raises OnClick.
class TCustomCheckBox : public TButtonControl {
    VEYRA_CLASS()
public:
    explicit TCustomCheckBox(TComponent* owner);

    TCheckBoxState State() const { return State_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return State_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return AllowGrayed_; }
    void SetAllowGrayed(bool value) { AllowGrayed_ = value; }
    TLeftRight Alignment() const { return Alignment_; }
    void SetAlignment(TLeftRight alignment);

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void ButtonClicked() override;

private:
    TCheckBoxState State_ = cbUnchecked;
    bool AllowGrayed_ = false;
    TLeftRight Alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    VEYRA_CLASS()
public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

} // namespace veyra
