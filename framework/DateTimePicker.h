#pragma once

#include <windows.h>

#include <string>

#include "WinControl.h"

namespace veyra {

// Whether a date-time picker edits a date or a time of day.
enum TDateTimeKind { dtkDate, dtkTime };
// How a date is chosen: from a dropped-down calendar, or by up-down arrows.
enum TDTDateMode { dmComboBox, dmUpDown };

// The platform's date-time picker under the framework. Date is written
// "yyyy-mm-dd" and Time "hh:mm:ss"; text that is not a valid date or time
// leaves the value as it was.
class TDateTimePicker : public TWinControl {
    VEYRA_CLASS()
public:
    explicit TDateTimePicker(TComponent* owner);

    // Window styles: a control with a window makes a new one.
    TDateTimeKind Kind() const { return Kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateMode DateMode() const { return DateMode_; }
    void SetDateMode(TDTDateMode mode);
    std::wstring Date() const;
    void SetDate(const std::wstring& date);
    std::wstring Time() const;
    void SetTime(const std::wstring& time);
    // The value as the user left it.
    SYSTEMTIME Value() const;
    // The calendar's window while it is dropped down, else null.
    HWND CalendarHandle() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void WindowCreated() override;
    void WndProc(TMessage& message) override;

private:
    void WriteValue();

    TDateTimeKind Kind_ = dtkDate;
    TDTDateMode DateMode_ = dmComboBox;
    SYSTEMTIME Value_{};
};

} // namespace veyra
