#include "SkinDateTime.h"

#include "ArrowButton.h"
#include "SkinEdit.h"
#include "skin/data/SkinColours.h"

namespace veyra {

const TClassInfo& TSkinDateTime::StaticClass() {
    static const TClassInfo info("TSkinDateTime", &TSkinControl::StaticClass());
    return info;
}

TSkinDateTime::TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}

TSkinDateTime::~TSkinDateTime() = default;

void TSkinDateTime::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (Attached())
        Arrow_ = std::make_unique<TArrowButton>(*this, Handle());
}

void TSkinDateTime::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachHandle(window, skinData, form);
    if (Attached())
        Arrow_ = std::make_unique<TArrowButton>(*this, Handle());
}

void TSkinDateTime::RestoreControl() {
    TSkinControl::RestoreControl();
    Arrow_.reset();
}

void TSkinDateTime::SkinEnabledChanged() {
    if (Arrow_)
        Arrow_->Show(SkinEnabled());
}

void TSkinDateTime::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT:
        PaintWindow(nullptr);
        break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        if (Arrow_)
            Arrow_->Place();
        TSkinControl::AfterMessage(message);
        break;
    case WM_PAINT:
        if (!message.WParam)
            PaintWindow(nullptr);
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinDateTime::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    TSkinEdit::DrawBorder(dc, rect, TSkinEdit::BorderWidthOf(Handle()),
                          SchemeColour(&TSkinColours::ButtonShadow), 1);
}

} // namespace veyra
