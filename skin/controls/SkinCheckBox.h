#pragma once

#include "SkinControl.h"
#include "skin/data/ButtonLayout.h"

namespace veyra {

class Bitmap;

// Check boxes drawn with a glyph cut from the skin's CheckImage (4 frames,
// or 12 in the 12-state layout) and the caption beside it, on the left or,
// with BS_LEFTTEXT, on the right. A framework control is drawn whole (Mode
// 1); a bare window paints itself and only its glyph is replaced (Mode 0).
class TSkinCheckBox : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinCheckBox(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;

    // The parent's background shows behind glyph and caption (Tag 5555 or
    // xoTransparent).
    bool Transparent() const { return Transparent_; }
    // 0 until BM_SETCHECK is seen, then its wParam + 1.
    int LastSetState() const { return LastSetState_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    virtual TCheckKind CheckKind() const { return TCheckKind::CheckBox; }
    // The glyph strip and its frame count, or null without one.
    virtual const Bitmap* Glyphs(int& frameCount) const;
    // What the box shows, from the window and the control's properties.
    virtual TCheckValue ReadValue() const;

private:
    // The caption beside the glyph, and the focus rectangle.
    void DrawCaption(HDC dc, const RECT& textRect, UINT extraFlags);

    bool Transparent_ = false;
    int LastSetState_ = 0;
};

} // namespace veyra
