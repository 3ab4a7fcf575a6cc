// The platform-free share of painting and resizing a skinned 1000 x 715 main
// window with the product's default skin: composing the frame off screen and
// scanning the shaped borders for the window region. Each is measured against
// a memcpy of the same number of pixels in the same run. The Win32 share (the
// caption text, the blits to the window DC, the region handle) is measured
// under Wine by bench/wine/frame_bench.exe.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/BorderPieces.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/data/SkinLoader.h"
#include "skin/imaging/BitmapRegion.h"
#include "skin/imaging/SlicedDrawing.h"
#include "tools/packer/SkinPacker.h"

namespace {

using namespace veyra;
namespace fs = std::filesystem;

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 715;
// Where the painter would measure the caption with the platform's font; a
// typical caption's extent stands in for it, so the title buttons land where
// they do on screen.
constexpr int kCaptionWidth = 150;
constexpr int kCaptionHeight = 16;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The default skin, packed from its source folder exactly as the build packs
// it and loaded through the loader; Skin is null, and Error says why, when it
// cannot be.
struct TLoadedSkin {
    std::unique_ptr<TSkinDefinition> Skin;
    std::string Error;
};

TLoadedSkin LoadDefaultSkin() {
    const fs::path folder = fs::path(__FILE__).parent_path().parent_path() / "skins" / "default";
    std::error_code error;
    std::vector<tools::PackMember> members;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file())
            members.push_back({entry.path().filename().string(), ReadFile(entry.path())});
    if (members.empty())
        return {nullptr, "no skin files in " + folder.string()};
    std::sort(members.begin(), members.end(),
              [](const auto& a, const auto& b) { return a.Name < b.Name; });
    auto skin = std::make_unique<TSkinDefinition>();
    if (!LoadSkinDefinition(tools::PackSkin(members, 20000), *skin, {}, [](std::string_view) {}))
        return {nullptr, "the default skin is of an older format"};
    return {std::move(skin), {}};
}

const TLoadedSkin& DefaultSkin() {
    static const TLoadedSkin loaded = LoadDefaultSkin();
    return loaded;
}

// Everything the frame of a w x h window needs that does not change between paints.
struct TFrameCase {
    const TSkinDefinition* Skin = nullptr;
    TFrameMetrics Metrics;
    TWindowTraits Traits;
};

std::optional<TFrameCase> FrameCase(benchmark::State& state) {
    const TLoadedSkin& loaded = DefaultSkin();
    if (!loaded.Skin) {
        state.SkipWithError(loaded.Error.c_str());
        return std::nullopt;
    }
    TFrameCase c;
    c.Skin = loaded.Skin.get();
    c.Metrics = ComputeFrameMetrics(*c.Skin, TBorderKind::Sizeable, 0);
    c.Traits.HasSystemMenu = c.Traits.HasMinimizeBox = c.Traits.HasMaximizeBox = true;
    return c;
}

// The non-client pixels of a w x h window: what a frame paint covers.
std::int64_t FramePixels(const TFrameMetrics& m, int w, int h) {
    const std::int64_t sides =
        static_cast<std::int64_t>(m.BorderLeft + m.BorderRight) * (h - m.TitleHeight);
    const std::int64_t bottom =
        static_cast<std::int64_t>(w - m.BorderLeft - m.BorderRight) * m.BorderBottom;
    return static_cast<std::int64_t>(w) * m.TitleHeight + sides + bottom;
}

// What a frame paint composes off screen, in the painter's order: the side
// and bottom borders, then the title bar (side borders' tops, top border,
// title buttons) as one bitmap. Returns the title bar.
Bitmap ComposeFrame(const TFrameCase& c, int w, int h, Bitmap& left, Bitmap& right,
                    Bitmap& bottom) {
    const TSkinDefinition& skin = *c.Skin;
    const TFrameMetrics& m = c.Metrics;
    left = BuildBorderPiece(skin.Left, TBorderPiece::Left, m.BorderLeft, h, true);
    right = BuildBorderPiece(skin.Right, TBorderPiece::Right, m.BorderRight, h, true);
    bottom = BuildBorderPiece(skin.Bottom, TBorderPiece::Bottom, w - m.BorderLeft - m.BorderRight,
                              m.BorderBottom, true);

    Bitmap title(w, m.TitleHeight);
    const Rect titleRect{m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight};
    DrawBitmap(title, 0, 0, left);
    DrawBitmap(title, w - m.BorderRight, 0, right);
    DrawBitmap(
        title, titleRect.Left, 0,
        BuildBorderPiece(skin.Top, TBorderPiece::Top, titleRect.Width(), titleRect.Height(), true));

    TCaptionInput caption;
    caption.TitleRect = titleRect;
    caption.TextWidth = kCaptionWidth;
    caption.TextHeight = kCaptionHeight;
    TButtonLayoutInput layoutInput;
    layoutInput.WindowWidth = w;
    layoutInput.TitleTextRect = PlaceCaptionText(skin.Title, caption);
    layoutInput.Metrics = m;
    const TTitleButtonLayout layout = LayoutTitleButtons(skin.TitleButtons, c.Traits, layoutInput);
    for (std::size_t i = 0; i < skin.TitleButtons.size(); ++i) {
        const TDataSkinSysButton& button = *skin.TitleButtons[i];
        if (!layout.State[i].Visible || layout.Bounds[i].IsEmpty() ||
            button.Visibility == TTitleVisibility::MdiMaximizedChild || IsIconAction(button.Action))
            continue;
        DrawFrameStretched(title, layout.Bounds[i], button.Image, Transparency::KeyColour,
                           std::max(button.Frame, 1),
                           TitleButtonFrameInTitle(button, true, layout.State[i].Enabled));
    }
    return title;
}

// The opaque runs of one shaped border piece, as the region rebuild scans them.
void AddShape(std::vector<Rect>& shape, const TDataSkinBorder& border, FrameLayout layout, int x,
              int y, int width, int height, std::int64_t& scanned) {
    if (width <= 0 || height <= 0)
        return;
    const Bitmap piece =
        BuildSlicedFrame({0, 0, width, height}, border.Image, border.GetMargins(), layout,
                         border.Tile == 1 ? MiddleFill::Stretch : MiddleFill::Tile, border.Frame,
                         BorderFrameIndex(border, true));
    const std::vector<Rect> runs = RegionOfBitmap(piece, x, y, KeyTolerance{1, 1, 1});
    shape.insert(shape.end(), runs.begin(), runs.end());
    scanned += static_cast<std::int64_t>(width) * height;
}

// The window region of a w x h window: the client area, each transparent
// border scanned, each opaque one as a whole rectangle. scanned counts the
// pixels looked at.
std::vector<Rect> FrameShape(const TFrameCase& c, int w, int h, std::int64_t& scanned) {
    const TSkinDefinition& skin = *c.Skin;
    const TFrameMetrics& m = c.Metrics;
    const int innerWidth = w - m.BorderLeft - m.BorderRight;
    std::vector<Rect> shape{
        Rect{m.BorderLeft, m.TitleHeight, w - m.BorderRight, h - m.BorderBottom}};
    if (skin.Left.Trans == 1)
        AddShape(shape, skin.Left, FrameLayout::Horizontal, 0, 0, m.BorderLeft, h, scanned);
    else
        shape.push_back(Rect{0, 0, m.BorderLeft, h});
    if (skin.Right.Trans == 1)
        AddShape(shape, skin.Right, FrameLayout::Horizontal, w - m.BorderRight, 0, m.BorderRight, h,
                 scanned);
    else
        shape.push_back(Rect{w - m.BorderRight, 0, w, h});
    if (skin.Bottom.Trans == 1)
        AddShape(shape, skin.Bottom, FrameLayout::Vertical, m.BorderLeft, h - m.BorderBottom,
                 innerWidth, m.BorderBottom, scanned);
    else
        shape.push_back(Rect{m.BorderLeft, h - m.BorderBottom, w - m.BorderRight, h});
    if (skin.Top.Trans == 1)
        AddShape(shape, skin.Top, FrameLayout::Vertical, m.BorderLeft, 0, innerWidth, m.TitleHeight,
                 scanned);
    else
        shape.push_back(Rect{m.BorderLeft, 0, w - m.BorderRight, m.TitleHeight});
    return shape;
}

void CopyPixels(benchmark::State& state, std::int64_t pixels) {
    std::vector<Pixel> from(static_cast<std::size_t>(pixels), 0x12345678),
        to(static_cast<std::size_t>(pixels));
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size() * sizeof(Pixel));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * pixels);
}

// One full frame paint's composition at 1000 x 715.
void BM_FramePaint(benchmark::State& state) {
    const auto c = FrameCase(state);
    if (!c)
        return;
    Bitmap left, right, bottom;
    for (auto _ : state) {
        const Bitmap title = ComposeFrame(*c, kWindowWidth, kWindowHeight, left, right, bottom);
        benchmark::DoNotOptimize(title.Row(0));
        benchmark::DoNotOptimize(bottom.Row(0));
    }
    state.counters["pixels"] =
        static_cast<double>(FramePixels(c->Metrics, kWindowWidth, kWindowHeight));
    state.SetItemsProcessed(state.iterations() *
                            FramePixels(c->Metrics, kWindowWidth, kWindowHeight));
}
BENCHMARK(BM_FramePaint)->Unit(benchmark::kMicrosecond);

void BM_FramePaint_Baseline(benchmark::State& state) {
    if (const auto c = FrameCase(state))
        CopyPixels(state, FramePixels(c->Metrics, kWindowWidth, kWindowHeight));
}
BENCHMARK(BM_FramePaint_Baseline)->Unit(benchmark::kMicrosecond);

// The region rebuild's scan of the shaped borders at 1000 x 715.
void BM_FrameRegion(benchmark::State& state) {
    const auto c = FrameCase(state);
    if (!c)
        return;
    std::int64_t scanned = 0;
    std::size_t rects = 0;
    for (auto _ : state) {
        scanned = 0;
        const std::vector<Rect> shape = FrameShape(*c, kWindowWidth, kWindowHeight, scanned);
        rects = shape.size();
        benchmark::DoNotOptimize(shape.data());
    }
    state.counters["rects"] = static_cast<double>(rects);
    state.counters["pixels"] = static_cast<double>(scanned);
    state.SetItemsProcessed(state.iterations() * scanned);
}
BENCHMARK(BM_FrameRegion)->Unit(benchmark::kMicrosecond);

void BM_FrameRegion_Baseline(benchmark::State& state) {
    const auto c = FrameCase(state);
    if (!c)
        return;
    std::int64_t scanned = 0;
    FrameShape(*c, kWindowWidth, kWindowHeight, scanned);
    CopyPixels(state, scanned);
}
BENCHMARK(BM_FrameRegion_Baseline)->Unit(benchmark::kMicrosecond);

// One step of a drag resize, alternating between 1000 x 715 and 1001 x 716
// (the region cache never hits): the region scan and the frame composition.
void BM_FrameResizeStep(benchmark::State& state) {
    const auto c = FrameCase(state);
    if (!c)
        return;
    Bitmap left, right, bottom;
    std::int64_t pixels = 0;
    int step = 0;
    for (auto _ : state) {
        const int grow = step++ & 1;
        std::int64_t scanned = 0;
        const std::vector<Rect> shape =
            FrameShape(*c, kWindowWidth + grow, kWindowHeight + grow, scanned);
        const Bitmap title =
            ComposeFrame(*c, kWindowWidth + grow, kWindowHeight + grow, left, right, bottom);
        benchmark::DoNotOptimize(shape.data());
        benchmark::DoNotOptimize(title.Row(0));
        pixels += scanned + FramePixels(c->Metrics, kWindowWidth + grow, kWindowHeight + grow);
    }
    state.SetItemsProcessed(pixels);
}
BENCHMARK(BM_FrameResizeStep)->Unit(benchmark::kMicrosecond);

void BM_FrameResizeStep_Baseline(benchmark::State& state) {
    const auto c = FrameCase(state);
    if (!c)
        return;
    std::int64_t scanned = 0;
    FrameShape(*c, kWindowWidth, kWindowHeight, scanned);
    CopyPixels(state, scanned + FramePixels(c->Metrics, kWindowWidth, kWindowHeight));
}
BENCHMARK(BM_FrameResizeStep_Baseline)->Unit(benchmark::kMicrosecond);

} // namespace
