#pragma once

#include <windows.h>

#include <commctrl.h>

#include "SkinControl.h"

namespace veyra {

// Skins a track bar through its custom-draw notifications: the control
// draws its tick marks itself; the channel comes from the skin's Track (or,
// standing, TRACKVERT) image in three slices and the thumb from
// Trackbar.ThumbHorz or Trackbar.ThumbVert, frame 2, or a plain outline.
class TSkinTrackBar : public TSkinControl {
    VEYRA_CLASS()
public:
    // A skin change repaints the control (the base's Repaint), which draws
    // through custom drawing again; the focus stays where it is.
    explicit TSkinTrackBar(TComponent* owner);

protected:
    bool BeforeMessage(TMessage& message) override;

private:
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    bool Vertical() const;
    void DrawChannel(HDC dc);
    void DrawThumb(HDC dc);
};

} // namespace veyra
