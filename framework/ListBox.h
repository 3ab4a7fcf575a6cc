#pragma once

#include <string>
#include <vector>

#include "CustomEdit.h"
#include "WinControl.h"

namespace veyra {

// The platform's list box under the framework: its items, the selected
// item, its border and, with ScrollWidth, a horizontal scroll bar over
// items that wide. The vertical bar shows when the items do not fit.
class TCustomListBox : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomListBox(TComponent* owner);

    const std::vector<std::wstring>& Items() const { return Items_; }
    void SetItems(const std::vector<std::wstring>& items);
    // The selected item, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    TBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // The width the horizontal scroll bar scrolls over; 0: no such bar.
    int ScrollWidth() const { return ScrollWidth_; }
    void SetScrollWidth(int width);

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteItems();

    std::vector<std::wstring> Items_;
    int ItemIndex_ = -1;
    TBorderStyle BorderStyle_ = bsSingle;
    int ScrollWidth_ = 0;
};

// The list box as forms place it.
class TListBox : public TCustomListBox {
    VEYRA_CLASS()
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

} // namespace veyra
