#include "SkinControl.h"

#include <algorithm>

#include "ControlDrawing.h"
#include "framework/GraphicControl.h"
#include "framework/Messages.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

const TClassInfo& TSkinControl::StaticClass() {
    static const TClassInfo info("TSkinControl", &TComponent::StaticClass());
    return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner), TSkinWindow(nullptr) {}

TSkinControl::~TSkinControl() {
    // A control owns its skinning object and frees it after its own window
    // and hook are gone (the object let go of both at WM_NCDESTROY); what is
    // left to release is ours alone.
    try {
        Release();
    } catch (...) {
    }
}

// ---------------------------------------------------------------------------
// Attaching and detaching

void TSkinControl::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached_)
        return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (!control)
        return;
    KeepColor_ = keepColor;
    SkinData_ = skinData;
    SkinForm_ = form;
    Control_ = control;
    SetHandle(control->Handle());
    if (!Handle())
        return;
    Text_ = WindowText(Handle());
    HookControl(*control);
    if (SkinForm_)
        SkinForm_->AddControlObject(this);
    if (KeepColor_) {
        SwitchParentBackground(true);
        SavedColor_ = control->Color();
        control->SetColor(static_cast<TColor>(SkinColours().ButtonFace));
    }
    if (ParentBackgroundWasOn_)
        Mode_ = 1;
    // A hidden control (one on a page not shown, say) is painted whole when
    // it is shown; invalidating it now would only cost a request.
    if (IsWindowVisible(Handle()))
        control->Invalidate();
    Attached_ = true;
    LifeState_ = TControlLife::Attached;
}

void TSkinControl::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached_ || !window)
        return;
    SkinData_ = skinData;
    SkinForm_ = form;
    SetHandle(window);
    Enabled_ = true;
    Mode_ = 0;
    if (SkinForm_)
        SkinForm_->AddControlObject(this);
    Text_ = WindowText(window);
    if (!Subclass()) {
        Unregister();
        return;
    }
    InvalidateRect(window, nullptr, TRUE);
    Attached_ = true;
    LifeState_ = TControlLife::Attached;
}

void TSkinControl::AttachGraphic(TControl& control, TWinSkinForm* form, TSkinData* skinData) {
    if (Attached_)
        return;
    SkinData_ = skinData;
    SkinForm_ = form;
    GraphicControl_ = &control;
    HookControl(control);
    if (SkinForm_)
        SkinForm_->AddControlObject(this);
    control.Invalidate();
    Attached_ = true;
    LifeState_ = TControlLife::Attached;
}

void TSkinControl::RestoreControl() {
    if (!KeepColor_ || !Control_)
        return;
    SwitchParentBackground(false);
    Control_->SetColor(SavedColor_);
}

void TSkinControl::SkinChanged() {
    if (KeepColor_ && Control_)
        Control_->SetColor(static_cast<TColor>(SkinColours().ButtonFace));
    Repaint();
}

void TSkinControl::Detach() {
    const HWND window = Handle();
    const bool windowLives = LifeState_ != TControlLife::Destroyed && window && IsWindow(window);
    if (Attached_ && windowLives)
        RestoreControl();
    Release();
    Attached_ = false;
    // A windowless control is drawn by its parent, now without the skin.
    if (GraphicControl_ && LifeState_ != TControlLife::Destroyed)
        GraphicControl_->Invalidate();
    if (windowLives)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::Release() {
    UnhookControl();
    RemoveSubclass();
    Unregister();
}

void TSkinControl::Unregister() {
    if (!SkinForm_)
        return;
    if (SkinForm_->HotControl() == Handle() && Handle())
        SkinForm_->SetHotControl(nullptr);
    SkinForm_->RemoveControlObject(this);
}

void TSkinControl::SwitchParentBackground(bool on) {
    if (!Control_ || (SkinData_ && SkinData_->HasOption(xoParentBackGround)) ||
        !HasProperty(Control_, "ParentBackground"))
        return;
    if (on) {
        std::string value = GetEnumPropText(Control_, "ParentBackground");
        std::transform(value.begin(), value.end(), value.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        ParentBackgroundWasOn_ = value == "true";
        if (ParentBackgroundWasOn_)
            SetPropText(Control_, "ParentBackground", L"False");
    } else if (ParentBackgroundWasOn_) {
        SetPropText(Control_, "ParentBackground", L"True");
    }
}

// ---------------------------------------------------------------------------
// Message routing

LRESULT TSkinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    Route(message);
    return message.Result;
}

void TSkinControl::HookProc(TMessage& message) {
    Route(message);
}

void TSkinControl::CallOldProc(TMessage& message) {
    if (ControlHooked())
        CallOldHook(message);
    else if (Subclassed())
        message.Result = CallOld(message.Msg, message.WParam, message.LParam);
}

void TSkinControl::Route(TMessage& message) {
    switch (message.Msg) {
    case SKINMSG_ENABLE:
        SetSkinEnabled(static_cast<INT_PTR>(message.WParam) > 0);
        message.Result = 0;
        return;
    case WM_NCDESTROY:
        // Whatever the skinning state: the hooks must go with the window.
        OnNcDestroy(message);
        return;
    case CM_RECREATEWND:
        OnRecreateWnd(message);
        return;
    case CM_RELEASE:
        if (GraphicControl_) {
            OnGraphicRelease(message);
            return;
        }
        break;
    default:
        break;
    }
    if (!SkinEnabled_ || LifeState_ == TControlLife::Destroyed) {
        CallOldProc(message);
        return;
    }
    const TAliveGuard guard(*this);
    if (!BeforeMessage(message) || !guard.Alive())
        return;
    CallOldProc(message);
    if (guard.Alive() && LifeState_ != TControlLife::Destroyed)
        AfterMessage(message);
}

void TSkinControl::SetSkinEnabled(bool on) {
    if (on == SkinEnabled_)
        return;
    SkinEnabled_ = on;
    MouseFlags_ = 0;
    // Both ways the whole window is drawn again: by the skin, or by the
    // control itself as if it had never been skinned.
    if (Handle() && IsWindow(Handle()))
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    else if (GraphicControl_ && LifeState_ != TControlLife::Destroyed)
        GraphicControl_->Invalidate();
    SkinEnabledChanged();
}

void TSkinControl::OnNcDestroy(TMessage& message) {
    const TAliveGuard guard(*this);
    CallOldProc(message);
    if (!guard.Alive())
        return;
    EnabledBeforeDestroy_ = SkinEnabled_;
    SkinEnabled_ = false;
    MouseFlags_ = 0;
    if (LifeState_ == TControlLife::Destroyed)
        return;
    LifeState_ = TControlLife::Destroyed;
    RestoreControl();
    if (!guard.Alive())
        return;
    // Leave the window and the control's hook now: the control's destructor
    // frees its members before this object is freed with it.
    UnhookControl();
    RemoveSubclass();
    if (SkinForm_ && SkinForm_->HotControl() == Handle())
        SkinForm_->SetHotControl(nullptr);
}

void TSkinControl::OnGraphicRelease(TMessage& message) {
    const TAliveGuard guard(*this);
    CallOldProc(message);
    if (!guard.Alive())
        return;
    SkinEnabled_ = false;
    MouseFlags_ = 0;
    LifeState_ = TControlLife::Destroyed;
    UnhookControl();
}

void TSkinControl::OnRecreateWnd(TMessage& message) {
    const TAliveGuard guard(*this);
    CallOldProc(message);
    if (!guard.Alive() || !Control_ || LifeState_ != TControlLife::Destroyed ||
        !Control_->HandleAllocated())
        return;
    // The control made a new window: the skin follows it, as it was.
    Attached_ = false;
    AttachControl(SkinForm_, SkinData_, KeepColor_);
    if (!guard.Alive())
        return;
    SkinEnabled_ = EnabledBeforeDestroy_;
    Repaint();
}

bool TSkinControl::BeforeMessage(TMessage& message) {
    if (message.Msg == SKINMSG_ISSKINNED) {
        message.Result = 1;
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        Text_ = WindowText(Handle());
        Repaint();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        Repaint();
        break;
    case WM_MOUSEMOVE:
        if (EnterHover())
            Repaint();
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        if (LeaveHover())
            Repaint();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(message.WParam));
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Mouse state

bool TSkinControl::EnterHover() {
    if (MouseFlags_ & mfHover)
        return false;
    MouseFlags_ |= mfHover;
    TrackMouseLeave(Handle());
    // The form watches a hovered control whose leaving cannot be reported.
    if (SkinForm_)
        SkinForm_->SetHotControl(Handle());
    return true;
}

bool TSkinControl::LeaveHover() {
    if (SkinForm_ && SkinForm_->HotControl() == Handle())
        SkinForm_->SetHotControl(nullptr);
    if (!(MouseFlags_ & mfHover))
        return false;
    MouseFlags_ &= static_cast<std::uint8_t>(~mfHover);
    return true;
}

void TSkinControl::SetMouseFlag(TMouseFlag flag, bool on) {
    if (on)
        MouseFlags_ |= flag;
    else
        MouseFlags_ &= static_cast<std::uint8_t>(~flag);
}

void TSkinControl::NotifyMouseLeave() {
    if (Handle())
        SendMessageW(Handle(), CM_MOUSELEAVE, 0, 0);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
    if (!Control_)
        return;
    POINT point{static_cast<short>(LOWORD(message.LParam)),
                static_cast<short>(HIWORD(message.LParam))};
    // lParam holds 16-bit coordinates: on a control wider or higher than
    // that, the cursor tells where the click was.
    if (Control_->Width() > 0x8000 || Control_->Height() > 0x8000) {
        GetCursorPos(&point);
        ScreenToClient(Handle(), &point);
    }
    Control_->MouseDown(mbLeft, KeysToShiftState(message.WParam), point.x, point.y);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinControl::Repaint() {
    if (GraphicControl_) {
        if (LifeState_ != TControlLife::Destroyed)
            GraphicControl_->Invalidate();
        return;
    }
    const HWND window = Handle();
    if (!window || !IsWindow(window))
        return;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void TSkinControl::RefreshState() {
    Enabled_ = IsWindowEnabled(Handle()) != FALSE;
    Focused_ = Handle() && GetFocus() == Handle();
}

void TSkinControl::PaintWindow(HDC dc) {
    if (LifeState_ == TControlLife::Destroyed)
        return;
    RECT rect{};
    if (!GetWindowRect(Handle(), &rect))
        return;
    WindowRect_ = rect;
    OffsetRect(&rect, -rect.left, -rect.top);
    try {
        if (dc) {
            PaintSkin(dc, rect);
        } else {
            const WindowDcScope windowDc(Handle());
            if (windowDc.Get())
                PaintSkin(windowDc.Get(), rect);
        }
    } catch (...) {
        // A broken skin must not stop the control's messages.
    }
}

void TSkinControl::PaintSkin(HDC, const RECT&) {}

void TSkinControl::PaintByBeginPaint(TMessage& message) {
    auto dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT paint{};
    const bool began = dc == nullptr;
    if (began)
        dc = BeginPaint(Handle(), &paint);
    RECT rect{};
    try {
        if (dc && LifeState_ != TControlLife::Destroyed && GetWindowRect(Handle(), &rect)) {
            WindowRect_ = rect;
            OffsetRect(&rect, -rect.left, -rect.top);
            PaintSkin(dc, rect);
        }
    } catch (...) {
        // Swallowed as in PaintWindow; the paint still ends below.
    }
    if (began)
        EndPaint(Handle(), &paint);
    message.Result = 0;
}

bool TSkinControl::AnswerPaintMessage(TMessage& message, TEraseAnswer erase, TPrintAnswer print) {
    if (message.Msg == WM_PAINT || (message.Msg == WM_PRINT && print == TPrintAnswer::Paint)) {
        PaintByBeginPaint(message);
        return true;
    }
    if (message.Msg == WM_ERASEBKGND && erase == TEraseAnswer::Skip) {
        message.Result = 1;
        return true;
    }
    return false;
}

void TSkinControl::EraseWithParent(TMessage& message) {
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    if (Control_) {
        PaintParentBackground(*Control_, dc);
    } else {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillParentColor(dc, client);
    }
    message.Result = 1;
}

void TSkinControl::EraseWithFace(TMessage& message) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillFace(reinterpret_cast<HDC>(message.WParam), client);
    message.Result = 1;
}

DibSurface* TSkinControl::Buffer(int width, int height) {
    return GrowDibSurface(Buffer_, width, height);
}

void TSkinControl::CopyBuffer(HDC dc, int x, int y, int width, int height) {
    if (Buffer_)
        BitBlt(dc, x, y, width, height, Buffer_->Dc(), 0, 0, SRCCOPY);
}

void TSkinControl::PaintGraphicChildren(HDC dc, const RECT& clip) const {
    if (Control_ && LifeState_ != TControlLife::Destroyed)
        TGraphicControl::PaintChildren(*Control_, dc, clip);
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
    FillSolid(dc, rect, SchemeColour(&TSkinColours::ButtonFace));
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
    FillSolid(dc, rect, ParentColorOr(SchemeColour(&TSkinColours::ButtonFace)));
}

void TSkinControl::DrawFocusAroundText(HDC dc, const RECT& rect, UINT flags) const {
    RECT t = rect;
    DrawUtf16Text(dc, Text_, t, flags | DT_CALCRECT | DT_NOCLIP);
    if (flags & DT_CENTER)
        OffsetRect(&t, (Width(rect) - Width(t)) / 2, (Height(rect) - Height(t)) / 2 - 1);
    else if (flags & DT_RIGHT)
        OffsetRect(&t, Width(rect) - Width(t), 0);
    InflateRect(&t, 2, 1);
    t.top = std::max(t.top, rect.top);
    t.bottom = std::min(t.bottom, rect.bottom);
    t.right = std::min(t.right, rect.right);
    t.left = std::max(t.left, rect.left);
    DrawFocusRect(dc, &t);
}

// ---------------------------------------------------------------------------
// Skin and colours

const TSkinDefinition* TSkinControl::Skin() const {
    if (SkinForm_)
        return SkinForm_->Skin();
    if (SkinData_ && SkinData_->HasSkin())
        return &SkinData_->Skin();
    return nullptr;
}

const TSkinColours& TSkinControl::SkinColours() const {
    static const TSkinColours defaults;
    const TSkinDefinition* skin = Skin();
    return skin ? skin->Colours : defaults;
}

COLORREF TSkinControl::SchemeColour(Colour TSkinColours::*member) const {
    return ToColorRef(SkinColours().*member);
}

COLORREF TSkinControl::ParentColorOr(COLORREF fallback) const {
    if (!Control_ || !Control_->Parent())
        return fallback;
    const TPropInfo* info = FindPropInfo(Control_->Parent(), "Color");
    if (!info || info->Kind != TTypeKind::tkInteger)
        return fallback;
    // The parent's colour may name a system colour: resolved here, not
    // painted as the number it is stored as.
    return ToColorRef(static_cast<Colour>(GetIntProp(Control_->Parent(), "Color")));
}

bool TSkinControl::RightToLeft() const {
    if (Control_)
        return Control_->UseRightToLeftReading();
    if (GraphicControl_)
        return GraphicControl_->UseRightToLeftReading();
    const HWND window = Handle();
    return window && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

} // namespace veyra
