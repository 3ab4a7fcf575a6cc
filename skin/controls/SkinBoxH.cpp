#include "SkinBoxH.h"

#include "skin/data/SkinColours.h"

namespace veyra {

const TClassInfo& TSkinBoxH::StaticClass() {
    static const TClassInfo info("TSkinBoxH", &TSkinControl::StaticClass());
    return info;
}

TSkinBoxH::TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}

HBRUSH TSkinBoxH::FaceBrush() {
    // Static children keep the brush they are given until they paint again:
    // it lives as long as this object, and changes only with the skin.
    const COLORREF face = SchemeColour(&TSkinColours::ButtonFace);
    if (!FaceBrush_ || face != FaceBrushColour_) {
        FaceBrush_ = BrushHandle(CreateSolidBrush(face));
        FaceBrushColour_ = face;
    }
    return FaceBrush_.Get();
}

void TSkinBoxH::SkinChanged() {
    TSkinControl::SkinChanged();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TSkinBoxH::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseWithFace(message);
        return false;
    case WM_CTLCOLORSTATIC: {
        CallOldProc(message);
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetBkColor(dc, SchemeColour(&TSkinColours::ButtonFace));
        message.Result = reinterpret_cast<LRESULT>(FaceBrush());
        return false;
    }
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

} // namespace veyra
