#include "CustomControl.h"

#include "GdiObject.h"

namespace veyra {

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info("TCustomControl", &TWinControl::StaticClass());
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::Paint(HDC, const RECT&) {}

void TCustomControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        WmPaint(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCustomControl::WmPaint(TMessage& message) {
    message.Result = 0;
    if (message.WParam) {
        RECT client{};
        GetClientRect(WindowHandle(), &client);
        Paint(reinterpret_cast<HDC>(message.WParam), client);
        return;
    }
    const TPaintScope paint(WindowHandle());
    if (paint.Dc())
        Paint(paint.Dc(), paint.PaintRect());
}

} // namespace veyra
