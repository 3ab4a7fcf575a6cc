#pragma once

#include <string>

#include "SkinButton.h"
#include "framework/ButtonPainter.h"

namespace veyra {

// Picture buttons: the push button's face with a glyph strip (greyed when
// disabled), an image of an image list, or the picture of a named published
// property, placed beside the caption by Layout, Margin and Spacing.
class TSkinBitButton : public TSkinButton {
    VEYRA_CLASS()
public:
    explicit TSkinBitButton(TComponent* owner);

    // The published property whose picture is drawn whole instead of the
    // glyph strip and the image list; empty for those.
    const std::string& GlyphProperty() const { return GlyphProperty_; }
    void SetGlyphProperty(std::string name) { GlyphProperty_ = std::move(name); }

protected:
    void PaintSkin(HDC dc, const RECT& rect) override;
    // The picture and caption of the control (or the owner) as published.
    TPictureContent Content(const TObject* control) const;
    // The picture and caption over a face already in buffer, then the focus
    // rectangle.
    void DrawContent(DibSurface& buffer, int width, int height, const TPictureContent& content,
                     TButtonState state, bool latchedDown) const;

private:
    std::string GlyphProperty_;
};

} // namespace veyra
