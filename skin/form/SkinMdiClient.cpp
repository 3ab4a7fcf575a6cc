#include "SkinMdiClient.h"

#include "SkinMessages.h"
#include "skin/manager/EngineState.h"

namespace veyra {

TSkinMdiClient::TSkinMdiClient(HWND client, TEngineState& engine, TMdiFrameLink link)
    : TSkinWindow(client), Engine_(engine), Link_(std::move(link)) {}

TSkinMdiClient::~TSkinMdiClient() {
    try {
        Detach();
    } catch (...) {
    }
}

bool TSkinMdiClient::Attach() {
    if (!Subclass())
        return false;
    Engine_.MdiClientHandle = Handle();
    // The scroll bars the client shows now go at its next frame calculation.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void TSkinMdiClient::Detach() {
    if (Engine_.MdiClientHandle == Handle())
        Engine_.MdiClientHandle = nullptr;
    if (!Subclassed())
        return;
    RemoveSubclass();
    // The platform shows a scroll bar only when its range changes; the
    // ranges it set while the bars were hidden are forgotten, so that its
    // next look at the children shows the bars they need.
    if (IsWindow(Handle()))
        for (const int bar : {SB_HORZ, SB_VERT}) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_RANGE | SIF_POS;
            SetScrollInfo(Handle(), bar, &info, FALSE);
        }
}

HWND TSkinMdiClient::ActiveChild(HWND client, bool* maximized) {
    BOOL zoomed = FALSE;
    const auto child = client ? reinterpret_cast<HWND>(SendMessageW(
                                    client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed)))
                              : nullptr;
    if (maximized)
        *maximized = child && zoomed;
    return child;
}

LRESULT TSkinMdiClient::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_MDICREATE:
        return OnMdiCreate(wParam, lParam);
    case WM_MDIDESTROY:
        return OnMdiDestroy(wParam, lParam);
    case WM_MDITILE:
    case WM_MDICASCADE:
        return OnMdiArrange(msg, wParam, lParam);
    case WM_MDISETMENU:
        return OnMdiSetMenu(wParam, lParam);
    case SKINMSG_MDIREDRAW:
        return OnMdiRedraw();
    default:
        return CallOld(msg, wParam, lParam);
    }
}

LRESULT TSkinMdiClient::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(WM_NCDESTROY, wParam, lParam);
    if (guard.Alive())
        Detach();
    return result;
}

LRESULT TSkinMdiClient::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    // The client turns its scroll bars on whenever a child leaves its area;
    // cleared here, the platform never makes room for them.
    if (FrameSkinned() && !(Link_.KeepScrollBars && Link_.KeepScrollBars())) {
        const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
        const LONG_PTR bars = WS_HSCROLL | WS_VSCROLL;
        if (style & bars)
            SetWindowLongPtrW(Handle(), GWL_STYLE, style & ~bars);
    }
    return CallOld(WM_NCCALCSIZE, wParam, lParam);
}

LRESULT TSkinMdiClient::OnMdiCreate(WPARAM wParam, LPARAM lParam) {
    if (Link_.HoldMenuUpdate)
        Link_.HoldMenuUpdate();
    return CallOld(WM_MDICREATE, wParam, lParam);
}

LRESULT TSkinMdiClient::OnMdiDestroy(WPARAM wParam, LPARAM lParam) {
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(WM_MDIDESTROY, wParam, lParam);
    if (!guard.Alive() || !FrameSkinned())
        return result;
    bool maximized = false;
    ActiveChild(Handle(), &maximized);
    Engine_.MaximizedMdiChildMode = maximized;
    if (Link_.ChildDestroyed)
        Link_.ChildDestroyed();
    return result;
}

LRESULT TSkinMdiClient::OnMdiArrange(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Tiled or cascaded children are never maximized.
    if (FrameSkinned())
        Engine_.MaximizedMdiChildMode = false;
    return CallOld(msg, wParam, lParam);
}

LRESULT TSkinMdiClient::OnMdiSetMenu(WPARAM wParam, LPARAM lParam) {
    const TAliveGuard guard(*this);
    const LRESULT result = CallOld(WM_MDISETMENU, wParam, lParam);
    if (guard.Alive() && wParam && FrameSkinned() && Link_.FrameMenuSet)
        Link_.FrameMenuSet();
    return result;
}

LRESULT TSkinMdiClient::OnMdiRedraw() {
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    return 0;
}

} // namespace veyra
