#include "ComboBox.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Messages.h"
#include "skin/data/SystemColours.h"

namespace veyra {

namespace {

// The height of a list item before the window can say (a list of the
// platform's default font).
constexpr int kItemHeightGuess = 16;

} // namespace

const TClassInfo& TCustomComboBox::StaticClass() {
    static const TClassInfo info(
        "TCustomComboBox", &TWinControl::StaticClass(),
        TPropertyList<TCustomComboBox>()
            .Integer("DropDownCount", &TCustomComboBox::DropDownCount,
                     &TCustomComboBox::SetDropDownCount)
            .Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
            .Strings("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems)
            .Event("OnChange", &TCustomComboBox::OnChange)
            .Event("OnCloseUp", &TCustomComboBox::OnCloseUp)
            .Event("OnDropDown", &TCustomComboBox::OnDropDown)
            .Enum("Style", {"csDropDown", "csSimple", "csDropDownList"}, &TCustomComboBox::Style,
                  &TCustomComboBox::SetStyle)
            .WString("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
            .Take());
    return info;
}

const TClassInfo& TComboBox::StaticClass() {
    static const TClassInfo info(
        "TComboBox", &TCustomComboBox::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TComboBox(owner); });
    return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner) {
    SetColor(static_cast<TColor>(clWindow));
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style == Style_)
        return;
    ItemIndex_ = ItemIndex();
    Style_ = style;
    RecreateWnd();
}

void TCustomComboBox::SetItems(const std::vector<std::wstring>& items) {
    Items_ = items;
    WriteItems();
}

int TCustomComboBox::ItemIndex() const {
    if (const HWND window = WindowHandle())
        return static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
    return ItemIndex_;
}

void TCustomComboBox::SetItemIndex(int index) {
    ItemIndex_ = index;
    if (const HWND window = WindowHandle())
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring TCustomComboBox::Text() const {
    const HWND window = WindowHandle();
    if (!window) {
        if (Style_ == csDropDownList && ItemIndex_ >= 0 &&
            ItemIndex_ < static_cast<int>(Items_.size()))
            return Items_[static_cast<std::size_t>(ItemIndex_)];
        return Caption();
    }
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TCustomComboBox::SetText(const std::wstring& text) {
    if (Style_ != csDropDownList) {
        SetCaption(text);
        return;
    }
    const auto found = std::find_if(Items_.begin(), Items_.end(), [&text](const std::wstring& s) {
        return !text.empty() && s.starts_with(text);
    });
    SetItemIndex(found == Items_.end() ? -1 : static_cast<int>(found - Items_.begin()));
}

void TCustomComboBox::SetDropDownCount(int count) {
    DropDownCount_ = std::clamp(count, 1, 100);
    WriteDropDownCount();
}

void TCustomComboBox::WriteDropDownCount() {
    // Wine sizes the dropped list by this count alone; Windows by it and by
    // the height the window was made with.
    if (const HWND window = WindowHandle())
        SendMessageW(window, CB_SETMINVISIBLE, static_cast<WPARAM>(DropDownCount_), 0);
}

bool TCustomComboBox::DroppedDown() const {
    const HWND window = WindowHandle();
    return window && SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::Loaded() {
    TWinControl::Loaded();
    // ItemIndex may be read before the items.
    SetItemIndex(ItemIndex_);
}

int TCustomComboBox::HeightWithList() const {
    return Height() + DropDownCount_ * kItemHeightGuess + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"COMBOBOX";
    static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
    params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | kStyles[Style_];
    if (Style_ != csSimple)
        params.Height = HeightWithList();
    else
        params.Style |= CBS_NOINTEGRALHEIGHT; // the list fills the box to its bottom
}

void TCustomComboBox::WindowCreated() {
    WriteDropDownCount();
    WriteItems();
}

void TCustomComboBox::WriteItems() {
    const HWND window = WindowHandle();
    if (!window)
        return;
    // The typed text: the window's, or before the window had any, the caption.
    std::wstring text = Style_ == csDropDownList ? std::wstring() : Text();
    if (text.empty() && Style_ != csDropDownList)
        text = Caption();
    SendMessageW(window, CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : Items_)
        SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(ItemIndex_), 0);
    // Choosing no item empties an edit's text: what was typed stays.
    if (ItemIndex_ < 0 && !text.empty())
        SetWindowTextW(window, text.c_str());
}

void TCustomComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        CnCommand(message);
        return;
    case CM_RECREATEWND:
        // The choice and the typed text outlive a new window.
        if (WindowHandle()) {
            ItemIndex_ = ItemIndex();
            SetCaption(Text());
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomComboBox::CnCommand(TMessage& message) {
    message.Result = 0;
    TNotifyEvent* event = nullptr;
    switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
        event = &OnChange;
        break;
    case CBN_DROPDOWN:
        event = &OnDropDown;
        break;
    case CBN_CLOSEUP:
        event = &OnCloseUp;
        break;
    default:
        break;
    }
    if (event && *event)
        (*event)(this);
}

} // namespace veyra
