#include "Panel.h"

#include "GdiObject.h"

namespace veyra {

const TClassInfo& TCustomPanel::StaticClass() {
    static const TClassInfo info("TCustomPanel", &TCustomControl::StaticClass(),
                                 TPropertyList<TCustomPanel>()
                                     .Enum("BevelOuter", {"bvNone", "bvLowered", "bvRaised"},
                                           &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
                                     .Bool("ParentBackground", &TCustomPanel::ParentBackground,
                                           &TCustomPanel::SetParentBackground)
                                     .Take());
    return info;
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info(
        "TPanel", &TCustomPanel::StaticClass(), {},
        [](TComponent* owner) -> TComponent* { return new TPanel(owner); });
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {}

void TCustomPanel::SetBevelOuter(TPanelBevelKind bevel) {
    BevelOuter_ = bevel;
    Invalidate();
}

void TCustomPanel::SetParentBackground(bool on) {
    ParentBackground_ = on;
    Invalidate();
}

void TCustomPanel::TextChanged() {
    TCustomControl::TextChanged();
    Invalidate();
}

void TCustomPanel::ColorChanged() {
    TCustomControl::ColorChanged();
    Invalidate();
}

COLORREF TCustomPanel::BackgroundColour() const {
    const TControl* source =
        ParentBackground_ && Parent() ? static_cast<const TControl*>(Parent()) : this;
    return ColorToRGB(source->Color());
}

void TCustomPanel::WmEraseBkgnd(TMessage& message) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    const TGdiObject<HBRUSH> brush(CreateSolidBrush(BackgroundColour()));
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, brush.Get());
    message.Result = 1;
}

void TCustomPanel::Paint(HDC dc, const RECT&) {
    RECT client{};
    GetClientRect(WindowHandle(), &client);
    {
        const TGdiObject<HBRUSH> brush(CreateSolidBrush(BackgroundColour()));
        FillRect(dc, &client, brush.Get());
    }
    if (BevelOuter_ != bvNone)
        DrawEdge(dc, &client, BevelOuter_ == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    if (Caption().empty())
        return;
    const TSelectObject font(dc, Font()->Handle());
    const BkModeScope transparent(dc, TRANSPARENT);
    const TextColourScope colour(dc, ColorToRGB(Font()->Color()));
    RECT text = client;
    DrawTextW(dc, Caption().c_str(), static_cast<int>(Caption().size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace veyra
