#include "SkinEdit.h"

#include <algorithm>
#include <string>

#include "ControlDrawing.h"
#include "SkinUpDown.h"
#include "skin/component/SkinData.h"
#include "skin/data/ComboGeometry.h"
#include "skin/form/SkinMessages.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/package/AsciiText.h"

namespace veyra {

namespace {

// The class names a spin child goes by: the platform's up-down control and
// the spin buttons of other libraries.
bool IsSpinClass(HWND window) {
    wchar_t name[101] = {};
    const int length = GetClassNameW(window, name, 101);
    std::string lower;
    for (int i = 0; i < length; ++i)
        lower.push_back(name[i] < 0x80 ? static_cast<char>(name[i]) : '?');
    lower = LowerAscii(lower);
    return lower == "msctls_updown32" || lower.find("spin") != std::string::npos ||
           lower.find("updown") != std::string::npos;
}

} // namespace

const TClassInfo& TSkinEdit::StaticClass() {
    static const TClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
    return info;
}

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == UpDown_)
        UpDown_ = nullptr;
}

int TSkinEdit::BorderWidthOf(HWND window) {
    RECT outer{};
    RECT client{};
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return 0;
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const Rect clientInWindow =
        RectOfSize(origin.x - outer.left, origin.y - outer.top, client.right, client.bottom);
    return EditBorderWidth({0, 0, outer.right - outer.left, outer.bottom - outer.top},
                           clientInWindow);
}

void TSkinEdit::DrawBorder(HDC dc, const RECT& rect, int borderWidth, COLORREF shadow,
                           int whiteRings) {
    if (borderWidth <= 0)
        return;
    const BrushHandle shadowBrush(CreateSolidBrush(shadow));
    const BrushHandle white(CreateSolidBrush(RGB(255, 255, 255)));
    if (!shadowBrush || !white)
        return;
    RECT ring = rect;
    FrameRect(dc, &ring, shadowBrush.Get());
    // The rings stay in the border: a read-only or disabled edit's own
    // face is not whitened at its edge.
    const int rings = std::min(whiteRings, borderWidth - 1);
    for (int i = 0; i < rings; ++i) {
        InflateRect(&ring, -1, -1);
        FrameRect(dc, &ring, white.Get());
    }
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinEdit::BeforeMessage(TMessage& message) {
    if (message.Msg == SKINMSG_PRINTCLIENT && message.LParam == kSkinSignature) {
        OnPrintClient(message);
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinEdit::OnPrintClient(TMessage& message) {
    // The edit paints its client area into the DC it is given.
    if (message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallOldProc(paint);
    }
    message.Result = kSkinSignature;
}

void TSkinEdit::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        // A DC in wParam holds the client area only; the border is drawn
        // through the window's own DC.
        if (!message.WParam)
            PaintWindow(nullptr);
        break;
    case WM_NCPAINT:
        PaintWindow(nullptr);
        break;
    case WM_PRINT:
        if ((message.LParam & PRF_NONCLIENT) && message.WParam) {
            RECT rect{};
            GetWindowRect(Handle(), &rect);
            OffsetRect(&rect, -rect.left, -rect.top);
            DrawBorder(reinterpret_cast<HDC>(message.WParam), rect, BorderWidthOf(Handle()),
                       SchemeColour(&TSkinColours::ButtonShadow), 2);
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinEdit::SkinEnabledChanged() {
    // The arrows are part of the edit: switched with it.
    if (UpDown_ && UpDown_->Handle() && IsWindow(UpDown_->Handle()))
        SendMessageW(UpDown_->Handle(), SKINMSG_ENABLE, SkinEnabled() ? 1 : 0, 0);
}

void TSkinEdit::FindSpinChild() {
    if (UpDown_ || !SkinData() || !SkinData()->Skins(xcSpin))
        return;
    for (HWND child = GetTopWindow(Handle()); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsSpinClass(child))
            continue;
        // Owned as this object is, and registered with the form: freed
        // with the control, or by the form.
        UpDown_ = new TSkinUpDown(Owner());
        FreeNotification(UpDown_);
        UpDown_->SetInsideEdit(true);
        UpDown_->AttachHandle(child, SkinData(), SkinForm());
        return;
    }
}

void TSkinEdit::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    FindSpinChild();
    DrawBorder(dc, rect, BorderWidthOf(Handle()), SchemeColour(&TSkinColours::ButtonShadow), 2);
}

} // namespace veyra
