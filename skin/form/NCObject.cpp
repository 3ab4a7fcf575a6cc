#include "NCObject.h"

#include "WinSkinForm.h"

namespace veyra {

TNCObject::~TNCObject()
{
    // A hot object that goes away must not be left behind as the form's hot one.
    if (Form && Form->HotObject() == this)
        Form->SetHotObject(nullptr);
}

void TNCObject::BecomeHot(int state)
{
    if (!Visible)
        return;
    Form->SetHotObject(this);
    State = state;
    Paint();
}

void TNCObject::MouseDown()
{
    if (TNCObject* hot = Form->HotObject(); hot && hot != this)
        hot->MouseLeave();
    BecomeHot(kPressed);
}

void TNCObject::MouseUp()
{
    if (!Visible)
        return;
    State = kHot;
    Paint();
}

void TNCObject::MouseEnter()
{
    TNCObject* hot = Form->HotObject();
    if (hot == this)
        return;
    if (hot)
        hot->MouseLeave();
    BecomeHot(kHot);
}

void TNCObject::MouseLeave()
{
    if (!Visible)
        return;
    Form->SetHotObject(nullptr);
    State = kNormal;
    Paint();
}

void TWinSysButton::Paint()
{
    Form->PaintTitleButton(*this);
}

} // namespace veyra
