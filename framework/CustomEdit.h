#pragma once

#include <string>

#include "WinControl.h"

namespace veyra {

// Whether a control draws the sunken client edge around itself.
enum TBorderStyle { bsNone, bsSingle };

// The platform's edit control under the framework: its text, its border,
// whether the user may change the text and how long it may be, and a
// notification of every change. TCustomMemo builds the multi-line edit on
// it, TEdit and TSpinEdit the single-line ones.
class TCustomEdit : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomEdit(TComponent* owner);

    // The text as the user left it (read from the window when there is one).
    std::wstring Text() const;
    void SetText(const std::wstring& text) { SetCaption(text); }
    TBorderStyle BorderStyle() const { return BorderStyle_; }
    // A window style: a control with a window makes a new one.
    void SetBorderStyle(TBorderStyle style);
    bool ReadOnly() const { return ReadOnly_; }
    void SetReadOnly(bool readOnly);
    // The most characters the user may enter; 0: the platform's limit.
    int MaxLength() const { return MaxLength_; }
    void SetMaxLength(int length);

    // The text changed, by the user or the program.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    TBorderStyle BorderStyle_ = bsSingle;
    bool ReadOnly_ = false;
    int MaxLength_ = 0;
};

// The single-line edit as forms place it.
class TEdit : public TCustomEdit {
    VEYRA_CLASS()
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

} // namespace veyra
