#include "SkinScrollbarH.h"

#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

const TClassInfo& TSkinScrollbarH::StaticClass() {
    static const TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass());
    return info;
}

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachHandle(window, skinData, form);
    if (!Attached())
        return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (!(style & WS_CLIPSIBLINGS)) {
        SetWindowLongPtrW(window, GWL_STYLE, style | WS_CLIPSIBLINGS);
        AddedClipSiblings_ = true;
    }
    Overlays_.Create(*this, window);
    Overlays_.Position();
}

void TSkinScrollbarH::RestoreControl() {
    TSkinControl::RestoreControl();
    if (LifeState() == TControlLife::Destroyed) {
        Overlays_.Hide();
        return;
    }
    Overlays_.Free();
    if (AddedClipSiblings_ && IsWindow(Handle()))
        SetWindowLongPtrW(Handle(), GWL_STYLE,
                          GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_CLIPSIBLINGS);
    AddedClipSiblings_ = false;
}

void TSkinScrollbarH::SkinEnabledChanged() {
    if (SkinEnabled())
        Overlays_.Position();
    else
        Overlays_.Hide();
}

bool TSkinScrollbarH::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_NCPAINT) {
        CallOldProc(message);
        PaintCorner();
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbarH::AfterMessage(TMessage& message) {
    if (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL)
        Overlays_.NoteScroll(message.Msg, message.WParam);
    TSkinControl::AfterMessage(message);
    // As for framework controls: every route of scrolling ends here, and
    // only a change is drawn.
    if (LifeState() == TControlLife::Attached && SkinEnabled())
        Overlays_.Refresh();
}

void TSkinScrollbarH::PaintSkin(HDC, const RECT&) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    Overlays_.Refresh();
    Overlays_.Repaint();
    PaintCorner();
}

void TSkinScrollbarH::PaintCorner() {
    const RECT corner = Overlays_.Corner();
    if (IsRectEmpty(&corner))
        return;
    const WindowDcScope dc(Handle());
    if (dc.Get())
        FillFace(dc.Get(), corner);
}

} // namespace veyra
