#pragma once

#include "CustomEdit.h"

namespace veyra {

// A single-line edit holding a number between MinValue and MaxValue, with
// up and down arrows inside it at its right edge: the arrows are the
// platform's up-down control, a child of the edit's own window, that
// writes the number into the edit. MinValue = MaxValue = 0 means no limits
// but the platform's.
class TSpinEdit : public TCustomEdit {
    VEYRA_CLASS()
public:
    explicit TSpinEdit(TComponent* owner);

    // The number the text holds, kept within the limits.
    int Value() const;
    void SetValue(int value);
    int MinValue() const { return MinValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return MaxValue_; }
    void SetMaxValue(int value);
    int Increment() const { return Increment_; }
    void SetIncrement(int value);
    // The arrows' window, or null before the edit has one.
    HWND UpDownHandle() const { return UpDown_; }

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    int Clamped(int value) const;
    // Puts the arrows at the client area's right edge and keeps the text
    // out from under them.
    void PlaceArrows();
    void WriteLimits();

    HWND UpDown_ = nullptr;
    int Value_ = 0;
    int MinValue_ = 0;
    int MaxValue_ = 0;
    int Increment_ = 1;
};

} // namespace veyra
