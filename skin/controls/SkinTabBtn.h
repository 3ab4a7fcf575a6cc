#pragma once

#include <windows.h>

#include "SkinControl.h"

namespace veyra {

// Skins a page control whose tabs are buttons (button or flat-button style):
// a strip of skin push buttons from the Buttons element along the top, the
// focused tab pressed. There is no pane; the pages cover the rest.
class TSkinTabBtn : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinTabBtn(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace veyra
