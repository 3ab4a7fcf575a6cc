#include "GroupBox.h"

namespace veyra {

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info(
        "TGroupBox", &TCustomGroupBox::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TGroupBox(owner); });
    return info;
}

} // namespace veyra
