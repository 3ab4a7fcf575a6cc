#pragma once

#include "CustomGroupBox.h"

namespace veyra {

// The group box as forms place it: the platform's group box with its
// Caption.
class TGroupBox : public TCustomGroupBox {
    VEYRA_CLASS()
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

} // namespace veyra
