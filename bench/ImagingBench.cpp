// Composition of a window frame and the shaped-region scan, each against a
// memcpy of the same number of pixels in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/imaging/BitmapRegion.h"
#include "skin/imaging/SlicedDrawing.h"

namespace {

using namespace veyra;

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 715;
constexpr Margins kBorderMargins{8, 30, 8, 8};

// Three 64 x 64 frames of a border with a 30-pixel title, a patterned middle
// and magenta outside the rounded corners.
const Bitmap& BorderImage() {
    static const Bitmap image = [] {
        Bitmap b(3 * 64, 64, PixelFormat::Rgb24);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const int fx = x % 64;
                const bool corner = (fx < 3 || fx > 60) && (y < 3 || y > 60) && (fx + y) % 2 == 0;
                b.At(x, y) = corner ? PixelOf(kKeyColour) : PixelOf(Rgb(x * 3, y * 4, (x + y) * 2));
            }
        return b;
    }();
    return image;
}

void ComposeFrame(benchmark::State& state, MiddleFill middle) {
    const Bitmap& image = BorderImage();
    for (auto _ : state) {
        Bitmap frame = BuildSlicedFrame({0, 0, kWindowWidth, kWindowHeight}, image, kBorderMargins,
                                        FrameLayout::Horizontal, middle, 3, 2);
        benchmark::DoNotOptimize(frame.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
}

void CopyPixels(benchmark::State& state, std::size_t pixels) {
    std::vector<Pixel> from(pixels, 0x12345678), to(pixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), pixels * sizeof(Pixel));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pixels));
}

void BM_NineSliceStretched(benchmark::State& state) {
    ComposeFrame(state, MiddleFill::Stretch);
}
BENCHMARK(BM_NineSliceStretched)->Unit(benchmark::kMicrosecond);

void BM_NineSliceStretched_Baseline(benchmark::State& state) {
    CopyPixels(state, kWindowWidth * kWindowHeight);
}
BENCHMARK(BM_NineSliceStretched_Baseline)->Unit(benchmark::kMicrosecond);

void BM_NineSliceTiled(benchmark::State& state) {
    ComposeFrame(state, MiddleFill::Tile);
}
BENCHMARK(BM_NineSliceTiled)->Unit(benchmark::kMicrosecond);

void BM_NineSliceTiled_Baseline(benchmark::State& state) {
    CopyPixels(state, kWindowWidth * kWindowHeight);
}
BENCHMARK(BM_NineSliceTiled_Baseline)->Unit(benchmark::kMicrosecond);

// The title strip of the window above: 1000 x 30 with rounded transparent
// corners, scanned for its opaque runs.
void BM_RegionScan(benchmark::State& state) {
    const Bitmap strip = BuildSlicedFrame({0, 0, kWindowWidth, 30}, BorderImage(), kBorderMargins,
                                          FrameLayout::Horizontal, MiddleFill::Stretch, 3, 1);
    std::size_t rects = 0;
    for (auto _ : state) {
        const std::vector<Rect> region = RegionOfBitmap(strip, 0, 0, {1, 1, 1});
        rects = region.size();
        benchmark::DoNotOptimize(region.data());
    }
    state.counters["rects"] = static_cast<double>(rects);
    state.SetItemsProcessed(state.iterations() * kWindowWidth * 30);
}
BENCHMARK(BM_RegionScan)->Unit(benchmark::kMicrosecond);

void BM_RegionScan_Baseline(benchmark::State& state) {
    CopyPixels(state, kWindowWidth * 30);
}
BENCHMARK(BM_RegionScan_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace
