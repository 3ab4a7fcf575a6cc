#include "SkinBox.h"

#include "skin/form/SkinMessages.h"

namespace veyra {

const TClassInfo& TSkinBox::StaticClass() {
    static const TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

bool TSkinBox::BeforeMessage(TMessage& message) {
    // The control answers for itself, even whether it is skinned: the form
    // knows this object from its list.
    if (message.Msg == SKINMSG_ISSKINNED)
        return true;
    return TSkinControl::BeforeMessage(message);
}

void TSkinBox::AfterMessage(TMessage&) {}

} // namespace veyra
