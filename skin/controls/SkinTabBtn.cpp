#include "SkinTabBtn.h"

#include <commctrl.h>

#include <optional>

#include "ControlDrawing.h"
#include "TabReport.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/TabGeometry.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

namespace {

// The caption colour of a button tab: the skin's colour for the state when
// it gives one, else black.
COLORREF CaptionColour(const TDataSkinButton& buttons, bool focused) {
    const bool given = focused ? buttons.PressedColour2Given : buttons.NormalColour2Given;
    const Colour colour = focused ? buttons.PressedColour2 : buttons.NormalColour2;
    return given ? ToColorRef(colour) : RGB(0, 0, 0);
}

} // namespace

const TClassInfo& TSkinTabBtn::StaticClass() {
    static const TClassInfo info("TSkinTabBtn", &TSkinControl::StaticClass());
    return info;
}

TSkinTabBtn::TSkinTabBtn(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTabBtn::BeforeMessage(TMessage& message) {
    if (AnswerPaintMessage(message, TEraseAnswer::PassOn))
        return false;
    if (message.Msg == WM_ERASEBKGND) {
        // Button tabs have no pane: what the pages leave uncovered is the
        // background the strip stands on, not the platform's face colour.
        RECT client{};
        GetClientRect(Handle(), &client);
        FillParentColor(reinterpret_cast<HDC>(message.WParam), client);
        message.Result = 1;
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinTabBtn::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    const TSkinDefinition* skin = Skin();
    if (!skin || skin->Buttons.Image.IsEmpty())
        return;
    const TDataSkinButton& buttons = skin->Buttons;
    RefreshState();
    RECT display = rect;
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    // Button tabs are always along the top.
    const TTabStripLayout layout =
        LayoutTabStrip(rect.right, rect.bottom,
                       {display.left, display.top, display.right, display.bottom}, TTabSide::Top);
    const int width = layout.BufferWidth;
    const int height = layout.BufferHeight;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const HDC bufferDc = buffer->Dc();
    FillFace(bufferDc, RECT{0, 0, width, height});
    {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        std::optional<SelectObjectScope> fontScope;
        if (font)
            fontScope.emplace(bufferDc, font);
        const int count = static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
        const int focus = static_cast<int>(SendMessageW(Handle(), TCM_GETCURFOCUS, 0, 0));
        const auto images =
            reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TCM_GETIMAGELIST, 0, 0));
        for (int i = 0; i < count; ++i) {
            const TTabReport item = ReadTabReport(Handle(), i);
            if (!item.HasBounds)
                continue;
            const Rect tab = TabRectInBuffer(layout, item.Bounds);
            const bool focused = i == focus;
            DrawElementState(buffer->Pixels(), tab, buttons.Frame, focused ? 2 : 1, buttons);
            DrawTabCaption(bufferDc, tab, item, images, Enabled_, CaptionColour(buttons, focused),
                           AddRtlFlag(0));
        }
    }
    CopyBuffer(dc, layout.Strip.Left, layout.Strip.Top, width, height);
}

} // namespace veyra
