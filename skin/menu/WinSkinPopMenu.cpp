#include "WinSkinPopMenu.h"

#include "skin/component/SkinData.h"
#include "skin/data/SkinDefinition.h"
#include "skin/form/SkinMessages.h"
#include "skin/imaging/DibSurfaceWin32.h"
#include "skin/imaging/GdiHandlesWin32.h"
#include "skin/imaging/SlicedDrawing.h"

namespace veyra {

namespace {

constexpr const char* kBackgroundElement = "MenuBackground";
constexpr int kBorder = 3;

const TDataSkinObject* BackgroundElement(const TSkinDefinition* skin) {
    const TDataSkinObject* element = skin ? skin->Find(kBackgroundElement) : nullptr;
    return element && !element->Image.IsEmpty() ? element : nullptr;
}

SIZE WindowSize(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

} // namespace

TWinSkinPopMenu::TWinSkinPopMenu(HWND window, TSkinData* skinData)
    : TSkinWindow(window), SkinData_(skinData) {}

TWinSkinPopMenu::~TWinSkinPopMenu() = default;

bool TWinSkinPopMenu::Attach() {
    return Subclass();
}

HMENU TWinSkinPopMenu::ShownMenu() const {
    return reinterpret_cast<HMENU>(SendMessageW(Handle(), MN_GETHMENU, 0, 0));
}

const TSkinDefinition* TWinSkinPopMenu::Skin() const {
    return SkinData_ && SkinData_->HasSkin() ? &SkinData_->Skin() : nullptr;
}

bool TWinSkinPopMenu::CanPaint() const {
    return BackgroundElement(Skin()) != nullptr;
}

bool TWinSkinPopMenu::HasNonClientBorder() const {
    return ClientOrigin().x >= kBorder;
}

POINT TWinSkinPopMenu::ClientOrigin() const {
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

const Bitmap& TWinSkinPopMenu::FrameImage() {
    const TDataSkinObject* element = BackgroundElement(Skin());
    const SIZE size = WindowSize(Handle());
    if (!element || size.cx <= 0 || size.cy <= 0) {
        FrameImage_ = Bitmap();
        return FrameImage_;
    }
    if (FrameImage_.Width() != size.cx || FrameImage_.Height() != size.cy)
        FrameImage_ =
            BuildSlicedFrame({0, 0, size.cx, size.cy}, element->Image, element->GetMargins(),
                             FrameLayout::Horizontal,
                             element->Tile == 1 ? MiddleFill::Tile : MiddleFill::Stretch, 1, 1);
    return FrameImage_;
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case SKINMSG_ISSKINNED:
        return 1;
    case WM_NCPAINT:
        return OnNcPaint(wParam, lParam);
    case WM_PAINT:
        return OnPaint(wParam, lParam);
    case WM_PRINT:
    case WM_PRINTCLIENT:
        return OnPrint(msg, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(wParam, lParam);
    default:
        return CallOld(msg, wParam, lParam);
    }
}

void TWinSkinPopMenu::PaintRing(HDC dc, POINT offset) {
    const Bitmap& image = FrameImage();
    if (!dc || image.IsEmpty())
        return;
    const int w = image.Width();
    const int h = image.Height();
    // Only the ring: the items inside are the owner's to draw.
    const SavedDcScope saved(dc);
    ExcludeClipRect(dc, offset.x + kBorder, offset.y + kBorder, offset.x + w - kBorder,
                    offset.y + h - kBorder);
    DrawBitmapToDc(dc, offset.x, offset.y, image);
}

LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    if (!CanPaint() || !HasNonClientBorder())
        return CallOld(WM_NCPAINT, wParam, lParam);
    try {
        const WindowDcScope dc(Handle());
        PaintRing(dc.Get(), {0, 0});
    } catch (...) {
        // Painting errors are swallowed.
    }
    return 0;
}

LRESULT TWinSkinPopMenu::OnPaint(WPARAM wParam, LPARAM lParam) {
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(WM_PAINT, wParam, lParam);
    if (!guard.Alive() || !CanPaint() || HasNonClientBorder())
        return result;
    try {
        // The platform drew its border inside the client area: ours goes over it.
        const WindowDcScope dc(Handle(), false);
        const POINT origin = ClientOrigin();
        PaintRing(dc.Get(), {-origin.x, -origin.y});
    } catch (...) {
        // Painting errors are swallowed.
    }
    return result;
}

LRESULT TWinSkinPopMenu::OnPrint(UINT msg, WPARAM wParam, LPARAM lParam) {
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(msg, wParam, lParam);
    if (!guard.Alive() || !CanPaint())
        return result;
    try {
        // WM_PRINT draws at the window's corner, WM_PRINTCLIENT at the client's.
        POINT offset{0, 0};
        if (msg == WM_PRINTCLIENT) {
            const POINT origin = ClientOrigin();
            offset = {-origin.x, -origin.y};
        }
        PaintRing(reinterpret_cast<HDC>(wParam), offset);
    } catch (...) {
        // Painting errors are swallowed.
    }
    return result;
}

LRESULT TWinSkinPopMenu::OnEraseBkgnd(WPARAM wParam, LPARAM lParam) {
    // With xoMenuBG the owner-drawn items paint the whole background.
    if (CanPaint() && SkinData_ && SkinData_->HasOption(xoMenuBG))
        return 1;
    return CallOld(WM_ERASEBKGND, wParam, lParam);
}

} // namespace veyra
