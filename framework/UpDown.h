#pragma once

#include "WinControl.h"

namespace veyra {

// Which way an up-down control's arrows point.
enum TUDOrientation { udHorizontal, udVertical };

// The platform's up-down control under the framework: a position between
// Min and Max moved by Increment per click, written as a number into the
// associated control (its buddy) when there is one, and wrapping around at
// the ends when Wrap is set. An associated control gets the arrows at its
// right edge.
class TCustomUpDown : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomUpDown(TComponent* owner);

    TWinControl* Associate() const { return Associate_; }
    void SetAssociate(TWinControl* control);
    int Min() const { return Min_; }
    void SetMin(int value);
    int Max() const { return Max_; }
    void SetMax(int value);
    // The position as the arrows (or the buddy's text) left it.
    int Position() const;
    void SetPosition(int value);
    int Increment() const { return Increment_; }
    void SetIncrement(int value);
    // Window styles: a control with a window makes a new one.
    TUDOrientation Orientation() const { return Orientation_; }
    void SetOrientation(TUDOrientation orientation);
    bool Wrap() const { return Wrap_; }
    void SetWrap(bool wrap);

    // The position changed by a click or a key.
    TNotifyEvent OnClick;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteRange();

    TWinControl* Associate_ = nullptr;
    int Min_ = 0;
    int Max_ = 100;
    int Position_ = 0;
    int Increment_ = 1;
    TUDOrientation Orientation_ = udVertical;
    bool Wrap_ = false;
};

// The up-down control as forms place it.
class TUpDown : public TCustomUpDown {
    VEYRA_CLASS()
public:
    explicit TUpDown(TComponent* owner) : TCustomUpDown(owner) {}
};

} // namespace veyra
