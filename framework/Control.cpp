#include "Control.h"

#include <windowsx.h>

#include <algorithm>

#include "PopupMenu.h"
#include "WinControl.h"

namespace veyra {

TShiftState KeysToShiftState(WPARAM keys) {
    static constexpr struct {
        WPARAM Key;
        TShiftStateFlag Flag;
    } kKeys[] = {{MK_SHIFT, ssShift},
                 {MK_CONTROL, ssCtrl},
                 {MK_LBUTTON, ssLeft},
                 {MK_RBUTTON, ssRight},
                 {MK_MBUTTON, ssMiddle}};
    TShiftState shift = 0;
    for (const auto& key : kKeys)
        if (keys & key.Key)
            shift |= key.Flag;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info(
        "TControl", &TComponent::StaticClass(),
        TPropertyList<TControl>()
            .Enum("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                  &TControl::Align, &TControl::SetAlign)
            .Set("Anchors", {"akLeft", "akTop", "akRight", "akBottom"}, &TControl::Anchors,
                 &TControl::SetAnchors)
            .Enum("BiDiMode",
                  {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                   "bdRightToLeftReadingOnly"},
                  &TControl::BiDiMode, &TControl::SetBiDiMode)
            .WString("Caption", &TControl::Caption, &TControl::SetCaption)
            .Integer("Color", &TControl::Color, &TControl::SetColor, ColorNames())
            .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Object<TFont>("Font", &TControl::Font, &TControl::SetFont)
            .Integer("Height", &TControl::Height, &TControl::SetHeight)
            .Integer("Left", &TControl::Left, &TControl::SetLeft)
            .Event("OnMouseDown", &TControl::OnMouseDown)
            .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Object<TPopupMenu>("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Integer("Top", &TControl::Top, &TControl::SetTop)
            .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
            .Integer("Width", &TControl::Width, &TControl::SetWidth)
            .Take());
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), Font_(std::make_unique<TFont>()) {
    WindowProc_ = DefaultWindowProc();
    Font_->OnChange = [this] { OwnFontChanged(); };
}

TControl::~TControl() {
    if (Parent_)
        Parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == Parent_)
        return;
    if (parent == this)
        throw EComponentError("A control cannot be its own parent");
    if (Parent_)
        Parent_->RemoveControl(this);
    Parent_ = parent;
    if (parent) {
        parent->InsertControl(this);
        FollowParentFont();
        // An alignment chosen before the control had a parent (a status
        // bar's bottom) takes effect as it joins one.
        if (Align_ != alNone)
            RequestParentLayout();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == Left_ && top == Top_ && width == Width_ && height == Height_)
        return;
    Left_ = left;
    Top_ = top;
    Width_ = width;
    Height_ = height;
    if (LayoutDepth_ == 0 && !IsLoading())
        UpdateAnchorRules();
    BoundsChanged();
    if (LayoutDepth_ == 0 && Align_ != alNone)
        RequestParentLayout();
}

void TControl::SetBoundsForLayout(const RECT& bounds) {
    ++LayoutDepth_;
    try {
        SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    } catch (...) {
        --LayoutDepth_;
        throw;
    }
    --LayoutDepth_;
}

void TControl::SetAlign(TAlign align) {
    if (align == Align_)
        return;
    Align_ = align;
    RequestParentLayout();
}

void TControl::SetAnchors(std::uint32_t anchors) {
    Anchors_ = anchors & (akLeft | akTop | akRight | akBottom);
    if (!IsLoading())
        UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    AnchorRulesValid_ = false;
    if (!Parent_ || PlacedByParent())
        return;
    AnchorBounds_ = BoundsRect();
    AnchorParentSize_ = Parent_->ClientSize();
    AnchorRulesValid_ = true;
}

void TControl::ApplyAnchors(SIZE parentClient) {
    if (!AnchorRulesValid_ || Align_ != alNone)
        return;
    const int dx = parentClient.cx - AnchorParentSize_.cx;
    const int dy = parentClient.cy - AnchorParentSize_.cy;
    RECT r = AnchorBounds_;
    if (Anchors_ & akRight) {
        if (!(Anchors_ & akLeft))
            r.left += dx;
        r.right += dx;
    }
    if (Anchors_ & akBottom) {
        if (!(Anchors_ & akTop))
            r.top += dy;
        r.bottom += dy;
    }
    SetBoundsForLayout(r);
}

void TControl::SetVisible(bool visible) {
    if (visible == Visible_)
        return;
    Visible_ = visible;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    RequestParentLayout();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == Enabled_)
        return;
    Enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetCaption(const std::wstring& caption) {
    if (caption == Caption_)
        return;
    Caption_ = caption;
    TextChanged();
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetColor(TColor color) {
    if (color == Color_)
        return;
    Color_ = color;
    ColorChanged();
    Invalidate();
}

void TControl::SetFont(TFont* font) {
    if (font && font != Font_.get())
        Font_->Assign(*font);
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == ParentFont_)
        return;
    ParentFont_ = parentFont;
    FollowParentFont();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    if (mode == BiDiMode_)
        return;
    BiDiMode_ = mode;
    BiDiModeChanged();
}

void TControl::FollowParentFont() {
    if (ParentFont_ && Parent_) {
        FontFromParent_ = true;
        Font_->Assign(*Parent_->Font());
        FontFromParent_ = false;
    }
}

void TControl::OwnFontChanged() {
    // A font set on the control itself stops it following its parent's font.
    if (!FontFromParent_)
        ParentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() {
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc_(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        break;
    default:
        DefaultHandler(message);
        return;
    }
    // The default handling may run a modal loop (a scroll bar's, a list's
    // drag) in which the control is freed; its window goes with it.
    const auto* windowed = dynamic_cast<const TWinControl*>(this);
    const HWND window = windowed ? windowed->WindowHandle() : nullptr;
    DefaultHandler(message);
    if (window && TWinControl::FromHandle(window) != windowed)
        return;
    MouseDownMessage(message);
}

void TControl::MouseDownMessage(const TMessage& message) {
    TMouseButton button = mbLeft;
    if (message.Msg == WM_RBUTTONDOWN || message.Msg == WM_RBUTTONDBLCLK)
        button = mbRight;
    else if (message.Msg == WM_MBUTTONDOWN || message.Msg == WM_MBUTTONDBLCLK)
        button = mbMiddle;
    TShiftState shift = KeysToShiftState(message.WParam);
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK ||
        message.Msg == WM_MBUTTONDBLCLK)
        shift |= ssDouble;
    // Signed: a captured mouse left or above the control gives negative places.
    MouseDown(button, shift, GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::RequestParentLayout() {
    if (Parent_ && !Parent_->IsLoading())
        Parent_->AlignControls();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    ReplaceFreeNotification(PopupMenu_, menu);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == PopupMenu_)
        PopupMenu_ = nullptr;
}

bool TControl::ShowPopupMenu(const TMessage& message) {
    if (!PopupMenu_)
        return false;
    POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    const auto* windowed = dynamic_cast<const TWinControl*>(this);
    if (at.x == -1 && at.y == -1 && windowed && windowed->WindowHandle()) {
        at = POINT{0, 0};
        ClientToScreen(windowed->WindowHandle(), &at);
    }
    PopupMenu_->Popup(at.x, at.y);
    return true;
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
}

} // namespace veyra
