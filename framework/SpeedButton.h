#pragma once

#include <memory>

#include "BitBtn.h"
#include "Bitmap.h"
#include "GraphicControl.h"

namespace veyra {

// A windowless button, painted by its parent. A button with a GroupIndex
// latches: clicking it sets Down and raises the other buttons of its group
// (same parent, same GroupIndex); clicking it again raises it only with
// AllowAllUp. A flat one shows its edges only while hot or down.
class TSpeedButton : public TGraphicControl {
    VEYRA_CLASS()
public:
    explicit TSpeedButton(TComponent* owner);

    bool Flat() const { return Flat_; }
    void SetFlat(bool flat) { Flat_ = flat, Invalidate(); }
    int GroupIndex() const { return GroupIndex_; }
    void SetGroupIndex(int index) { GroupIndex_ = index; }
    bool Down() const { return Down_; }
    // Only a button with a GroupIndex stays down.
    void SetDown(bool down);
    bool AllowAllUp() const { return AllowAllUp_; }
    void SetAllowAllUp(bool value) { AllowAllUp_ = value; }
    TBitmap* Glyph() const { return Glyph_.get(); }
    void SetGlyph(TBitmap* glyph) { Glyph_->Assign(glyph); }
    int NumGlyphs() const { return NumGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return Layout_; }
    void SetLayout(TButtonLayout layout) { Layout_ = layout, Invalidate(); }
    int Margin() const { return Margin_; }
    void SetMargin(int margin) { Margin_ = margin, Invalidate(); }
    int Spacing() const { return Spacing_; }
    void SetSpacing(int spacing) { Spacing_ = spacing, Invalidate(); }
    // Whether the left button is held on the button with the mouse over it.
    bool Pressed() const { return Pressed_; }

    // Raises OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

protected:
    void Paint(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override { Invalidate(); }
    void MouseLeave() override { Invalidate(); }

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    bool Flat_ = false;
    int GroupIndex_ = 0;
    bool Down_ = false;
    bool AllowAllUp_ = false;
    std::unique_ptr<TBitmap> Glyph_;
    int NumGlyphs_ = 1;
    TButtonLayout Layout_ = blGlyphLeft;
    int Margin_ = -1;
    int Spacing_ = 4;
    bool Dragging_ = false;
    bool Pressed_ = false;
};

} // namespace veyra
