#include "Timer.h"

#include <map>

#include "Application.h"

namespace veyra {
namespace {

std::map<UINT_PTR, TTimer*>& RunningTimers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

} // namespace

const TClassInfo& TTimer::StaticClass() {
    static const TClassInfo info(
        "TTimer", &TComponent::StaticClass(),
        TPropertyList<TTimer>()
            .Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
            .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
            .Event("OnTimer", &TTimer::OnTimer)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TTimer(owner); });
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    Enabled_ = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != Enabled_) {
        Enabled_ = enabled;
        UpdateTimer();
    }
}

void TTimer::SetInterval(int interval) {
    if (interval != Interval_) {
        Interval_ = std::max(interval, 0);
        UpdateTimer();
    }
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (Id_) {
        RunningTimers().erase(Id_.Get());
        Id_.Reset();
    }
    if (Enabled_ && Interval_ > 0 && !IsLoading() && !IsDestroying()) {
        Id_.Reset(SetTimer(nullptr, 0, static_cast<UINT>(Interval_), &TTimer::TimerProc));
        if (Id_)
            RunningTimers()[Id_.Get()] = this;
    }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = RunningTimers().find(id);
    if (it == RunningTimers().end())
        return;
    TTimer* timer = it->second;
    try {
        if (timer->OnTimer)
            timer->OnTimer(timer);
    } catch (...) {
        Application().HandleException(timer);
    }
}

} // namespace veyra
