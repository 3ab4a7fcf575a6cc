#pragma once

#include "skin/imaging/Rect.h"

namespace veyra {

class TNCObject;

// The one object of a window's non-client area that is under the mouse or
// pressed; the title buttons and the menu-bar items of a window share it.
struct TNCHotSlot {
    TNCObject* Object = nullptr;
};

// One object of a skinned window's non-client area that the mouse can hit: a
// title-bar button, later a menu-bar item. It knows its rectangle (window
// coordinates), whether it shows, its state and how to paint itself; the
// window routes the non-client mouse to it, and the hot slot says which one
// is hot.
class TNCObject {
public:
    // Mouse states; the numbers are the frame rules' state codes.
    enum TState : int { Normal = 1, Pressed = 2, Hot = 3 };

    explicit TNCObject(TNCHotSlot& hot) : Hot_(hot) {}
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;
    virtual ~TNCObject();

    Rect BoundsRect;
    bool Visible = false;
    TState State = Normal;
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
    // Makes this the hot object in state, after the previous one let go.
    void BecomeHot(TState state);

    TNCHotSlot& Hot_;
};

} // namespace veyra
