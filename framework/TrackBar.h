#pragma once

#include "WinControl.h"

namespace veyra {

enum TTrackBarOrientation { trHorizontal, trVertical };

// The platform's track bar under the framework. It follows the scroll
// notifications its parent reflects to it (Position, then OnChange) and
// answers its own custom-draw notifications by letting the platform draw,
// so that a skin in front of it can take them over.
class TCustomTrackBar : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomTrackBar(TComponent* owner);

    int Min() const { return Min_; }
    void SetMin(int value);
    int Max() const { return Max_; }
    void SetMax(int value);
    int Position() const { return Position_; }
    void SetPosition(int value);
    int Frequency() const { return Frequency_; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return Orientation_; }
    // A window style: a control with a window makes a new one.
    void SetOrientation(TTrackBarOrientation orientation);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteAll();
    void CnScroll();

    int Min_ = 0;
    int Max_ = 10;
    int Position_ = 0;
    int Frequency_ = 1;
    TTrackBarOrientation Orientation_ = trHorizontal;
};

// The track bar as forms place it.
class TTrackBar : public TCustomTrackBar {
    VEYRA_CLASS()
public:
    explicit TTrackBar(TComponent* owner) : TCustomTrackBar(owner) {}
};

} // namespace veyra
