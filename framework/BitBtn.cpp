#include "BitBtn.h"

#include <algorithm>
#include <iterator>

#include "BitBtnGlyphs.h"
#include "ButtonPainter.h"
#include "ClassInfo.h"
#include "CustomForm.h"
#include "ImageList.h"

namespace veyra {

namespace {

struct TKindInfo {
    const wchar_t* Caption;
    int Result;
    bool Default;
    bool Cancel;
};

// Indexed by TBitBtnKind.
constexpr TKindInfo kKinds[] = {
    {nullptr, mrNone, false, false},    {L"OK", mrOk, true, false},
    {L"Cancel", mrCancel, false, true}, {L"&Help", mrNone, false, false},
    {L"&Yes", mrYes, true, false},      {L"&No", mrNo, false, true},
    {L"&Close", mrNone, false, false},  {L"Abort", mrAbort, false, true},
    {L"&Retry", mrRetry, false, false}, {L"&Ignore", mrIgnore, false, false},
    {L"&All", mrAll, false, false},
};

} // namespace

const TClassInfo& TBitBtn::StaticClass() {
    static const TClassInfo info(
        "TBitBtn", &TButton::StaticClass(),
        TPropertyList<TBitBtn>()
            .Integer("DisabledIndex", &TBitBtn::DisabledIndex, &TBitBtn::SetDisabledIndex)
            .Object<TBitmap>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph)
            .Integer("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex)
            .Object<TImageList>("Images", &TBitBtn::Images, &TBitBtn::SetImages)
            .Enum("Kind",
                  {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
                   "bkRetry", "bkIgnore", "bkAll"},
                  &TBitBtn::Kind, &TBitBtn::SetKind)
            .Enum("Layout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"},
                  &TBitBtn::Layout, &TBitBtn::SetLayout)
            .Integer("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
            .Integer("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
            .Integer("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TBitBtn(owner); });
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), Glyph_(std::make_unique<TBitmap>()) {
    Glyph_->OnChange = [this] { Invalidate(); };
}

TBitBtn::~TBitBtn() {
    if (Images_)
        Images_->RemoveFreeNotification(this);
}

void TBitBtn::SetNumGlyphs(int count) {
    NumGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TBitBtn::SetImages(TImageList* images) {
    if (ReplaceFreeNotification(Images_, images))
        Invalidate();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    if (static_cast<std::size_t>(kind) >= std::size(kKinds))
        kind = bkCustom;
    Kind_ = kind;
    const TKindInfo& info = kKinds[kind];
    if (!info.Caption)
        return;
    // A stored description may give the caption or the glyph before the
    // kind: what it gave stands.
    if (!IsLoading() || Caption().empty())
        SetCaption(info.Caption);
    if (!IsLoading() || Glyph_->Empty()) {
        Glyph_->SetPixels(StockGlyph(kind));
        SetNumGlyphs(2);
    }
    SetModalResult(info.Result);
    SetDefault(info.Default);
    SetCancel(info.Cancel);
}

void TBitBtn::Click() {
    // Taken first: the click handler may free the button.
    auto* closing = Kind_ == bkClose ? As<TCustomForm>(ParentForm()) : nullptr;
    TButton::Click();
    if (closing)
        closing->Close();
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images_)
        Images_ = nullptr;
}

void TBitBtn::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM && message.LParam) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
        message.Result = TRUE;
        return;
    }
    TButton::WndProc(message);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    TButtonStateInput in;
    in.Enabled = !(item.itemState & ODS_DISABLED);
    in.MouseDown = (item.itemState & ODS_SELECTED) != 0;
    in.Focused = (item.itemState & ODS_FOCUS) != 0;
    PaintPlainPictureButton(item.hDC, item.rcItem, PictureContentOf(*this), Font()->Handle(),
                            ChooseButtonState(TButtonKind::Push, in), TPlainFace::Push, false);
}

} // namespace veyra
