#pragma once

#include "WinControl.h"

namespace veyra {

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// The platform's progress bar under the framework: Position between Min and
// Max, lying or standing, in blocks or smooth.
class TCustomProgressBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomProgressBar(TComponent* owner);

    int Min() const { return Min_; }
    void SetMin(int value);
    int Max() const { return Max_; }
    void SetMax(int value);
    int Position() const { return Position_; }
    void SetPosition(int value);
    TProgressBarOrientation Orientation() const { return Orientation_; }
    // A window style: a control with a window makes a new one.
    void SetOrientation(TProgressBarOrientation orientation);
    bool Smooth() const { return Smooth_; }
    void SetSmooth(bool on);

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;

private:
    void WriteRange();

    int Min_ = 0;
    int Max_ = 100;
    int Position_ = 0;
    TProgressBarOrientation Orientation_ = pbHorizontal;
    bool Smooth_ = false;
};

// The progress bar as forms place it.
class TProgressBar : public TCustomProgressBar {
    VEYRA_CLASS()
public:
    explicit TProgressBar(TComponent* owner) : TCustomProgressBar(owner) {}
};

} // namespace veyra
