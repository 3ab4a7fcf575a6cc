#pragma once

#include <windows.h>

#include "SkinControl.h"

namespace veyra {

// Skins one page of a page control: its background in the scheme's face
// colour, erased and painted here while Mode is 0 (the page does not show
// its parent's background).
class TSkinTabSheet : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinTabSheet(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace veyra
