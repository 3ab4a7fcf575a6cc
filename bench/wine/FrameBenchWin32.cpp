// The skinned main window's frame paint and resize step through the real
// window system, each against the platform doing the same work unskinned:
//
//   frame_bench [--min-time=SECONDS] [--filter=TEXT] [SKIN.skn]
//
// The skin defaults to skin\skin.skn beside the program, where the build
// puts the product's default skin. Exits 0 when every selected case ran, 1
// when a case could not be measured honestly (the window was not skinned,
// had no region, or a step did not repaint), 2 for a bad command line or an
// unloadable skin.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "BenchHarness.h"
#include "framework/Application.h"
#include "skin/component/SkinData.h"
#include "skin/form/FramePainter.h"
#include "skin/form/FrameRegion.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra::bench {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 715;
constexpr wchar_t kClassName[] = L"VeyraFrameBenchWindow";
// A colour none of the product's frames has: painted into the title bar to
// see whether a step really repainted the frame.
constexpr COLORREF kMarker = RGB(1, 254, 3);
// Where the marker goes: the middle of the title bar, clear of the caption
// text on the left and the buttons on the right.
constexpr POINT kMarkerAt{kWidth / 2, 8};
// What a resize step must stay under: a quarter of a 60 Hz frame.
constexpr double kResizeTargetMicroseconds = 4000;
// The skinned step against the same window's unskinned step.
constexpr double kResizeTargetRatio = 1.25;
// Steps timed message by message for the breakdown of a step.
constexpr int kProfileSteps = 40;

// How often WM_SIZE reached the class's own procedure, behind any subclass.
int gSizeMessages = 0;

LRESULT CALLBACK BenchWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SIZE)
        ++gSizeMessages;
    return DefWindowProcW(window, msg, wParam, lParam);
}

void RegisterBenchClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &BenchWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
}

// A top-level WS_OVERLAPPEDWINDOW of the bench class, destroyed with the owner.
class TBenchWindow {
public:
    explicit TBenchWindow(const wchar_t* caption)
        : Handle_(CreateWindowExW(0, kClassName, caption, WS_OVERLAPPEDWINDOW, 20, 20, kWidth,
                                  kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    TBenchWindow(const TBenchWindow&) = delete;
    TBenchWindow& operator=(const TBenchWindow&) = delete;
    ~TBenchWindow() {
        if (Handle_ && IsWindow(Handle_))
            DestroyWindow(Handle_);
    }
    HWND Handle() const { return Handle_; }

private:
    HWND Handle_;
};

// Counts the messages a window receives while the spy lives, on top of
// every other subclass, so it sees what the skinned window is sent.
class TMessageSpy {
public:
    explicit TMessageSpy(HWND window) : Window_(window) {
        SetWindowSubclass(Window_, &TMessageSpy::Proc, kSpyId, reinterpret_cast<DWORD_PTR>(this));
    }
    TMessageSpy(const TMessageSpy&) = delete;
    TMessageSpy& operator=(const TMessageSpy&) = delete;
    ~TMessageSpy() { RemoveWindowSubclass(Window_, &TMessageSpy::Proc, kSpyId); }
    int CountOf(UINT msg) const {
        const auto found = Seen_.find(msg);
        return found == Seen_.end() ? 0 : found->second;
    }

private:
    static constexpr UINT_PTR kSpyId = 0x5059;
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        ++reinterpret_cast<TMessageSpy*>(self)->Seen_[msg];
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    HWND Window_;
    std::map<UINT, int> Seen_;
};

// Times what a window's procedures spend on each message while the profiler
// lives, on top of every other subclass: per message, the time inside it
// less the time of the messages sent from inside it, so that a nested
// message is counted once, under its own name.
class TMessageProfiler {
public:
    explicit TMessageProfiler(HWND window) : Window_(window) {
        SetWindowSubclass(Window_, &TMessageProfiler::Proc, kProfilerId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    TMessageProfiler(const TMessageProfiler&) = delete;
    TMessageProfiler& operator=(const TMessageProfiler&) = delete;
    ~TMessageProfiler() { RemoveWindowSubclass(Window_, &TMessageProfiler::Proc, kProfilerId); }
    // Counter ticks spent on msg itself.
    long long TicksOf(UINT msg) const {
        const auto found = Ticks_.find(msg);
        return found == Ticks_.end() ? 0 : found->second;
    }
    // Counter ticks spent on every message, nested ones once.
    long long TotalTicks() const {
        long long total = 0;
        for (const auto& [msg, ticks] : Ticks_)
            total += ticks;
        return total;
    }

private:
    static constexpr UINT_PTR kProfilerId = 0x5046;
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR self) {
        auto& profiler = *reinterpret_cast<TMessageProfiler*>(self);
        LARGE_INTEGER start{}, end{};
        const long long nestedBefore = profiler.Nested_;
        QueryPerformanceCounter(&start);
        const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
        QueryPerformanceCounter(&end);
        const long long inside = end.QuadPart - start.QuadPart;
        const long long nested = profiler.Nested_ - nestedBefore;
        profiler.Ticks_[msg] += inside - nested;
        profiler.Nested_ = nestedBefore + inside;
        return result;
    }
    HWND Window_;
    std::map<UINT, long long> Ticks_;
    long long Nested_ = 0; // ticks of messages finished so far, nested ones in their parents'
};

// Shows window, active and on top, with the other one hidden: the two are
// too big to sit side by side, and a covered window paints less.
void ShowOnly(HWND window, HWND other) {
    ShowWindow(other, SW_HIDE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    PumpMessages();
}

void Resize(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE OuterSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// "" when window has a region covering exactly its outer rectangle (the
// skinned shape's bounds), else what is wrong.
std::string CheckRegionFits(HWND window) {
    RegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    const int kind = GetWindowRgn(window, probe.Get());
    if (kind == ERROR)
        return "the skinned window has no region";
    if (kind == NULLREGION)
        return "the skinned window's region is empty";
    RECT box{};
    GetRgnBox(probe.Get(), &box);
    const SIZE size = OuterSize(window);
    if (box.left != 0 || box.top != 0 || box.right != size.cx || box.bottom != size.cy)
        return "the region (" + std::to_string(box.right) + " x " + std::to_string(box.bottom) +
               ") was not rebuilt for the window's " + std::to_string(size.cx) + " x " +
               std::to_string(size.cy);
    return {};
}

std::string CheckSkinned(HWND window) {
    if (SendMessageW(window, SKINMSG_ISSKINNED, 0, 0) != 1)
        return "SKINMSG_ISSKINNED does not answer 1: the window is not skinned";
    return CheckRegionFits(window);
}

// "" when step repaints the marker in the title bar away, else what is wrong.
std::string CheckRepaints(HWND window, const std::function<void()>& step, const char* what) {
    {
        WindowDcScope dc(window);
        SetPixelV(dc.Get(), kMarkerAt.x, kMarkerAt.y, kMarker);
        GdiFlush();
        if (GetPixel(dc.Get(), kMarkerAt.x, kMarkerAt.y) != kMarker)
            return "cannot read the window's pixels back to check its repaint";
    }
    step();
    WindowDcScope dc(window);
    if (GetPixel(dc.Get(), kMarkerAt.x, kMarkerAt.y) == kMarker)
        return std::string(what) + " did not repaint the frame";
    return {};
}

// The windows and the skin of the whole run.
class TFrameBench {
public:
    explicit TFrameBench(const std::wstring& skinPath);

    // "" when the skin loaded and the skinned window is running, else why not.
    std::string SetUpError() const { return SetUpError_; }
    void AddCases(TBenchHarness& harness);

    // What one skinned resize step sent the window, counted while preparing.
    std::string StepMessages;
    // Prints where a resize step of each window spends its time, message by
    // message; nothing when the windows are not up.
    void PrintStepBreakdown(std::FILE* out);

private:
    std::string PrepareSkinnedPaint();
    std::string PrepareSkinnedResize();
    std::string PreparePlain();
    std::string PreparePlainResize();
    // Puts window back to 1000 x 715; the next resize step grows it.
    void ResetSize(HWND window);
    // One step of a drag resize: 1000 x 715 and 1001 x 716 by turns, so the
    // region is rebuilt every time, then whatever painting is pending.
    void ResizeStep(HWND window);
    void PaintSkinnedFrame();
    void BlitBaseline();
    std::string PreparePainter();
    void PaintOffScreen();
    void BlitOffScreen();
    std::string PrepareRegion();
    // Builds (and drops) the region of the next size of a resize, without
    // giving it to the window.
    void BuildNextRegion();

    TSkinData SkinData_{nullptr};
    TBenchWindow Skinned_{L"Veyra skinned frame"};
    TBenchWindow Plain_{L"Veyra plain frame"};
    TEngineState Engine_;
    std::unique_ptr<TWinSkinForm> Form_;
    std::unique_ptr<DibSurface> Picture_;
    // The off-screen target and what the painter is given for it.
    std::unique_ptr<DibSurface> OffScreen_;
    TFramePaintInput PainterInput_;
    FontHandle CaptionFont_;
    Bitmap RegionScratch_;
    bool Grown_ = false;
    std::string SetUpError_;
};

TFrameBench::TFrameBench(const std::wstring& skinPath) {
    if (!Skinned_.Handle() || !Plain_.Handle()) {
        SetUpError_ = "cannot create the windows (is there a display?)";
        return;
    }
    SkinData_.SetSkinFile(skinPath);
    if (SkinData_.NoSkin()) {
        SetUpError_ = "no skin loaded from the given path";
        return;
    }
    ShowOnly(Skinned_.Handle(), Plain_.Handle());
    Form_ = std::make_unique<TWinSkinForm>(nullptr, Skinned_.Handle(), Engine_);
    Form_->InitSkin(&SkinData_);
    SendMessageW(Skinned_.Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    // Skinning keeps the client size; the benchmark wants the outer size.
    Resize(Skinned_.Handle(), kWidth, kHeight);
    PumpMessages();
    if (!Form_->SkinFrame() || Form_->LifeState() != TLifeState::Running)
        SetUpError_ = "the window's frame is not skinned after SKINMSG_INIT";
    Picture_ = std::make_unique<DibSurface>(kWidth, kHeight);
    Picture_->Pixels().Fill(0x00336699);
}

void TFrameBench::ResetSize(HWND window) {
    Resize(window, kWidth, kHeight);
    Grown_ = false;
}

void TFrameBench::ResizeStep(HWND window) {
    Grown_ = !Grown_;
    const int grow = Grown_ ? 1 : 0;
    Resize(window, kWidth + grow, kHeight + grow);
    UpdateWindow(window);
    GdiFlush();
}

void TFrameBench::PaintSkinnedFrame() {
    SendMessageW(Skinned_.Handle(), SKINMSG_REPAINTFRAME, 0, 0);
    GdiFlush();
}

void TFrameBench::BlitBaseline() {
    WindowDcScope dc(Skinned_.Handle());
    BitBlt(dc.Get(), 0, 0, kWidth, kHeight, Picture_->Dc(), 0, 0, SRCCOPY);
    GdiFlush();
}

std::string TFrameBench::PrepareSkinnedPaint() {
    ShowOnly(Skinned_.Handle(), Plain_.Handle());
    ResetSize(Skinned_.Handle());
    const SIZE size = OuterSize(Skinned_.Handle());
    if (size.cx != kWidth || size.cy != kHeight)
        return "the skinned window is " + std::to_string(size.cx) + " x " + std::to_string(size.cy);
    if (std::string error = CheckSkinned(Skinned_.Handle()); !error.empty())
        return error;
    return CheckRepaints(
        Skinned_.Handle(), [this] { PaintSkinnedFrame(); }, "SKINMSG_REPAINTFRAME");
}

std::string TFrameBench::PrepareSkinnedResize() {
    ShowOnly(Skinned_.Handle(), Plain_.Handle());
    ResetSize(Skinned_.Handle());
    // Two steps, out and back: each must pass WM_SIZE on to the window's own
    // procedure, rebuild the region for its size and repaint the frame.
    for (int i = 0; i < 2; ++i) {
        const int sizesBefore = gSizeMessages;
        std::string error;
        {
            TMessageSpy spy(Skinned_.Handle());
            error = CheckRepaints(
                Skinned_.Handle(), [this] { ResizeStep(Skinned_.Handle()); }, "a resize step");
            StepMessages = std::to_string(spy.CountOf(WM_SIZE)) + " WM_SIZE, " +
                           std::to_string(spy.CountOf(WM_NCCALCSIZE)) + " WM_NCCALCSIZE, " +
                           std::to_string(spy.CountOf(WM_NCPAINT)) + " WM_NCPAINT, " +
                           std::to_string(spy.CountOf(WM_ERASEBKGND)) + " WM_ERASEBKGND, " +
                           std::to_string(spy.CountOf(WM_PAINT)) + " WM_PAINT";
        }
        if (!error.empty())
            return error;
        if (gSizeMessages != sizesBefore + 1)
            return "a resize step sent " + std::to_string(gSizeMessages - sizesBefore) +
                   " WM_SIZE, not 1";
        if (std::string error = CheckSkinned(Skinned_.Handle()); !error.empty())
            return error;
    }
    return {};
}

std::string TFrameBench::PreparePlain() {
    ShowOnly(Plain_.Handle(), Skinned_.Handle());
    ResetSize(Plain_.Handle());
    if (SendMessageW(Plain_.Handle(), SKINMSG_ISSKINNED, 0, 0) != 0)
        return "the baseline window answers as skinned";
    RegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(Plain_.Handle(), probe.Get()) != ERROR)
        return "the baseline window has a region";
    return {};
}

std::string TFrameBench::PreparePlainResize() {
    if (std::string error = PreparePlain(); !error.empty())
        return error;
    const int sizesBefore = gSizeMessages;
    ResizeStep(Plain_.Handle());
    if (gSizeMessages != sizesBefore + 1)
        return "a baseline resize step sent no WM_SIZE";
    return {};
}

// The painter alone, into a memory DC, with what the skinned window gives it:
// its cost without the window DC, the window surface and the X server.
std::string TFrameBench::PreparePainter() {
    const TSkinDefinition* skin = Form_ ? Form_->Skin() : nullptr;
    if (!skin)
        return "the skinned window has no skin definition";
    OffScreen_ = std::make_unique<DibSurface>(kWidth, kHeight);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        CaptionFont_.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
    PainterInput_ = {};
    PainterInput_.Skin = skin;
    PainterInput_.Metrics = Form_->Metrics();
    PainterInput_.Width = kWidth;
    PainterInput_.Height = kHeight;
    PainterInput_.Caption = L"Veyra skinned frame";
    PainterInput_.CaptionFont = CaptionFont_.Get();
    PainterInput_.Traits.HasSystemMenu = PainterInput_.Traits.HasMinimizeBox = true;
    PainterInput_.Traits.HasMaximizeBox = true;
    PainterInput_.Traits.Kind = TBorderKind::Sizeable;
    Bitmap& pixels = OffScreen_->Pixels();
    pixels.Fill(PixelOf(kMarker));
    PaintOffScreen();
    if (ColourOf(OffScreen_->Pixels().At(kMarkerAt.x, kMarkerAt.y)) == kMarker)
        return "the painter left the title bar unpainted";
    return {};
}

void TFrameBench::PaintOffScreen() {
    const TFramePaintResult result = veyra::PaintFrame(OffScreen_->Dc(), PainterInput_);
    PainterInput_.ButtonsLeftEdge = result.Buttons.ButtonsLeftEdge;
    GdiFlush();
}

void TFrameBench::BlitOffScreen() {
    BitBlt(OffScreen_->Dc(), 0, 0, kWidth, kHeight, Picture_->Dc(), 0, 0, SRCCOPY);
    GdiFlush();
}

std::string TFrameBench::PrepareRegion() {
    if (!Form_ || !Form_->Skin())
        return "the skinned window has no skin definition";
    BuildNextRegion();
    return {};
}

void TFrameBench::BuildNextRegion() {
    Grown_ = !Grown_;
    const int grow = Grown_ ? 1 : 0;
    const RegionHandle region =
        BuildFrameRegion(*Form_->Skin(), Form_->Metrics(), Form_->BorderKind(), Form_->Active(),
                         kWidth + grow, kHeight + grow, RegionScratch_);
}

void TFrameBench::PrintStepBreakdown(std::FILE* out) {
    static const struct {
        UINT Msg;
        const char* Name;
    } kShown[] = {{WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                  {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                  {WM_NCPAINT, "WM_NCPAINT"},
                  {WM_ERASEBKGND, "WM_ERASEBKGND"},
                  {WM_PAINT, "WM_PAINT"},
                  {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                  {WM_MOVE, "WM_MOVE"},
                  {WM_SIZE, "WM_SIZE"}};
    if (!Skinned_.Handle() || !Plain_.Handle() || !Form_)
        return;
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const auto us = [&](long long ticks) {
        return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency.QuadPart) /
               kProfileSteps;
    };
    double columns[2][std::size(kShown) + 3] = {};
    const HWND windows[2] = {Skinned_.Handle(), Plain_.Handle()};
    for (int which = 0; which < 2; ++which) {
        ShowOnly(windows[which], windows[1 - which]);
        ResetSize(windows[which]);
        ResizeStep(windows[which]);
        TMessageProfiler profiler(windows[which]);
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        for (int i = 0; i < kProfileSteps; ++i)
            ResizeStep(windows[which]);
        QueryPerformanceCounter(&end);
        long long listed = 0;
        for (std::size_t m = 0; m < std::size(kShown); ++m) {
            columns[which][m] = us(profiler.TicksOf(kShown[m].Msg));
            listed += profiler.TicksOf(kShown[m].Msg);
        }
        const long long all = profiler.TotalTicks();
        columns[which][std::size(kShown)] = us(all - listed);
        columns[which][std::size(kShown) + 1] = us(end.QuadPart - start.QuadPart - all);
        columns[which][std::size(kShown) + 2] = us(end.QuadPart - start.QuadPart);
    }
    std::fprintf(out,
                 "\nwhere a resize step goes (us per step over %d steps; each message less the "
                 "messages sent inside it):\n  %-34s %10s %10s\n",
                 kProfileSteps, "", "skinned", "unskinned");
    for (std::size_t m = 0; m < std::size(kShown); ++m)
        std::fprintf(out, "  %-34s %10.1f %10.1f\n", kShown[m].Name, columns[0][m], columns[1][m]);
    const char* rest[] = {"other messages", "outside the window procedures", "the whole step"};
    for (std::size_t r = 0; r < std::size(rest); ++r)
        std::fprintf(out, "  %-34s %10.1f %10.1f\n", rest[r], columns[0][std::size(kShown) + r],
                     columns[1][std::size(kShown) + r]);
    std::fflush(out);
}

void TFrameBench::AddCases(TBenchHarness& harness) {
    harness.Add(
        {"BM_WinFramePainter", [this] { return PreparePainter(); }, [this] { PaintOffScreen(); }});
    harness.Add({"BM_WinFramePainter_Baseline", [this] { return PreparePainter(); },
                 [this] { BlitOffScreen(); }});
    const HWND skinned = Skinned_.Handle();
    const HWND plain = Plain_.Handle();
    harness.Add({"BM_WinFramePaint", [this] { return PrepareSkinnedPaint(); },
                 [this] { PaintSkinnedFrame(); }});
    harness.Add({"BM_WinFramePaint_Baseline", [this] { return PrepareSkinnedPaint(); },
                 [this] { BlitBaseline(); }});
    harness.Add({"BM_WinFrameRedraw", [this] { return PrepareSkinnedPaint(); },
                 [skinned] {
                     RedrawWindow(skinned, nullptr, nullptr,
                                  RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                 }});
    harness.Add({"BM_WinFrameRedraw_Baseline", [this] { return PreparePlain(); },
                 [plain] {
                     RedrawWindow(plain, nullptr, nullptr,
                                  RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
                 }});
    harness.AddPair({{"BM_WinFrameResizeStep", [this] { return PrepareSkinnedResize(); },
                      [this, skinned] { ResizeStep(skinned); }},
                     {"BM_WinFrameResizeStep_Baseline", [this] { return PreparePlainResize(); },
                      [this, plain] { ResizeStep(plain); }}});
    harness.Add(
        {"BM_WinFrameRegion", [this] { return PrepareRegion(); }, [this] { BuildNextRegion(); }});
}

struct TOptions {
    double MinSeconds = 0.5;
    std::string Filter;
    std::wstring SkinPath = DefaultSkinPath();
};

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

bool ParseOptions(int argc, wchar_t** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg.starts_with(L"--min-time=")) {
            options.MinSeconds = std::wcstod(arg.c_str() + 11, nullptr);
            if (!(options.MinSeconds > 0))
                return false;
        } else if (arg.starts_with(L"--filter=")) {
            options.Filter = Narrow(arg.substr(9));
        } else if (arg.starts_with(L"--")) {
            return false;
        } else {
            options.SkinPath = arg;
        }
    }
    return true;
}

void PrintResizeVerdict(const TBenchHarness& harness, const std::string& stepMessages) {
    harness.PrintVerdict(stdout, "BM_WinFrameResizeStep", "resize step against the unskinned step",
                         kResizeTargetRatio);
    if (!stepMessages.empty())
        std::printf("\none skinned resize step (back to 1000 x 715) sent the window: %s\n",
                    stepMessages.c_str());
    for (const TBenchResult& r : harness.Results())
        if (r.Name == "BM_WinFrameResizeStep")
            std::printf("\nresize step: %.1f us per step, target under %.0f us: %s\n",
                        r.MicrosecondsPerIteration, kResizeTargetMicroseconds,
                        r.MicrosecondsPerIteration < kResizeTargetMicroseconds ? "met" : "NOT met");
}

int Run(int argc, wchar_t** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: frame_bench [--min-time=SECONDS] [--filter=TEXT] [SKIN.skn]\n");
        return 2;
    }
    Application().Initialize();
    RegisterBenchClass();
    TFrameBench bench(options.SkinPath);
    if (!bench.SetUpError().empty()) {
        std::fprintf(stderr, "frame_bench: %s (skin %s)\n", bench.SetUpError().c_str(),
                     Narrow(options.SkinPath).c_str());
        return 2;
    }
    std::printf("skinned WS_OVERLAPPEDWINDOW, %d x %d, skin %s\n", kWidth, kHeight,
                Narrow(options.SkinPath).c_str());
    std::printf("BM_WinFramePaint: SendMessage SKINMSG_REPAINTFRAME; baseline: BitBlt %d x %d from "
                "a memory DC "
                "to the window DC\n",
                kWidth, kHeight);
    std::printf("BM_WinFramePainter: PaintFrame into a %d x %d memory DC; baseline: BitBlt memory "
                "DC to memory "
                "DC\n",
                kWidth, kHeight);
    std::printf("BM_WinFrameRedraw: RedrawWindow RDW_FRAME|RDW_INVALIDATE|RDW_UPDATENOW; baseline: "
                "the same on "
                "the unskinned window\n");
    std::printf("BM_WinFrameResizeStep: SetWindowPos %d x %d <-> %d x %d, then UpdateWindow; "
                "baseline: the same "
                "on the unskinned window; the two take turns, %d rounds, medians\n",
                kWidth, kHeight, kWidth + 1, kHeight + 1, TBenchPair{}.Rounds);
    std::printf("BM_WinFrameRegion: the skinned window's region for the next size of a resize, "
                "built and dropped (part of the skinned step)\n\n");
    TBenchHarness harness(options.MinSeconds, options.Filter);
    bench.AddCases(harness);
    const bool ran = harness.Run(stdout);
    PrintResizeVerdict(harness, bench.StepMessages);
    if (ran && harness.TimeOf("BM_WinFrameResizeStep") > 0)
        bench.PrintStepBreakdown(stdout);
    return ran ? 0 : 1;
}

} // namespace
} // namespace veyra::bench

int wmain(int argc, wchar_t** argv) {
    return veyra::bench::RunGuarded("frame_bench", &veyra::bench::Run, argc, argv);
}
