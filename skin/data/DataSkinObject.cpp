#include "DataSkinObject.h"

namespace veyra {

void TDataSkinObject::SetMargins(const Margins& m) {
    LeftWidth = m.Left;
    TopHeight = m.Top;
    RightWidth = m.Right;
    BottomHeight = m.Bottom;
}

void TDataSkinObject::VisitFields(TSkinFieldVisitor& v) const {
    v.Integer("LeftWidth", LeftWidth);
    v.Integer("TopHeight", TopHeight);
    v.Integer("RightWidth", RightWidth);
    v.Integer("BottomHeight", BottomHeight);
    v.Image("Image", Image);
    v.Integer("Trans", Trans);
    v.Integer("Tile", Tile);
    v.Text("Name", Name);
    v.Integer("Frame", Frame);
    v.Integer("Style", Style);
    v.Integer("NormalColour", NormalColour);
    v.Integer("MouseOverColour", MouseOverColour);
    v.Integer("PressedColour", PressedColour);
    v.ColourValue("NormalColour2", NormalColour2);
    v.ColourValue("MouseOverColour2", MouseOverColour2);
    v.ColourValue("PressedColour2", PressedColour2);
}

void TDataSkinBorder::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    v.Image("Image2", Image2);
}

void TDataSkinButton::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    v.Image("CheckImage", CheckImage);
    v.Image("RadioImage", RadioImage);
    v.Integer("RadioButtonFrame", RadioButtonFrame);
    v.Integer("CheckButtonFrame", CheckButtonFrame);
    v.Flag("NormalColour2Given", NormalColour2Given);
    v.Flag("MouseOverColour2Given", MouseOverColour2Given);
    v.Flag("PressedColour2Given", PressedColour2Given);
}

void TDataSkinBoxLabel::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    v.Integer("BackgroundLeftShift", BackgroundLeftShift);
    v.Integer("BackgroundRightShift", BackgroundRightShift);
    v.Integer("BackgroundAlignment", BackgroundAlignment);
}

void TDataSkinTitle::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    v.Integer("TextAlignment", TextAlignment);
    v.Integer("Textbackground", Textbackground);
    v.Integer("FontHeight", FontHeight);
    v.Integer("TXTBackleft", TXTBackleft);
    v.Integer("TXTBackRight", TXTBackRight);
    v.ColourValue("ActiveText", ActiveText);
    v.ColourValue("InActiveText", InActiveText);
}

void TDataSkinSysButton::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    v.Integer("Action", static_cast<std::int32_t>(Action));
    v.Integer("Align", static_cast<std::int32_t>(Align));
    v.Integer("Xcoord", Xcoord);
    v.Integer("Ycoord", Ycoord);
    v.Integer("CombineOp", CombineOp);
    v.Integer("Visibility", static_cast<std::int32_t>(Visibility));
    v.Integer("Visibility1", static_cast<std::int32_t>(Visibility1));
}

} // namespace veyra
