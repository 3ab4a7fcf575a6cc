#include "SkinButton.h"

#include <algorithm>

#include "ControlDrawing.h"
#include "framework/ButtonControl.h"
#include "framework/ButtonPainter.h"
#include "framework/Font.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

// The timer the platform's button animates its default look with; any
// other timer is the control's own.
constexpr UINT_PTR kButtonTimer = 1;

// The skin's own timer while the button is hot: Wine tells a window the
// mouse left it only while no other window of the thread asks to be told
// (a parent the mouse enters takes the tracking over), so the hot look
// would stay. The timer looks where the mouse is, as the form does for the
// controls of a foreign window.
constexpr UINT_PTR kLeaveWatchTimer = 0x5B01;
constexpr UINT kLeaveWatchMs = 100;

} // namespace

COLORREF CaptionColour(const TSkinControl& skin, const TFont& font) {
    const auto colour = static_cast<Colour>(font.Color());
    return IsSystemColour(colour) ? skin.SchemeColour(&TSkinColours::ButtonText)
                                  : ToColorRef(colour);
}

const TClassInfo& TSkinButton::StaticClass() {
    static const TClassInfo info("TSkinButton", &TSkinControl::StaticClass());
    return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinButton::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (!Control())
        return;
    std::string lower = Control()->ClassName();
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // These classes raise their mouse-down event themselves.
    SetMode(lower.starts_with("trz") || lower.starts_with("tel") ? 1 : 0);
    SetTransparentBack(Control()->Tag());
}

void TSkinButton::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    TSkinControl::AttachHandle(window, skinData, form);
    SetTransparentBack(0);
}

void TSkinButton::SetTransparentBack(std::int64_t tag) {
    TransparentBack_ = tag == 5555 || (SkinData() && SkinData()->HasOption(xoTransparent));
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinButton::BeforeMessage(TMessage& message) {
    if (AnswerPaintMessage(message, TEraseAnswer::Skip))
        return false;
    switch (message.Msg) {
    case WM_TIMER:
        if (message.WParam == kLeaveWatchTimer) {
            WatchLeave();
            message.Result = 0;
            return false;
        }
        if (message.WParam != kButtonTimer)
            break;
        KillTimer(Handle(), kButtonTimer);
        message.Result = 0;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown(message);
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinButton::OnMouseDown(TMessage& message) {
    const TAliveGuard guard(*this);
    if (GetFocus() != Handle())
        SetFocus(Handle());
    if (!guard.Alive())
        return;
    SetMouseFlag(mfDown, true);
    PaintWindow(nullptr);
    if (Mode() == 0 && Control())
        ForwardMouseDown(message);
    message.Result = 0;
}

void TSkinButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message.WParam == VK_SPACE) {
            SetMouseFlag(mfDown, message.Msg == WM_KEYDOWN);
            Repaint();
        }
        return;
    case WM_MOUSEMOVE:
        if (IsWindowEnabled(Handle()) && EnterHover()) {
            LeaveWatch_.Start(Handle(), kLeaveWatchTimer, kLeaveWatchMs);
            Repaint();
        }
        TrackMouseLeave(Handle());
        return;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        // The platform's notice may come after the skin's own watch saw the
        // mouse go: a second notice of one leave changes nothing (a Space
        // held meanwhile stays down). Wine also tells a window the mouse
        // left when it asked while its own record of the cursor lagged
        // behind; the watch decides then.
        if ((MouseFlags() & mfHover) && !CursorInside())
            OnLeave();
        return;
    case WM_LBUTTONUP:
        if (!(MouseFlags() & mfDown))
            return;
        SetMouseFlag(mfDown, false);
        Repaint();
        MakeClick();
        return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
        Repaint();
        return;
    default:
        TSkinControl::AfterMessage(message);
    }
}

bool TSkinButton::CursorInside() const {
    POINT cursor{};
    RECT bounds{};
    return GetCursorPos(&cursor) && GetWindowRect(Handle(), &bounds) && PtInRect(&bounds, cursor);
}

void TSkinButton::WatchLeave() {
    if ((MouseFlags() & mfHover) && CursorInside())
        return;
    OnLeave();
}

void TSkinButton::OnLeave() {
    LeaveWatch_.Stop();
    LeaveHover();
    SetMouseFlag(mfDown, false);
    Repaint();
}

void TSkinButton::MakeClick() {
    if (auto* button = dynamic_cast<TButtonControl*>(Control())) {
        button->Click();
        return;
    }
    const HWND window = Handle();
    wchar_t name[101] = {};
    GetClassNameW(window, name, 101);
    const bool frameworkButton = lstrcmpiW(name, L"TButton") == 0;
    const WPARAM id = frameworkButton ? 0 : static_cast<WORD>(GetDlgCtrlID(window));
    PostMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(id, 0),
                 reinterpret_cast<LPARAM>(window));
}

// ---------------------------------------------------------------------------
// Painting

const TDataSkinButton* TSkinButton::ButtonsElement() const {
    const TSkinDefinition* skin = Skin();
    if (!skin || skin->Buttons.Image.IsEmpty())
        return nullptr;
    return &skin->Buttons;
}

TButtonState TSkinButton::State() const {
    TButtonStateInput in;
    in.Enabled = Enabled_;
    in.MouseDown = (MouseFlags() & mfDown) != 0;
    in.Hover = (MouseFlags() & mfHover) != 0;
    in.Focused = Focused_;
    return ChooseButtonState(Kind(), in);
}

DibSurface* TSkinButton::PaintFace(int width, int height, TButtonState state, TFace face) {
    const TDataSkinButton* element = ButtonsElement();
    DibSurface* buffer = element ? Buffer(width, height) : nullptr;
    if (!buffer)
        return nullptr;
    const HDC dc = buffer->Dc();
    const RECT r{0, 0, width, height};
    TControl* control = Control() ? Control() : GraphicControl();
    if (TransparentBack_ && control)
        PaintParentBackground(*control, dc);
    else if (TransparentBack_)
        FillParentColor(dc, r);
    else
        FillFace(dc, r);
    GdiFlush();
    if (face == TFace::Framed)
        DrawElementState(buffer->Pixels(), Rect{0, 0, width, height}, element->Frame,
                         static_cast<int>(state), *element);

    // The control's own font and colour; a bare window's font in the
    // scheme's button text colour.
    HFONT font =
        Handle() ? reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)) : nullptr;
    COLORREF colour = SchemeColour(&TSkinColours::ButtonText);
    if (auto* own = As<TFont>(GetObjectPropOf(control, "Font", TFont::StaticClass()))) {
        font = own->Handle();
        colour = CaptionColour(*this, *own);
    }
    if (const auto stateColour = ButtonTextColour(*element, state))
        colour = ToColorRef(*stateColour);
    if (state == TButtonState::Disabled)
        colour = GetSysColor(COLOR_BTNSHADOW);
    FontSelection_.reset();
    if (font)
        FontSelection_.emplace(dc, font);
    SetTextColor(dc, colour);
    return buffer;
}

void TSkinButton::DrawButtonCaption(HDC dc, const RECT& rect) const {
    const UINT flags = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK;
    RECT t = rect;
    InflateRect(&t, -2, -2);
    const BkModeScope transparent(dc, TRANSPARENT);
    DrawUtf16Text(dc, Text_, t, flags | DT_CALCRECT | DT_NOCLIP);
    OffsetRect(&t, -t.left, -t.top);
    OffsetRect(&t, rect.left + (rect.right - rect.left - t.right) / 2,
               rect.top + (rect.bottom - rect.top - t.bottom) / 2 - 1);
    RECT drawn = t;
    DrawUtf16Text(dc, Text_, drawn, AddRtlFlag(flags));
    if (Focused_)
        DrawFocus(dc, t);
}

void TSkinButton::DrawFocus(HDC dc, RECT rect) const {
    if (SkinData() && SkinData()->HasOption(xoNoFocusRect))
        return;
    InflateRect(&rect, 2, 2);
    DrawFocusRect(dc, &rect);
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed || !ButtonsElement())
        return;
    RefreshState();
    Text_ = BreakCaption(Control() ? GetStrPropW(Control(), "Caption") : WindowText(Handle()));
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = PaintFace(width, height, State());
    if (!buffer)
        return;
    DrawButtonCaption(buffer->Dc(), RECT{0, 0, width, height});
    FontSelection_.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
