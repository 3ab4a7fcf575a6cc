#include "RadioGroup.h"

#include <algorithm>

#include "ClassInfo.h"
#include "RadioButton.h"

namespace veyra {

// A radio group's own buttons: a click chooses the item.
class TGroupButton : public TRadioButton {
    VEYRA_CLASS()
public:
    TGroupButton(TRadioGroup& group) : TRadioButton(&group), Group_(group) {}

protected:
    void ButtonClicked() override { Group_.ButtonChosen(this); }

private:
    TRadioGroup& Group_;
};

const TClassInfo& TGroupButton::StaticClass() {
    static const TClassInfo info("TGroupButton", &TRadioButton::StaticClass());
    return info;
}

const TClassInfo& TRadioGroup::StaticClass() {
    static const TClassInfo info(
        "TRadioGroup", &TCustomGroupBox::StaticClass(),
        TPropertyList<TRadioGroup>()
            .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
            .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
            .Strings("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
            .Event("OnClick", &TRadioGroup::OnClick)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TRadioGroup(owner); });
    return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {}

void TRadioGroup::SetItems(const std::vector<std::wstring>& items) {
    Items_ = items;
    MakeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (!IsLoading() && (index < -1 || index >= static_cast<int>(Items_.size())))
        index = -1;
    ItemIndex_ = index;
    for (std::size_t i = 0; i < Buttons_.size(); ++i)
        Buttons_[i]->SetChecked(static_cast<int>(i) == index);
}

void TRadioGroup::SetColumns(int columns) {
    Columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

TRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < static_cast<int>(Buttons_.size()) ? Buttons_[index] : nullptr;
}

void TRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    SetItemIndex(ItemIndex_);
    ArrangeButtons();
}

void TRadioGroup::BoundsChanged() {
    TCustomGroupBox::BoundsChanged();
    ArrangeButtons();
}

void TRadioGroup::ButtonChosen(const TRadioButton* button) {
    const auto it = std::find(Buttons_.begin(), Buttons_.end(), button);
    if (it == Buttons_.end())
        return;
    const int index = static_cast<int>(it - Buttons_.begin());
    if (index == ItemIndex_)
        return;
    SetItemIndex(index);
    if (OnClick)
        OnClick(this);
}

void TRadioGroup::MakeButtons() {
    for (TRadioButton* button : Buttons_)
        delete button;
    Buttons_.clear();
    for (const std::wstring& item : Items_) {
        auto* button = new TGroupButton(*this);
        button->SetCaption(item);
        button->SetParent(this);
        Buttons_.push_back(button);
    }
    SetItemIndex(ItemIndex_);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (Buttons_.empty())
        return;
    // Below the caption, inside the frame.
    constexpr int kTop = 16, kSide = 8, kBottom = 4;
    const int count = static_cast<int>(Buttons_.size());
    const int rows = (count + Columns_ - 1) / Columns_;
    const int width = std::max(Width() - 2 * kSide, 0) / Columns_;
    const int height = std::max(Height() - kTop - kBottom, 0) / rows;
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        Buttons_[i]->SetBounds(kSide + column * width, kTop + row * height + (height - 17) / 2,
                               width, 17);
    }
}

} // namespace veyra
