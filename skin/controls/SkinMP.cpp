#include "SkinMP.h"

#include <utility>

#include "WMediaPlayer.h"
#include "framework/Messages.h"
#include "framework/WinControl.h"
#include "skin/form/WinSkinForm.h"

namespace veyra {

const TClassInfo& TSkinMP::StaticClass() {
    static const TClassInfo info("TSkinMP", &TSkinControl::StaticClass());
    return info;
}

TSkinMP::TSkinMP(TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() {
    FreeOverlay();
}

void TSkinMP::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (!Attached() || !Control() || !Control()->Parent())
        return;
    Overlay_ = new TWMediaPlayer(static_cast<TComponent*>(SkinForm()));
    FreeNotification(Overlay_);
    Overlay_->Init(*this, *Control());
    Overlay_->FollowVisibility();
}

void TSkinMP::RestoreControl() {
    TSkinControl::RestoreControl();
    if (LifeState() != TControlLife::Destroyed)
        FreeOverlay();
}

void TSkinMP::SkinChanged() {
    TSkinControl::SkinChanged();
    if (Overlay_)
        Overlay_->Invalidate();
}

void TSkinMP::FreeOverlay() {
    if (TWMediaPlayer* overlay = std::exchange(Overlay_, nullptr)) {
        RemoveFreeNotification(overlay);
        delete overlay;
    }
}

void TSkinMP::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Overlay_)
        Overlay_ = nullptr;
}

void TSkinMP::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
        TSkinControl::AfterMessage(message);
        if (Overlay_)
            Overlay_->FollowBounds();
        break;
    case CM_VISIBLECHANGED:
        if (Overlay_)
            Overlay_->FollowVisibility();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinMP::SkinEnabledChanged() {
    if (Overlay_)
        Overlay_->FollowVisibility();
}

} // namespace veyra
