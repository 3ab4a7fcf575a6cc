#include "SoakCycle.h"

#include <psapi.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "framework/CustomForm.h"
#include "framework/PopupMenu.h"
#include "skin/component/SkinData.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/UserHandlesWin32.h"
#include "skin/manager/SkinManage.h"

namespace veyra {
namespace {

// Long enough for a request's 250 ms delay and a loaded machine; a step
// that takes longer failed.
constexpr DWORD kStepTimeoutMs = 5000;
// How often the closing timers look for their window, and how many looks
// they wait for it to be skinned before closing it anyway (and saying so).
constexpr UINT kCloserIntervalMs = 25;
constexpr int kCloserPatience = kStepTimeoutMs / kCloserIntervalMs;

// The soak's form, read from its stored description.
class TSoakForm : public TForm {
public:
    TSoakForm() : TForm(nullptr) { ReadDescription(L"TSOAKFORM"); }
};

template <typename Done> bool PumpUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return done();
        PumpWaiting();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

TSkinManage& Manager() {
    return TSkinManage::Create();
}

bool IsSkinned(HWND window) {
    const TWinSkinForm* object = Manager().Find(window);
    return object && object->LifeState() == TLifeState::Running;
}

struct TClassSearch {
    const wchar_t* Class;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchVisibleOfClass(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TClassSearch*>(data);
    wchar_t name[64] = {};
    if (!IsWindowVisible(window) || !GetClassNameW(window, name, 64) ||
        std::wstring(name) != search.Class)
        return TRUE;
    search.Found = window;
    return FALSE;
}

// The thread's visible top-level window of class className, or null.
HWND ThreadWindowOfClass(const wchar_t* className) {
    TClassSearch search{className};
    EnumThreadWindows(GetCurrentThreadId(), &MatchVisibleOfClass,
                      reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// What a closing timer saw: whether its window came up, and skinned.
struct TCloser {
    int Looks = 0;
    bool Appeared = false;
    bool Skinned = false;
    bool Done = false;
};
TCloser gCloser;

// Closes the message box once the manager has skinned it (or patience ran out).
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    if (gCloser.Done)
        return;
    const HWND box = ThreadWindowOfClass(L"#32770");
    const bool skinned = box && IsSkinned(box);
    if (!skinned && ++gCloser.Looks < kCloserPatience)
        return;
    gCloser = {gCloser.Looks, box != nullptr, skinned, true};
    if (box)
        PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Closes the popup menu once the manager has skinned its window.
void CALLBACK ClosePopupMenu(HWND, UINT, UINT_PTR, DWORD) {
    if (gCloser.Done)
        return;
    const HWND menu = ThreadWindowOfClass(L"#32768");
    const bool skinned = menu && Manager().FindPopupWindow(menu);
    if (!skinned && ++gCloser.Looks < kCloserPatience)
        return;
    gCloser = {gCloser.Looks, menu != nullptr, skinned, true};
    EndMenu();
}

} // namespace

// The process's private bytes. Wine 8 leaves PrivateUsage at 0 and gives
// the same figure, the process's anonymous memory, as PagefileUsage (the
// commit charge, which Windows reports equal to PrivateUsage).
long long SoakPrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return -1;
    return static_cast<long long>(counters.PrivateUsage ? counters.PrivateUsage
                                                        : counters.PagefileUsage);
}

double SoakNowMs() {
    static const double frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

void PumpWaiting() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

TSoakCycle::TSoakCycle(TSkinData& skin, std::wstring lightSkin, std::wstring darkSkin)
    : Skin_(skin), LightSkin_(std::move(lightSkin)), DarkSkin_(std::move(darkSkin)) {}

void TSoakCycle::Fail(int cycle, const std::string& what) {
    Failures_.push_back("cycle " + std::to_string(cycle) + ": " + what);
}

bool TSoakCycle::WaitForSkinned(HWND window, bool skinned) {
    return PumpUntil([&] { return IsSkinned(window) == skinned; }, kStepTimeoutMs);
}

bool TSoakCycle::WaitForRequests() {
    return PumpUntil(
        [] {
            return Manager().PendingRequest() == TSkinRequest::None && !Manager().TimerRunning();
        },
        kStepTimeoutMs);
}

template <typename Step> void TSoakCycle::Timed(const char* name, Step step) {
    const double start = SoakNowMs();
    const long long bytesBefore = SoakPrivateBytes();
    step();
    StepTotals_[name] += SoakNowMs() - start;
    if (Cycle_ > kSettledCycle)
        StepGrowth_[name] += SoakPrivateBytes() - bytesBefore;
}

void TSoakCycle::Run(int cycle, const std::function<void()>& whileSkinned) {
    Cycle_ = cycle;
    std::unique_ptr<TSoakForm> form;
    HWND window = nullptr;
    Timed("create and skin the form", [&] {
        form = std::make_unique<TSoakForm>();
        form->Show();
        window = form->Handle();
        if (!WaitForSkinned(window, true))
            Fail(cycle, "the new form was not skinned");
        PumpWaiting();
    });
    if (whileSkinned)
        whileSkinned();
    Timed("skin light -> dark -> light", [&] { SwitchSkins(cycle, window); });
    Timed("skinning off and on", [&] { SwitchOffAndOn(cycle, window); });
    Timed("message box", [&] { ShowMessageBox(cycle, window); });
    Timed("popup menu", [&] { ShowPopupMenu(cycle, *form); });
    Timed("resize and maximize", [&] { ResizeAndMaximize(cycle, window); });
    Timed("destroy the form", [&] {
        form.reset();
        PumpWaiting();
    });
    if (IsWindow(window))
        Fail(cycle, "the form's window outlived the form");
    if (Manager().Find(window))
        Fail(cycle, "the manager still lists the destroyed form");
}

void TSoakCycle::SwitchSkins(int cycle, HWND window) {
    for (const std::wstring* path : {&DarkSkin_, &LightSkin_}) {
        Skin_.SetSkinFile(*path);
        if (!Skin_.HasSkin() || Skin_.NoSkin())
            Fail(cycle, "a skin file did not load");
        if (!WaitForRequests() || !IsSkinned(window))
            Fail(cycle, "the form did not take the new skin");
        PumpWaiting();
    }
}

void TSoakCycle::SwitchOffAndOn(int cycle, HWND window) {
    Skin_.SetActive(false);
    if (!WaitForRequests() || !WaitForSkinned(window, false))
        Fail(cycle, "switching off left the form skinned");
    PumpWaiting();
    Skin_.SetActive(true);
    if (!WaitForRequests() || !WaitForSkinned(window, true))
        Fail(cycle, "switching on did not skin the form again");
    PumpWaiting();
}

void TSoakCycle::ShowMessageBox(int cycle, HWND window) {
    gCloser = {};
    const ThreadTimerHandle timer(SetTimer(nullptr, 0, kCloserIntervalMs, &CloseMessageBox));
    MessageBoxW(window, L"A message box of the soak.", L"Soak", MB_OK | MB_ICONINFORMATION);
    if (!gCloser.Appeared)
        Fail(cycle, "the message box did not come up");
    else if (!gCloser.Skinned)
        Fail(cycle, "the message box was not skinned");
    PumpWaiting();
}

void TSoakCycle::ShowPopupMenu(int cycle, TCustomForm& form) {
    auto* menu = As<TPopupMenu>(form.FindComponent("Context"));
    if (!menu) {
        Fail(cycle, "the form has no popup menu");
        return;
    }
    RECT bounds{};
    GetWindowRect(form.Handle(), &bounds);
    gCloser = {};
    const ThreadTimerHandle timer(SetTimer(nullptr, 0, kCloserIntervalMs, &ClosePopupMenu));
    menu->Popup((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    if (!gCloser.Appeared)
        Fail(cycle, "the popup menu did not come up");
    else if (!gCloser.Skinned)
        Fail(cycle, "the popup menu was not skinned");
    PumpWaiting();
}

void TSoakCycle::ResizeAndMaximize(int cycle, HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    for (const int grow : {60, -60, 0}) {
        SetWindowPos(window, nullptr, 0, 0, width + grow, height + grow / 2, kSizeOnly);
        PumpWaiting();
    }
    ShowWindow(window, SW_MAXIMIZE);
    PumpWaiting();
    if (!IsZoomed(window))
        Fail(cycle, "the form did not maximize");
    ShowWindow(window, SW_RESTORE);
    PumpWaiting();
    if (!IsSkinned(window))
        Fail(cycle, "the form lost its skin while resized");
}

} // namespace veyra
