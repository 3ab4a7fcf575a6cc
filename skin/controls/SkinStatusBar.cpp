#include "SkinStatusBar.h"

#include <commctrl.h>

#include <optional>

#include "ControlDrawing.h"
#include "framework/GdiObject.h"
#include "framework/StatusBar.h"
#include "skin/data/SkinColours.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// The size grip is this frame of ExtraImages.
constexpr int kGripFrame = 5;
constexpr int kTextInset = 2;
// The platform reads at most this many characters of a panel.
constexpr int kMaxPanelText = 1024;

const TCustomStatusBar* FrameworkBar(TWinControl* control) {
    return As<TCustomStatusBar>(control);
}

TPanelAlign AlignOf(TAlignment alignment) {
    switch (alignment) {
    case taCenter:
        return TPanelAlign::Centre;
    case taRightJustify:
        return TPanelAlign::Right;
    default:
        return TPanelAlign::Left;
    }
}

TPanelBevel BevelOf(TStatusPanelBevel bevel) {
    switch (bevel) {
    case pbNone:
        return TPanelBevel::None;
    case pbRaised:
        return TPanelBevel::Raised;
    default:
        return TPanelBevel::Lowered;
    }
}

std::wstring PartText(HWND window, WPARAM index, DWORD* type) {
    const auto lengthAndType = SendMessageW(window, SB_GETTEXTLENGTHW, index, 0);
    const int length = std::min<int>(LOWORD(lengthAndType), kMaxPanelText);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto result =
        SendMessageW(window, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    if (type)
        *type = HIWORD(result);
    text.resize(std::wcslen(text.c_str()));
    return text;
}

// A bare bar's panel aligns its text by leading tabs: one centres, two
// right-align.
TPanelAlign TakeTabAlignment(std::wstring& text) {
    if (text.rfind(L"\t\t", 0) == 0) {
        text.erase(0, 2);
        return TPanelAlign::Right;
    }
    if (text.rfind(L"\t", 0) == 0) {
        text.erase(0, 1);
        return TPanelAlign::Centre;
    }
    return TPanelAlign::Left;
}

} // namespace

const TClassInfo& TSkinStatusBar::StaticClass() {
    static const TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}

bool TSkinStatusBar::BeforeMessage(TMessage& message) {
    if (AnswerPaintMessage(message, TEraseAnswer::Skip))
        return false;
    return TSkinControl::BeforeMessage(message);
}

bool TSkinStatusBar::SimpleMode() const {
    if (const TCustomStatusBar* bar = FrameworkBar(Control()))
        return bar->SimplePanel() || bar->Panels().empty();
    return SendMessageW(Handle(), SB_ISSIMPLE, 0, 0) != 0;
}

std::wstring TSkinStatusBar::SimpleText() const {
    if (const TCustomStatusBar* bar = FrameworkBar(Control()))
        return bar->SimpleText();
    return PartText(Handle(), SB_SIMPLEID, nullptr);
}

std::vector<TSkinStatusBar::TPanelReport> TSkinStatusBar::ReadPanels() const {
    std::vector<TPanelReport> panels;
    const int parts = static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    const TCustomStatusBar* bar = FrameworkBar(Control());
    const int count = bar ? std::min<int>(parts, static_cast<int>(bar->Panels().size())) : parts;
    for (int i = 0; i < count; ++i) {
        TPanelReport report;
        RECT r{};
        if (SendMessageW(Handle(), SB_GETRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&r)))
            report.Layout.Reported = Rect{r.left, r.top, r.right, r.bottom};
        if (bar) {
            const TStatusPanel& panel = bar->Panels()[static_cast<std::size_t>(i)];
            report.Text = panel.Text;
            report.Layout.Align = AlignOf(panel.Alignment);
            report.Layout.RightToLeft = panel.BiDiMode != bdLeftToRight;
            report.Layout.Bevel = BevelOf(panel.Bevel);
            report.OwnerDrawn = panel.Style == psOwnerDraw;
        } else {
            DWORD type = 0;
            report.Text = PartText(Handle(), static_cast<WPARAM>(i), &type);
            report.Layout.Align = TakeTabAlignment(report.Text);
            report.Layout.RightToLeft = (type & SBT_RTLREADING) != 0;
            report.Layout.Bevel = (type & SBT_NOBORDERS) ? TPanelBevel::None
                                  : (type & SBT_POPOUT)  ? TPanelBevel::Raised
                                                         : TPanelBevel::Lowered;
            report.OwnerDrawn = (type & SBT_OWNERDRAW) != 0;
        }
        panels.push_back(std::move(report));
    }
    return panels;
}

void TSkinStatusBar::DrawPanelFrame(DibSurface& buffer, const Rect& rect, TPanelBevel bevel) const {
    if (rect.Right < rect.Left || rect.Bottom < rect.Top)
        return;
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* edges = skin ? skin->Find("StatusBarEdges") : nullptr;
    if (edges && !edges->Image.IsEmpty()) {
        if (edges->Image.Width() >= 3)
            DrawSlicedFrame(buffer.Pixels(), rect, edges->Image, FrameLayout::Horizontal,
                            MiddleFill::Tile, Transparency::Opaque, 3, static_cast<int>(bevel),
                            edges->GetMargins());
        return;
    }
    if (bevel == TPanelBevel::None)
        return;
    const bool lowered = bevel == TPanelBevel::Lowered;
    const COLORREF topLeft = GetSysColor(lowered ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    const COLORREF bottomRight = GetSysColor(lowered ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    const HDC dc = buffer.Dc();
    FillSolid(dc, RECT{rect.Left, rect.Top, rect.Right, rect.Top + 1}, topLeft);
    FillSolid(dc, RECT{rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, topLeft);
    FillSolid(dc, RECT{rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
    FillSolid(dc, RECT{rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
}

void TSkinStatusBar::DrawSizeGrip(Bitmap& target, int width, int height) const {
    if ((GetWindowLongPtrW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) == 0)
        return;
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* extra = skin ? skin->Find("ExtraImages") : nullptr;
    if (!extra || extra->Image.IsEmpty())
        return;
    const Rect grip =
        SizeGripRect(width, height, extra->Image.Width(), extra->Image.Height(), extra->Frame);
    if (!grip.IsEmpty())
        DrawStripFrame(target, grip, extra->Frame, kGripFrame, extra->Image);
}

void TSkinStatusBar::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    RefreshState();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    const HDC target = buffer->Dc();
    FillFace(target, RECT{0, 0, width, height});

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (Control() && Control()->Font())
        font = Control()->Font()->Handle();
    std::optional<SelectObjectScope> fontScope;
    if (font)
        fontScope.emplace(target, font);
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* edges = skin ? skin->Find("StatusBarEdges") : nullptr;
    const TextColourScope textColour(target, edges ? ToColorRef(edges->NormalColour2)
                                                   : GetSysColor(COLOR_BTNTEXT));

    std::vector<TPanelReport> panels;
    std::vector<TStatusPanelPlace> places;
    if (SimpleMode()) {
        DrawPanelFrame(*buffer, Rect{0, 0, width, height}, TPanelBevel::Lowered);
        std::wstring text = SimpleText();
        if (text.empty())
            text = L" ";
        DrawCaptionText(target, RECT{kTextInset, 0, width - kTextInset, height}, text, true,
                        RightToLeft() ? TTextPlace::Right : TTextPlace::Left, AddRtlFlag(0));
    } else {
        panels = ReadPanels();
        std::vector<TStatusPanelInput> inputs;
        for (const TPanelReport& panel : panels)
            inputs.push_back(panel.Layout);
        places = LayoutStatusPanels(width, inputs);
        for (std::size_t i = 0; i < places.size(); ++i) {
            const TStatusPanelPlace& place = places[i];
            if (!place.Drawn)
                continue;
            DrawPanelFrame(*buffer, place.Frame, panels[i].Layout.Bevel);
            if (panels[i].OwnerDrawn)
                continue;
            const std::wstring text = panels[i].Text.empty() ? L" " : panels[i].Text;
            DrawCaptionText(
                target, RECT{place.Text.Left, place.Text.Top, place.Text.Right, place.Text.Bottom},
                text, true, static_cast<TTextPlace>(place.Align),
                panels[i].Layout.RightToLeft ? DT_RTLREADING : 0);
        }
    }
    fontScope.reset();
    DrawSizeGrip(buffer->Pixels(), width, height);
    CopyBuffer(dc, rect.left, rect.top, width, height);
    PaintGraphicChildren(dc, rect);
    CallOwnerDraw(dc, panels, places);
}

void TSkinStatusBar::CallOwnerDraw(HDC dc, const std::vector<TPanelReport>& panels,
                                   const std::vector<TStatusPanelPlace>& places) {
    auto* bar = As<TCustomStatusBar>(Control());
    if (!bar || !bar->OnDrawPanel)
        return;
    for (std::size_t i = 0; i < places.size() && i < panels.size(); ++i) {
        if (!places[i].Drawn || !panels[i].OwnerDrawn)
            continue;
        const Rect& r = places[i].OwnerDraw;
        const SavedDcScope saved(dc);
        bar->OnDrawPanel(bar, static_cast<int>(i), dc, RECT{r.Left, r.Top, r.Right, r.Bottom});
    }
}

} // namespace veyra
