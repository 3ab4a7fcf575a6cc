#pragma once

#include <windows.h>

#include "SkinControl.h"
#include "skin/data/ComboGeometry.h"

namespace veyra {

class TComboxScrollBar;
class TSkinScrollbarH;

// Skins a combo box: the whole box from the skin's combo picture (its
// composite look: border and button in one image, mirrored when the button
// is at the left), or the flat look (a thin frame and the button glyph), in
// the state the box is in (pressed, hot or focused, disabled, normal). The
// button is drawn on the side where the platform put its own, so the drawn
// button is where a click lands. The drop-down list's scroll bar gets a
// TComboxScrollBar, a simple combo's list a TSkinScrollbarH. The edit of an
// editable combo is subclassed so that its painting and clicks redraw the
// box.
class TSkinComBox : public TSkinControl {
    VEYRA_CLASS()
public:
    explicit TSkinComBox(TComponent* owner);
    ~TSkinComBox() override;

    void AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) override;
    void AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) override;
    void RestoreControl() override;
    void Notification(TComponent* component, TOperation operation) override;

    // The list was dropped down (CBN_DROPDOWN) and not closed up since.
    bool DroppedDown() const { return DroppedDown_; }
    // The combo's edit window while it is subclassed, else null.
    HWND EditWindow() const { return EditHooked_ ? Edit_ : nullptr; }
    TComboxScrollBar* ListScrollbar() const { return ListBar_; }
    TSkinScrollbarH* SimpleListScrollbar() const { return SimpleBar_; }
    // The side the button was last drawn on.
    TComboSide Side() const { return Side_; }

protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void SkinEnabledChanged() override;

private:
    // The edit, the list and their skinners, once the combo is attached.
    void AttachParts(bool simpleList);
    void HookEdit();
    void UnhookEdit();
    void FreeListSkinners();
    static LRESULT CALLBACK EditProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR refData);
    void AfterEditMessage(UINT msg);
    // A left button going down or up in the combo or its edit: the drop
    // button shows pressed while it is down. False for other messages.
    bool OnLeftButton(UINT msg);
    void OnMouseMove(LPARAM lParam);
    bool ReadInfo(COMBOBOXINFO& info) const;
    // The state to draw, read from the window now.
    TComboState CurrentState();
    void PaintComposite(HDC dc, const RECT& rect, TComboState state);
    void PaintFlat(HDC dc, const RECT& rect, TComboState state);

    HWND Edit_ = nullptr;
    bool EditHooked_ = false;
    TComboxScrollBar* ListBar_ = nullptr;
    TSkinScrollbarH* SimpleBar_ = nullptr;
    RECT Button_{};
    bool DroppedDown_ = false;
    TComboSide Side_ = TComboSide::Right;
};

} // namespace veyra
