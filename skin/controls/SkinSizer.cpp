#include "SkinSizer.h"

namespace veyra {

const TClassInfo& TSkinSizer::StaticClass() {
    static const TClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

TSkinSizer::TSkinSizer(TComponent* owner) : TSkinControl(owner) {}

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() != TControlLife::Destroyed)
        FillFace(dc, rect);
}

} // namespace veyra
