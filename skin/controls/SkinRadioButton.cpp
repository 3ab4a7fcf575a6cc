#include "SkinRadioButton.h"

#include <algorithm>

#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/SkinDefinition.h"

namespace veyra {

const TClassInfo& TSkinRadioButton::StaticClass() {
    static const TClassInfo info("TSkinRadioButton", &TSkinCheckBox::StaticClass());
    return info;
}

TSkinRadioButton::TSkinRadioButton(TComponent* owner) : TSkinCheckBox(owner) {}

const Bitmap* TSkinRadioButton::Glyphs(int& frameCount) const {
    const TSkinDefinition* skin = Skin();
    if (!skin || skin->Buttons.RadioImage.IsEmpty())
        return nullptr;
    frameCount = skin->Buttons.RadioButtonFrame;
    return &skin->Buttons.RadioImage;
}

TCheckValue TSkinRadioButton::ReadValue() const {
    bool checked = (SendMessageW(Handle(), BM_GETCHECK, 0, 0) & 1) != 0;
    if (const TWinControl* control = Control(); control && HasProperty(control, "Checked")) {
        std::string value = GetEnumPropText(control, "Checked");
        std::transform(value.begin(), value.end(), value.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        checked = value == "true";
    }
    return checked ? TCheckValue::Checked : TCheckValue::Unchecked;
}

} // namespace veyra
