#pragma once

#include <functional>
#include <memory>

#include "CustomControl.h"
#include "skin/data/MediaPlayerLayout.h"

namespace veyra {

class TPlayerGlyphs;

// A transport button of a player was clicked.
using TMPBtnClickEvent = std::function<void(TObject* sender, TMPBtnType button)>;

// A row of transport buttons (Play, Pause, Stop, Next, Prev, Step, Back,
// Record, Eject) in equal widths. It plays nothing itself: a button pressed
// and let go over the same button raises OnClick with its kind, and the
// program decides what happens and which buttons are enabled.
// WM_CANCELMODE calls a press off without a click. The sets are
// published ("[btPlay,btStop]"), so a skin laid over the player reads them
// by name.
class TMediaPlayer : public TCustomControl {
    VEYRA_CLASS()
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    TMPBtnSet VisibleButtons() const { return Visible_; }
    void SetVisibleButtons(TMPBtnSet buttons);
    TMPBtnSet EnabledButtons() const { return Enabled_; }
    void SetEnabledButtons(TMPBtnSet buttons);
    // Enabled buttons in this set show their coloured picture.
    TMPBtnSet ColoredButtons() const { return Coloured_; }
    void SetColoredButtons(TMPBtnSet buttons);

    // The button the left mouse button went down on, or kMPNoButton.
    int PressedButton() const { return Pressed_; }

    TMPBtnClickEvent OnClick;

protected:
    void Paint(HDC dc, const RECT& clip) override;
    void WndProc(TMessage& message) override;

private:
    void WmLButtonDown(TMessage& message);
    void WmLButtonUp(TMessage& message);
    // The enabled, visible button at a mouse message's point, or kMPNoButton.
    int ButtonAt(LPARAM point) const;
    void Changed(TMPBtnSet& field, TMPBtnSet buttons);

    TMPBtnSet Visible_ = kAllMPButtons;
    TMPBtnSet Enabled_ = kAllMPButtons;
    TMPBtnSet Coloured_ = kAllMPButtons;
    int Pressed_ = kMPNoButton;
    // Loaded at the first paint, from the program's module.
    std::unique_ptr<TPlayerGlyphs> Glyphs_;
};

} // namespace veyra
