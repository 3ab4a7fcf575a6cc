#include "NCObject.h"

namespace veyra {

TNCObject::~TNCObject() {
    // A hot object that goes away must not be left behind as the hot one.
    if (Hot_.Object == this)
        Hot_.Object = nullptr;
}

void TNCObject::BecomeHot(TState state) {
    if (!Visible)
        return;
    Hot_.Object = this;
    State = state;
    Paint();
}

void TNCObject::MouseDown() {
    if (TNCObject* hot = Hot_.Object; hot && hot != this)
        hot->MouseLeave();
    BecomeHot(Pressed);
}

void TNCObject::MouseUp() {
    if (!Visible)
        return;
    State = Hot;
    Paint();
}

void TNCObject::MouseEnter() {
    TNCObject* hot = Hot_.Object;
    if (hot == this)
        return;
    if (hot)
        hot->MouseLeave();
    BecomeHot(Hot);
}

void TNCObject::MouseLeave() {
    if (!Visible)
        return;
    Hot_.Object = nullptr;
    State = Normal;
    Paint();
}

} // namespace veyra
