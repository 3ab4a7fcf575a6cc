#include "ToolButton.h"

#include "ClassInfo.h"
#include "PopupMenu.h"
#include "PropInfo.h"
#include "ToolBar.h"

namespace veyra {

namespace {

// Tool-button commands are their own range, apart from the menus'.
int NextCommand() {
    static int next = 0xF000 - 0x1000;
    if (++next >= 0xF000)
        next = 0xF000 - 0x1000 + 1;
    return next;
}

} // namespace

const TClassInfo& TToolButton::StaticClass() {
    static const TClassInfo info(
        "TToolButton", &TComponent::StaticClass(),
        TPropertyList<TToolButton>()
            .WString("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
            .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
            .Bool("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled)
            .Bool("Down", &TToolButton::Down, &TToolButton::SetDown)
            .Enum("Style", {"tbsButton", "tbsCheck", "tbsSeparator", "tbsDropDown"},
                  &TToolButton::Style, &TToolButton::SetStyle)
            .Object<TPopupMenu>("DropdownMenu", &TToolButton::DropdownMenu,
                                &TToolButton::SetDropdownMenu)
            .Event("OnClick", &TToolButton::OnClick)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TToolButton(owner); });
    return info;
}

TToolButton::TToolButton(TComponent* owner) : TComponent(owner), Command_(NextCommand()) {}

TToolButton::~TToolButton() {
    if (ToolBar_)
        ToolBar_->RemoveButton(this);
}

void TToolButton::SetCaption(const std::wstring& caption) {
    Caption_ = caption;
    Changed();
}

void TToolButton::SetImageIndex(int index) {
    ImageIndex_ = index;
    Changed();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
    Style_ = style;
    Changed();
}

void TToolButton::SetEnabled(bool enabled) {
    Enabled_ = enabled;
    Changed();
}

void TToolButton::SetDown(bool down) {
    Down_ = down;
    Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
    if (menu == DropdownMenu_)
        return;
    if (DropdownMenu_)
        RemoveFreeNotification(DropdownMenu_);
    DropdownMenu_ = menu;
    if (DropdownMenu_)
        FreeNotification(DropdownMenu_);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == DropdownMenu_)
        DropdownMenu_ = nullptr;
}

void TToolButton::Click() {
    if (Enabled_ && OnClick)
        OnClick(this);
}

void TToolButton::Changed() {
    if (ToolBar_)
        ToolBar_->ButtonChanged(this);
}

} // namespace veyra
