#pragma once

#include <windows.h>

#include "Component.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

// Raises OnTimer every Interval milliseconds while Enabled, from the message loop.
class TTimer : public TComponent {
    VEYRA_CLASS()
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return Interval_; }
    void SetInterval(int interval);

    TNotifyEvent OnTimer;

    void Loaded() override;

private:
    static void CALLBACK TimerProc(HWND window, UINT msg, UINT_PTR id, DWORD time);
    void UpdateTimer();

    bool Enabled_ = true;
    int Interval_ = 1000;
    ThreadTimerHandle Id_;
};

} // namespace veyra
