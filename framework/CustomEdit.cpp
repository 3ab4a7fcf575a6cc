#include "CustomEdit.h"

#include <algorithm>

#include "framework/Messages.h"
#include "skin/data/SystemColours.h"

namespace veyra {

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info(
        "TCustomEdit", &TWinControl::StaticClass(),
        TPropertyList<TCustomEdit>()
            .Enum("BorderStyle", {"bsNone", "bsSingle"}, &TCustomEdit::BorderStyle,
                  &TCustomEdit::SetBorderStyle)
            .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
            .Event("OnChange", &TCustomEdit::OnChange)
            .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
            .WString("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
            .Take());
    return info;
}

const TClassInfo& TEdit::StaticClass() {
    static const TClassInfo info("TEdit", &TCustomEdit::StaticClass(), {},
                                 [](TComponent* owner) -> TComponent* { return new TEdit(owner); });
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetColor(static_cast<TColor>(clWindow));
}

std::wstring TCustomEdit::Text() const {
    const HWND window = WindowHandle();
    if (!window)
        return Caption();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == BorderStyle_)
        return;
    BorderStyle_ = style;
    RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool readOnly) {
    ReadOnly_ = readOnly;
    if (const HWND window = WindowHandle())
        SendMessageW(window, EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetMaxLength(int length) {
    MaxLength_ = std::max(length, 0);
    if (const HWND window = WindowHandle())
        SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLength_), 0);
}

void TCustomEdit::WindowCreated() {
    if (MaxLength_ > 0)
        SendMessageW(WindowHandle(), EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLength_), 0);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"EDIT";
    params.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
    if (BorderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
    if (ReadOnly_)
        params.Style |= ES_READONLY;
}

void TCustomEdit::WndProc(TMessage& message) {
    // The text the user typed outlives a new window.
    if (message.Msg == CM_RECREATEWND && WindowHandle())
        SetCaption(Text());
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        message.Result = 0;
        if (OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace veyra
