#pragma once

#include "CustomControl.h"

namespace veyra {

// The bevel a panel draws around its edge.
enum TPanelBevelKind { bvNone, bvLowered, bvRaised };

// A container that paints itself: its Color (or, with ParentBackground, its
// parent's), a one-pixel bevel and its Caption centred.
class TCustomPanel : public TCustomControl {
    VEYRA_CLASS()
public:
    explicit TCustomPanel(TComponent* owner);

    TPanelBevelKind BevelOuter() const { return BevelOuter_; }
    void SetBevelOuter(TPanelBevelKind bevel);
    // The panel shows its parent's colour instead of its own.
    bool ParentBackground() const { return ParentBackground_; }
    void SetParentBackground(bool on);

protected:
    void Paint(HDC dc, const RECT& clip) override;
    void WmEraseBkgnd(TMessage& message) override;
    void TextChanged() override;
    void ColorChanged() override;

private:
    COLORREF BackgroundColour() const;

    TPanelBevelKind BevelOuter_ = bvRaised;
    bool ParentBackground_ = false;
};

// The panel as forms place it.
class TPanel : public TCustomPanel {
    VEYRA_CLASS()
public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

} // namespace veyra
