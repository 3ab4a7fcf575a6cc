#include "SkinSpeedButton.h"

#include <algorithm>
#include <cctype>

#include "framework/Control.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

namespace {

bool ReadsTrue(const TObject* object, std::string_view name) {
    std::string value = GetEnumPropText(object, name);
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return value == "true";
}

} // namespace

const TClassInfo& TSkinSpeedButton::StaticClass() {
    static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
    return info;
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

void TSkinSpeedButton::AttachSpeedButton(TWinSkinForm* form, TSkinData* skinData) {
    auto* control = dynamic_cast<TControl*>(Owner());
    if (!control)
        return;
    AttachGraphic(*control, form, skinData);
    SetTransparentBack(control->Tag());
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        if (message.WParam)
            PaintSpeedButton(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // The speed button presses itself; the skin shows it.
        const TAliveGuard guard(*this);
        CallOldProc(message);
        if (!guard.Alive())
            return false;
        SetMouseFlag(mfDown, true);
        PaintWindow(nullptr);
        return false;
    }
    default:
        // Only the base's own answers: the push button's concern with a
        // window (erasing, its timer) does not apply.
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONUP:
        SetMouseFlag(mfDown, false);
        PaintWindow(nullptr);
        break;
    case CM_MOUSEENTER:
        if (GraphicControl() && GraphicControl()->Enabled())
            SetMouseFlag(mfHover, true);
        PaintWindow(nullptr);
        break;
    case CM_MOUSELEAVE:
        SetMouseFlag(mfHover, false);
        SetMouseFlag(mfDown, false);
        if (GraphicControl() && GraphicControl()->Visible())
            PaintWindow(nullptr);
        break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        // The parent does not repaint a windowless control for these.
        Repaint();
        break;
    default:
        break;
    }
}

void TSkinSpeedButton::PaintWindow(HDC) {
    TControl* control = GraphicControl();
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !parent->HandleAllocated() || !control->Visible() ||
        LifeState() == TControlLife::Destroyed)
        return;
    const WindowDcScope client(parent->WindowHandle(), false);
    if (!client.Get())
        return;
    const SavedDcScope saved(client.Get());
    SetViewportOrgEx(client.Get(), control->Left(), control->Top(), nullptr);
    IntersectClipRect(client.Get(), 0, 0, control->Width(), control->Height());
    try {
        PaintSpeedButton(client.Get());
    } catch (...) {
        // A broken skin must not stop the parent's painting.
    }
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc) {
    TControl* control = GraphicControl();
    if (!control || Painting_ || !ButtonsElement() || LifeState() == TControlLife::Destroyed)
        return;
    const int width = control->Width();
    const int height = control->Height();
    if (width < 1 || height < 1)
        return;
    Painting_ = true;
    try {
        Enabled_ = ReadsTrue(control, "Enabled");
        Focused_ = false;
        const bool latched = ReadsTrue(control, "Down");
        TButtonStateInput in;
        in.Enabled = Enabled_;
        in.MouseDown = (MouseFlags() & mfDown) != 0;
        in.Hover = (MouseFlags() & mfHover) != 0;
        in.LatchedDown = latched;
        const TButtonState state = ChooseButtonState(TButtonKind::Speed, in);
        TPictureContent content = Content(control);
        content.Speed = true;
        Text_ = content.Text;
        // A flat button shows the skin's frame only while hot or pressed.
        const bool framed = state == TButtonState::Pressed || state == TButtonState::Hot ||
                            !ReadsTrue(control, "Flat");
        DibSurface* buffer =
            PaintFace(width, height, state, framed ? TFace::Framed : TFace::Background);
        if (buffer) {
            const bool picture = content.Glyph && !content.Glyph->IsEmpty();
            if (picture)
                DrawContent(*buffer, width, height, content, state, latched);
            else
                DrawButtonCaption(buffer->Dc(), RECT{0, 0, width, height});
            FontSelection_.reset();
            CopyBuffer(dc, 0, 0, width, height);
        }
    } catch (...) {
        FontSelection_.reset();
        Painting_ = false;
        throw;
    }
    Painting_ = false;
}

} // namespace veyra
