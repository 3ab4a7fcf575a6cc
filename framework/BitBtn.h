#pragma once

#include <memory>

#include "Bitmap.h"
#include "Button.h"

namespace veyra {

class TImageList;

// Where a button's glyph sits against its caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A few standard buttons: a kind other than bkCustom gives the button its
// caption, stock glyph, modal result and Default or Cancel; a bkClose
// button closes its form when clicked.
enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

// A push button with a picture beside its caption: a glyph strip of
// NumGlyphs frames (normal, disabled, pressed, latched) or an image of an
// image list, placed by Layout, Margin (-1: centred) and Spacing (-1:
// shared out). The framework draws it itself (an owner-drawn button).
class TBitBtn : public TButton {
    VEYRA_CLASS()
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    // The glyph strip, owned by the button.
    TBitmap* Glyph() const { return Glyph_.get(); }
    void SetGlyph(TBitmap* glyph) { Glyph_->Assign(glyph); }
    int NumGlyphs() const { return NumGlyphs_; }
    // 1 to 4 frames; other values are brought into that range.
    void SetNumGlyphs(int count);
    // The image list, owned elsewhere; the button lets go when it is freed.
    TImageList* Images() const { return Images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int index) { ImageIndex_ = index, Invalidate(); }
    int DisabledIndex() const { return DisabledIndex_; }
    void SetDisabledIndex(int index) { DisabledIndex_ = index, Invalidate(); }
    TButtonLayout Layout() const { return Layout_; }
    void SetLayout(TButtonLayout layout) { Layout_ = layout, Invalidate(); }
    int Margin() const { return Margin_; }
    void SetMargin(int margin) { Margin_ = margin, Invalidate(); }
    int Spacing() const { return Spacing_; }
    void SetSpacing(int spacing) { Spacing_ = spacing, Invalidate(); }
    TBitBtnKind Kind() const { return Kind_; }
    void SetKind(TBitBtnKind kind);

    void Notification(TComponent* component, TOperation operation) override;
    // A bkClose button closes its form after OnClick.
    void Click() override;

protected:
    DWORD PushStyle() const override { return BS_OWNERDRAW; }
    void WndProc(TMessage& message) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);

    std::unique_ptr<TBitmap> Glyph_;
    int NumGlyphs_ = 1;
    TImageList* Images_ = nullptr;
    int ImageIndex_ = -1;
    int DisabledIndex_ = -1;
    TButtonLayout Layout_ = blGlyphLeft;
    int Margin_ = -1;
    int Spacing_ = 4;
    TBitBtnKind Kind_ = bkCustom;
};

} // namespace veyra
