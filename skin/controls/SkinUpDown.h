#pragma once

#include <windows.h>

#include "SkinControl.h"
#include "skin/data/TabGeometry.h"

namespace veyra {

class TDataSkinBorder;

// Skins an up-down arrow pair: alone, inside an edit (a spin edit), or as the
// scroll arrows of a tab strip. Each half is drawn from the UpDown.Vert or
// UpDown.Horz element in its state (normal, pressed, disabled, hot) with the
// element's glyph centred on it, or drawn plainly in the scheme colours when
// the skin has no such element. The control keeps its own behaviour: the
// object only paints and follows the mouse.
class TSkinUpDown : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinUpDown(TComponent* owner);

    // Lays the arrows out left and right whatever the control's style says
    // (a scroller that is horizontal without UDS_HORZ).
    void SetForcedHorizontal(bool on) { ForcedHorizontal_ = on; }
    bool ForcedHorizontal() const { return ForcedHorizontal_; }
    // The control sits inside an edit: its client area is filled white and
    // the arrows keep 3 pixels away from the edit's outer edges.
    void SetInsideEdit(bool on) { InsideEdit_ = on; }
    bool InsideEdit() const { return InsideEdit_; }

    // How the arrows are laid out now.
    TUpDownOrientation Orientation() const;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void OnButtonDown(TMessage& message);
    void OnButtonUp(TMessage& message);
    void OnEraseBackground(TMessage& message);
    void OnMouseMove(const TMessage& message);
    void OnCaptureChanged(const TMessage& message);

    // The part of rect the arrows use: all of it, or inside an edit the part
    // at least 3 pixels inside the edit's window.
    RECT ArrowArea(const RECT& rect) const;
    // What the button states depend on, for an area of the window.
    TUpDownInput StateInput(const RECT& area) const;
    // Which button the cursor is over now (for hover changes within the control).
    TUpDownButton ButtonUnderCursor() const;
    // One button from the skin element, or drawn plainly without one.
    void DrawSkinButton(Bitmap& target, const Rect& button, const TDataSkinBorder& element,
                        TUpDownState state, TUpDownArrow arrow) const;
    void DrawPlainButton(HDC dc, const RECT& button, TUpDownState state, TUpDownArrow arrow) const;

    bool ForcedHorizontal_ = false;
    bool InsideEdit_ = false;
    TUpDownButton HotButton_ = TUpDownButton::First;
    // Where the last mouse move over the control was, in client coordinates:
    // under Wine the platform's cursor position can still be the old one
    // while the move is handled.
    POINT LastMouse_{};
    bool LastMouseKnown_ = false;
};

} // namespace veyra
