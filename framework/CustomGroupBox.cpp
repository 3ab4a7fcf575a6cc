#include "CustomGroupBox.h"

#include "ClassInfo.h"
#include "GdiObject.h"

namespace veyra {

const TClassInfo& TCustomGroupBox::StaticClass() {
    static const TClassInfo info("TCustomGroupBox", &TWinControl::StaticClass());
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.SysClassName = L"BUTTON";
    params.Style |= BS_GROUPBOX;
}

void TCustomGroupBox::WmEraseBkgnd(TMessage& message) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush.Get());
    message.Result = 1;
}

} // namespace veyra
