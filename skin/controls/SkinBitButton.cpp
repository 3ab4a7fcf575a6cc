#include "SkinBitButton.h"

#include "framework/Bitmap.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

const TClassInfo& TSkinBitButton::StaticClass() {
    static const TClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

TPictureContent TSkinBitButton::Content(const TObject* control) const {
    if (!control) {
        TPictureContent content;
        content.Text = BreakCaption(WindowText(Handle()));
        return content;
    }
    TPictureContent content = PictureContentOf(*control);
    if (GlyphProperty_.empty())
        return content;
    // A picture of its own: drawn whole, no frames, no image list.
    const auto* picture =
        As<TBitmap>(GetObjectPropOf(control, GlyphProperty_, TBitmap::StaticClass()));
    content.Glyph = picture ? &picture->Pixels() : nullptr;
    content.NumGlyphs = 1;
    content.Images = nullptr;
    return content;
}

void TSkinBitButton::DrawContent(DibSurface& buffer, int width, int height,
                                 const TPictureContent& content, TButtonState state,
                                 bool latchedDown) const {
    const int frame = GlyphProperty_.empty() ? GlyphFrameFor(state, latchedDown) : 1;
    const RECT text = DrawPictureAndCaption(buffer, width, height, content, frame,
                                            state != TButtonState::Disabled, AddRtlFlag(0));
    if (Focused_ && text.right > text.left)
        DrawFocus(buffer.Dc(), text);
}

void TSkinBitButton::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed || !ButtonsElement())
        return;
    RefreshState();
    const TPictureContent content = Content(Control());
    Text_ = content.Text;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const TButtonState state = State();
    DibSurface* buffer = PaintFace(width, height, state);
    if (!buffer)
        return;
    DrawContent(*buffer, width, height, content, state, false);
    FontSelection_.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
