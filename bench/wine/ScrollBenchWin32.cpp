// scroll_bench.exe: a memo's skinned vertical scroll bar drawn again as it is
// at each step of a thumb drag, through the real window system, against a
// BitBlt of the same area to the same overlay window in the same run.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchHarness.h"
#include "framework/Application.h"
#include "framework/CustomForm.h"
#include "framework/Memo.h"
#include "skin/component/SkinData.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/manager/EngineState.h"

namespace veyra::bench {
namespace {

constexpr int kMemoWidth = 400;
constexpr int kMemoHeight = 600;
constexpr int kLines = 2000;

class TScrollBench {
public:
    explicit TScrollBench(const std::wstring& skinPath);
    ~TScrollBench() {
        Skinned_.reset();
        delete Form_;
    }
    // "" when the memo's vertical overlay is shown, else why not.
    const std::string& SetUpError() const { return SetUpError_; }
    void AddCases(TBenchHarness& harness);
    SIZE BarSize() const { return Size_; }

private:
    void DragStep();
    void BlitBaseline();

    TSkinData SkinData_{nullptr};
    TEngineState Engine_;
    TForm* Form_ = nullptr;
    TMemo* Memo_ = nullptr;
    TWScrollbar* Overlay_ = nullptr;
    std::unique_ptr<TWinSkinForm> Skinned_;
    std::unique_ptr<DibSurface> Picture_;
    SIZE Size_{};
    std::string SetUpError_;
};

TScrollBench::TScrollBench(const std::wstring& skinPath) {
    SkinData_.SetSkinFile(skinPath);
    if (SkinData_.NoSkin()) {
        SetUpError_ = "no skin loaded from the given path";
        return;
    }
    Form_ = new TForm(nullptr);
    Form_->SetBounds(0, 0, kMemoWidth + 60, kMemoHeight + 80);
    Memo_ = new TMemo(Form_);
    Memo_->SetParent(Form_);
    Memo_->SetBounds(8, 8, kMemoWidth, kMemoHeight);
    Memo_->SetScrollBars(ssVertical);
    std::vector<std::wstring> lines;
    for (int i = 0; i < kLines; ++i)
        lines.push_back(L"600" + std::to_wstring(i) + L"  a quote line of the day");
    Memo_->SetLines(lines);
    if (!Form_->Handle()) {
        SetUpError_ = "cannot create the windows (is there a display?)";
        return;
    }
    ShowWindow(Form_->Handle(), SW_SHOW);
    Skinned_ = std::make_unique<TWinSkinForm>(nullptr, Form_->Handle(), Engine_);
    Skinned_->AttachToForm(&SkinData_, Form_);
    SendMessageW(Form_->Handle(), SKINMSG_INIT, 0, kSkinInitParam);
    PumpMessages();
    auto* skin = dynamic_cast<TSkinScrollbar*>(Skinned_->FindControlObject(Memo_->Handle()));
    Overlay_ = skin ? skin->Overlays().Vert() : nullptr;
    if (!Overlay_ || !Overlay_->Shown()) {
        SetUpError_ = "the memo's vertical bar has no shown overlay after SKINMSG_INIT";
        return;
    }
    RECT r{};
    GetClientRect(Overlay_->Handle(), &r);
    Size_ = {r.right, r.bottom};
    Picture_ = std::make_unique<DibSurface>(Size_.cx, Size_.cy);
    Picture_->Pixels().Fill(0x00336699);
}

void TScrollBench::DragStep() {
    // What a drag does to the bar at each step: the memo reports the thumb
    // being tracked, and the overlay reads the bar and draws itself again.
    Overlay_->NoteScrollCode(SB_THUMBTRACK);
    GdiFlush();
}

void TScrollBench::BlitBaseline() {
    const WindowDcScope dc(Overlay_->Handle(), false);
    BitBlt(dc.Get(), 0, 0, Size_.cx, Size_.cy, Picture_->Dc(), 0, 0, SRCCOPY);
    GdiFlush();
}

void TScrollBench::AddCases(TBenchHarness& harness) {
    harness.Add({"BM_WinScrollDrag", nullptr, [this] { DragStep(); }});
    harness.Add({"BM_WinScrollDrag_Baseline", nullptr, [this] { BlitBaseline(); }});
}

int Run(int argc, wchar_t** argv) {
    TBenchOptions options;
    if (!ParseBenchOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: scroll_bench [--min-time=SECONDS] [SKIN.skn]\n");
        return 2;
    }
    Application().Initialize();
    TScrollBench bench(options.SkinPath);
    if (!bench.SetUpError().empty()) {
        std::fprintf(stderr, "scroll_bench: %s\n", bench.SetUpError().c_str());
        return 2;
    }
    const SIZE size = bench.BarSize();
    std::printf("BM_WinScrollDrag: one step of a thumb drag on a %d-line memo, its %ld x %ld "
                "vertical overlay drawn again; baseline: BitBlt of the same area to the same "
                "window\n\n",
                kLines, size.cx, size.cy);
    TBenchHarness harness(options.MinSeconds, "");
    bench.AddCases(harness);
    const bool ran = harness.Run(stdout);
    harness.PrintVerdict(stdout, "BM_WinScrollDrag", "scroll-bar repaint in a drag", 3);
    return ran ? 0 : 1;
}

} // namespace
} // namespace veyra::bench

int wmain(int argc, wchar_t** argv) {
    return veyra::bench::RunGuarded("scroll_bench", &veyra::bench::Run, argc, argv);
}
