#pragma once

// One table per element class: each field with the name tools show, the key
// a skin section gives it, its default and how the key's text is read. The
// loader reads sections through these tables and VisitFields walks them, so
// a key's name, member and default are written once.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

#include "DataSkinObject.h"

namespace veyra {

// How a field's key is read.
enum class TFieldKind {
    Integer,       // an integer (or a code of SkinCodes.h), Default when missing
    Colour,        // three numbers; the scheme's ButtonText when missing or empty
    CaptionColour, // the integers Key + "R", "G" and "B"; Default unless all three are 0 or more
    KeyGiven,      // a flag: true when Key has a value
    Image,         // the member the value names (see the loader's image rules)
    Text,          // never read from a key
};

// The groups of base fields, so that a section kind can read only some.
enum class TFieldGroup : unsigned {
    None = 0,
    Margins = 1,
    Image = 2,
    Trans = 4,
    Tile = 8,
    Frame = 16,
    Style = 32,
    TextColours = 64,
    All = 127,
};
constexpr TFieldGroup operator|(TFieldGroup a, TFieldGroup b) {
    return static_cast<TFieldGroup>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr TFieldGroup operator&(TFieldGroup a, TFieldGroup b) {
    return static_cast<TFieldGroup>(static_cast<unsigned>(a) & static_cast<unsigned>(b));
}
constexpr TFieldGroup Without(TFieldGroup all, TFieldGroup some) {
    return static_cast<TFieldGroup>(static_cast<unsigned>(all) & ~static_cast<unsigned>(some));
}

// One field of class T.
template <class T> struct TSkinField {
    using Member =
        std::variant<std::int32_t T::*, Colour T::*, bool T::*, std::string T::*, Bitmap T::*,
                     TTitleAction T::*, TTitleAlign T::*, TTitleVisibility T::*>;

    const char* Name; // as tools show the field
    const char* Key;  // read from this key of the element's section; nullptr: from none
    TFieldKind Kind;
    std::int64_t Default; // for Integer and CaptionColour
    Member Field;
    TFieldGroup Group = TFieldGroup::None;
    const char* Section = nullptr; // a section other than the element's own
    // A default that depends on a field read before this one.
    std::int32_t (*DefaultOf)(const T&) = nullptr;
};

// The fields every element has, in declared order, with the keys of a
// generic section.
inline constexpr std::array<TSkinField<TDataSkinObject>, 16> kObjectFields = {{
    {"LeftWidth", "LeftWidth", TFieldKind::Integer, 0, &TDataSkinObject::LeftWidth,
     TFieldGroup::Margins},
    {"TopHeight", "TopHeight", TFieldKind::Integer, 0, &TDataSkinObject::TopHeight,
     TFieldGroup::Margins},
    {"RightWidth", "RightWidth", TFieldKind::Integer, 0, &TDataSkinObject::RightWidth,
     TFieldGroup::Margins},
    {"BottomHeight", "BottomHeight", TFieldKind::Integer, 0, &TDataSkinObject::BottomHeight,
     TFieldGroup::Margins},
    {"Image", "Image", TFieldKind::Image, 0, &TDataSkinObject::Image, TFieldGroup::Image},
    {"Trans", "Trans", TFieldKind::Integer, 0, &TDataSkinObject::Trans, TFieldGroup::Trans},
    {"Tile", "Tile", TFieldKind::Integer, 0, &TDataSkinObject::Tile, TFieldGroup::Tile},
    {"Name", nullptr, TFieldKind::Text, 0, &TDataSkinObject::Name},
    {"Frame", "Frame", TFieldKind::Integer, 0, &TDataSkinObject::Frame, TFieldGroup::Frame},
    {"Style", "Style", TFieldKind::Integer, 0, &TDataSkinObject::Style, TFieldGroup::Style},
    {"NormalColour", "NormalColour", TFieldKind::Integer, -1, &TDataSkinObject::NormalColour,
     TFieldGroup::TextColours},
    {"MouseOverColour", "MouseOverColour", TFieldKind::Integer, -1,
     &TDataSkinObject::MouseOverColour, TFieldGroup::TextColours},
    {"PressedColour", "PressedColour", TFieldKind::Integer, -1, &TDataSkinObject::PressedColour,
     TFieldGroup::TextColours},
    {"NormalColour2", "NormalColour2", TFieldKind::Colour, 0, &TDataSkinObject::NormalColour2,
     TFieldGroup::TextColours},
    {"MouseOverColour2", "MouseOverColour2", TFieldKind::Colour, 0,
     &TDataSkinObject::MouseOverColour2, TFieldGroup::TextColours},
    {"PressedColour2", "PressedColour2", TFieldKind::Colour, 0, &TDataSkinObject::PressedColour2,
     TFieldGroup::TextColours},
}};

// The second image's key is the section's own (tabs: "Border", up-down
// glyphs: "GlyphImage"), so the loader names it.
inline constexpr std::array<TSkinField<TDataSkinBorder>, 1> kBorderFields = {{
    {"Image2", nullptr, TFieldKind::Image, 0, &TDataSkinBorder::Image2},
}};

inline constexpr std::array<TSkinField<TDataSkinButton>, 7> kButtonFields = {{
    {"CheckImage", "CheckButton", TFieldKind::Image, 0, &TDataSkinButton::CheckImage},
    {"RadioImage", "RadioButton", TFieldKind::Image, 0, &TDataSkinButton::RadioImage},
    {"RadioButtonFrame", "RadioButtonFrame", TFieldKind::Integer, 0,
     &TDataSkinButton::RadioButtonFrame},
    {"CheckButtonFrame", "CheckButtonFrame", TFieldKind::Integer, 0,
     &TDataSkinButton::CheckButtonFrame},
    {"NormalColour2Given", "NormalColour2", TFieldKind::KeyGiven, 0,
     &TDataSkinButton::NormalColour2Given},
    {"MouseOverColour2Given", "MouseOverColour2", TFieldKind::KeyGiven, 0,
     &TDataSkinButton::MouseOverColour2Given},
    {"PressedColour2Given", "PressedColour2", TFieldKind::KeyGiven, 0,
     &TDataSkinButton::PressedColour2Given},
}};

inline constexpr std::array<TSkinField<TDataSkinBoxLabel>, 3> kBoxLabelFields = {{
    {"BackgroundLeftShift", "BackgroundLeftShift", TFieldKind::Integer, 0,
     &TDataSkinBoxLabel::BackgroundLeftShift},
    {"BackgroundRightShift", "BackgroundRightShift", TFieldKind::Integer, 0,
     &TDataSkinBoxLabel::BackgroundRightShift},
    {"BackgroundAlignment", "BackgroundAlignment", TFieldKind::Integer, 0,
     &TDataSkinBoxLabel::BackgroundAlignment},
}};

// The title's own section is "Personality"; its font height alone comes from
// "Fonts".
inline constexpr std::array<TSkinField<TDataSkinTitle>, 7> kTitleFields = {{
    {"TextAlignment", "TextAlignment", TFieldKind::Integer, 0, &TDataSkinTitle::TextAlignment},
    {"Textbackground", "Textbackground", TFieldKind::Integer, 0, &TDataSkinTitle::Textbackground},
    {"FontHeight", "FontHeight", TFieldKind::Integer, 14, &TDataSkinTitle::FontHeight,
     TFieldGroup::None, "Fonts"},
    {"TXTBackleft", "TXTBackleft", TFieldKind::Integer, 0, &TDataSkinTitle::TXTBackleft},
    {"TXTBackRight", "TXTBackRight", TFieldKind::Integer, 0, &TDataSkinTitle::TXTBackRight},
    {"ActiveText", "ActiveText", TFieldKind::CaptionColour, TDataSkinTitle::kNoTextColour,
     &TDataSkinTitle::ActiveText},
    {"InActiveText", "InActiveText", TFieldKind::CaptionColour, TDataSkinTitle::kNoTextColour,
     &TDataSkinTitle::InActiveText},
}};

// A placeholder button (no action) shows only where its second test is
// stated.
constexpr std::int32_t DefaultVisibility1(const TDataSkinSysButton& button) {
    return button.Action == TTitleAction::None ? -1 : 0;
}

inline constexpr std::array<TSkinField<TDataSkinSysButton>, 7> kSysButtonFields = {{
    {"Action", "Action", TFieldKind::Integer, 0, &TDataSkinSysButton::Action},
    {"Align", "Align", TFieldKind::Integer, 0, &TDataSkinSysButton::Align},
    {"Xcoord", "Xcoord", TFieldKind::Integer, 0, &TDataSkinSysButton::Xcoord},
    {"Ycoord", "Ycoord", TFieldKind::Integer, 0, &TDataSkinSysButton::Ycoord},
    {"CombineOp", "CombineOp", TFieldKind::Integer, -1, &TDataSkinSysButton::CombineOp},
    {"Visibility", "Visibility", TFieldKind::Integer, 0, &TDataSkinSysButton::Visibility},
    {"Visibility1", "Visibility1", TFieldKind::Integer, 0, &TDataSkinSysButton::Visibility1,
     TFieldGroup::None, nullptr, &DefaultVisibility1},
}};

// Hands each field of a table to visitor, by name, in table order.
template <class T>
void VisitFieldTable(const T& element, std::span<const TSkinField<T>> fields,
                     TSkinFieldVisitor& visitor) {
    for (const TSkinField<T>& field : fields) {
        std::visit(
            [&](auto member) {
                using Value = std::remove_cvref_t<decltype(element.*member)>;
                const Value& value = element.*member;
                if constexpr (std::is_same_v<Value, Bitmap>)
                    visitor.Image(field.Name, value);
                else if constexpr (std::is_same_v<Value, std::string>)
                    visitor.Text(field.Name, value);
                else if constexpr (std::is_same_v<Value, bool>)
                    visitor.Flag(field.Name, value);
                else if constexpr (std::is_same_v<Value, Colour>)
                    visitor.ColourValue(field.Name, value);
                else
                    visitor.Integer(field.Name, static_cast<std::int32_t>(value));
            },
            field.Field);
    }
}

} // namespace veyra
