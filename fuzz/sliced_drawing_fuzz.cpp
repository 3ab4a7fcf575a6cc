// Draws an element's image every way the engine draws one (nine-slice,
// three-slice, stretched, centred, a window border piece, a glyph frame)
// with the numbers a skin gives it: margins, frame count and frame index,
// transparency and tiling, any 32-bit value each. The image is small and
// read from the input; the places drawn at lie anywhere, the sizes are a
// control's. Nothing may crash, overflow or read outside the image.
#include <cstddef>
#include <cstdint>

#include "FuzzValues.h"
#include "skin/data/BorderPieces.h"
#include "skin/data/ButtonLayout.h"
#include "skin/imaging/SlicedDrawing.h"

using namespace veyra;
using namespace veyra::fuzz;

namespace {

// A control's size: drawing is paid per pixel, and past this size no new
// arithmetic happens.
constexpr int kMaxSide = 96;

PixelFormat Format(FuzzedDataProvider& in) {
    return in.ConsumeBool() ? PixelFormat::Rgb24 : PixelFormat::Bgra32;
}

Bitmap Image(FuzzedDataProvider& in) {
    const int width = in.ConsumeIntegralInRange(0, 32);
    const int height = in.ConsumeIntegralInRange(0, 16);
    Bitmap image(width, height, Format(in));
    // A few colours are enough to meet the key colour now and then.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.At(x, y) = 0xFF000000u | (in.ConsumeIntegralInRange(0, 3) * 0x00550055u);
    return image;
}

Rect Place(FuzzedDataProvider& in) {
    const int left =
        in.ConsumeBool() ? in.ConsumeIntegralInRange(-kMaxSide, kMaxSide) : PlatformInt(in);
    const int top = in.ConsumeIntegralInRange(-kMaxSide, kMaxSide);
    return RectOfSize(left, top, in.ConsumeIntegralInRange(-4, kMaxSide),
                      in.ConsumeIntegralInRange(-4, kMaxSide));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Margins margins = SkinMargins(in);
    const int frames = SkinInt(in);
    const int frame = in.ConsumeBool() ? SkinInt(in) : in.ConsumeIntegralInRange(-1, 4);
    const Transparency transparency =
        in.ConsumeBool() ? Transparency::KeyColour : Transparency::Opaque;
    const MiddleFill middle = in.ConsumeBool() ? MiddleFill::Tile : MiddleFill::Stretch;
    const FrameLayout layout = in.ConsumeBool() ? FrameLayout::Vertical : FrameLayout::Horizontal;
    const Bitmap image = Image(in);
    Bitmap target(in.ConsumeIntegralInRange(1, kMaxSide), in.ConsumeIntegralInRange(1, 32),
                  Format(in));
    const Rect rect = Place(in);

    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
        DrawSlicedFrame(target, rect, image, layout, middle, transparency, frames, frame, margins);
        break;
    case 1:
        DrawThreeSliceTiled(target, rect, image, layout, transparency, frames, frame, margins);
        break;
    case 2:
        DrawThreeSliceStretched(target, rect, image, layout, frames, frame, margins);
        break;
    case 3:
        DrawFrameStretched(target, rect, image, transparency, frames, frame);
        break;
    case 4:
        DrawFrameCentred(target, rect, image, transparency, frames, frame);
        break;
    case 5:
        RenderSlicedFrame(target, image, margins, layout, middle, frames, frame);
        break;
    case 6: {
        TDataSkinObject border;
        border.Image = image;
        border.SetMargins(margins);
        border.Frame = frames;
        border.Tile = in.ConsumeIntegral<std::int32_t>();
        const Bitmap piece =
            BuildBorderPiece(border, static_cast<TBorderPiece>(in.ConsumeIntegralInRange(1, 4)),
                             rect.Width(), rect.Height(), in.ConsumeBool());
        Expect(piece.Width() == std::max(rect.Width(), 0) || piece.IsEmpty());
        break;
    }
    default:
        DrawGlyphFrame(target, rect.Left, rect.Top, image, frames, frame);
        break;
    }
    return 0;
}
