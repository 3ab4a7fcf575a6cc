#include "CustomEdit.h"

#include "framework/Messages.h"
#include "skin/data/SystemColours.h"

namespace veyra {

const TClassInfo& TCustomEdit::StaticClass() {
    static const TClassInfo info("TCustomEdit", &TWinControl::StaticClass(),
                                 TPropertyList<TCustomEdit>()
                                     .Enum("BorderStyle", {"bsNone", "bsSingle"},
                                           &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
                                     .WString("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
                                     .Take());
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

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"EDIT";
    params.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
    if (BorderStyle_ == bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::WndProc(TMessage& message) {
    // The text the user typed outlives a new window.
    if (message.Msg == CM_RECREATEWND && WindowHandle())
        SetCaption(Text());
    TWinControl::WndProc(message);
}

} // namespace veyra
