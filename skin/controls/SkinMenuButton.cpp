#include "SkinMenuButton.h"

#include "framework/ButtonPainter.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/TextWin32.h"

namespace veyra {

const TClassInfo& TSkinMenuButton::StaticClass() {
    static const TClassInfo info("TSkinMenuButton", &TSkinButton::StaticClass());
    return info;
}

TSkinMenuButton::TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinMenuButton::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed || !ButtonsElement())
        return;
    RefreshState();
    Text_ = BreakCaption(Control() ? GetStrPropW(Control(), "Caption") : WindowText(Handle()));
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const TButtonState state = State();
    DibSurface* buffer = PaintFace(width, height, state);
    if (!buffer)
        return;
    const HDC bufferDc = buffer->Dc();
    RECT measured{2, 2, width - TMenuButtonLayout::kArrowZone - 2, height - 2};
    if (!Text_.empty())
        DrawUtf16Text(bufferDc, Text_, measured, DT_CALCRECT | DT_WORDBREAK);
    else
        measured = RECT{};
    const TMenuButtonLayout layout = LayoutMenuButton(width, height, measured.right - measured.left,
                                                      measured.bottom - measured.top);

    const COLORREF arrowColour =
        GetSysColor(state == TButtonState::Disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    const BrushHandle brush(CreateSolidBrush(arrowColour));
    const PenHandle pen(CreatePen(PS_SOLID, 1, arrowColour));
    if (brush && pen) {
        const SelectObjectScope brushSelected(bufferDc, brush.Get());
        const SelectObjectScope penSelected(bufferDc, pen.Get());
        const POINT arrow[3] = {{layout.ArrowX[0], layout.ArrowY[0]},
                                {layout.ArrowX[1], layout.ArrowY[1]},
                                {layout.ArrowX[2], layout.ArrowY[2]}};
        Polygon(bufferDc, arrow, 3);
    }
    RECT text{layout.Text.Left, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
    {
        const BkModeScope transparent(bufferDc, TRANSPARENT);
        RECT drawn = text;
        DrawUtf16Text(bufferDc, Text_, drawn, AddRtlFlag(DT_WORDBREAK));
    }
    if (Focused_ && !Text_.empty())
        DrawFocus(bufferDc, text);
    FontSelection_.reset();
    CopyBuffer(dc, rect.left, rect.top, width, height);
}

} // namespace veyra
