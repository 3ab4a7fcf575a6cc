#include "TabSheet.h"

#include "PageControl.h"

namespace veyra {

const TClassInfo& TTabSheet::StaticClass() {
    static const TClassInfo info(
        "TTabSheet", &TWinControl::StaticClass(),
        TPropertyList<TTabSheet>()
            .Integer("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
            .Object<TPageControl>("PageControl", &TTabSheet::PageControl,
                                  &TTabSheet::SetPageControl)
            .Integer("PageIndex", &TTabSheet::PageIndex, nullptr)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TTabSheet(owner); });
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Only the active page is visible; the page control shows it.
    SetVisible(false);
    SetAlign(alNone);
}

TTabSheet::~TTabSheet() {
    if (auto* pages = PageControl())
        pages->RemovePage(this);
}

TPageControl* TTabSheet::PageControl() const {
    return As<TPageControl>(Parent());
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    SetParent(pageControl);
}

int TTabSheet::PageIndex() const {
    return PageControl() ? PageControl()->IndexOfPage(this) : -1;
}

void TTabSheet::SetImageIndex(int index) {
    if (index == ImageIndex_)
        return;
    ImageIndex_ = index;
    if (auto* pages = PageControl())
        pages->UpdateTab(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (auto* old = PageControl())
        old->RemovePage(this);
    TWinControl::SetParent(parent);
    if (auto* pages = PageControl())
        pages->InsertPage(this);
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (auto* pages = PageControl())
        pages->UpdateTab(this);
}

} // namespace veyra
