#pragma once

#include <windows.h>

#include <memory>

#include "SkinControl.h"
#include "WScrollbar.h"

namespace veyra {

// A stand-alone scroll-bar control, covered whole by one overlay
// (TWScrollbar of kind Control) that draws it from the skin, its thumb
// where the platform's hit test finds it. Clicks go to the control as its
// own button-down, so it tracks, pages and repeats as without skin; the
// overlay follows the control's position, visibility and scroll changes.
class TSkinScControl : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinScControl(TComponent* owner);
    ~TSkinScControl() override;

    // The control attaches through AttachScrollBar; keepColor is not used.
    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    // Hooks the owner, a framework scroll-bar control, and lays the overlay
    // over it.
    void AttachScrollBar(TWinSkinForm* form, TSkinData* skinData);
    void RestoreControl() override;
    void SkinChanged() override;

    TWScrollbar* Overlay() const { return Overlay_.get(); }

protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    std::unique_ptr<TWScrollbar> Overlay_;
};

} // namespace veyra
