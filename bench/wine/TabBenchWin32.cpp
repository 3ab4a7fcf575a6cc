// tab_bench.exe: a full paint of the viewer's skinned page control, 1000 x 715
// with its four tabs, through the real window system, against a BitBlt of the
// same area to the same window in the same run.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "BenchHarness.h"
#include "framework/Application.h"
#include "framework/CustomForm.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "skin/component/SkinData.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/manager/EngineState.h"

namespace veyra::bench {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 715;
// The viewer's four pages.
constexpr const wchar_t* kPages[] = {L"DDE实时数据", L"DDE历史数据", L"DDE分析图", L"DDE排行"};

class TTabBench {
public:
    explicit TTabBench(const std::wstring& skinPath);
    ~TTabBench() {
        Skinned_.reset();
        delete Form_;
    }
    // "" when the page control is skinned and shown, else why not.
    const std::string& SetUpError() const { return SetUpError_; }
    void AddCases(TBenchHarness& harness);

private:
    HWND PageWindow() const { return Pages_->WindowHandle(); }
    void Redraw();
    void PaintWhole();
    void BlitBaseline();
    std::string SwitchSkin(bool on);

    TSkinData SkinData_{nullptr};
    TEngineState Engine_;
    TForm* Form_ = nullptr;
    TPageControl* Pages_ = nullptr;
    std::unique_ptr<TWinSkinForm> Skinned_;
    std::unique_ptr<DibSurface> Picture_;
    std::string SetUpError_;
};

TTabBench::TTabBench(const std::wstring& skinPath) {
    SkinData_.SetSkinFile(skinPath);
    if (SkinData_.NoSkin()) {
        SetUpError_ = "no skin loaded from the given path";
        return;
    }
    Form_ = new TForm(nullptr);
    Form_->SetBounds(0, 0, kWidth + 60, kHeight + 80);
    Pages_ = new TPageControl(Form_);
    Pages_->SetParent(Form_);
    Pages_->SetBounds(8, 8, kWidth, kHeight);
    for (const wchar_t* caption : kPages) {
        auto* sheet = new TTabSheet(Form_);
        sheet->SetPageControl(Pages_);
        sheet->SetCaption(caption);
    }
    if (!Form_->Handle()) {
        SetUpError_ = "cannot create the windows (is there a display?)";
        return;
    }
    ShowWindow(Form_->Handle(), SW_SHOW);
    Skinned_ = std::make_unique<TWinSkinForm>(nullptr, Form_->Handle(), Engine_);
    Skinned_->AttachToForm(&SkinData_, Form_);
    SendMessageW(Form_->Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    PumpMessages();
    if (SendMessageW(PageWindow(), SKINMSG_ISSKINNED, 0, 0) != 1) {
        SetUpError_ = "the page control is not skinned after SKINMSG_INIT";
        return;
    }
    Picture_ = std::make_unique<DibSurface>(kWidth, kHeight);
    Picture_->Pixels().Fill(0x00336699);
}

void TTabBench::Redraw() {
    // Only the page control itself: its pages are windows of their own.
    RedrawWindow(PageWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
    GdiFlush();
}

void TTabBench::PaintWhole() {
    // The control's whole paint into its own DC, as WM_PAINT with a DC asks.
    const WindowDcScope dc(PageWindow(), false);
    SendMessageW(PageWindow(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
}

void TTabBench::BlitBaseline() {
    const WindowDcScope dc(PageWindow(), false);
    BitBlt(dc.Get(), 0, 0, kWidth, kHeight, Picture_->Dc(), 0, 0, SRCCOPY);
    GdiFlush();
}

std::string TTabBench::SwitchSkin(bool on) {
    SendMessageW(PageWindow(), SKINMSG_ENABLE, on ? 1 : 0, 0);
    return {};
}

void TTabBench::AddCases(TBenchHarness& harness) {
    harness.Add({"BM_WinTabPaint", [this] { return SwitchSkin(true); }, [this] { PaintWhole(); }});
    harness.Add({"BM_WinTabPaint_Baseline", nullptr, [this] { BlitBaseline(); }});
    // The same paint after a message that may have changed a tab: the strip
    // is read and composed again (the pane only changes with the size).
    harness.Add({"BM_WinTabPaintFresh", nullptr, [this] {
                     SendMessageW(PageWindow(), TCM_SETCURFOCUS, 0, 0);
                     PaintWhole();
                 }});
    harness.Add({"BM_WinTabRedraw", nullptr, [this] { Redraw(); }});
    harness.Add(
        {"BM_WinTabRedraw_Baseline", [this] { return SwitchSkin(false); }, [this] { Redraw(); }});
}

int Run(int argc, wchar_t** argv) {
    TBenchOptions options;
    if (!ParseBenchOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: tab_bench [--min-time=SECONDS] [SKIN.skn]\n");
        return 2;
    }
    Application().Initialize();
    TTabBench bench(options.SkinPath);
    if (!bench.SetUpError().empty()) {
        std::fprintf(stderr, "tab_bench: %s\n", bench.SetUpError().c_str());
        return 2;
    }
    std::printf("BM_WinTabPaint: WM_PAINT with the control's DC, the skinned %d x %d page control "
                "with four tabs painted whole; baseline: BitBlt %d x %d from a memory DC to the "
                "same DC\n",
                kWidth, kHeight, kWidth, kHeight);
    std::printf("BM_WinTabPaintFresh: the same after TCM_SETCURFOCUS, so the strip is composed "
                "again\n");
    std::printf("BM_WinTabRedraw: RedrawWindow RDW_INVALIDATE|RDW_UPDATENOW of the skinned "
                "control; baseline: the same with skinning switched off (the platform's paint)"
                "\n\n");
    TBenchHarness harness(options.MinSeconds, "");
    bench.AddCases(harness);
    const bool ran = harness.Run(stdout);
    harness.PrintVerdict(stdout, "BM_WinTabPaint", "page control paint", 4);
    if (const double blit = harness.TimeOf("BM_WinTabPaint_Baseline"); blit > 0)
        std::printf("page control paint with the strip composed again: %.2fx the blit\n",
                    harness.TimeOf("BM_WinTabPaintFresh") / blit);
    return ran ? 0 : 1;
}

} // namespace
} // namespace veyra::bench

int wmain(int argc, wchar_t** argv) {
    return veyra::bench::RunGuarded("tab_bench", &veyra::bench::Run, argc, argv);
}
