#pragma once

#include <string>

#include "WinControl.h"

namespace veyra {

// Whether a control draws the sunken client edge around itself.
enum TBorderStyle { bsNone, bsSingle };

// The platform's edit control under the framework: its text and its border.
// TCustomMemo builds the multi-line edit on it.
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

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    TBorderStyle BorderStyle_ = bsSingle;
};

} // namespace veyra
