#include "SkinTab.h"

#include <commctrl.h>

#include <optional>

#include "ControlDrawing.h"
#include "SkinUpDown.h"
#include "TabReport.h"
#include "framework/PageControl.h"
#include "framework/TabSheet.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/PixelOps.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

// The margins of a pane drawn from the Tabs element's "Border" image, which
// carries none of its own.
constexpr Margins kBorderPaneMargins{4, 5, 4, 4};

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

std::uint32_t StyleOf(HWND window) {
    return static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
}

// The framework page control of a tab window, or null.
TPageControl* PageControlOf(HWND window) {
    return As<TPageControl>(TWinControl::FromHandle(window));
}

} // namespace

const TClassInfo& TSkinTab::StaticClass() {
    static const TClassInfo info("TSkinTab", &TSkinControl::StaticClass());
    return info;
}

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}

// ---------------------------------------------------------------------------
// Attaching and the skin

void TSkinTab::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool keepColor) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, keepColor);
    PrepareAttached();
}

void TSkinTab::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachHandle(window, skinData, form);
    PrepareAttached();
}

void TSkinTab::PrepareAttached() {
    if (!Attached())
        return;
    RefreshState();
    DecideCloseBoxes();
    PrepareImages();
    SkinScrollArrows();
}

void TSkinTab::SkinChanged() {
    // The images first, so that the repaint shows the new skin.
    PrepareImages();
    TSkinControl::SkinChanged();
}

void TSkinTab::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == UpDown_)
        UpDown_ = nullptr;
    if (component == ClosingPage_)
        ClosingPage_ = nullptr;
}

void TSkinTab::DecideCloseBoxes() {
    // A window the framework does not know keeps what SetCloseBoxes said.
    if (const TPageControl* pages = PageControlOf(Handle()))
        CloseBoxes_ = pages->Tag() == kCloseBoxTag && pages->TabPosition() == tpTop;
}

void TSkinTab::PrepareImages() {
    PaneCacheValid_ = false;
    StripValid_ = false;
    Dirty_ = true;
    Side_ = Handle() ? TabSideFromStyle(StyleOf(Handle())) : TTabSide::Top;
    TabImage_ = Bitmap();
    PaneImage_ = Bitmap();
    const TSkinDefinition* skin = Skin();
    const auto* tabs = skin ? dynamic_cast<const TDataSkinBorder*>(skin->Find("Tabs")) : nullptr;
    if (!tabs)
        return;
    TabImage_ = tabs->Image;
    TabFrames_ = tabs->Frame;
    TabTransparency_ = tabs->Trans == 1 ? Transparency::KeyColour : Transparency::Opaque;
    TabMiddle_ = tabs->Tile != 0 ? MiddleFill::Tile : MiddleFill::Stretch;
    NormalText_ = ToColorRef(tabs->NormalColour2);
    FocusedText_ = ToColorRef(tabs->MouseOverColour2);
    Margins pane = kBorderPaneMargins;
    if (tabs->Style == 0) {
        PaneImage_ = tabs->Image2;
    } else if (tabs->Style == 1) {
        if (const TDataSkinObject* paneElement = skin->Find("Tab.Pane")) {
            PaneImage_ = paneElement->Image;
            pane = paneElement->GetMargins();
        }
    }
    TabImage_.SetFormat(PixelFormat::Rgb24);
    PaneImage_.SetFormat(PixelFormat::Rgb24);
    // The tab image is only ever flipped: tabs on the left and right are
    // drawn upright and the whole strip is turned afterwards.
    switch (Side_) {
    case TTabSide::Top:
        break;
    case TTabSide::Bottom:
        Flip(TabImage_);
        Flip(PaneImage_);
        break;
    case TTabSide::Left:
        RotateLeft(PaneImage_);
        break;
    case TTabSide::Right:
        RotateRight(PaneImage_);
        break;
    }
    TabMargins_ = TurnedMargins(tabs->GetMargins(),
                                Side_ == TTabSide::Bottom ? TTabSide::Bottom : TTabSide::Top);
    PaneMargins_ = TurnedMargins(pane, Side_);
}

HWND TSkinTab::SkinScrollArrows() {
    const HWND arrows = FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    if (!arrows)
        return nullptr;
    if (!UpDown_ || UpDown_->Handle() != arrows) {
        // A skinner of arrows that went away stays with its owner and the
        // form, which free it; this object only lets go of it.
        if (UpDown_)
            RemoveFreeNotification(UpDown_);
        UpDown_ = new TSkinUpDown(Owner());
        FreeNotification(UpDown_);
        UpDown_->AttachHandle(arrows, SkinData(), SkinForm());
    }
    return (StyleOf(arrows) & WS_VISIBLE) != 0 ? arrows : nullptr;
}

// ---------------------------------------------------------------------------
// Messages

LRESULT TSkinTab::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!LeavesStripAsItWas(msg))
        Dirty_ = true;
    const TAliveGuard guard(*this);
    const LRESULT result = TSkinControl::WndProc(msg, wParam, lParam);
    if (msg == SKINMSG_ENABLE && guard.Alive())
        ForwardSkinSwitch(wParam);
    return result;
}

void TSkinTab::HookProc(TMessage& message) {
    if (!LeavesStripAsItWas(message.Msg))
        Dirty_ = true;
    const TAliveGuard guard(*this);
    TSkinControl::HookProc(message);
    if (message.Msg == SKINMSG_ENABLE && guard.Alive())
        ForwardSkinSwitch(message.WParam);
}

void TSkinTab::ForwardSkinSwitch(WPARAM on) {
    // The arrows are part of the strip: switched with it, so that an
    // unskinned tab control shows no skinned arrows. After the strip: a tab
    // control need not clip its children, and its repaint covers theirs.
    if (UpDown_ && UpDown_->Handle() && IsWindow(UpDown_->Handle()))
        SendMessageW(UpDown_->Handle(), SKINMSG_ENABLE, on, 0);
}

bool TSkinTab::BeforeMessage(TMessage& message) {
    if (AnswerPaintMessage(message, TEraseAnswer::PassOn))
        return false;
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Nothing of this object may be touched once a close box was hit:
        // the form's answer may have freed it.
        if (OnCloseBoxClick(message))
            return false;
        return TSkinControl::BeforeMessage(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

int TSkinTab::PageCount() const {
    if (const TPageControl* pages = PageControlOf(Handle()))
        return pages->PageCount();
    return static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
}

bool TSkinTab::OnCloseBoxClick(TMessage& message) {
    if (!CloseBoxes_ || Side_ != TTabSide::Top)
        return false;
    const int x = static_cast<short>(LOWORD(message.LParam));
    const int y = static_cast<short>(HIWORD(message.LParam));
    const int index = CloseBoxAt(CloseRects_, x, y, PageCount());
    if (index < 0)
        return false;
    message.Result = 0;
    // The second click of a double click on a box neither selects the tab
    // under it nor closes another page.
    if (message.Msg != WM_LBUTTONDOWN)
        return true;
    // Told if the form frees the page itself while it is asked.
    TPageControl* pages = PageControlOf(Handle());
    ClosingPage_ = pages ? pages->Pages(index) : nullptr;
    FreeNotification(ClosingPage_);

    const HWND form = SkinForm() ? SkinForm()->Handle() : GetAncestor(Handle(), GA_ROOT);
    const TAliveGuard guard(*this);
    const LRESULT answer = SendMessageW(form, SKINMSG_TABCLOSE, reinterpret_cast<WPARAM>(Handle()),
                                        static_cast<LPARAM>(index));
    if (!guard.Alive())
        return true;
    TTabSheet* page = std::exchange(ClosingPage_, nullptr);
    RemoveFreeNotification(page);
    if (answer != 0 || LifeState() == TControlLife::Destroyed)
        return true;
    // The boxes belong to the tabs as painted: after a close they wait for
    // the next paint.
    CloseRects_.clear();
    ClosePage(index, page, pages != nullptr);
    return true;
}

void TSkinTab::ClosePage(int index, TTabSheet* page, bool framework) {
    if (!framework) {
        if (index < static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0)))
            SendMessageW(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
        return;
    }
    // The page the form agreed to close, wherever it is now; a page the
    // form freed already is not freed again, nor is another in its place.
    TPageControl* pages = PageControlOf(Handle());
    const int now = pages && page ? pages->IndexOfPage(page) : -1;
    if (now >= 0)
        pages->FreePage(now);
}

// ---------------------------------------------------------------------------
// Painting

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    const COLORREF background = ParentColorOr(SchemeColour(&TSkinColours::ButtonFace));
    // Enabling and focus changes reach the control as messages, which mark
    // it dirty: an unchanged paint need not ask the platform again.
    const bool unchanged = !Dirty_ && Painted_.Valid && Painted_.Width == rect.right &&
                           Painted_.Height == rect.bottom && Painted_.Background == background;
    if (!unchanged) {
        RefreshState();
        // The tabs moved to another side since the images were prepared.
        if (TabSideFromStyle(StyleOf(Handle())) != Side_)
            PrepareImages();
        RECT display = rect;
        SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        Painted_.Layout = LayoutTabStrip(rect.right, rect.bottom, ToRect(display), Side_);
        const int count = static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
        CloseRects_.assign(static_cast<std::size_t>(std::max(count, 0)), Rect{});
        Painted_.Arrows = SkinScrollArrows();
    }
    if (!TabImage_.IsEmpty())
        PaintStrip(dc, Painted_.Layout, Painted_.Arrows, unchanged);
    PaintPane(dc, Painted_.Layout, Painted_.Arrows);
    // A tab control is a container: what sits on it without a window of its
    // own is painted over the pane, as the control's own paint would.
    if (Mode() == kTabControlMode)
        PaintGraphicChildren(dc, rect);
    Painted_ = TPaintedState{true,       rect.right,      rect.bottom,    Enabled_,
                             background, Painted_.Layout, Painted_.Arrows};
    Dirty_ = false;
}

bool TSkinTab::LeavesStripAsItWas(UINT msg) {
    // Questions and passing mouse moves: what the strip shows stays. Any
    // other message may change a tab, the focus, the font or the layout,
    // and the next paint reads everything again.
    switch (msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_GETFONT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE:
    case WM_PRINTCLIENT:
    case TCM_GETITEMCOUNT:
    case TCM_GETITEMA:
    case TCM_GETITEMW:
    case TCM_GETITEMRECT:
    case TCM_GETCURFOCUS:
    case TCM_GETCURSEL:
    case TCM_GETIMAGELIST:
    case TCM_ADJUSTRECT:
    case TCM_GETROWCOUNT:
    case TCM_HITTEST:
    case SKINMSG_ISSKINNED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        return true;
    default:
        return false;
    }
}

TSkinTab::TStripKey TSkinTab::CurrentStripKey(const TTabStripLayout& layout) const {
    TStripKey key;
    key.Items.reserve(CloseRects_.size());
    for (std::size_t i = 0; i < CloseRects_.size(); ++i)
        key.Items.push_back(ReadTabReport(Handle(), static_cast<int>(i)));
    key.Focus = static_cast<int>(SendMessageW(Handle(), TCM_GETCURFOCUS, 0, 0));
    key.Enabled = Enabled_;
    key.Font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    key.Images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TCM_GETIMAGELIST, 0, 0));
    key.Background = ParentColorOr(SchemeColour(&TSkinColours::ButtonFace));
    key.Strip = layout.Strip;
    key.BufferWidth = layout.BufferWidth;
    key.BufferHeight = layout.BufferHeight;
    return key;
}

void TSkinTab::PaintStrip(HDC dc, const TTabStripLayout& layout, HWND arrows, bool unchanged) {
    const int width = layout.BufferWidth;
    const int height = layout.BufferHeight;
    DibSurface* buffer = Buffer(width, height);
    if (!buffer)
        return;
    if (!unchanged || !StripValid_) {
        TStripKey key = CurrentStripKey(layout);
        const bool boxes = CloseBoxes_ && Side_ == TTabSide::Top;
        if (!StripValid_ || !(key == StripKey_))
            ComposeStrip(*buffer, layout, key, boxes);
        else if (boxes)
            CloseRects_ = StripCloseRects_;
        StripKey_ = std::move(key);
        StripValid_ = true;
    }
    const Rect& strip = layout.Strip;
    if (layout.Side == TTabSide::Left || layout.Side == TTabSide::Right)
        CopyAroundArrows(dc, arrows, strip.Left, strip.Top, 0, 0, &Turned_);
    else
        CopyAroundArrows(dc, arrows, strip.Left, strip.Top, width, height, nullptr);
}

void TSkinTab::ComposeStrip(DibSurface& buffer, const TTabStripLayout& layout, const TStripKey& key,
                            bool boxes) {
    const int width = layout.BufferWidth;
    const int height = layout.BufferHeight;
    const HDC bufferDc = buffer.Dc();
    FillSolid(bufferDc, RECT{0, 0, width, height}, key.Background);
    {
        std::optional<SelectObjectScope> fontScope;
        if (key.Font)
            fontScope.emplace(bufferDc, key.Font);
        for (std::size_t i = 0; i < key.Items.size(); ++i) {
            const TTabReport& item = key.Items[i];
            if (!item.HasBounds)
                continue;
            const Rect tab = TabRectInBuffer(layout, item.Bounds);
            const bool focused = static_cast<int>(i) == key.Focus;
            const int frame = focused ? 2 : 1;
            // A skin whose tab image has too few frames shows no tab picture.
            if (FrameInRange(TabFrames_, frame) && TabImage_.Width() >= TabFrames_)
                DrawSlicedFrame(buffer.Pixels(), tab, TabImage_, FrameLayout::Horizontal,
                                TabMiddle_, TabTransparency_, TabFrames_, frame, TabMargins_);
            if (boxes) {
                CloseRects_[i] = CloseBoxRect(tab);
                DrawCloseBox(bufferDc, CloseRects_[i], focused ? FocusedText_ : NormalText_);
            }
            DrawTabCaption(bufferDc, tab, item, key.Images, key.Enabled,
                           focused ? FocusedText_ : NormalText_, AddRtlFlag(0));
        }
    }
    StripCloseRects_ = CloseRects_;
    if (layout.Side == TTabSide::Left || layout.Side == TTabSide::Right) {
        Bitmap& pixels = buffer.Pixels();
        const Bitmap upright = Bitmap::View(pixels.Row(0), width, height, pixels.Stride());
        Turned_ = upright; // an owning copy: a view cannot be turned
        if (layout.Side == TTabSide::Left)
            RotateLeft(Turned_);
        else
            RotateRight(Turned_);
    }
}

void TSkinTab::DrawCloseBox(HDC dc, const Rect& box, COLORREF colour) const {
    // In the tab's caption colour: a black box would vanish on a dark skin.
    const PenHandle pen(CreatePen(PS_SOLID, 1, colour));
    const SelectObjectScope select(dc, pen ? static_cast<HGDIOBJ>(pen.Get())
                                           : GetStockObject(BLACK_PEN));
    const POINT outline[] = {{box.Left, box.Top},
                             {box.Right, box.Top},
                             {box.Right, box.Bottom},
                             {box.Left, box.Bottom},
                             {box.Left, box.Top}};
    Polyline(dc, outline, 5);
    MoveToEx(dc, box.Left, box.Top, nullptr);
    LineTo(dc, box.Right, box.Bottom);
    MoveToEx(dc, box.Right, box.Top, nullptr);
    LineTo(dc, box.Left, box.Bottom);
}

void TSkinTab::PaintPane(HDC dc, const TTabStripLayout& layout, HWND arrows) {
    const Rect& pane = layout.Pane;
    if (PaneImage_.IsEmpty() || pane.IsEmpty())
        return;
    // A pane that cannot be drawn leaves the control's own; the strip and
    // the control's messages go on.
    try {
        const Rect covered = CoveredPart(pane);
        if (!PaneCacheValid_ || PaneWidth_ != pane.Width() || PaneHeight_ != pane.Height() ||
            !(PaneCovered_ == covered))
            RenderPaneParts(pane.Width(), pane.Height(), covered);
        std::optional<SavedDcScope> saved;
        ExcludeArrows(dc, arrows, saved);
        for (const TPanePart& part : PaneParts_)
            DrawBitmapToDc(dc, pane.Left + part.Place.Left, pane.Top + part.Place.Top, part.Pixels);
    } catch (...) {
        PaneParts_.clear();
        PaneCacheValid_ = false;
    }
}

Rect TSkinTab::CoveredPart(const Rect& pane) const {
    // A framework page control knows its shown page without asking the
    // window system. The children of another program's tab window would
    // cost a round trip to the window server each, at every paint: its pane
    // is drawn whole.
    const TPageControl* pages = PageControlOf(Handle());
    const TTabSheet* page = pages ? pages->ActivePage() : nullptr;
    if (!page || !page->Visible() || !page->WindowHandle())
        return {};
    const Rect part = Intersect(ToRect(page->BoundsRect()), pane);
    return part.IsEmpty() ? Rect{} : part.Offset(-pane.Left, -pane.Top);
}

std::int64_t TSkinTab::KeptPanePixels() const {
    std::int64_t pixels = 0;
    for (const TPanePart& part : PaneParts_)
        pixels += std::int64_t{part.Pixels.Width()} * part.Pixels.Height();
    return pixels;
}

void TSkinTab::RenderPaneParts(int width, int height, const Rect& covered) {
    PaneCacheValid_ = false;
    PaneParts_.clear();
    const RectsOutside outside = SubtractRect(Rect{0, 0, width, height}, covered);
    for (int i = 0; i < outside.Count; ++i) {
        const Rect& place = outside.Parts[i];
        TPanePart part{place, Bitmap(place.Width(), place.Height())};
        RenderSlicedFramePart(part.Pixels, width, height, place.Left, place.Top, PaneImage_,
                              PaneMargins_, FrameLayout::Horizontal, MiddleFill::Stretch, 1, 1);
        PaneParts_.push_back(std::move(part));
    }
    PaneWidth_ = width;
    PaneHeight_ = height;
    PaneCovered_ = covered;
    PaneCacheValid_ = true;
}

void TSkinTab::ExcludeArrows(HDC dc, HWND arrows, std::optional<SavedDcScope>& saved) const {
    RECT own{};
    RECT around{};
    if (arrows && GetWindowRect(Handle(), &own) && GetWindowRect(arrows, &around)) {
        saved.emplace(dc);
        ExcludeClipRect(dc, around.left - own.left, around.top - own.top, around.right - own.left,
                        around.bottom - own.top);
    }
}

void TSkinTab::CopyAroundArrows(HDC dc, HWND arrows, int x, int y, int width, int height,
                                const Bitmap* turned) {
    std::optional<SavedDcScope> saved;
    ExcludeArrows(dc, arrows, saved);
    if (turned)
        DrawBitmapToDc(dc, x, y, *turned);
    else
        CopyBuffer(dc, x, y, width, height);
}

} // namespace veyra
