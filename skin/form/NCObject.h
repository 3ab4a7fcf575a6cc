#pragma once

#include "skin/data/DataSkinObject.h"
#include "skin/imaging/Rect.h"

namespace veyra {

class TWinSkinForm;

// One object of a skinned window's non-client area that the mouse can hit: a
// title-bar button, later a menu-bar item. It knows its rectangle (window
// coordinates), whether it shows, its state and how to paint itself; the form
// routes the non-client mouse to it and keeps track of the one that is hot.
class TNCObject {
public:
    static constexpr int kNormal = 1;
    static constexpr int kPressed = 2;
    static constexpr int kHot = 3;

    explicit TNCObject(TWinSkinForm* form) : Form(form) {}
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;
    virtual ~TNCObject();

    TWinSkinForm* Form;
    Rect BoundsRect;
    bool Visible = false;
    int State = kNormal;
    bool Enabled = true;

    // The button went down on this object: it becomes the hot object, pressed.
    virtual void MouseDown();
    // The button came up on this object: hot again.
    virtual void MouseUp();
    // The mouse moved onto this object: the previous hot object lets go first.
    virtual void MouseEnter();
    // The mouse left this object: normal again, and nothing is hot.
    virtual void MouseLeave();
    // Draws the object in its current state at once.
    virtual void Paint() {}

private:
    // Makes this the form's hot object in state, after the previous one let go.
    void BecomeHot(int state);
};

// A title-bar button of the skin: close, maximise/restore, minimise, the
// system-menu icon, an MDI child's buttons on the menu bar, or a button of the
// application's own.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm* form, TDataSkinSysButton* buttonData) : TNCObject(form), ButtonData(buttonData) {}

    // The skin's element, as this window uses it (the form owns the copy).
    TDataSkinSysButton* ButtonData;

    // Draws the button into the window's title bar in its state.
    void Paint() override;
};

} // namespace veyra
