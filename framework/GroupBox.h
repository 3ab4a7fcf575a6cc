#pragma once

#include "CustomControl.h"

namespace veyra {

// A container with an etched frame and its Caption on the frame's top edge,
// 8 pixels in (from the right for a right-to-left box). Children are aligned
// inside the frame.
class TCustomGroupBox : public TCustomControl {
    VEYRA_CLASS()
public:
    explicit TCustomGroupBox(TComponent* owner);

    RECT AlignRect() const override;

protected:
    void Paint(HDC dc, const RECT& clip) override;
    void TextChanged() override;

private:
    int CaptionHeight() const;
};

// The group box as forms place it.
class TGroupBox : public TCustomGroupBox {
    VEYRA_CLASS()
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

} // namespace veyra
