#include "ListView.h"

#include <commctrl.h>

#include <cwchar>

#include "skin/data/SystemColours.h"

namespace veyra {

namespace {

constexpr int kDefaultColumnWidth = 80;

std::vector<std::wstring> SplitCells(const std::wstring& line) {
    std::vector<std::wstring> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(L';', start);
        cells.push_back(line.substr(start, end == std::wstring::npos ? end : end - start));
        if (end == std::wstring::npos)
            return cells;
        start = end + 1;
    }
}

} // namespace

const TClassInfo& TCustomListView::StaticClass() {
    static const TClassInfo info(
        "TCustomListView", &TWinControl::StaticClass(),
        TPropertyList<TCustomListView>()
            .Enum("BorderStyle", {"bsNone", "bsSingle"}, &TCustomListView::BorderStyle,
                  &TCustomListView::SetBorderStyle)
            .Strings("Columns", &TCustomListView::Columns, &TCustomListView::SetColumns)
            .Strings("Items", &TCustomListView::Items, &TCustomListView::SetItems)
            .Enum("ViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"},
                  &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle)
            .Take());
    return info;
}

const TClassInfo& TListView::StaticClass() {
    static const TClassInfo info(
        "TListView", &TCustomListView::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TListView(owner); });
    return info;
}

TCustomListView::TCustomListView(TComponent* owner) : TWinControl(owner) {
    SetColor(static_cast<TColor>(clWindow));
}

void TCustomListView::SetViewStyle(TViewStyle style) {
    if (style == ViewStyle_)
        return;
    ViewStyle_ = style;
    RecreateWnd();
}

void TCustomListView::SetColumns(const std::vector<std::wstring>& columns) {
    Columns_ = columns;
    WriteColumns();
    WriteItems();
}

void TCustomListView::SetItems(const std::vector<std::wstring>& items) {
    Items_ = items;
    WriteItems();
}

void TCustomListView::SetBorderStyle(TBorderStyle style) {
    if (style == BorderStyle_)
        return;
    BorderStyle_ = style;
    RecreateWnd();
}

void TCustomListView::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = WC_LISTVIEWW;
    static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    params.Style |= WS_TABSTOP | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | kViews[ViewStyle_];
    if (BorderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::WindowCreated() {
    WriteColumns();
    WriteItems();
}

void TCustomListView::WriteColumns() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    while (SendMessageW(window, LVM_DELETECOLUMN, 0, 0))
        ;
    for (std::size_t i = 0; i < Columns_.size(); ++i) {
        const std::wstring& line = Columns_[i];
        const std::size_t equals = line.find(L'=');
        std::wstring caption = line.substr(0, equals);
        int width = kDefaultColumnWidth;
        if (equals != std::wstring::npos)
            width = static_cast<int>(std::wcstol(line.c_str() + equals + 1, nullptr, 10));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.cx = std::max(width, 0);
        column.iSubItem = static_cast<int>(i);
        SendMessageW(window, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void TCustomListView::WriteItems() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < Items_.size(); ++row) {
        std::vector<std::wstring> cells = SplitCells(Items_[row]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = cells[0].data();
        const auto index =
            SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (index < 0)
            continue;
        for (std::size_t cell = 1; cell < cells.size(); ++cell) {
            LVITEMW sub{};
            sub.iSubItem = static_cast<int>(cell);
            sub.pszText = cells[cell].data();
            SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&sub));
        }
    }
}

} // namespace veyra
