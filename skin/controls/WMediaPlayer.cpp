#include "WMediaPlayer.h"

#include <windowsx.h>

#include "ControlDrawing.h"
#include "SkinMP.h"
#include "framework/PropAccess.h"
#include "skin/component/SkinData.h"
#include "skin/controls/ControlMap.h"
#include "skin/data/SkinDefinition.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

namespace {

RECT ToRECT(const Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

bool Has(TMPBtnSet set, int kind) {
    return (set >> kind & 1) != 0;
}

} // namespace

const TClassInfo& TWMediaPlayer::StaticClass() {
    static const TClassInfo info("TWMediaPlayer", &TCustomPanel::StaticClass());
    return info;
}

TWMediaPlayer::TWMediaPlayer(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(bvNone);
}

TWMediaPlayer::~TWMediaPlayer() = default;

void TWMediaPlayer::Init(TSkinMP& skin, TWinControl& player) {
    Skin_ = &skin;
    Player_ = &player;
    SetTag(skin.SkinData() ? skin.SkinData()->DisableTag() : TMapSettings{}.DisableTag);
    SetVisible(false);
    SetParent(player.Parent());
    FollowBounds();
}

void TWMediaPlayer::FollowBounds() {
    if (!Player_)
        return;
    SetBounds(Player_->Left(), Player_->Top(), Player_->Width(), Player_->Height());
    // Just above the player, whatever else lies above both.
    const HWND player = Player_->WindowHandle();
    const HWND self = Handle();
    if (!player || !self)
        return;
    const HWND above = GetWindow(player, GW_HWNDPREV);
    if (above != self)
        SetWindowPos(self, above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWMediaPlayer::FollowVisibility() {
    if (Player_ && Skin_)
        SetVisible(Player_->Visible() && Skin_->SkinEnabled());
}

TWMediaPlayer::TSets TWMediaPlayer::ReadSets() const {
    TSets sets;
    sets.Visible = MPButtonSetFromText(GetSetPropText(Player_, "VisibleButtons"));
    sets.Enabled = MPButtonSetFromText(GetSetPropText(Player_, "EnabledButtons"));
    sets.Coloured = MPButtonSetFromText(GetSetPropText(Player_, "ColoredButtons"));
    return sets;
}

// ---------------------------------------------------------------------------
// Mouse

void TWMediaPlayer::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(message);
        return;
    case WM_LBUTTONUP:
        OnButtonUp(message);
        return;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(message);
        break;
    default:
        break;
    }
    TCustomPanel::WndProc(message);
}

int TWMediaPlayer::ButtonAt(LPARAM point) const {
    const int y = GET_Y_LPARAM(point);
    if (y < 0 || y >= Height() || !Player_)
        return kMPNoButton;
    return MPButtonAt(GET_X_LPARAM(point), Width(), ReadSets().Visible);
}

bool TWMediaPlayer::TellPlayer(UINT msg, WPARAM wParam, LPARAM lParam) {
    TSkinMP* skin = Skin_;
    const HWND player = Player_ ? Player_->WindowHandle() : nullptr;
    if (!skin || !player)
        return false;
    const TSkinWindow::TAliveGuard guard(*skin);
    SendMessageW(player, msg, wParam, lParam);
    return guard.Alive() && skin->Overlay() == this;
}

void TWMediaPlayer::OnButtonDown(TMessage& message) {
    PressedFlag_ = true;
    TCustomPanel::WndProc(message);
    if (!TellPlayer(message.Msg, message.WParam, message.LParam))
        return;
    // The player took the mouse for its own press; the release must come
    // here, wherever it happens, so that the panel can tell where.
    SetCapture(Handle());
    HotIndex_ = ButtonAt(message.LParam);
    PressedIndex_ = HotIndex_;
    Invalidate();
}

void TWMediaPlayer::OnButtonUp(TMessage& message) {
    PressedFlag_ = false;
    if (GetCapture() == WindowHandle())
        ReleaseCapture();
    TCustomPanel::WndProc(message);
    HotIndex_ = ButtonAt(message.LParam);
    const bool sameButton = HotIndex_ == PressedIndex_;
    PressedIndex_ = HotIndex_;
    Invalidate();
    // Let go elsewhere, the player's own press is called off instead.
    TellPlayer(sameButton ? WM_LBUTTONUP : WM_CANCELMODE, message.WParam, message.LParam);
}

void TWMediaPlayer::OnCaptureChanged(const TMessage& message) {
    // Another window took the mouse while a button was held (a menu, a
    // dialog): the press ends without a click.
    if (!PressedFlag_ || reinterpret_cast<HWND>(message.LParam) == WindowHandle())
        return;
    PressedFlag_ = false;
    Invalidate();
    TellPlayer(WM_CANCELMODE, 0, 0);
}

// ---------------------------------------------------------------------------
// Painting

void TWMediaPlayer::WmEraseBkgnd(TMessage& message) {
    message.Result = 1; // the paint covers every pixel
}

void TWMediaPlayer::Paint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    if (client.right <= 0 || client.bottom <= 0 || !Skin_ || !Player_)
        return;
    try {
        if (!GrowDibSurface(Buffer_, client.right, client.bottom))
            return;
        FillSolid(Buffer_->Dc(), client, Skin_->SchemeColour(&TSkinColours::ButtonFace));
        const TSets sets = ReadSets();
        ButtonWidth_ = MPButtonWidth(client.right, sets.Visible);
        GdiFlush();
        DrawButtons(Buffer_->Pixels(), client.right, client.bottom, sets);
        BitBlt(dc, 0, 0, client.right, client.bottom, Buffer_->Dc(), 0, 0, SRCCOPY);
    } catch (...) {
        // A broken skin or no memory for the buffer: the panel stays as it was.
    }
}

void TWMediaPlayer::DrawButtons(Bitmap& target, int width, int height, const TSets& sets) {
    const TSkinDefinition* skin = Skin_->Skin();
    const TDataSkinButton* element =
        skin && !skin->Buttons.Image.IsEmpty() ? &skin->Buttons : nullptr;
    for (const TMPButtonPlace& place : LayoutMPButtons(width, height, sets.Visible)) {
        const int kind = static_cast<int>(place.Kind);
        const TMPButtonLook look = MPButtonLook(Has(sets.Enabled, kind), Has(sets.Coloured, kind),
                                                PressedFlag_ && PressedIndex_ == kind);
        if (element) {
            DrawElementState(target, place.Bounds, element->Frame, look.Frame, *element);
        } else {
            // No Buttons element: the platform's edges, drawn into the buffer.
            RECT face = ToRECT(place.Bounds);
            DrawEdge(Buffer_->Dc(), &face, look.Frame == 2 ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
            GdiFlush();
        }
        TPlayerGlyphs::Draw(target, place.Bounds, Glyphs_.Picture(place.Kind, look.Picture),
                            look.Sink);
    }
}

} // namespace veyra
