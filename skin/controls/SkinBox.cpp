#include "SkinBox.h"

#include "framework/Font.h"
#include "framework/WinControl.h"
#include "skin/data/SkinColours.h"
#include "skin/form/SkinMessages.h"

namespace veyra {

const TClassInfo& TSkinBox::StaticClass() {
    static const TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (Attached())
        FollowSkinText();
}

void TSkinBox::SkinChanged() {
    FollowSkinText();
    TSkinControl::SkinChanged();
}

void TSkinBox::RestoreControl() {
    TSkinControl::RestoreControl();
    if (!TextRecoloured_ || !Control())
        return;
    TextRecoloured_ = false;
    Control()->Font()->SetColor(SavedTextColour_);
    Control()->SetParentFont(SavedParentFont_);
}

void TSkinBox::FollowSkinText() {
    TWinControl* control = Control();
    if (!KeepColor() || !control || !control->Font())
        return;
    if (!TextRecoloured_) {
        // A colour the application chose is kept.
        if (!IsSystemColour(static_cast<Colour>(control->Font()->Color())))
            return;
        SavedTextColour_ = control->Font()->Color();
        SavedParentFont_ = control->ParentFont();
        TextRecoloured_ = true;
    }
    control->Font()->SetColor(static_cast<TColor>(SkinColours().ButtonText));
}

bool TSkinBox::BeforeMessage(TMessage& message) {
    // The control answers for itself, even whether it is skinned: the form
    // knows this object from its list.
    if (message.Msg == SKINMSG_ISSKINNED)
        return true;
    return TSkinControl::BeforeMessage(message);
}

void TSkinBox::AfterMessage(TMessage&) {}

} // namespace veyra
