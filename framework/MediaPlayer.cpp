#include "MediaPlayer.h"

#include <windowsx.h>

#include "PlayerGlyphs.h"
#include "skin/imaging/DibSurfaceWin32.h"

namespace veyra {

namespace {

const std::vector<std::string>& ButtonNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int i = 0; i < kMPButtonCount; ++i)
            all.emplace_back(MPButtonName(static_cast<TMPBtnType>(i)));
        return all;
    }();
    return names;
}

RECT ToRECT(const Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

} // namespace

const TClassInfo& TMediaPlayer::StaticClass() {
    static const TClassInfo info(
        "TMediaPlayer", &TCustomControl::StaticClass(),
        TPropertyList<TMediaPlayer>()
            .Set("ColoredButtons", ButtonNames(), &TMediaPlayer::ColoredButtons,
                 &TMediaPlayer::SetColoredButtons)
            .Set("EnabledButtons", ButtonNames(), &TMediaPlayer::EnabledButtons,
                 &TMediaPlayer::SetEnabledButtons)
            .Event("OnClick", &TMediaPlayer::OnClick)
            .Set("VisibleButtons", ButtonNames(), &TMediaPlayer::VisibleButtons,
                 &TMediaPlayer::SetVisibleButtons)
            .Take(),
        [](TComponent* owner) -> TComponent* { return new TMediaPlayer(owner); });
    return info;
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 253, 30);
}

TMediaPlayer::~TMediaPlayer() = default;

void TMediaPlayer::Changed(TMPBtnSet& field, TMPBtnSet buttons) {
    field = buttons & kAllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetVisibleButtons(TMPBtnSet buttons) {
    Changed(Visible_, buttons);
}

void TMediaPlayer::SetEnabledButtons(TMPBtnSet buttons) {
    Changed(Enabled_, buttons);
}

void TMediaPlayer::SetColoredButtons(TMPBtnSet buttons) {
    Changed(Coloured_, buttons);
}

// ---------------------------------------------------------------------------
// Mouse

void TMediaPlayer::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        WmLButtonDown(message);
        break;
    case WM_LBUTTONUP:
        WmLButtonUp(message);
        break;
    case WM_CANCELMODE:
        // Whoever holds the mouse calls the press off: no click.
        if (Pressed_ != kMPNoButton) {
            Pressed_ = kMPNoButton;
            Invalidate();
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

int TMediaPlayer::ButtonAt(LPARAM point) const {
    const int x = GET_X_LPARAM(point);
    const int y = GET_Y_LPARAM(point);
    if (y < 0 || y >= Height())
        return kMPNoButton;
    const int kind = MPButtonAt(x, Width(), Visible_);
    return kind != kMPNoButton && (Enabled_ >> kind & 1) ? kind : kMPNoButton;
}

void TMediaPlayer::WmLButtonDown(TMessage& message) {
    Pressed_ = ButtonAt(message.LParam);
    if (Pressed_ == kMPNoButton)
        return;
    // The release is ours wherever it happens, so that letting go
    // elsewhere ends the press.
    if (const HWND window = WindowHandle())
        SetCapture(window);
    Invalidate();
}

void TMediaPlayer::WmLButtonUp(TMessage& message) {
    const int pressed = Pressed_;
    Pressed_ = kMPNoButton;
    if (GetCapture() == WindowHandle())
        ReleaseCapture();
    if (pressed == kMPNoButton)
        return;
    Invalidate();
    if (ButtonAt(message.LParam) == pressed && OnClick)
        OnClick(this, static_cast<TMPBtnType>(pressed));
}

// ---------------------------------------------------------------------------
// Painting: the platform's button face for each button, the picture on it.

void TMediaPlayer::Paint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    if (!Glyphs_)
        Glyphs_ = std::make_unique<TPlayerGlyphs>();
    DibSurface surface(client.right, client.bottom);
    FillRect(surface.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto places = LayoutMPButtons(client.right, client.bottom, Visible_);
    for (const TMPButtonPlace& place : places) {
        RECT face = ToRECT(place.Bounds);
        const int kind = static_cast<int>(place.Kind);
        DrawEdge(surface.Dc(), &face, kind == Pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    Bitmap& pixels = surface.Pixels();
    for (const TMPButtonPlace& place : places) {
        const int kind = static_cast<int>(place.Kind);
        const TMPButtonLook look =
            MPButtonLook(Enabled_ >> kind & 1, Coloured_ >> kind & 1, kind == Pressed_);
        TPlayerGlyphs::Draw(pixels, place.Bounds, Glyphs_->Picture(place.Kind, look.Picture),
                            look.Sink);
    }
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.Dc(), 0, 0, SRCCOPY);
}

} // namespace veyra
