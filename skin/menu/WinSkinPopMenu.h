#pragma once

#include <windows.h>

#include "skin/form/SkinWindow.h"
#include "skin/imaging/Bitmap.h"

namespace veyra {

class TSkinData;
class TSkinDefinition;

// The skinning object of one popup-menu window (class "#32768"): its
// 3-pixel border is painted from the skin's MenuBackground element, and its
// frame image is where the owner-drawn items cut their backgrounds from. The
// border lies outside the client area on Windows, where WM_NCPAINT paints it;
// Wine's popup has no non-client area and draws its border inside the client,
// so there the skin's ring is painted over it after the window's own paint.
class TWinSkinPopMenu : public TSkinWindow {
public:
    // skinData: the component whose skin and options are used; not owned.
    TWinSkinPopMenu(HWND window, TSkinData* skinData);
    ~TWinSkinPopMenu() override;

    // Joins the window's subclass chain; false when it could not.
    bool Attach();
    // The menu shown in the window (asked of the window itself).
    HMENU ShownMenu() const;
    // The frame image at the window's present size (empty without the
    // element); items cut their backgrounds from it.
    const Bitmap& FrameImage();
    // Where the client area's origin lies in the frame image.
    POINT ClientOrigin() const;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    const TSkinDefinition* Skin() const;
    bool CanPaint() const;
    // The border lies outside the client area (the platform's own layout).
    bool HasNonClientBorder() const;
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnPrint(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    // Copies the 3-pixel ring of the frame image into dc, whose origin is
    // the window's (offset: where the window's corner lies in dc).
    void PaintRing(HDC dc, POINT offset);

    TSkinData* SkinData_;
    Bitmap FrameImage_;
};

} // namespace veyra
