#include "SkinScrollbar.h"

#include <algorithm>
#include <string>

#include "ControlDrawing.h"
#include "framework/PropAccess.h"
#include "framework/WinControl.h"
#include "skin/data/SkinColours.h"
#include "skin/form/SkinMessages.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/package/AsciiText.h"

namespace veyra {

namespace {

bool HasIntegerProperty(const TObject* object, std::string_view name) {
    const TPropInfo* info = FindPropInfo(object, name);
    return info && info->Kind == TTypeKind::tkInteger;
}

// The rings of border a window has room for: its client area's offset from
// the top of the window, at most 2 (a control has no caption).
int BorderRings(HWND window) {
    RECT outer{};
    POINT client{0, 0};
    if (!GetWindowRect(window, &outer) || !ClientToScreen(window, &client))
        return 0;
    return std::clamp(static_cast<int>(client.y - outer.top), 0, 2);
}

void FrameRing(HDC dc, RECT r, COLORREF colour) {
    const BrushHandle brush(CreateSolidBrush(colour));
    if (brush)
        FrameRect(dc, &r, brush.Get());
}

} // namespace

const TClassInfo& TSkinScrollbar::StaticClass() {
    static const TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
    return info;
}

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() = default;

void TSkinScrollbar::AttachControl(TWinSkinForm* form, TSkinData* skinData, bool) {
    AttachScrollbars(form, skinData);
}

void TSkinScrollbar::AttachScrollbars(TWinSkinForm* form, TSkinData* skinData) {
    if (Attached())
        return;
    TSkinControl::AttachControl(form, skinData, false);
    TWinControl* control = Control();
    if (!Attached() || !control)
        return;
    Border_ = LowerAscii(GetEnumPropText(control, "BorderStyle")) != "bsnone" &&
              control->ClassName() != "TImageScrollBox" && Mode() != 1;
    if (HasIntegerProperty(control, "FixedColor") && !RestoreFixedColor_) {
        SavedFixedColor_ = GetIntProp(control, "FixedColor");
        RestoreFixedColor_ = true;
        SetPropText(control, "FixedColor", std::to_wstring(SkinColours().ButtonFace));
    }
    Overlays_.Create(*this, Handle());
    Overlays_.SetEnabled(control->Enabled());
    if (control->Visible())
        Overlays_.Position();
    else
        Overlays_.Hide();
    // The border is drawn with the frame.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkinScrollbar::RestoreControl() {
    if (RestoreFixedColor_ && Control()) {
        SetPropText(Control(), "FixedColor", std::to_wstring(SavedFixedColor_));
        RestoreFixedColor_ = false;
    }
    TSkinControl::RestoreControl();
    // A destroyed window leaves its overlays to the parent, which may be
    // going too: they are hidden now and freed with this object, or
    // replaced when the control makes a new window.
    if (LifeState() == TControlLife::Destroyed)
        Overlays_.Hide();
    else
        Overlays_.Free();
}

void TSkinScrollbar::SkinChanged() {
    if (RestoreFixedColor_ && Control())
        SetPropText(Control(), "FixedColor", std::to_wstring(SkinColours().ButtonFace));
    TSkinControl::SkinChanged();
    Overlays_.Position();
}

void TSkinScrollbar::SkinEnabledChanged() {
    if (SkinEnabled())
        Overlays_.Position();
    else
        Overlays_.Hide();
}

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_NCPAINT: {
        CallOldProc(message);
        const WindowDcScope dc(Handle());
        if (dc.Get())
            PaintFrame(dc.Get());
        return false;
    }
    case SKINMSG_PAINTFRAME:
        if (message.LParam != kSkinSignature)
            break;
        if (message.WParam && Border_)
            PaintFrame(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinSignature;
        return false;
    default:
        break;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        Overlays_.NoteScroll(message.Msg, message.WParam);
        break;
    case CM_VISIBLECHANGED:
        if (message.WParam)
            Overlays_.Position();
        else
            Overlays_.Hide();
        return;
    case CM_ENABLEDCHANGED:
        if (Control())
            Overlays_.SetEnabled(Control()->Enabled());
        break;
    default:
        break;
    }
    TSkinControl::AfterMessage(message);
    // Scrolling reaches the bars by many routes (keys, the wheel, text set
    // by the program, items added, a resize that shows or hides a bar): after
    // every message each overlay compares its bar with what it last drew,
    // and only a change is drawn.
    if (LifeState() == TControlLife::Attached && SkinEnabled())
        Overlays_.Refresh();
}

void TSkinScrollbar::PaintSkin(HDC, const RECT&) {
    if (LifeState() == TControlLife::Destroyed)
        return;
    Overlays_.Refresh();
    Overlays_.Repaint();
    // Whatever DC came, the corner and border are in the frame.
    const WindowDcScope dc(Handle());
    if (dc.Get())
        PaintFrame(dc.Get());
}

void TSkinScrollbar::PaintFrame(HDC windowDc) {
    const RECT corner = Overlays_.Corner();
    if (!IsRectEmpty(&corner))
        FillFace(windowDc, corner);
    if (!Border_)
        return;
    RECT r{};
    GetWindowRect(Handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    const int rings = BorderRings(Handle());
    if (rings >= 1)
        FrameRing(windowDc, r, SchemeColour(&TSkinColours::ButtonShadow));
    InflateRect(&r, -1, -1);
    if (rings >= 2)
        FrameRing(windowDc, r, SchemeColour(&TSkinColours::ButtonFace));
}

} // namespace veyra
