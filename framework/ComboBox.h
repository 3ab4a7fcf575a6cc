#pragma once

#include <string>
#include <vector>

#include "WinControl.h"

namespace veyra {

// How a combo box lets the user choose: an edit with a drop-down list, an
// edit over a list that is always shown, or a drop-down list alone.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The platform's combo box under the framework: its items, the chosen item,
// the text, how many items the dropped list shows, and notifications of a
// change, of the list dropping down and closing up. A right-to-left
// BiDiMode puts its button and scroll bar at the left (WS_EX_LEFTSCROLLBAR).
class TCustomComboBox : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomComboBox(TComponent* owner);

    TComboBoxStyle Style() const { return Style_; }
    // A window style: a control with a window makes a new one.
    void SetStyle(TComboBoxStyle style);
    const std::vector<std::wstring>& Items() const { return Items_; }
    void SetItems(const std::vector<std::wstring>& items);
    // The chosen item, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text shown: the edit's, or the chosen item's for a drop-down list.
    std::wstring Text() const;
    // For a drop-down list, chooses the first item that starts with text.
    void SetText(const std::wstring& text);
    int DropDownCount() const { return DropDownCount_; }
    void SetDropDownCount(int count);
    // Whether the list is dropped down now.
    bool DroppedDown() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    void Loaded() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void CnCommand(TMessage& message);
    void WriteItems();
    void WriteDropDownCount();
    // The window's height with its dropped list: the platform takes the
    // list's height from the height the window is made with.
    int HeightWithList() const;

    TComboBoxStyle Style_ = csDropDown;
    std::vector<std::wstring> Items_;
    int ItemIndex_ = -1;
    int DropDownCount_ = 8;
};

// The combo box as forms place it.
class TComboBox : public TCustomComboBox {
    VEYRA_CLASS()
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

} // namespace veyra
