#include "SkinTrackBar.h"

#include <commctrl.h>

#include <utility>

#include "ControlDrawing.h"
#include "framework/Messages.h"
#include "skin/data/BarGeometry.h"
#include "skin/data/SkinColours.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/SubclassChain.h"
#include "skin/imaging/Blit.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"

namespace veyra {

namespace {

// The thumb always shows this frame of its five.
constexpr int kThumbFrame = 2;
constexpr int kThumbFrames = 5;
// Nothing below 64 KB is ever a notification's address; the message
// number CN_NOTIFY shares carries a small signature there.
constexpr LPARAM kLowestAddress = 0x10000;

Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Draws over area of dc through a copy of what dc shows there, so that
// transparent and partial pictures keep what is behind them.
template <class Draw> void DrawOverDc(HDC dc, const Rect& area, Draw draw) {
    if (area.IsEmpty())
        return;
    DibSurface surface(area.Width(), area.Height());
    if (!surface.Dc())
        return;
    BitBlt(surface.Dc(), 0, 0, area.Width(), area.Height(), dc, area.Left, area.Top, SRCCOPY);
    draw(surface.Pixels());
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), surface.Dc(), 0, 0, SRCCOPY);
}

Rect Bounds(const std::vector<TSliceCopy>& slices) {
    Rect all = slices.front().Target;
    for (const TSliceCopy& slice : slices)
        all = {std::min(all.Left, slice.Target.Left), std::min(all.Top, slice.Target.Top),
               std::max(all.Right, slice.Target.Right), std::max(all.Bottom, slice.Target.Bottom)};
    return all;
}

} // namespace

const TClassInfo& TSkinTrackBar::StaticClass() {
    static const TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}

TSkinTrackBar::~TSkinTrackBar() {
    UnhookParent();
}

void TSkinTrackBar::AttachHandle(HWND window, TSkinData* skinData, TWinSkinForm* form) {
    if (Attached())
        return;
    TSkinControl::AttachHandle(window, skinData, form);
    if (Attached() && !Control())
        HookParent();
}

void TSkinTrackBar::RestoreControl() {
    TSkinControl::RestoreControl();
    UnhookParent();
}

// ---------------------------------------------------------------------------
// The parent of a bare track bar

void TSkinTrackBar::HookParent() {
    const HWND parent = GetParent(Handle());
    if (Parent_ || !parent)
        return;
    if (TSubclassChain::Add(parent, &TSkinTrackBar::ParentProc, reinterpret_cast<UINT_PTR>(this),
                            reinterpret_cast<DWORD_PTR>(this)))
        Parent_ = parent;
}

void TSkinTrackBar::UnhookParent() {
    const HWND parent = std::exchange(Parent_, nullptr);
    // Gone already: its own WM_NCDESTROY took the hook out.
    if (parent && IsWindow(parent))
        TSubclassChain::Remove(parent, &TSkinTrackBar::ParentProc,
                               reinterpret_cast<UINT_PTR>(this));
}

LRESULT CALLBACK TSkinTrackBar::ParentProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR refData) {
    auto* self = reinterpret_cast<TSkinTrackBar*>(refData);
    if (msg == WM_NCDESTROY) {
        TSubclassChain::Remove(window, &TSkinTrackBar::ParentProc, id);
        self->Parent_ = nullptr;
        return TSubclassChain::CallNext(window, msg, wParam, lParam);
    }
    if (msg == WM_NOTIFY) {
        try {
            LRESULT result = 0;
            if (self->OnParentNotify(lParam, result))
                return result;
        } catch (...) {
            // Nothing of ours crosses the parent's window procedure; the
            // control draws itself.
        }
    }
    return TSubclassChain::CallNext(window, msg, wParam, lParam);
}

bool TSkinTrackBar::OnParentNotify(LPARAM lParam, LRESULT& result) {
    if (!SkinEnabled() || LifeState() != TControlLife::Attached || lParam < kLowestAddress)
        return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != Handle() || header->code != static_cast<UINT>(NM_CUSTOMDRAW))
        return false;
    result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
    return true;
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
    if ((message.Msg == WM_NOTIFY || message.Msg == CN_NOTIFY) &&
        message.LParam != kSkinSignature && message.LParam >= kLowestAddress) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code != static_cast<UINT>(NM_CUSTOMDRAW))
            return true;
        message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
    // Under its ticks the control shows the skin's face, as the skinned
    // form around it, not the colour its parent gives for statics. Wine's
    // track bar erases after the prepaint stage and asks first (pre-erase).
    if (draw.dwDrawStage == CDDS_PREPAINT) {
        FillFace(draw.hdc, draw.rc);
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.dwDrawStage == CDDS_PREERASE) {
        FillFace(draw.hdc, draw.rc);
        return CDRF_SKIPDEFAULT;
    }
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    switch (draw.dwItemSpec) {
    case TBCD_THUMB:
        DrawThumb(draw.hdc);
        return CDRF_SKIPDEFAULT;
    case TBCD_CHANNEL:
        DrawChannel(draw.hdc);
        return CDRF_SKIPDEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

bool TSkinTrackBar::Vertical() const {
    return (GetWindowLongPtrW(Handle(), GWL_STYLE) & TBS_VERT) != 0;
}

void TSkinTrackBar::DrawChannel(HDC dc) {
    const TSkinDefinition* skin = Skin();
    if (!skin)
        return;
    RECT reported{};
    SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&reported));
    const bool vertical = Vertical();
    const Rect channel = vertical ? VerticalChannelRect(ToRect(reported)) : ToRect(reported);
    const TDataSkinObject* upright = vertical ? skin->Find("TRACKVERT") : nullptr;
    const TDataSkinObject* element = upright ? upright : skin->Find("Track");
    if (!element || element->Image.IsEmpty())
        return;
    const auto slices = TrackChannelSlices(channel, element->Image.Width(), element->Image.Height(),
                                           element->GetMargins(),
                                           upright ? TTrackAxis::Vertical : TTrackAxis::Horizontal);
    if (slices.empty())
        return;
    const Rect area = Bounds(slices);
    DrawOverDc(dc, area, [&](Bitmap& pixels) {
        for (const TSliceCopy& slice : slices)
            StretchDraw(pixels, slice.Target.Offset(-area.Left, -area.Top), element->Image,
                        slice.Source);
    });
}

void TSkinTrackBar::DrawThumb(HDC dc) {
    if (!IsWindow(Handle()))
        return;
    RECT thumb{};
    SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const Rect area = ToRect(thumb);
    const TSkinDefinition* skin = Skin();
    const TDataSkinObject* element = nullptr;
    if (skin && Vertical())
        element = skin->Find("Trackbar.ThumbVert");
    if (skin && !element)
        element = skin->Find("Trackbar.ThumbHorz");
    if (element && !element->Image.IsEmpty()) {
        DrawOverDc(dc, area, [&](Bitmap& pixels) {
            DrawStripFrame(pixels, {0, 0, area.Width(), area.Height()}, kThumbFrames, kThumbFrame,
                           element->Image);
        });
        return;
    }
    const PenHandle pen(CreatePen(PS_SOLID, 1, SchemeColour(&TSkinColours::ButtonShadow)));
    const SelectObjectScope penScope(dc, pen.Get());
    const SelectObjectScope brushScope(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

} // namespace veyra
