#pragma once

#include <windows.h>

#include <memory>

#include "SkinControl.h"

namespace veyra {

class TArrowButton;

// Skins a date-time picker that drops down a calendar: a thin border (the
// edit's, with one white ring) and, over the picker's own calendar button,
// a TArrowButton drawn from the skin that opens the calendar.
class TSkinDateTime : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinDateTime(TComponent* owner);
    ~TSkinDateTime() override;

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;
    void RestoreControl() override;

    TArrowButton* Arrow() const { return Arrow_.get(); }

protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    std::unique_ptr<TArrowButton> Arrow_;
};

} // namespace veyra
