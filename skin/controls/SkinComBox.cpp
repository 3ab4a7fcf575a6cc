#include "SkinComBox.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ComboxScrollBar.h"
#include "ControlDrawing.h"
#include "SkinScrollbarH.h"
#include "framework/Messages.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/GuardedEntry.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/SubclassChain.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// ComboButton's Style: the loader made its image the picture of the whole
// box (and SunkEdge's the mirrored picture), or it is a button glyph alone.
constexpr int kCompositeStyle = 2;

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

const TClassInfo& TSkinComBox::StaticClass() {
    static const TClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
    return info;
}

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() {
    try {
        UnhookEdit();
        FreeListSkinners();
    } catch (...) {
    }
}

// ---------------------------------------------------------------------------
// Attaching

void TSkinComBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (Attached())
        AttachParts(true);
}

void TSkinComBox::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachHandle(window, skinData, form);
    // A foreign simple combo is never mapped; its list stays as it is.
    if (Attached())
        AttachParts(false);
}

void TSkinComBox::AttachParts(bool simpleList) {
    COMBOBOXINFO info{};
    if (!ReadInfo(info))
        return;
    const bool simple = (GetWindowLongPtrW(Handle(), GWL_STYLE) & 3) == CBS_SIMPLE;
    if (!simple) {
        if (info.hwndList) {
            ListBar_ = new TComboxScrollBar(Owner());
            FreeNotification(ListBar_);
            ListBar_->AttachHandle(info.hwndList, SkinData(), SkinForm());
        }
    } else if (simpleList && info.hwndList &&
               (GetWindowLongPtrW(info.hwndList, GWL_STYLE) & (WS_CHILD | WS_POPUP)) == WS_CHILD) {
        SimpleBar_ = new TSkinScrollbarH(Owner());
        FreeNotification(SimpleBar_);
        SimpleBar_->AttachHandle(info.hwndList, SkinData(), SkinForm());
    }
    // The edit of an editable combo (a drop-down list has none).
    if (info.hwndItem && info.hwndItem != Handle()) {
        Edit_ = info.hwndItem;
        HookEdit();
    }
}

void TSkinComBox::RestoreControl() {
    TSkinControl::RestoreControl();
    UnhookEdit();
    FreeListSkinners();
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == ListBar_)
        ListBar_ = nullptr;
    if (component == SimpleBar_)
        SimpleBar_ = nullptr;
}

void TSkinComBox::FreeListSkinners() {
    TSkinControl* const skinners[] = {std::exchange(ListBar_, nullptr),
                                      std::exchange(SimpleBar_, nullptr)};
    // Each leaves the form's list as it goes.
    for (TSkinControl* object : skinners) {
        if (!object)
            continue;
        RemoveFreeNotification(object);
        object->Detach();
        delete object;
    }
}

// ---------------------------------------------------------------------------
// The edit inside

void TSkinComBox::HookEdit() {
    if (EditHooked_ || !Edit_ || !IsWindow(Edit_))
        return;
    EditHooked_ =
        TSubclassChain::Add(Edit_, &TSkinComBox::EditProc, reinterpret_cast<UINT_PTR>(this),
                            reinterpret_cast<DWORD_PTR>(this));
    if (EditHooked_)
        CountHandles(THandleKind::Subclass, 1);
}

void TSkinComBox::UnhookEdit() {
    if (!EditHooked_)
        return;
    EditHooked_ = false;
    CountHandles(THandleKind::Subclass, -1);
    // Gone already: its own WM_NCDESTROY took the hook out.
    if (IsWindow(Edit_))
        TSubclassChain::Remove(Edit_, &TSkinComBox::EditProc, reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK TSkinComBox::EditProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR refData) {
    auto* self = reinterpret_cast<TSkinComBox*>(refData);
    if (msg == WM_NCDESTROY) {
        TSubclassChain::Remove(window, &TSkinComBox::EditProc, id);
        if (std::exchange(self->EditHooked_, false))
            CountHandles(THandleKind::Subclass, -1);
        return TSubclassChain::CallNext(window, msg, wParam, lParam);
    }
    const TAliveGuard guard(*self);
    // The edit's own answer stands whatever our after-work does.
    LRESULT result = 0;
    GuardedEntry([&] {
        result = TSubclassChain::CallNext(window, msg, wParam, lParam);
        if (guard.Alive())
            self->AfterEditMessage(msg);
    });
    return result;
}

void TSkinComBox::AfterEditMessage(UINT msg) {
    if (!SkinEnabled() || LifeState() != TControlLife::Attached)
        return;
    if (OnLeftButton(msg))
        return;
    switch (msg) {
    case WM_PAINT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        PaintWindow(nullptr);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinComBox::OnLeftButton(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        SetMouseFlag(mfDown, msg != WM_LBUTTONUP);
        Repaint();
        return true;
    default:
        return false;
    }
}

void TSkinComBox::AfterMessage(TMessage& message) {
    if (OnLeftButton(message.Msg))
        return;
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        break; // the combo draws itself anew, and the skin follows its paint
    case WM_MOUSEMOVE:
        OnMouseMove(message.LParam);
        break;
    case WM_DRAWITEM:
    case WM_NCPAINT:
        Repaint();
        break;
    case WM_CAPTURECHANGED:
        // The dropped list took the mouse: its button-up never comes here.
        if (MouseFlags() & mfDown) {
            SetMouseFlag(mfDown, false);
            Repaint();
        }
        break;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_DROPDOWN || HIWORD(message.WParam) == CBN_CLOSEUP) {
            DroppedDown_ = HIWORD(message.WParam) == CBN_DROPDOWN;
            SetMouseFlag(mfDown, false);
            Repaint();
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinComBox::OnMouseMove(LPARAM lParam) {
    if (!IsWindowEnabled(Handle()))
        return;
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const bool inButton = PtInRect(&Button_, point) != FALSE;
    const bool hot = (MouseFlags() & mfHover) != 0;
    if (inButton && !hot) {
        EnterHover();
        Repaint();
    } else if (!inButton && hot) {
        LeaveHover();
        Repaint();
    }
}

void TSkinComBox::SkinEnabledChanged() {
    // The list's bar is part of the box: switched with it.
    if (ListBar_ && ListBar_->Handle() && IsWindow(ListBar_->Handle()))
        SendMessageW(ListBar_->Handle(), SKINMSG_ENABLE, SkinEnabled() ? 1 : 0, 0);
    if (SimpleBar_ && SimpleBar_->Handle() && IsWindow(SimpleBar_->Handle()))
        SendMessageW(SimpleBar_->Handle(), SKINMSG_ENABLE, SkinEnabled() ? 1 : 0, 0);
}

// ---------------------------------------------------------------------------
// Painting

bool TSkinComBox::ReadInfo(COMBOBOXINFO& info) const {
    info = {};
    info.cbSize = sizeof info;
    return Handle() && GetComboBoxInfo(Handle(), &info);
}

TComboState TSkinComBox::CurrentState() {
    RefreshState();
    const HWND focus = GetFocus();
    Focused_ = focus && (focus == Handle() || IsChild(Handle(), focus));
    const bool dropped = SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
    TComboStateInput input;
    input.Enabled = Enabled_;
    input.Down = (MouseFlags() & mfDown) != 0 || dropped;
    input.Focused = Focused_;
    input.Hot = (MouseFlags() & mfHover) != 0;
    return ComboButtonState(input);
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* combo = skin ? skin->Find("ComboButton") : nullptr;
    if (!combo || combo->Image.IsEmpty())
        return;
    COMBOBOXINFO info{};
    if (!ReadInfo(info))
        return;
    Button_ = info.rcButton;
    // A simple combo has no button: it is left to paint itself.
    if (info.stateButton & STATE_SYSTEM_INVISIBLE)
        return;
    // The button in window coordinates, for the side it is on.
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    RECT window{};
    GetWindowRect(Handle(), &window);
    RECT button = info.rcButton;
    OffsetRect(&button, origin.x - window.left, origin.y - window.top);
    const bool leftStyle = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    Side_ = ComboButtonSide(ToRect(button), rect.right - rect.left, leftStyle);
    const TComboState state = CurrentState();
    if (combo->Style == kCompositeStyle)
        PaintComposite(dc, rect, state);
    else
        PaintFlat(dc, rect, state);
}

void TSkinComBox::PaintComposite(HDC dc, const RECT& rect, TComboState state) {
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* element =
        skin->Find(Side_ == TComboSide::Left ? "SunkEdge" : "ComboButton");
    if (!element || element->Image.IsEmpty() || element->Frame < 1 ||
        element->Image.Width() < element->Frame)
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    // The picture's middle is transparent: the text the combo drew shows
    // through it.
    BitBlt(buffer->Dc(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    const int frame = std::min(static_cast<int>(state), element->Frame);
    DrawSlicedFrame(buffer->Pixels(), RectOfSize(0, 0, width, height), element->Image,
                    FrameLayout::Horizontal, MiddleFill::Stretch, Transparency::KeyColour,
                    element->Frame, frame, element->GetMargins());
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

void TSkinComBox::PaintFlat(HDC dc, const RECT& rect, TComboState state) {
    const TDataSkinObject* combo = Skin()->Find("ComboButton");
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    BitBlt(buffer->Dc(), 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
    TFlatComboInput input;
    input.Width = width;
    input.Height = height;
    input.Thumb = GetSystemMetrics(SM_CYVTHUMB);
    input.ImageWidth = combo->Image.Width();
    input.ImageHeight = combo->Image.Height();
    input.Frames = combo->Frame;
    input.Side = Side_;
    const TFlatComboLayout layout = FlatComboLayout(input);
    const COLORREF field = GetSysColor(COLOR_WINDOW);
    RECT inner{1, 1, width - 1, height - 1};
    const BrushHandle fieldBrush(CreateSolidBrush(field));
    const BrushHandle shadow(CreateSolidBrush(SchemeColour(&TSkinColours::ButtonShadow)));
    if (!fieldBrush || !shadow)
        return;
    FrameRect(buffer->Dc(), &inner, fieldBrush.Get());
    const RECT zone{layout.Zone.Left, layout.Zone.Top, layout.Zone.Right, layout.Zone.Bottom};
    FillRect(buffer->Dc(), &zone, fieldBrush.Get());
    RECT outer{0, 0, width, height};
    FrameRect(buffer->Dc(), &outer, shadow.Get());
    const int frames = std::max(combo->Frame, 1);
    if (!layout.Glyph.IsEmpty() && static_cast<int>(state) <= frames)
        DrawFrameStretched(buffer->Pixels(), layout.Glyph, combo->Image, Transparency::KeyColour,
                           frames, static_cast<int>(state));
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
