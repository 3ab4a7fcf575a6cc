#include "DataSkinObject.h"

#include "SkinFields.h"

namespace veyra {

void TDataSkinObject::SetMargins(const Margins& m) {
    LeftWidth = m.Left;
    TopHeight = m.Top;
    RightWidth = m.Right;
    BottomHeight = m.Bottom;
}

void TDataSkinObject::VisitFields(TSkinFieldVisitor& v) const {
    VisitFieldTable<TDataSkinObject>(*this, kObjectFields, v);
}

void TDataSkinBorder::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    VisitFieldTable<TDataSkinBorder>(*this, kBorderFields, v);
}

void TDataSkinButton::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    VisitFieldTable<TDataSkinButton>(*this, kButtonFields, v);
}

void TDataSkinBoxLabel::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    VisitFieldTable<TDataSkinBoxLabel>(*this, kBoxLabelFields, v);
}

void TDataSkinTitle::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    VisitFieldTable<TDataSkinTitle>(*this, kTitleFields, v);
}

void TDataSkinSysButton::VisitFields(TSkinFieldVisitor& v) const {
    TDataSkinObject::VisitFields(v);
    VisitFieldTable<TDataSkinSysButton>(*this, kSysButtonFields, v);
}

} // namespace veyra
