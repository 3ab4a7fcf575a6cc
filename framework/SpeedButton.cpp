#include "SpeedButton.h"

#include <algorithm>

#include "ButtonPainter.h"
#include "ClassInfo.h"
#include "WinControl.h"

namespace veyra {

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info(
        "TSpeedButton", &TGraphicControl::StaticClass(),
        TPropertyList<TSpeedButton>()
            .Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
            .Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
            .Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
            .Object<TBitmap>("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
            .Integer("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
            .Enum("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
                  &TSpeedButton::Layout, &TSpeedButton::SetLayout)
            .Integer("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
            .Integer("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
            .Event("OnClick", &TSpeedButton::OnClick)
            .Integer("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TSpeedButton(owner); });
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TGraphicControl(owner), Glyph_(std::make_unique<TBitmap>()) {
    SetBounds(0, 0, 23, 22);
    Glyph_->OnChange = [this] { Invalidate(); };
}

void TSpeedButton::SetNumGlyphs(int count) {
    NumGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    if (GroupIndex_ == 0 && !IsLoading())
        down = false;
    if (down == Down_)
        return;
    Down_ = down;
    Invalidate();
    if (!down || !Parent())
        return;
    for (TControl* sibling : Parent()->Controls())
        if (auto* other = As<TSpeedButton>(sibling);
            other && other != this && other->GroupIndex_ == GroupIndex_)
            other->SetDown(false);
}

void TSpeedButton::Click() {
    if (OnClick)
        OnClick(this);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    Dragging_ = true;
    Pressed_ = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState, int x, int y) {
    if (!Dragging_ || Inside(x, y) == Pressed_)
        return;
    Pressed_ = Inside(x, y);
    Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft || !Dragging_)
        return;
    Dragging_ = false;
    Pressed_ = false;
    Invalidate();
    if (!Inside(x, y))
        return;
    if (GroupIndex_ != 0)
        SetDown(!(Down_ && AllowAllUp_));
    Click();
}

void TSpeedButton::Paint(HDC dc) {
    TPictureContent content = PictureContentOf(*this);
    content.Speed = true;
    TButtonStateInput in;
    in.Enabled = Enabled();
    in.MouseDown = Pressed_;
    in.Hover = MouseInControl();
    in.LatchedDown = Down_;
    const RECT rect{0, 0, Width(), Height()};
    PaintPlainPictureButton(dc, rect, content, Font()->Handle(),
                            ChooseButtonState(TButtonKind::Speed, in),
                            Flat_ ? TPlainFace::FlatSpeed : TPlainFace::Speed, Down_);
}

} // namespace veyra
