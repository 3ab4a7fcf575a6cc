#include "ListBox.h"

#include "framework/Messages.h"
#include "skin/data/SystemColours.h"

namespace veyra {

const TClassInfo& TCustomListBox::StaticClass() {
    static const TClassInfo info(
        "TCustomListBox", &TWinControl::StaticClass(),
        TPropertyList<TCustomListBox>()
            .Enum("BorderStyle", {"bsNone", "bsSingle"}, &TCustomListBox::BorderStyle,
                  &TCustomListBox::SetBorderStyle)
            .Integer("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
            .Strings("Items", &TCustomListBox::Items, &TCustomListBox::SetItems)
            .Integer("ScrollWidth", &TCustomListBox::ScrollWidth, &TCustomListBox::SetScrollWidth)
            .Take());
    return info;
}

const TClassInfo& TListBox::StaticClass() {
    static const TClassInfo info(
        "TListBox", &TCustomListBox::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TListBox(owner); });
    return info;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner) {
    SetColor(static_cast<TColor>(clWindow));
}

void TCustomListBox::SetItems(const std::vector<std::wstring>& items) {
    Items_ = items;
    WriteItems();
}

int TCustomListBox::ItemIndex() const {
    if (const HWND window = WindowHandle())
        return static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
    return ItemIndex_;
}

void TCustomListBox::SetItemIndex(int index) {
    ItemIndex_ = index;
    if (const HWND window = WindowHandle())
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomListBox::SetBorderStyle(TBorderStyle style) {
    if (style == BorderStyle_)
        return;
    BorderStyle_ = style;
    RecreateWnd();
}

void TCustomListBox::SetScrollWidth(int width) {
    width = std::max(width, 0);
    if (width == ScrollWidth_)
        return;
    const bool barChanges = (width > 0) != (ScrollWidth_ > 0);
    ScrollWidth_ = width;
    if (barChanges)
        RecreateWnd();
    else if (const HWND window = WindowHandle())
        SendMessageW(window, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

void TCustomListBox::Loaded() {
    TWinControl::Loaded();
    // ItemIndex may be read before the items.
    SetItemIndex(ItemIndex_);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"LISTBOX";
    params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (ScrollWidth_ > 0)
        params.Style |= WS_HSCROLL;
    if (BorderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::WindowCreated() {
    WriteItems();
    if (ScrollWidth_ > 0)
        SendMessageW(WindowHandle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(ScrollWidth_), 0);
}

void TCustomListBox::WriteItems() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    SendMessageW(window, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : Items_)
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
}

void TCustomListBox::WndProc(TMessage& message) {
    // The selection outlives a new window.
    if (message.Msg == CM_RECREATEWND && WindowHandle())
        ItemIndex_ = ItemIndex();
    TWinControl::WndProc(message);
}

} // namespace veyra
