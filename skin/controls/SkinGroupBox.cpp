#include "SkinGroupBox.h"

#include <optional>

#include "framework/GdiObject.h"
#include "framework/WinControl.h"
#include "skin/data/SkinColours.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

namespace {

// The caption starts this far in from the box's side.
constexpr int kCaptionIndent = 8;
constexpr int kCornerSize = 5;

// An empty rectangle outline one pixel wide.
void FrameIn(HDC dc, const RECT& r, COLORREF colour) {
    const BrushHandle brush(CreateSolidBrush(colour));
    if (brush)
        FrameRect(dc, &r, brush.Get());
}

} // namespace

const TClassInfo& TSkinGroupBox::StaticClass() {
    static const TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinGroupBox::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    TSkinControl::AttachControl(form, skinData, keepColor);
    if (Attached() && Control())
        SetMode(1);
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
    if (!TSkinControl::BeforeMessage(message))
        return false;
    return Mode() != 1 || !AnswerPaintMessage(message, TEraseAnswer::PassOn);
}

void TSkinGroupBox::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    std::wstring text = WindowText(Handle());
    if (text.empty() && Control())
        text = Control()->Caption();
    Text_ = text;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const HDC target = buffer->Dc();
    const COLORREF face = SchemeColour(&TSkinColours::ButtonFace);
    // Without a framework control, what the window painted is the picture
    // the outline goes over.
    if (Control())
        FillFace(target, RECT{0, 0, width, height});
    else
        BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    // The caption is on the skin's face: in the skin's text colour, unless
    // the application gave the control a colour of its own (a font left at
    // a system colour would be black on a dark face).
    COLORREF textColour = SchemeColour(&TSkinColours::ButtonText);
    if (Control() && Control()->Font()) {
        font = Control()->Font()->Handle();
        const TColor own = Control()->Font()->Color();
        if (!IsSystemColour(static_cast<Colour>(own)))
            textColour = ColorToRGB(own);
    }
    std::optional<SelectObjectScope> fontScope;
    if (font)
        fontScope.emplace(target, font);
    SIZE zero{};
    GetTextExtentPoint32W(target, L"0", 1, &zero);
    const int y = zero.cy / 2 - 1;

    if (Mode() == 0) {
        FrameIn(target, RECT{0, y, width, height}, face);
        FrameIn(target, RECT{1, y + 1, width - 1, height - 1}, face);
    }
    {
        const PenHandle pen(CreatePen(PS_SOLID, 1, SchemeColour(&TSkinColours::ButtonShadow)));
        const SelectObjectScope penScope(target, pen.Get());
        const SelectObjectScope brushScope(target, GetStockObject(NULL_BRUSH));
        RoundRect(target, 1, y, width - 1, height - 1, kCornerSize, kCornerSize);
    }
    if (!text.empty()) {
        const TextColourScope colour(target, textColour);
        const BkModeScope opaque(target, OPAQUE);
        const COLORREF oldBack = SetBkColor(target, face);
        const bool right = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
        RECT area = right ? RECT{0, 0, width - kCaptionIndent, height}
                          : RECT{kCaptionIndent, 0, width, height};
        DrawUtf16Text(target, text, area,
                      AddRtlFlag(right ? DT_RIGHT | DT_EXPANDTABS : DT_EXPANDTABS));
        SetBkColor(target, oldBack);
    }
    fontScope.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
    if (Mode() == 1)
        PaintGraphicChildren(dc, rect);
}

} // namespace veyra
