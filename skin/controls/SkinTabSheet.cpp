#include "SkinTabSheet.h"

namespace veyra {

const TClassInfo& TSkinTabSheet::StaticClass() {
    static const TClassInfo info("TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

TSkinTabSheet::TSkinTabSheet(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTabSheet::BeforeMessage(TMessage& message) {
    if (!TSkinControl::BeforeMessage(message))
        return false;
    if (Mode() != 0)
        return true;
    if (AnswerPaintMessage(message, TEraseAnswer::PassOn, TPrintAnswer::Paint))
        return false;
    if (message.Msg == WM_ERASEBKGND) {
        EraseWithFace(message);
        return false;
    }
    return true;
}

void TSkinTabSheet::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    FillFace(dc, rect);
    PaintGraphicChildren(dc, rect);
}

} // namespace veyra
