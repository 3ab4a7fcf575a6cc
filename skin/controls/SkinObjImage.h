#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins the check boxes and radio buttons of other component families that
// take a glyph bitmap of their own instead of being painted: it cuts a
// glyph strip from the skin's check or radio image (skin/data/GlyphStrip)
// and writes it into the control's published pictures, at attach and after
// every skin change. It paints nothing.
//
//   mode 1  check glyphs, 9 cells, into "CustomGlyphs"
//   mode 2  radio glyphs, 6 cells, into "CustomGlyphs"
//   mode 3  check glyphs, 6 cells, into the "Glyph" of the "Properties" object
//
// Modes 1 and 2 set "transparentcolor" to magenta and switch
// "UseCustomGlyphs" off and on, so that the control takes the new strip;
// mode 3 sets the Properties object's "TransparentColor" to magenta and its
// "Transparent" to false. Given back, modes 1 and 2 switch "UseCustomGlyphs"
// off and mode 3 empties the Glyph.
class TSkinObjImage : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinObjImage(TComponent* owner);

    // Attaches once and writes the glyphs; the control's colour stays.
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void RestoreControl() override;
    void SkinChanged() override;

private:
    void BuildGlyphs();
};

} // namespace veyra
