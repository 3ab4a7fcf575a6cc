#pragma once

#include <windows.h>

#include <memory>

#include "framework/Panel.h"
#include "framework/PlayerGlyphs.h"
#include "skin/data/MediaPlayerLayout.h"

namespace veyra {

class DibSurface;
class TSkinMP;

// The panel a media player's skin lays exactly over the player, as a
// sibling just above it: a player's buttons cannot be repainted from
// outside, so the panel draws them from the skin's Buttons element with
// the player's own pictures, and hands the clicks on to the player. A
// press counts only when the button is let go over the same button; the
// player then acts as if clicked itself.
//
// Its Tag is the skin component's DisableTag, so that discovery never
// skins it. The skinning object that made it frees it; a parent that goes
// first takes it along, and the skinning object hears of that.
class TWMediaPlayer : public TCustomPanel {
    VEYRA_CLASS()
public:
    // owner: the form skinning object.
    explicit TWMediaPlayer(TComponent* owner);
    ~TWMediaPlayer() override;

    // Takes the player's parent and bounds and the skin's DisableTag; the
    // pictures are loaded here, from the program's module.
    void Init(TSkinMP& skin, TWinControl& player);
    // Places the panel over the player again and just above it.
    void FollowBounds();
    // Shows the panel when the player is shown and its skin is on.
    void FollowVisibility();

    TWinControl* Player() const { return Player_; }
    bool PressedFlag() const { return PressedFlag_; }
    // Where the left button went down, and under the last button event
    // (kMPNoButton: none).
    int PressedIndex() const { return PressedIndex_; }
    int HotIndex() const { return HotIndex_; }
    // The width of one visible button at the last paint.
    int ButtonWidth() const { return ButtonWidth_; }

protected:
    void Paint(HDC dc, const RECT& clip) override;
    void WmEraseBkgnd(TMessage& message) override;
    void WndProc(TMessage& message) override;

private:
    struct TSets {
        TMPBtnSet Visible = 0, Enabled = 0, Coloured = 0;
    };
    // The player's published sets, read by name.
    TSets ReadSets() const;
    void OnButtonDown(TMessage& message);
    void OnButtonUp(TMessage& message);
    void OnCaptureChanged(const TMessage& message);
    // The button under a mouse message's point, or kMPNoButton.
    int ButtonAt(LPARAM point) const;
    // Sends a message to the player's window; false when the player, its
    // skin or this panel went while it ran.
    bool TellPlayer(UINT msg, WPARAM wParam, LPARAM lParam);
    void DrawButtons(Bitmap& target, int width, int height, const TSets& sets);

    TPlayerGlyphs Glyphs_;
    TSkinMP* Skin_ = nullptr;
    TWinControl* Player_ = nullptr;
    bool PressedFlag_ = false;
    int PressedIndex_ = kMPNoButton;
    int HotIndex_ = kMPNoButton;
    int ButtonWidth_ = 0;
    std::unique_ptr<DibSurface> Buffer_;
};

} // namespace veyra
