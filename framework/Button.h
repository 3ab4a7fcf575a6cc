#pragma once

#include "ButtonControl.h"

namespace veyra {

// What a button gives its form when clicked (mrNone: nothing).
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8
};

// A push button. Enter clicks the focused button, or the Default button
// when the focus is on a control that is not a button; Esc clicks the
// Cancel button (both through the form's CM_DIALOGKEY).
class TButton : public TButtonControl {
    VEYRA_CLASS()
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return Default_; }
    void SetDefault(bool value);
    bool Cancel() const { return Cancel_; }
    void SetCancel(bool value) { Cancel_ = value; }
    // What a click gives the button's form: any value but mrNone becomes
    // the form's ModalResult, which ends the form's ShowModal.
    int ModalResult() const { return ModalResult_; }
    void SetModalResult(int value) { ModalResult_ = value; }

    // Gives the form the button's ModalResult, then raises OnClick (which
    // may change the form's ModalResult again).
    void Click() override;

protected:
    // The button-type style bits of the window.
    virtual DWORD PushStyle() const { return Default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    // Enter is this button's: it has the focus, or it is the default and
    // no other button has.
    bool TakesEnter() const;

    bool Default_ = false;
    bool Cancel_ = false;
    int ModalResult_ = mrNone;
};

} // namespace veyra
