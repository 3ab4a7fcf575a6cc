#pragma once

#include <windows.h>

#include "ScrollbarPair.h"
#include "SkinControl.h"

namespace veyra {

// The scroll bars of a bare window known only by its handle (the list of a
// simple combo box, a system dialog's list): overlays over its built-in
// bars and the box between them, kept in step as TSkinScrollbar keeps a
// framework control's. No border is drawn.
//
// The overlays are siblings of the window: while skinned the window clips
// its drawing to its siblings (WS_CLIPSIBLINGS), so the platform's own bar,
// drawn whenever the window scrolls, never shows over them.
class TSkinScrollbarH : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinScrollbarH(TComponent* owner);
    ~TSkinScrollbarH() override;

    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;
    void RestoreControl() override;

    const TScrollbarPair& Overlays() const { return Overlays_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    void PaintCorner();

    TScrollbarPair Overlays_;
    bool AddedClipSiblings_ = false;
};

} // namespace veyra
