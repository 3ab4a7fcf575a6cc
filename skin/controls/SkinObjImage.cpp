#include "SkinObjImage.h"

#include <string>

#include "framework/Bitmap.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/GlyphStrip.h"
#include "skin/data/SkinDefinition.h"

namespace veyra {

namespace {

// Magenta, as the families read a colour written as text.
const std::wstring kMagentaText = std::to_wstring(kKeyColour);

TBitmap* PictureOf(const TObject* object, const char* name) {
    return static_cast<TBitmap*>(GetObjectPropOf(object, name, TBitmap::StaticClass()));
}

// The object published as "Properties" (any class), or null.
TObject* PropertiesOf(const TObject* control) {
    const TPropInfo* info = FindPropInfo(control, "Properties");
    if (!info || info->Kind != TTypeKind::tkClass || !info->GetObject)
        return nullptr;
    return info->GetObject(*control);
}

} // namespace

const TClassInfo& TSkinObjImage::StaticClass() {
    static const TClassInfo info("TSkinObjImage", &TSkinControl::StaticClass());
    return info;
}

TSkinObjImage::TSkinObjImage(TComponent* owner) : TSkinControl(owner) {}

void TSkinObjImage::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool) {
    if (Attached())
        return;
    // The glyphs are the skin's whole part: the control keeps its colour.
    TSkinControl::AttachControl(form, skinData, false);
    if (Attached())
        BuildGlyphs();
}

void TSkinObjImage::SkinChanged() {
    BuildGlyphs();
}

void TSkinObjImage::RestoreControl() {
    TSkinControl::RestoreControl();
    if (Mode() == static_cast<int>(TGlyphStripKind::CheckSix)) {
        if (TBitmap* glyph = PictureOf(PropertiesOf(Control()), "Glyph"))
            glyph->SetPixels(Bitmap());
    } else {
        SetPropText(Control(), "UseCustomGlyphs", L"false");
    }
}

void TSkinObjImage::BuildGlyphs() {
    const TSkinDefinition* skin = Skin();
    const auto* buttons =
        skin ? dynamic_cast<const TDataSkinButton*>(skin->Find("Buttons")) : nullptr;
    const auto kind = static_cast<TGlyphStripKind>(Mode());
    if (!buttons || !Control() || GlyphStripCellCount(kind) == 0)
        return;
    const bool radio = kind == TGlyphStripKind::Radio;
    const Bitmap strip =
        radio ? BuildGlyphStrip(buttons->RadioImage, buttons->RadioButtonFrame, kind)
              : BuildGlyphStrip(buttons->CheckImage, buttons->CheckButtonFrame, kind);
    if (strip.IsEmpty())
        return;
    if (kind == TGlyphStripKind::CheckSix) {
        TObject* properties = PropertiesOf(Control());
        if (TBitmap* glyph = PictureOf(properties, "Glyph")) {
            glyph->SetPixels(strip);
            SetPropText(properties, "TransparentColor", kMagentaText);
            SetPropText(properties, "Transparent", L"false");
        }
        return;
    }
    TBitmap* glyphs = PictureOf(Control(), "CustomGlyphs");
    if (!glyphs)
        return;
    glyphs->SetPixels(strip);
    SetPropText(Control(), "transparentcolor", kMagentaText);
    // Off and on again: the control reads its glyphs when they are switched on.
    SetPropText(Control(), "UseCustomGlyphs", L"false");
    SetPropText(Control(), "UseCustomGlyphs", L"true");
}

} // namespace veyra
