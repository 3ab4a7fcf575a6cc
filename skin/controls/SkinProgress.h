#pragma once

#include "SkinControl.h"

namespace veyra {

// Skins a progress bar entirely from the skin's Progress element: two
// frames (empty bar, filled part) or, with the element's Style 1, a
// background and chunks from Progress.Chunk. A standing bar is composed
// lying down and turned anticlockwise, so that it fills from the bottom.
class TSkinProgress : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinProgress(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    // The filled part of a lying bar of the given size.
    Rect Fill(int length, int thickness) const;
};

} // namespace veyra
