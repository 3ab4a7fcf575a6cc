#pragma once

#include <string>
#include <vector>

#include "CustomGroupBox.h"

namespace veyra {

class TRadioButton;

// A group box holding one radio button per line of Items, laid out in
// Columns columns; ItemIndex is the checked one (-1: none). Choosing
// another item raises OnClick.
class TRadioGroup : public TCustomGroupBox {
    VEYRA_CLASS()
public:
    explicit TRadioGroup(TComponent* owner);

    const std::vector<std::wstring>& Items() const { return Items_; }
    void SetItems(const std::vector<std::wstring>& items);
    int ItemIndex() const { return ItemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return Columns_; }
    // 1 to 16 columns; other values are brought into that range.
    void SetColumns(int columns);
    // The radio button of item index, or null.
    TRadioButton* Button(int index) const;

    TNotifyEvent OnClick;

    void Loaded() override;

protected:
    void BoundsChanged() override;

private:
    friend class TGroupButton;
    void ButtonChosen(const TRadioButton* button);
    void MakeButtons();
    void ArrangeButtons();

    std::vector<std::wstring> Items_;
    std::vector<TRadioButton*> Buttons_;
    int ItemIndex_ = -1;
    int Columns_ = 1;
};

} // namespace veyra
