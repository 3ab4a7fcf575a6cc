#pragma once

#include <string>
#include <vector>

#include "CustomEdit.h"
#include "WinControl.h"

namespace veyra {

// How a list view shows its items.
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// The platform's list view under the framework, with the report view's
// columns. Columns are lines "Caption=Width" (the width optional); items are
// lines of cells separated by ";", the first the item's caption and the
// others its columns' text. ViewStyle is a window style: a control with a
// window makes a new one.
class TCustomListView : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TCustomListView(TComponent* owner);

    TViewStyle ViewStyle() const { return ViewStyle_; }
    void SetViewStyle(TViewStyle style);
    const std::vector<std::wstring>& Columns() const { return Columns_; }
    void SetColumns(const std::vector<std::wstring>& columns);
    const std::vector<std::wstring>& Items() const { return Items_; }
    void SetItems(const std::vector<std::wstring>& items);
    TBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;

private:
    void WriteColumns();
    void WriteItems();

    TViewStyle ViewStyle_ = vsIcon;
    std::vector<std::wstring> Columns_;
    std::vector<std::wstring> Items_;
    TBorderStyle BorderStyle_ = bsSingle;
};

// The list view as forms place it.
class TListView : public TCustomListView {
    VEYRA_CLASS()
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
};

} // namespace veyra
