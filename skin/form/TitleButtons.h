#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "NCObject.h"
#include "skin/data/CaptionGeometry.h"
#include "skin/data/DataSkinObject.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/Colour.h"

namespace veyra {

class DibSurface;
class TSkinDefinition;
class TTitleButtons;

// A title-bar button of the skin: close, maximise/restore, minimise, the
// system-menu icon, an MDI child's buttons on the menu bar, or a button of the
// application's own.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TNCHotSlot& hot, const TTitleButtons& group, TDataSkinSysButton* buttonData)
        : TNCObject(hot), ButtonData(buttonData), Group_(group) {}

    // The skin's element, as this window uses it (the group owns the copy).
    TDataSkinSysButton* ButtonData;

    // Draws the button into the window's title bar in its state.
    void Paint() override;

private:
    const TTitleButtons& Group_;
};

// What a button's immediate repaint draws on: the window, the title bar as
// the last frame paint composed it before its buttons, and the icon.
struct TTitleButtonCanvas {
    HWND Window = nullptr;
    const Bitmap* Backdrop = nullptr; // window coordinates
    HICON Icon = nullptr;             // the window's icon, else IconBitmap
    const Bitmap* IconBitmap = nullptr;
    Colour Face = 0;
    // Whether the window paints its frame now.
    std::function<bool()> CanPaint;
    // The menu bar's background as last painted and, in barRect, where it
    // lies (window coordinates); null without a bar. The MDI buttons sit on it.
    std::function<const Bitmap*(Rect& barRect)> MenuBarBackdrop;
};

// The title-bar buttons of one skinned window: the window's own copy of each
// button element of the skin, one button object each, laid out by the last
// frame paint, and the hit test and immediate repaint of one button.
class TTitleButtons {
public:
    using TElements = std::vector<std::unique_ptr<TDataSkinSysButton>>;

    explicit TTitleButtons(TNCHotSlot& hot) : Hot_(hot) {}
    TTitleButtons(const TTitleButtons&) = delete;
    TTitleButtons& operator=(const TTitleButtons&) = delete;

    // One button per title button of skin (none for a null skin); the icon
    // button shows iconBitmap when the skin gives it no image.
    void Rebuild(const TSkinDefinition* skin, const Bitmap& iconBitmap);
    void Clear();
    // Takes the positions, visibility and enabled state of a layout; every
    // button is normal again and none is hot.
    void ApplyLayout(const TTitleButtonLayout& layout);
    // The first visible button with an action whose rectangle holds (x, y)
    // (window coordinates), or null.
    TWinSysButton* At(int x, int y) const;

    // The window's copies of the elements, in the skin's order.
    const TElements& Elements() const { return Elements_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return Buttons_; }
    // The last layout applied.
    const TTitleButtonLayout& Layout() const { return Layout_; }

    void SetCanvas(TTitleButtonCanvas canvas) { Canvas_ = std::move(canvas); }
    // Draws one button into the window at once, in its state.
    void Paint(const TWinSysButton& button) const;
    // Draws a button that sits on the menu bar (an MDI button) into dc, a DC
    // of the whole window, as the bar's paint shows it.
    void PaintOnBar(HDC dc, const TWinSysButton& button) const;

private:
    // The button over what lies under it, in frame; null when it cannot be drawn.
    std::unique_ptr<DibSurface> Compose(const TWinSysButton& button, int frame) const;

    TNCHotSlot& Hot_;
    TElements Elements_;
    std::vector<std::unique_ptr<TWinSysButton>> Buttons_;
    TTitleButtonLayout Layout_;
    TTitleButtonCanvas Canvas_;
};

} // namespace veyra
