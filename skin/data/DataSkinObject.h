#pragma once

#include <cstdint>
#include <string>

#include "SkinCodes.h"
#include "skin/imaging/Bitmap.h"
#include "skin/imaging/Colour.h"
#include "skin/imaging/Rect.h"

namespace veyra {

// Walks the fields of an element in declared order, by name; the dump and the
// validator read elements through it, so the field list lives in one place.
class TSkinFieldVisitor {
public:
    virtual ~TSkinFieldVisitor() = default;
    virtual void Integer(const char* name, std::int32_t value) = 0;
    virtual void ColourValue(const char* name, Colour value) = 0;
    virtual void Flag(const char* name, bool value) = 0;
    virtual void Text(const char* name, const std::string& value) = 0;
    virtual void Image(const char* name, const Bitmap& value) = 0;
};

// One section of the skin definition: an image that is a strip of equal
// frames numbered from 1, four kept margins, transparency, tiling and text
// colours. Every field starts at zero, as a freshly created element is.
class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    virtual ~TDataSkinObject() = default;
    // The virtual destructor would otherwise leave copying as the only way to
    // move, and every move of a skin would copy its images.
    TDataSkinObject(const TDataSkinObject&) = default;
    TDataSkinObject& operator=(const TDataSkinObject&) = default;
    TDataSkinObject(TDataSkinObject&&) noexcept = default;
    TDataSkinObject& operator=(TDataSkinObject&&) noexcept = default;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    Bitmap Image;
    std::int32_t Trans = 0;
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t Frame = 0;
    std::int32_t Style = 0;
    std::int32_t NormalColour = 0;
    std::int32_t MouseOverColour = 0;
    std::int32_t PressedColour = 0;
    Colour NormalColour2 = 0;
    Colour MouseOverColour2 = 0;
    Colour PressedColour2 = 0;

    // The four margins as the sliced drawing takes them.
    Margins GetMargins() const { return {LeftWidth, TopHeight, RightWidth, BottomHeight}; }
    void SetMargins(const Margins& m);

    // The class name under which tools show the element.
    virtual const char* ClassName() const { return "TDataSkinObject"; }
    // Visits every field, base fields first, in declared order.
    virtual void VisitFields(TSkinFieldVisitor& visitor) const;
};

// An element with a second image: tabs (pane border), combo button, up-down
// glyphs, the progress bar and the four window borders.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap Image2;

    const char* ClassName() const override { return "TDataSkinBorder"; }
    void VisitFields(TSkinFieldVisitor& visitor) const override;
};

// The "Buttons" element: push buttons plus the check box and radio images.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    Bitmap CheckImage;
    Bitmap RadioImage;
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
    bool NormalColour2Given = false;
    bool MouseOverColour2Given = false;
    bool PressedColour2Given = false;

    const char* ClassName() const override { return "TDataSkinButton"; }
    void VisitFields(TSkinFieldVisitor& visitor) const override;
};

// The "GroupBox" element: the caption background and how it sits.
class TDataSkinBoxLabel : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t BackgroundLeftShift = 0;
    std::int32_t BackgroundRightShift = 0;
    std::int32_t BackgroundAlignment = 0;

    const char* ClassName() const override { return "TDataSkinBoxLabel"; }
    void VisitFields(TSkinFieldVisitor& visitor) const override;
};

// The caption: its text back image in Image, the text shifts in the margins.
class TDataSkinTitle : public TDataSkinObject {
public:
    // A caption colour the skin does not give.
    static constexpr Colour kNoTextColour = 0x1FFFFFFFu;

    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextAlignment = 0;
    std::int32_t Textbackground = 0;
    std::int32_t FontHeight = 0;
    std::int32_t TXTBackleft = 0;
    std::int32_t TXTBackRight = 0;
    Colour ActiveText = kNoTextColour;
    Colour InActiveText = kNoTextColour;

    const char* ClassName() const override { return "TDataSkinTitle"; }
    void VisitFields(TSkinFieldVisitor& visitor) const override;
};

// One title-bar button: what it does, where it sits and when it shows.
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    TTitleAction Action = TTitleAction::Close;
    TTitleAlign Align = TTitleAlign::Left;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = 0;
    TTitleVisibility Visibility = TTitleVisibility::Always;
    TTitleVisibility Visibility1 = TTitleVisibility::Always;

    const char* ClassName() const override { return "TDataSkinSysButton"; }
    void VisitFields(TSkinFieldVisitor& visitor) const override;
};

} // namespace veyra
