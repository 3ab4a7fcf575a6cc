#include "DateTimePicker.h"

#include <commctrl.h>

#include <cstdio>

#include "framework/Messages.h"

namespace veyra {

namespace {

bool ValidDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return year >= 1601 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= kDays[month - 1] &&
           (month != 2 || day < 29 || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)));
}

} // namespace

const TClassInfo& TDateTimePicker::StaticClass() {
    static const TClassInfo info(
        "TDateTimePicker", &TWinControl::StaticClass(),
        TPropertyList<TDateTimePicker>()
            .WString("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
            .Enum("DateMode", {"dmComboBox", "dmUpDown"}, &TDateTimePicker::DateMode,
                  &TDateTimePicker::SetDateMode)
            .Enum("Kind", {"dtkDate", "dtkTime"}, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
            .WString("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TDateTimePicker(owner); });
    return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    GetLocalTime(&Value_);
    Value_.wMilliseconds = 0;
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    if (kind == Kind_)
        return;
    Value_ = Value();
    Kind_ = kind;
    RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
    if (mode == DateMode_)
        return;
    Value_ = Value();
    DateMode_ = mode;
    RecreateWnd();
}

SYSTEMTIME TDateTimePicker::Value() const {
    SYSTEMTIME value = Value_;
    if (const HWND window = WindowHandle())
        if (SendMessageW(window, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)) !=
            GDT_VALID)
            value = Value_;
    return value;
}

std::wstring TDateTimePicker::Date() const {
    const SYSTEMTIME v = Value();
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"%04u-%02u-%02u", v.wYear, v.wMonth, v.wDay);
    return text;
}

std::wstring TDateTimePicker::Time() const {
    const SYSTEMTIME v = Value();
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"%02u:%02u:%02u", v.wHour, v.wMinute, v.wSecond);
    return text;
}

void TDateTimePicker::SetDate(const std::wstring& date) {
    int year = 0, month = 0, day = 0;
    if (std::swscanf(date.c_str(), L"%d-%d-%d", &year, &month, &day) != 3 ||
        !ValidDate(year, month, day))
        return;
    Value_ = Value();
    Value_.wYear = static_cast<WORD>(year);
    Value_.wMonth = static_cast<WORD>(month);
    Value_.wDay = static_cast<WORD>(day);
    Value_.wDayOfWeek = 0;
    WriteValue();
}

void TDateTimePicker::SetTime(const std::wstring& time) {
    int hour = 0, minute = 0, second = 0;
    if (std::swscanf(time.c_str(), L"%d:%d:%d", &hour, &minute, &second) < 2 || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return;
    Value_ = Value();
    Value_.wHour = static_cast<WORD>(hour);
    Value_.wMinute = static_cast<WORD>(minute);
    Value_.wSecond = static_cast<WORD>(second);
    WriteValue();
}

HWND TDateTimePicker::CalendarHandle() const {
    const HWND window = WindowHandle();
    return window ? reinterpret_cast<HWND>(SendMessageW(window, DTM_GETMONTHCAL, 0, 0)) : nullptr;
}

void TDateTimePicker::WriteValue() {
    if (const HWND window = WindowHandle())
        SendMessageW(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&Value_));
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = DATETIMEPICK_CLASSW;
    params.Style |= WS_TABSTOP;
    if (Kind_ == dtkTime)
        params.Style |= DTS_TIMEFORMAT;
    else if (DateMode_ == dmUpDown)
        params.Style |= DTS_UPDOWN;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::WindowCreated() {
    WriteValue();
}

void TDateTimePicker::WndProc(TMessage& message) {
    if (message.Msg == CM_RECREATEWND && WindowHandle())
        Value_ = Value();
    TWinControl::WndProc(message);
}

} // namespace veyra
