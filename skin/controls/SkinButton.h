#pragma once

#include <optional>

#include "SkinControl.h"
#include "skin/data/ButtonLayout.h"
#include "skin/imaging/UserHandlesWin32.h"

namespace veyra {

class TDataSkinButton;
class TFont;

// The colour a control's caption is drawn in: the font's own when the
// application chose one, the scheme's button text for a font left at a
// system colour (the platform's text colours would not read on a dark
// skin).
COLORREF CaptionColour(const TSkinControl& skin, const TFont& font);

// Push buttons drawn from the skin's Buttons element: one frame per state
// (normal, pressed, disabled, hot, focused) with the caption centred over
// it, the first "||" breaking it in two. The skin keeps the left button
// from the control and makes the click itself, once per release over the
// button: a framework button's Click, or WM_COMMAND to the parent of a bare
// window. Space is left to the control, which clicks by itself.
class TSkinButton : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinButton(TComponent* owner);

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;

    // The parent's background shows behind the face (Tag 5555 or xoTransparent).
    bool TransparentBack() const { return TransparentBack_; }

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

    // Which state rule the class follows.
    virtual TButtonKind Kind() const { return TButtonKind::Push; }
    // The skin's Buttons element when it has an image, else null.
    const TDataSkinButton* ButtonsElement() const;
    // The state of the button now (Enabled and Focused as last refreshed).
    TButtonState State() const;
    // Composes the background and (Framed) the state's frame in the buffer (width x height) and
    // selects the control's font and the state's text colour into it. Null when nothing can be
    // drawn.
    enum class TFace { Framed, Background };
    DibSurface* PaintFace(int width, int height, TButtonState state, TFace face = TFace::Framed);
    // The centred caption of Text in rect, and the focus rectangle.
    void DrawButtonCaption(HDC dc, const RECT& rect) const;
    // A focus rectangle around rect, unless the skin says not to.
    void DrawFocus(HDC dc, RECT rect) const;
    // The click the skin makes on a release.
    void MakeClick();

    bool TransparentBack_ = false;
    // The font selected into the buffer by PaintFace, until the paint ends.
    std::optional<SelectObjectScope> FontSelection_;

    void SetTransparentBack(std::int64_t tag);

private:
    void OnMouseDown(TMessage& message);
    void OnLeave();
    // The hot button's timer: the mouse is no longer over the window.
    void WatchLeave();
    bool CursorInside() const;

    // Runs while the button is hot; killed with the object, so a button
    // left hot when the skin lets go keeps no timer of ours.
    WindowTimer LeaveWatch_;
};

} // namespace veyra
