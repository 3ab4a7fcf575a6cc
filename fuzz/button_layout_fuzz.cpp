// Picks button states and glyph frames, lays out picture, menu and check
// buttons and draws glyph frames, all from arbitrary sizes, frame counts and
// frame numbers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzValues.h"
#include "skin/data/ButtonLayout.h"

using namespace veyra;
using namespace veyra::fuzz;

namespace {

void States(FuzzedDataProvider& in) {
    TButtonStateInput state;
    state.Enabled = in.ConsumeBool();
    state.MouseDown = in.ConsumeBool();
    state.Hover = in.ConsumeBool();
    state.Focused = in.ConsumeBool();
    state.LatchedDown = in.ConsumeBool();
    for (const TButtonKind kind : {TButtonKind::Push, TButtonKind::Menu, TButtonKind::Speed}) {
        const TButtonState chosen = ChooseButtonState(kind, state);
        Expect(static_cast<int>(chosen) >= 1 && static_cast<int>(chosen) <= 5);
        const int glyph = GlyphFrameFor(chosen, state.LatchedDown);
        Expect(glyph >= 1 && glyph <= 4);
    }
    const int frames = SkinInt(in);
    for (const TCheckKind kind : {TCheckKind::CheckBox, TCheckKind::RadioButton})
        for (const TCheckValue value :
             {TCheckValue::Unchecked, TCheckValue::Checked, TCheckValue::Mixed}) {
            const int frame = CheckGlyphFrame(kind, value, in.ConsumeBool(), frames);
            Expect(frame >= 1 && (frames < 1 || frame <= frames));
        }
}

void Layouts(FuzzedDataProvider& in) {
    TPictureInput picture;
    picture.Width = PlatformSize(in);
    picture.Height = PlatformSize(in);
    picture.GlyphWidth = ImageSide(in);
    picture.GlyphHeight = ImageSide(in);
    picture.TextWidth = PlatformSize(in);
    picture.TextHeight = PlatformSize(in);
    picture.Margin = in.ConsumeBool() ? -1 : PlatformInt(in);
    picture.Spacing = in.ConsumeBool() ? -1 : PlatformInt(in);
    picture.Layout = static_cast<TGlyphLayout>(in.ConsumeIntegralInRange(0, 3));
    picture.CentreAlignment = in.ConsumeBool();
    picture.Speed = in.ConsumeBool();
    const TPictureLayout layout = LayoutPictureButton(picture);
    if (picture.Layout == TGlyphLayout::Left)
        Expect(layout.GlyphX >= 0);
    if (picture.Layout == TGlyphLayout::Top)
        Expect(layout.GlyphY >= 0);
    PictureTextArea(picture.Width, picture.Height, picture.GlyphWidth, picture.GlyphHeight,
                    picture.Layout);
    LayoutMenuButton(picture.Width, picture.Height, picture.TextWidth, picture.TextHeight);

    const Rect box = PlatformRect(in);
    const TCheckLayout check =
        LayoutCheckBox(in.ConsumeBool() ? TCheckKind::CheckBox : TCheckKind::RadioButton, box,
                       picture.GlyphWidth, picture.GlyphHeight, in.ConsumeBool());
    Expect(check.Glyph.Width() == picture.GlyphWidth &&
           check.Glyph.Height() == picture.GlyphHeight);
}

void Glyphs(FuzzedDataProvider& in) {
    Bitmap glyph(in.ConsumeIntegralInRange(0, 24), in.ConsumeIntegralInRange(0, 6));
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            glyph.At(x, y) = in.ConsumeIntegral<std::uint32_t>();
    Bitmap target(8, 8);
    const int x = in.ConsumeIntegralInRange(-16, 16);
    const int y = in.ConsumeIntegralInRange(-16, 16);
    DrawGlyphFrame(target, x, y, glyph, SkinInt(in), SkinInt(in));
    ParseGlyphLayout(in.ConsumeRandomLengthString(16));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    States(in);
    Layouts(in);
    Glyphs(in);
    return 0;
}
