#pragma once

#include <windows.h>

#include "SkinControl.h"

namespace veyra {

class TSkinUpDown;

// Skins an edit box or memo: its border becomes a thin frame in the
// scheme's shadow colour with white inside it, drawn after every paint of
// the edit (WM_NCPAINT too, so the platform's sunken edge never comes back
// by itself), and into WM_PRINT pictures. A borderless edit is left as it
// is. With xcSpin in the skin's controls, the up-down arrows inside a spin
// edit get a TSkinUpDown of their own.
class TSkinEdit : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinEdit(TComponent* owner);

    // The skinner of the spin arrows inside the edit, or null.
    TSkinUpDown* UpDownSkin() const { return UpDown_; }

    // Draws the skinned border of a window whose border is borderWidth
    // pixels (see EditBorderWidth) into dc over rect: a frame in shadow,
    // then up to whiteRings white frames, never reaching past the border.
    static void DrawBorder(HDC dc, const RECT& rect, int borderWidth, COLORREF shadow,
                           int whiteRings);
    // The border width of window, from its window and client rectangles.
    static int BorderWidthOf(HWND window);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    void OnPrintClient(TMessage& message);
    void FindSpinChild();

    TSkinUpDown* UpDown_ = nullptr;
};

} // namespace veyra
