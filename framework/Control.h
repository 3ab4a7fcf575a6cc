#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Component.h"
#include "Font.h"
#include "WndMethod.h"

namespace veyra {

class TWinControl;
class TPopupMenu;

// How a control is placed inside its parent's client area.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The parent edges a control keeps its distance to.
enum TAnchorKind : std::uint32_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// Which way a control's text reads and its content lines up. Reading right
// to left is common to the three right-to-left modes; only bdRightToLeft
// also aligns the content to the right, and the two modes that are not
// "reading only" put the vertical scroll bar on the left.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held during a mouse or key event.
enum TShiftStateFlag : std::uint32_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = std::uint32_t;

// The shift state of a mouse message's key flags (MK_*), with the Alt key
// read from the keyboard, which the flags do not carry.
TShiftState KeysToShiftState(WPARAM keys);

// A mouse button went down on the control, at client coordinates x, y.
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// A visible element of a form: bounds, alignment, anchors, caption, font,
// colour and a replaceable message hook.
class TControl : public TComponent {
    VEYRA_CLASS()
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The windowed control that contains this one, or nullptr.
    TWinControl* Parent() const { return Parent_; }
    // Moves the control into parent (nullptr takes it out).
    virtual void SetParent(TWinControl* parent);

    int Left() const { return Left_; }
    int Top() const { return Top_; }
    int Width() const { return Width_; }
    int Height() const { return Height_; }
    void SetLeft(int value) { SetBounds(value, Top_, Width_, Height_); }
    void SetTop(int value) { SetBounds(Left_, value, Width_, Height_); }
    void SetWidth(int value) { SetBounds(Left_, Top_, value, Height_); }
    void SetHeight(int value) { SetBounds(Left_, Top_, Width_, value); }
    RECT BoundsRect() const { return RECT{Left_, Top_, Left_ + Width_, Top_ + Height_}; }
    // Moves and sizes the control; anchored controls take the new place as their reference.
    virtual void SetBounds(int left, int top, int width, int height);
    // Width and height of the area children are laid out in.
    virtual SIZE ClientSize() const { return SIZE{Width_, Height_}; }

    TAlign Align() const { return Align_; }
    void SetAlign(TAlign align);
    std::uint32_t Anchors() const { return Anchors_; }
    void SetAnchors(std::uint32_t anchors);

    bool Visible() const { return Visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled);

    const std::wstring& Caption() const { return Caption_; }
    void SetCaption(const std::wstring& caption);
    TColor Color() const { return Color_; }
    void SetColor(TColor color);
    // The control's font, owned by the control.
    TFont* Font() const { return Font_.get(); }
    void SetFont(TFont* font);
    bool ParentFont() const { return ParentFont_; }
    void SetParentFont(bool parentFont);

    TBiDiMode BiDiMode() const { return BiDiMode_; }
    void SetBiDiMode(TBiDiMode mode);
    // Whether text reads right to left (every mode but bdLeftToRight).
    bool UseRightToLeftReading() const { return BiDiMode_ != bdLeftToRight; }
    // Whether content lines up on the right (bdRightToLeft only).
    bool UseRightToLeftAlignment() const { return BiDiMode_ == bdRightToLeft; }
    // Whether the vertical scroll bar sits on the left.
    bool UseRightToLeftScrollBar() const {
        return BiDiMode_ == bdRightToLeft || BiDiMode_ == bdRightToLeftNoAlign;
    }

    // The menu shown when the control is asked for its context menu, or
    // nullptr; not owned (forgotten when it is freed).
    TPopupMenu* PopupMenu() const { return PopupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    // A mouse button went down on the control: raises OnMouseDown. The
    // control's own button-down messages call it after their default
    // handling; a hook that keeps such a message from the control calls it
    // itself so that the event still fires.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    TMouseEvent OnMouseDown;

    // The message hook every message of the control goes through. It starts as
    // the control's own WndProc; whoever replaces it keeps the old one, calls
    // it, and puts it back when done.
    const TWndMethod& WindowProc() const { return WindowProc_; }
    void SetWindowProc(const TWndMethod& method) {
        WindowProc_ = method ? method : DefaultWindowProc();
    }
    // The control's own message handling, the hook it starts with.
    TWndMethod DefaultWindowProc() { return TWndMethod::Of<&TControl::WndProc>(this); }
    // Sends a message through WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    // Takes the parent's font again when the control follows it.
    void FollowParentFont();

    // Repaints the control.
    virtual void Invalidate() {}
    // Records the current bounds and parent size as the reference for the anchors.
    void UpdateAnchorRules();
    // Places the control after its parent's client area became size (anchors only).
    void ApplyAnchors(SIZE parentClient);
    // Moves and sizes the control without touching the anchor reference.
    void SetBoundsForLayout(const RECT& bounds);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    // Shows PopupMenu for a WM_CONTEXTMENU at its screen point (under the
    // control's top-left corner when asked from the keyboard); false when
    // the control has no popup menu.
    bool ShowPopupMenu(const TMessage& message);
    // True for controls that their parent places itself (pages of a page
    // control); anchors do not move them.
    virtual bool PlacedByParent() const { return false; }
    // Handles a message; what it does not handle goes to DefaultHandler.
    virtual void WndProc(TMessage& message);
    // The last stop of a message: nothing for a control without a window.
    virtual void DefaultHandler(TMessage& message);
    // Called after the bounds changed.
    virtual void BoundsChanged() {}
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void VisibleChanged() {}
    virtual void ColorChanged() {}
    virtual void BiDiModeChanged() { Invalidate(); }
    // Asks the parent to lay out its children again.
    void RequestParentLayout();

private:
    void OwnFontChanged();
    // A button-down message handled: MouseDown with its button, keys and place.
    void MouseDownMessage(const TMessage& message);

    TWinControl* Parent_ = nullptr;
    int Left_ = 0, Top_ = 0, Width_ = 0, Height_ = 0;
    TAlign Align_ = alNone;
    std::uint32_t Anchors_ = akLeft | akTop;
    bool Visible_ = true;
    bool Enabled_ = true;
    bool ParentFont_ = true;
    bool FontFromParent_ = false;
    std::wstring Caption_;
    TColor Color_ = clBtnFace;
    TBiDiMode BiDiMode_ = bdLeftToRight;
    std::unique_ptr<TFont> Font_;
    TPopupMenu* PopupMenu_ = nullptr;
    TWndMethod WindowProc_;
    RECT AnchorBounds_{};
    SIZE AnchorParentSize_{};
    bool AnchorRulesValid_ = false;
    int LayoutDepth_ = 0;
};

} // namespace veyra
