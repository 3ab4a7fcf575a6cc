// sknutil render: draws a frame of a skin image the way the engine paints it
// (sliced, stretched, centred, three-slice) and writes the result as PNG or
// BMP, so a skin author can see an element without Windows.
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "Command.h"
#include "FileIo.h"
#include "SkinFiles.h"
#include "skin/imaging/BmpReader.h"
#include "skin/imaging/ImageWriters.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra::sknutil {
namespace {

namespace fs = std::filesystem;

enum class RenderMode { Sliced, Stretch, Centre, ThreeTiled, ThreeStretched };

constexpr std::array<std::pair<const char*, RenderMode>, 5> kModes = {{
    {"sliced", RenderMode::Sliced},
    {"stretch", RenderMode::Stretch},
    {"centre", RenderMode::Centre},
    {"three-tiled", RenderMode::ThreeTiled},
    {"three-stretched", RenderMode::ThreeStretched},
}};

// The largest picture render draws, per side.
constexpr int kMaxSide = 16384;

// Everything the command line asks for. The picture comes from Image today;
// a skin element can be added as another source beside it.
struct RenderRequest {
    std::string Image;
    std::string Element; // set when Image is a packed skin: draw this element of it
    bool FramesGiven = false;
    int Frames = 1;
    int Frame = 1;
    int Width = 0;
    int Height = 0;
    Margins FrameMargins;
    MiddleFill Middle = MiddleFill::Stretch;
    FrameLayout Layout = FrameLayout::Horizontal;
    RenderMode Mode = RenderMode::Sliced;
    std::optional<Colour> Background; // --transparent-over
    std::string Output;
};

// Splits "a<sep>b<sep>..." into exactly count integers, or throws UsageError.
std::vector<long long> ParseList(const std::string& text, char sep, std::size_t count,
                                 const char* what) {
    std::vector<long long> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(sep, start);
        values.push_back(ParseIntegerArg(text.substr(start, end - start), what));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    if (values.size() != count)
        throw UsageError(std::string(what) + " needs " + std::to_string(count) + " values, got \"" +
                         text + "\"");
    return values;
}

int InRange(long long value, long long low, long long high, const char* what) {
    if (value < low || value > high)
        throw UsageError(std::string(what) + " must be between " + std::to_string(low) + " and " +
                         std::to_string(high) + ", not " + std::to_string(value));
    return static_cast<int>(value);
}

// "#RRGGBB" or "R,G,B".
Colour ParseColour(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        unsigned value = 0;
        int used = 0;
        if (std::sscanf(text.c_str() + 1, "%6x%n", &value, &used) == 1 && used == 6)
            return Rgb(value >> 16 & 0xFF, value >> 8 & 0xFF, value & 0xFF);
        throw UsageError("colour \"" + text + "\" is not #RRGGBB");
    }
    const auto rgb = ParseList(text, ',', 3, "--transparent-over");
    return Rgb(InRange(rgb[0], 0, 255, "red"), InRange(rgb[1], 0, 255, "green"),
               InRange(rgb[2], 0, 255, "blue"));
}

RenderMode ParseMode(const std::string& text) {
    for (const auto& [name, mode] : kModes)
        if (text == name)
            return mode;
    throw UsageError("unknown mode \"" + text + "\"");
}

RenderRequest ParseRender(const Args& args) {
    RenderRequest r;
    bool haveSize = false;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--frames") {
            r.Frames = InRange(ParseIntegerArg(value(), "--frames"), 1, kMaxSide, "--frames");
            r.FramesGiven = true;
        } else if (a == "--frame") {
            r.Frame = InRange(ParseIntegerArg(value(), "--frame"), 1, kMaxSide, "--frame");
        } else if (a == "--size") {
            const auto size = ParseList(value(), 'x', 2, "--size");
            r.Width = InRange(size[0], 1, kMaxSide, "the width");
            r.Height = InRange(size[1], 1, kMaxSide, "the height");
            haveSize = true;
        } else if (a == "--margins") {
            const auto m = ParseList(value(), ',', 4, "--margins");
            r.FrameMargins = {
                InRange(m[0], 0, kMaxSide, "a margin"), InRange(m[1], 0, kMaxSide, "a margin"),
                InRange(m[2], 0, kMaxSide, "a margin"), InRange(m[3], 0, kMaxSide, "a margin")};
        } else if (a == "--tile") {
            r.Middle = MiddleFill::Tile;
        } else if (a == "--vertical") {
            r.Layout = FrameLayout::Vertical;
        } else if (a == "--transparent-over") {
            r.Background = ParseColour(value());
        } else if (a == "--mode") {
            r.Mode = ParseMode(value());
        } else if (a == "-o") {
            r.Output = value();
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError("unknown option " + a);
        } else {
            positional.push_back(a);
        }
    }
    const bool skin = !positional.empty() && IsPackedSkinPath(positional[0]);
    if (positional.size() != (skin ? 2u : 1u))
        throw UsageError(skin ? "give a skin file and one of its elements"
                              : "give exactly one image");
    r.Image = positional[0];
    if (skin)
        r.Element = positional[1];
    if (!haveSize)
        throw UsageError("--size WxH is required");
    if (!skin && r.Frame > r.Frames)
        throw UsageError("--frame " + std::to_string(r.Frame) + " is past --frames " +
                         std::to_string(r.Frames));
    const std::string ext = fs::path(r.Output).extension().string();
    if (r.Output.empty() || (ext != ".png" && ext != ".bmp"))
        throw UsageError("-o OUT.png or -o OUT.bmp is required");
    return r;
}

Bitmap LoadSourceImage(const RenderRequest& r) {
    try {
        return ReadBmp(ReadFileBytes(r.Image));
    } catch (const EBmpDamaged& e) {
        throw ToolError(r.Image + ": " + e.what());
    }
}

Bitmap Render(const RenderRequest& r, const Bitmap& image) {
    const Transparency transparency = r.Background ? Transparency::KeyColour : Transparency::Opaque;
    Bitmap target(r.Width, r.Height, r.Background ? PixelFormat::Rgb24 : image.Format(),
                  r.Background ? PixelOf(*r.Background) : 0);
    const Rect all = target.Bounds();
    switch (r.Mode) {
    case RenderMode::Sliced:
        DrawSlicedFrame(target, all, image, r.Layout, r.Middle, transparency, r.Frames, r.Frame,
                        r.FrameMargins);
        break;
    case RenderMode::Stretch:
        DrawFrameStretched(target, all, image, transparency, r.Frames, r.Frame);
        break;
    case RenderMode::Centre:
        DrawFrameCentred(target, all, image, transparency, r.Frames, r.Frame);
        break;
    case RenderMode::ThreeTiled:
        DrawThreeSliceTiled(target, all, image, r.Layout, transparency, r.Frames, r.Frame,
                            r.FrameMargins);
        break;
    case RenderMode::ThreeStretched:
        DrawThreeSliceStretched(target, all, image, r.Layout, r.Frames, r.Frame, r.FrameMargins);
        break;
    }
    return target;
}

// Takes the element's own image, frame count, margins, tiling and
// transparency, as the engine paints it. The borders say "stretch" where other
// elements say "tile", and the top and bottom borders stack their frames.
Bitmap LoadElement(RenderRequest& r) {
    const TSkinDefinition skin = LoadSkinFile(r.Image);
    const TDataSkinObject* element = skin.Find(r.Element);
    if (!element)
        throw ToolError(r.Image + ": no element \"" + r.Element + "\" (sknutil dump lists them)");
    if (element->Image.IsEmpty())
        throw ToolError(r.Image + ": element \"" + r.Element + "\" has no image");
    const bool border = element == &skin.Left || element == &skin.Right || element == &skin.Top ||
                        element == &skin.Bottom;
    if (!r.FramesGiven)
        r.Frames = std::max(element->Frame, 1);
    if (r.Frame > r.Frames)
        throw UsageError("--frame " + std::to_string(r.Frame) + " is past the element's " +
                         std::to_string(r.Frames) + " frames");
    r.FrameMargins = element->GetMargins();
    const bool tiled = border ? element->Tile != 1 : element->Tile == 1;
    r.Middle = tiled ? MiddleFill::Tile : MiddleFill::Stretch;
    if (element == &skin.Top || element == &skin.Bottom)
        r.Layout = FrameLayout::Vertical;
    if (element->Trans != 0 && !r.Background)
        r.Background = kWhite;
    return element->Image;
}

int RunRender(const Args& args) {
    RenderRequest request = ParseRender(args);
    const Bitmap image = request.Element.empty() ? LoadSourceImage(request) : LoadElement(request);
    const Bitmap result = Render(request, image);
    const bool png = fs::path(request.Output).extension() == ".png";
    WriteFileBytes(request.Output, png ? WritePng(result) : WriteBmp(result));
    return 0;
}

std::vector<Command> RenderCommands() {
    return {{"render",
             "IMAGE.bmp|SKIN.skn ELEMENT --size WxH [--frames N] [--frame K] [--margins L,T,R,B] "
             "[--tile] [--vertical] "
             "[--mode sliced|stretch|centre|three-tiled|three-stretched] [--transparent-over "
             "#RRGGBB|R,G,B] "
             "-o OUT.png|OUT.bmp",
             "draw frame K of N of an image, or an element of a skin with its own margins, frames, "
             "tiling "
             "and transparency, as the skin engine paints it",
             RunRender}};
}

CommandGroup group(RenderCommands);

} // namespace
} // namespace veyra::sknutil
