#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace veyra {

class TCustomForm;
class TSkinData;

// One soak cycle's work on a fresh form with one of every skinned control:
// the manager skins it, the skin goes light -> dark -> light, skinning goes
// off and on, a message box and the form's popup menu open and are closed
// from a timer once they are skinned, the form is resized, maximized and
// restored, and destroyed. Every step waits for the engine to finish (its
// requests run from the manager's timer) and notes what did not happen in
// time.
class TSoakCycle {
public:
    // skin: the running skin component (not owned), loaded with lightSkin.
    TSoakCycle(TSkinData& skin, std::wstring lightSkin, std::wstring darkSkin);

    // Runs one cycle; whileSkinned (when given) runs once the new form is
    // first skinned. The failures it met are added to Failures(), each
    // prefixed with cycle.
    void Run(int cycle, const std::function<void()>& whileSkinned = {});

    const std::vector<std::string>& Failures() const { return Failures_; }
    // The wall-clock milliseconds each step took over all cycles so far, by step.
    const std::map<std::string, double>& StepTotals() const { return StepTotals_; }
    // What each step added to the private bytes from cycle kSettledCycle on,
    // by step: where a growth comes from when the run does not pass.
    const std::map<std::string, long long>& StepGrowth() const { return StepGrowth_; }
    static constexpr int kSettledCycle = 10;

private:
    void Fail(int cycle, const std::string& what);
    template <typename Step> void Timed(const char* name, Step step);
    bool WaitForSkinned(HWND window, bool skinned);
    bool WaitForRequests();
    void SwitchSkins(int cycle, HWND window);
    void SwitchOffAndOn(int cycle, HWND window);
    void ShowMessageBox(int cycle, HWND window);
    void ShowPopupMenu(int cycle, TCustomForm& form);
    void ResizeAndMaximize(int cycle, HWND window);

    TSkinData& Skin_;
    std::wstring LightSkin_;
    std::wstring DarkSkin_;
    std::vector<std::string> Failures_;
    std::map<std::string, double> StepTotals_;
    std::map<std::string, long long> StepGrowth_;
    int Cycle_ = 0;
};

// Handles every message waiting now, paints included.
void PumpWaiting();
// The performance counter's time, in milliseconds.
double SoakNowMs();
// The process's private bytes, or -1 when they cannot be read.
long long SoakPrivateBytes();

} // namespace veyra
