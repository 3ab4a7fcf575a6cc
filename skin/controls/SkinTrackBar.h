#pragma once

#include <windows.h>

#include <commctrl.h>

#include "SkinControl.h"

namespace veyra {

// Skins a track bar through its custom-draw notifications: the control
// draws its tick marks itself; the channel comes from the skin's Track (or,
// standing, TRACKVERT) image in three slices and the thumb from
// Trackbar.ThumbHorz or Trackbar.ThumbVert, frame 2, or a plain outline.
//
// A track bar tells its parent to custom-draw it (WM_NOTIFY). The framework
// hands that back to a framework control (CN_NOTIFY); a bare track bar
// attached by handle gets a second hook on its parent's window, which
// answers the notifications of this track bar and passes everything else on.
class TSkinTrackBar : public TSkinControl {
    VEYRA_CLASS()
public:
    // A skin change repaints the control (the base's Repaint), which draws
    // through custom drawing again; the focus stays where it is.
    explicit TSkinTrackBar(TComponent* owner);
    ~TSkinTrackBar() override;

    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;
    void RestoreControl() override;
    // The parent window hooked for a bare track bar's notifications, or null.
    HWND HookedParent() const { return Parent_; }

protected:
    bool BeforeMessage(TMessage& message) override;

private:
    void HookParent();
    void UnhookParent();
    static LRESULT CALLBACK ParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR refData);
    // The parent's WM_NOTIFY: answered when it is this track bar's custom
    // draw while the skin is on.
    bool OnParentNotify(LPARAM lParam, LRESULT& result);

    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    bool Vertical() const;
    void DrawChannel(HDC dc);
    void DrawThumb(HDC dc);

    HWND Parent_ = nullptr;
};

} // namespace veyra
