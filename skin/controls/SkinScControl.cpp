#include "SkinScControl.h"

#include "framework/Messages.h"
#include "framework/WinControl.h"

namespace veyra {

const TClassInfo& TSkinScControl::StaticClass() {
    static const TClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
    return info;
}

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool) {
    AttachScrollBar(form, skinData);
}

void TSkinScControl::AttachScrollBar(TWinSkinForm* form, TSkinData* skinData) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, false);
    if (!Attached() || !Control())
        return;
    Overlay_ = std::make_unique<TWScrollbar>(*this, Handle(), TScrollKind::Control);
    Overlay_->SetEnabled(Control()->Enabled());
    if (Control()->Visible())
        Overlay_->Position();
    else
        Overlay_->Hide();
}

void TSkinScControl::RestoreControl() {
    TSkinControl::RestoreControl();
    if (!Overlay_)
        return;
    if (LifeState() == TControlLife::Destroyed)
        Overlay_->Hide();
    else
        Overlay_.reset();
}

void TSkinScControl::SkinChanged() {
    TSkinControl::SkinChanged();
    if (Overlay_)
        Overlay_->Position();
}

void TSkinScControl::SkinEnabledChanged() {
    if (!Overlay_)
        return;
    if (SkinEnabled())
        Overlay_->Position();
    else
        Overlay_->Hide();
}

void TSkinScControl::AfterMessage(TMessage& message) {
    TSkinControl::AfterMessage(message);
    if (!Overlay_ || LifeState() != TControlLife::Attached)
        return;
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCPAINT:
        Overlay_->Position();
        break;
    case CM_VISIBLECHANGED:
        if (message.WParam)
            Overlay_->Position();
        else
            Overlay_->Hide();
        break;
    case CM_ENABLEDCHANGED:
        if (Control())
            Overlay_->SetEnabled(Control()->Enabled());
        break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_ENABLE_ARROWS:
    case CN_HSCROLL:
    case CN_VSCROLL:
        Overlay_->Repaint();
        break;
    default:
        // Keys and programs move the control by other routes too; a change
        // of its thumb is drawn.
        Overlay_->Refresh();
        break;
    }
}

void TSkinScControl::PaintSkin(HDC, const RECT&) {
    if (Overlay_ && LifeState() != TControlLife::Destroyed)
        Overlay_->Repaint();
}

} // namespace veyra
