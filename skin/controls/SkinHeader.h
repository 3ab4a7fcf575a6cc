#pragma once

#include <vector>

#include "SkinControl.h"
#include "skin/imaging/Rect.h"

namespace veyra {

// Skins a header (stand-alone, or a list view's column header) from the
// skin's Headerbar element: frame 1 for each section, frame 2 for the one
// under the mouse, the sections' text and icons over them, and frame 1 over
// the space past the last section.
class TSkinHeader : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinHeader(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;

    // The section under the mouse, or -1.
    int HotSection() const { return Hot_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    bool HasImage() const;

    int Hot_ = -1;
    // Each section's hot zone as last painted.
    std::vector<Rect> Zones_;
};

} // namespace veyra
