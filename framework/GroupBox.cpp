#include "GroupBox.h"

#include "GdiObject.h"

namespace veyra {

namespace {

// The caption starts this far in from the box's side.
constexpr int kCaptionIndent = 8;

} // namespace

const TClassInfo& TCustomGroupBox::StaticClass() {
    static const TClassInfo info("TCustomGroupBox", &TCustomControl::StaticClass());
    return info;
}

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info(
        "TGroupBox", &TCustomGroupBox::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TGroupBox(owner); });
    return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {}

void TCustomGroupBox::TextChanged() {
    TCustomControl::TextChanged();
    Invalidate();
}

int TCustomGroupBox::CaptionHeight() const {
    TEXTMETRICW metrics{};
    const WindowDcScope screen(nullptr);
    const TSelectObject font(screen.Get(), Font()->Handle());
    GetTextMetricsW(screen.Get(), &metrics);
    return metrics.tmHeight;
}

RECT TCustomGroupBox::AlignRect() const {
    RECT r = TCustomControl::AlignRect();
    r.left += 2;
    r.right -= 2;
    r.top += CaptionHeight() + 2;
    r.bottom -= 2;
    return r;
}

void TCustomGroupBox::Paint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &client, brush.Get());
    const TSelectObject font(dc, Font()->Handle());
    SIZE extent{};
    GetTextExtentPoint32W(dc, Caption().c_str(), static_cast<int>(Caption().size()), &extent);
    RECT frame{client.left, extent.cy / 2, client.right, client.bottom};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty())
        return;
    const bool rightToLeft = UseRightToLeftAlignment();
    const int left = rightToLeft ? client.right - kCaptionIndent - extent.cx : kCaptionIndent;
    RECT text{left, 0, left + extent.cx, extent.cy};
    const TextColourScope colour(dc, ColorToRGB(Font()->Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    DrawTextW(dc, Caption().c_str(), static_cast<int>(Caption().size()), &text,
              DT_SINGLELINE | DT_NOCLIP | (rightToLeft ? DT_RTLREADING : 0));
}

} // namespace veyra
