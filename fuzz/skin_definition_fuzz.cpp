// Builds a skin definition through the real loader from an INI and BMP
// members, then draws every element, lays out the window frame and the title
// bar and hit-tests it. Nothing a skin says may crash, overflow or
// read out of bounds.
//
// Input: the INI text, then any number of members, each introduced by a line
// "%%member <name>" and running to the next such line:
//
//   [Personality]
//   Top=top.bmp
//   %%member top.bmp
//   BM...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/BorderPieces.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/data/SkinLoader.h"
#include "skin/imaging/SlicedDrawing.h"
#include "skin/package/SkinReader.h"
#include "tools/packer/SkinPacker.h"

namespace {

using namespace veyra;

constexpr std::string_view kMarker = "\n%%member ";
// Enough for every image a skin names; more only slows each run.
constexpr std::size_t kMaxMembers = 64;
constexpr std::int64_t kMaxImagePixels = 1 << 14;

std::vector<tools::PackMember> SplitInput(std::string_view input) {
    std::vector<tools::PackMember> members;
    std::size_t cut = input.find(kMarker);
    const std::string_view ini = input.substr(0, cut);
    members.push_back({"skin.ini", {ini.begin(), ini.end()}});
    while (cut != std::string_view::npos && members.size() <= kMaxMembers) {
        const std::size_t nameStart = cut + kMarker.size();
        const std::size_t nameEnd = std::min(input.find('\n', nameStart), input.size());
        const std::size_t next = input.find(kMarker, nameEnd);
        const std::size_t dataStart = std::min(nameEnd + 1, input.size());
        const std::string_view data =
            input.substr(dataStart, next == std::string_view::npos ? next : next - dataStart);
        std::string name(input.substr(nameStart, nameEnd - nameStart));
        // The package's name list is one name a line.
        std::erase(name, '\r');
        if (!name.empty())
            members.push_back({std::move(name), {data.begin(), data.end()}});
        cut = next;
    }
    return members;
}

// Every element once as the engine draws most of them: its first frame
// sliced into a small control. Every other way of drawing, with any numbers,
// is sliced_drawing_fuzz's part; this one draws what the loader built.
void DrawElement(const TDataSkinObject& e, Bitmap& target) {
    const Transparency transparency = e.Trans != 0 ? Transparency::KeyColour : Transparency::Opaque;
    const MiddleFill middle = e.Tile == 1 ? MiddleFill::Tile : MiddleFill::Stretch;
    DrawSlicedFrame(target, target.Bounds(), e.Image, FrameLayout::Horizontal, middle, transparency,
                    e.Frame, 1, e.GetMargins());
    if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&e))
        DrawSlicedFrame(target, target.Bounds(), border->Image2, FrameLayout::Horizontal, middle,
                        transparency, e.Frame, 1, e.GetMargins());
    if (const auto* buttons = dynamic_cast<const TDataSkinButton*>(&e)) {
        DrawFrameStretched(target, target.Bounds(), buttons->CheckImage, Transparency::KeyColour,
                           buttons->CheckButtonFrame, 1);
        DrawFrameStretched(target, target.Bounds(), buttons->RadioImage, Transparency::KeyColour,
                           buttons->RadioButtonFrame, buttons->RadioButtonFrame);
    }
}

void DrawFrameAndTitle(const TSkinDefinition& d) {
    for (const TBorderKind kind : {TBorderKind::Sizeable, TBorderKind::Dialog}) {
        const TFrameMetrics m = ComputeFrameMetrics(d, kind, 19);
        const int width = 120, height = 80;
        for (const bool active : {true, false}) {
            BuildBorderPiece(d.Left, TBorderPiece::Left, m.BorderLeft, height, active);
            BuildBorderPiece(d.Right, TBorderPiece::Right, m.BorderRight, height, active);
            BuildBorderPiece(d.Top, TBorderPiece::Top, width, m.TitleHeight, active);
            BuildBorderPiece(d.Bottom, TBorderPiece::Bottom, width, m.BorderBottom, active);
        }
        TCaptionInput caption;
        caption.TitleRect = {m.BorderLeft, 0, width - m.BorderRight, m.TitleHeight};
        caption.TextWidth = 80;
        caption.TextHeight = 14;
        caption.Kind = kind;
        TButtonLayoutInput in;
        in.WindowWidth = width;
        in.TitleTextRect = PlaceCaptionText(d.Title, caption);
        in.Metrics = m;
        if (const TDataSkinObject* menuBar = d.Find("Personality"))
            in.MenuBarLeftWidth = menuBar->LeftWidth;
        TWindowTraits window;
        window.HasSystemMenu = window.HasMinimizeBox = window.HasMaximizeBox = true;
        window.MdiFrameWithMaximizedChild = true;
        window.Kind = kind;
        const TTitleButtonLayout layout = LayoutTitleButtons(d.TitleButtons, window, in);
        Bitmap title(width, std::clamp(m.TitleHeight, 1, 400), PixelFormat::Rgb24);
        for (std::size_t i = 0; i < d.TitleButtons.size(); ++i) {
            const TDataSkinSysButton& button = *d.TitleButtons[i];
            DrawFrameStretched(title, layout.Bounds[i], button.Image, Transparency::KeyColour,
                               button.Frame,
                               TitleButtonFrameInTitle(button, true, layout.State[i].Enabled));
            for (const int state : {1, 2, 3})
                TitleButtonFrameForState(button, state, layout.State[i].Enabled);
            const Rect& r = layout.Bounds[i];
            TitleButtonAt(layout, d.TitleButtons, r.Left, r.Top);
        }
        CaptionHitTest(m.TitleHeight, m);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<tools::PackMember> members =
        SplitInput(std::string_view(reinterpret_cast<const char*>(data), size));
    // The payload as the packer builds it, without the LZH round trip: the
    // stream is lzh_decode_fuzz's and skin_unpack_fuzz's part, and coding it
    // both ways took most of every run here.
    const std::vector<std::uint8_t> payload =
        tools::BuildSkinPayload(members, TSkinReader::kFormat20000);
    TSkinDefinition definition;
    // The loader's own budget for all images of a skin, cut down: what an
    // image's pixels cost to decode and draw says nothing new past a few
    // thousand of them, and a fast run tries more skins.
    TSkinLoadOptions options;
    options.MaxImagePixels = kMaxImagePixels;
    // Our own payload always reads: anything the loader throws is a fault.
    if (!LoadSkinDefinitionFromPayload(payload, definition, options, [](std::string_view) {}))
        __builtin_trap();
    Bitmap target(17, 9, PixelFormat::Rgb24);
    for (const TDataSkinObject* element : definition.ElementsInLoadOrder())
        DrawElement(*element, target);
    for (const auto& button : definition.TitleButtons)
        DrawElement(*button, target);
    DrawFrameAndTitle(definition);
    return 0;
}
