#include "SkinUpDown.h"

#include <windowsx.h>

#include <commctrl.h>

#include <span>

#include "ControlDrawing.h"
#include "framework/Messages.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// Inside an edit the arrows keep this far from the edit's outer edges, so
// the edit's border stays visible around them.
constexpr int kEditInset = 3;

// One stroke of a plainly drawn arrow, relative to the arrow's centre; the
// end point is not drawn.
struct TStroke {
    int X0, Y0, X1, Y1;
};

constexpr TStroke kUpStrokes[] = {{0, 0, 0, -1},  {1, 1, 4, 4},  {0, 1, 3, 4}, {0, 2, 2, 4},
                                  {-1, 1, -4, 4}, {0, 2, -3, 4}, {0, 1, -2, 4}};
constexpr TStroke kDownStrokes[] = {{0, 3, 0, 4},    {1, 2, 4, -1},  {0, 2, 3, -1}, {0, 1, 2, 0},
                                    {-1, 2, -4, -1}, {0, 2, -3, -1}, {0, 1, -2, 0}};
constexpr TStroke kLeftStrokes[] = {{0, 0, 1, 2}, {1, 2, 1, -2}, {1, -2, -1, 0}, {-1, 0, 1, 2}};
constexpr TStroke kRightStrokes[] = {{0, 0, -1, 2}, {-1, 2, -1, -2}, {-1, -2, 1, 0}, {1, 0, -1, 2}};

std::span<const TStroke> StrokesOf(TUpDownArrow arrow) {
    switch (arrow) {
    case TUpDownArrow::Up:
        return kUpStrokes;
    case TUpDownArrow::Down:
        return kDownStrokes;
    case TUpDownArrow::Left:
        return kLeftStrokes;
    case TUpDownArrow::Right:
        return kRightStrokes;
    }
    return {};
}

RECT ToRECT(const Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

} // namespace

const TClassInfo& TSkinUpDown::StaticClass() {
    static const TClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}

TUpDownOrientation TSkinUpDown::Orientation() const {
    const bool horizontal =
        ForcedHorizontal_ || (Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & UDS_HORZ));
    return horizontal ? TUpDownOrientation::Horizontal : TUpDownOrientation::Vertical;
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinUpDown::BeforeMessage(TMessage& message) {
    if (AnswerPaintMessage(message, TEraseAnswer::PassOn))
        return false;
    switch (message.Msg) {
    case WM_ERASEBKGND:
        OnEraseBackground(message);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(message);
        return false;
    case WM_LBUTTONUP:
        OnButtonUp(message);
        return false;
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(message);
        break;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(message);
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

void TSkinUpDown::OnButtonDown(TMessage& message) {
    // The control acts first (capture, repeat timer, the scroll message to
    // its buddy or parent), whose handler may free this object.
    const TAliveGuard guard(*this);
    CallOldProc(message);
    if (!guard.Alive() || LifeState() == TControlLife::Destroyed)
        return;
    SetMouseFlag(mfDown, true);
    PaintWindow(nullptr);
}

void TSkinUpDown::OnButtonUp(TMessage& message) {
    SetMouseFlag(mfDown, false);
    const TAliveGuard guard(*this);
    CallOldProc(message);
    if (guard.Alive() && LifeState() != TControlLife::Destroyed)
        PaintWindow(nullptr);
}

void TSkinUpDown::OnEraseBackground(TMessage& message) {
    // A bare up-down has no parent colour to take; the paint covers it at once.
    if (!Control()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillSolid(reinterpret_cast<HDC>(message.WParam), client, RGB(255, 255, 255));
    }
    message.Result = 1;
}

void TSkinUpDown::OnMouseMove(const TMessage& message) {
    LastMouse_ = POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    LastMouseKnown_ = true;
    const bool entered = EnterHover();
    const TUpDownButton under = ButtonUnderCursor();
    if (entered || under != HotButton_) {
        HotButton_ = under;
        Repaint();
    }
}

void TSkinUpDown::OnCaptureChanged(const TMessage& message) {
    // The button was let go outside our sight (another window took the
    // capture, a menu or a dialog opened): the arrow must not stay pressed.
    if (!(MouseFlags() & mfDown) || reinterpret_cast<HWND>(message.LParam) == Handle())
        return;
    SetMouseFlag(mfDown, false);
    Repaint();
}

// ---------------------------------------------------------------------------
// Painting

RECT TSkinUpDown::ArrowArea(const RECT& rect) const {
    RECT area = rect;
    if (!InsideEdit_)
        return area;
    RECT own{};
    RECT edit{};
    if (!GetWindowRect(Handle(), &own) || !GetWindowRect(GetParent(Handle()), &edit))
        return area;
    if (own.top - edit.top < kEditInset)
        area.top += kEditInset - (own.top - edit.top);
    if (edit.bottom - own.bottom < kEditInset)
        area.bottom -= kEditInset - (edit.bottom - own.bottom);
    if (edit.right - own.right < kEditInset)
        area.right -= kEditInset - (edit.right - own.right);
    return area;
}

TUpDownInput TSkinUpDown::StateInput(const RECT& area) const {
    POINT cursor{};
    const bool hover = (MouseFlags() & mfHover) != 0;
    if (hover && LastMouseKnown_) {
        cursor = LastMouse_;
    } else {
        GetCursorPos(&cursor);
        ScreenToClient(Handle(), &cursor);
    }
    TUpDownInput input;
    input.Width = area.right - area.left;
    input.Height = area.bottom - area.top;
    input.Orientation = Orientation();
    // The halves are those of the area the arrows are drawn in.
    input.CursorX = cursor.x - area.left;
    input.CursorY = cursor.y - area.top;
    input.Enabled = Enabled_;
    input.Down = (MouseFlags() & mfDown) != 0;
    input.Hover = (MouseFlags() & mfHover) != 0;
    return input;
}

TUpDownButton TSkinUpDown::ButtonUnderCursor() const {
    RECT window{};
    GetWindowRect(Handle(), &window);
    OffsetRect(&window, -window.left, -window.top);
    TUpDownInput input = StateInput(ArrowArea(window));
    input.Enabled = true;
    input.Down = false;
    input.Hover = true;
    return UpDownButtonState(input, TUpDownButton::First) == TUpDownState::Hot
               ? TUpDownButton::First
               : TUpDownButton::Second;
}

void TSkinUpDown::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    if (InsideEdit_) {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillSolid(dc, client, RGB(255, 255, 255));
    }
    const RECT area = ArrowArea(rect);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    FillFace(buffer->Dc(), RECT{0, 0, width, height});

    const TUpDownInput input = StateInput(area);
    const TUpDownRects buttons = UpDownButtonRects(width, height, input.Orientation);
    const TSkinDefinition* skin = Skin();
    const auto* element =
        skin ? dynamic_cast<const TDataSkinBorder*>(
                   skin->Find(input.Orientation == TUpDownOrientation::Horizontal ? "UpDown.Horz"
                                                                                  : "UpDown.Vert"))
             : nullptr;
    if (element && element->Image.IsEmpty())
        element = nullptr;
    for (const TUpDownButton button : {TUpDownButton::First, TUpDownButton::Second}) {
        const Rect& r = button == TUpDownButton::First ? buttons.First : buttons.Second;
        const TUpDownState state = UpDownButtonState(input, button);
        const TUpDownArrow arrow = UpDownArrowOf(input.Orientation, button);
        if (element)
            DrawSkinButton(buffer->Pixels(), r, *element, state, arrow);
        else
            DrawPlainButton(buffer->Dc(), ToRECT(r), state, arrow);
    }
    CopyBuffer(dc, area.left, area.top, width, height);
}

void TSkinUpDown::DrawSkinButton(Bitmap& target, const Rect& button, const TDataSkinBorder& element,
                                 TUpDownState state, TUpDownArrow arrow) const {
    const int frame = UpDownFrame(state, arrow);
    // A skin with fewer frames than states shows nothing rather than a
    // piece of some other image.
    if (!FrameInRange(element.Frame, frame) || element.Image.Width() < element.Frame)
        return;
    DrawFrameStretched(target, button, element.Image, Transparency::KeyColour, element.Frame,
                       frame);
    const Bitmap& glyphs = element.Image2;
    if (glyphs.IsEmpty() || glyphs.Width() < element.Frame)
        return;
    const Rect glyph = CentredRect(button, glyphs.Width() / element.Frame, glyphs.Height());
    DrawFrameStretched(target, glyph, glyphs, Transparency::KeyColour, element.Frame, frame);
}

void TSkinUpDown::DrawPlainButton(HDC dc, const RECT& button, TUpDownState state,
                                  TUpDownArrow arrow) const {
    const bool sunk = state == TUpDownState::Pressed || state == TUpDownState::Hot;
    const COLORREF outline = SchemeColour(&TSkinColours::ButtonDkShadow);
    const PenHandle pen(CreatePen(PS_SOLID, 1, outline));
    const BrushHandle face(CreateSolidBrush(
        SchemeColour(sunk ? &TSkinColours::ButtonShadow : &TSkinColours::ButtonFace)));
    if (!pen || !face)
        return;
    const SelectObjectScope penScope(dc, pen.Get());
    const SelectObjectScope brushScope(dc, face.Get());
    Rectangle(dc, button.left, button.top, button.right, button.bottom);

    const bool vertical = arrow == TUpDownArrow::Up || arrow == TUpDownArrow::Down;
    const int x = button.left + (button.right - button.left) / 2;
    const int y = button.top + (button.bottom - button.top) / 2 - (vertical ? 2 : 0);
    for (const TStroke& s : StrokesOf(arrow)) {
        MoveToEx(dc, x + s.X0, y + s.Y0, nullptr);
        LineTo(dc, x + s.X1, y + s.Y1);
    }
}

} // namespace veyra
