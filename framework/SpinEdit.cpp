#include "SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>

#include "framework/Messages.h"

namespace veyra {

const TClassInfo& TSpinEdit::StaticClass() {
    static const TClassInfo info(
        "TSpinEdit", &TCustomEdit::StaticClass(),
        TPropertyList<TSpinEdit>()
            .Integer("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement)
            .Integer("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue)
            .Integer("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue)
            .Integer("Value", &TSpinEdit::Value, &TSpinEdit::SetValue)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TSpinEdit(owner); });
    return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText(L"0");
}

int TSpinEdit::Clamped(int value) const {
    if (MinValue_ == 0 && MaxValue_ == 0)
        return value;
    return std::clamp(value, MinValue_, std::max(MinValue_, MaxValue_));
}

int TSpinEdit::Value() const {
    const std::wstring text = Text();
    wchar_t* end = nullptr;
    const long long parsed = std::wcstoll(text.c_str(), &end, 10);
    if (end == text.c_str())
        return Clamped(Value_);
    return Clamped(static_cast<int>(std::clamp<long long>(parsed, INT_MIN, INT_MAX)));
}

void TSpinEdit::SetValue(int value) {
    // While loading, the value may come before its limits.
    Value_ = IsLoading() ? value : Clamped(value);
    SetText(std::to_wstring(Value_));
    if (UpDown_)
        SendMessageW(UpDown_, UDM_SETPOS32, 0, Value_);
}

void TSpinEdit::SetMinValue(int value) {
    MinValue_ = value;
    WriteLimits();
}

void TSpinEdit::SetMaxValue(int value) {
    MaxValue_ = value;
    WriteLimits();
}

void TSpinEdit::SetIncrement(int value) {
    Increment_ = std::max(value, 1);
    if (UpDown_) {
        UDACCEL accel{0, static_cast<UINT>(Increment_)};
        SendMessageW(UpDown_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    }
}

void TSpinEdit::Loaded() {
    TCustomEdit::Loaded();
    SetValue(Value_);
}

void TSpinEdit::WriteLimits() {
    if (!UpDown_)
        return;
    const bool limited = MinValue_ != 0 || MaxValue_ != 0;
    SendMessageW(UpDown_, UDM_SETRANGE32, static_cast<WPARAM>(limited ? MinValue_ : INT_MIN + 1),
                 limited ? std::max(MinValue_, MaxValue_) : INT_MAX);
}

void TSpinEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    // The arrows are a child of the edit: the edit must not paint over them.
    params.Style |= WS_CLIPCHILDREN;
}

void TSpinEdit::WindowCreated() {
    TCustomEdit::WindowCreated();
    const HWND edit = WindowHandle();
    UpDown_ =
        CreateWindowExW(0, UPDOWN_CLASSW, nullptr,
                        WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                        0, 0, 0, 0, edit, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!UpDown_)
        return;
    SendMessageW(UpDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    WriteLimits();
    SetIncrement(Increment_);
    SendMessageW(UpDown_, UDM_SETPOS32, 0, Value());
    PlaceArrows();
}

void TSpinEdit::PlaceArrows() {
    const HWND edit = WindowHandle();
    if (!UpDown_ || !edit)
        return;
    RECT client{};
    GetClientRect(edit, &client);
    const int width = std::min<int>(GetSystemMetrics(SM_CXVSCROLL), client.right);
    SetWindowPos(UpDown_, nullptr, client.right - width, 0, width, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 1));
}

void TSpinEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SIZE:
        TCustomEdit::WndProc(message);
        PlaceArrows();
        return;
    case WM_NCDESTROY:
        // The arrows went with the edit's window.
        UpDown_ = nullptr;
        break;
    case CM_RECREATEWND:
        if (WindowHandle())
            Value_ = Value();
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(message);
}

} // namespace veyra
