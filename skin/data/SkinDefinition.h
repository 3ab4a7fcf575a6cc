#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DataSkinObject.h"
#include "SkinColours.h"

namespace veyra {

// Everything a packed skin defines, built by LoadSkinDefinition: the window
// borders, the title and its buttons, the colour scheme and one element per
// section. Elements a skin does not provide are absent (Find gives null);
// Buttons, Title, the four borders, Toolbar and ComboxArrow always exist.
class TSkinDefinition {
public:
    TSkinDefinition();
    // The fixed elements are members that the lookup table points at, so a
    // definition moves field by field and is never copied.
    TSkinDefinition(const TSkinDefinition&) = delete;
    TSkinDefinition& operator=(const TSkinDefinition&) = delete;
    TSkinDefinition(TSkinDefinition&& other) noexcept : TSkinDefinition() {
        *this = std::move(other);
    }
    TSkinDefinition& operator=(TSkinDefinition&& other) noexcept;

    // The section names of the definition, in file order, repeats included.
    std::vector<std::string> Sections;
    // "SkinName" of section "TitlebarSkin".
    std::string SkinName;
    TSkinColours Colours;
    // The colour of the window frame, taken from the top border's image.
    Colour FrameColour = 0;

    TDataSkinBorder Left{"Left"};
    TDataSkinBorder Right{"Right"};
    TDataSkinBorder Top{"Top"};
    TDataSkinBorder Bottom{"Bottom"};
    TDataSkinButton Buttons{"Buttons"};
    TDataSkinTitle Title{"Title"};
    // The title-bar buttons in definition order, then the three MDI buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> TitleButtons;

    // The element built from a section (or generated) with this name, compared
    // without regard to ASCII letter case; null when absent. The borders,
    // Buttons and Title are found too.
    TDataSkinObject* Find(std::string_view name);
    const TDataSkinObject* Find(std::string_view name) const;
    // Find, as a subclass; null when absent or of another class.
    template <class T> T* FindAs(std::string_view name) { return dynamic_cast<T*>(Find(name)); }

    // Every element in load order (borders, Buttons, Title, then the section
    // elements and the generated ones). The pointers stay owned here.
    std::vector<const TDataSkinObject*> ElementsInLoadOrder() const;

    // Adds an element built from a section, replacing one of the same name.
    TDataSkinObject& Put(std::unique_ptr<TDataSkinObject> element);
    // Drops a section element; the fixed ones cannot be removed.
    void Remove(std::string_view name);

    // What the loader noticed and a skin author would want to know (images
    // that are missing or unreadable); nothing here stops a skin loading.
    std::vector<std::string> Notes;

private:
    std::vector<TDataSkinObject*> Fixed_;
    std::vector<std::unique_ptr<TDataSkinObject>> Elements_;
};

// Case-blind ASCII comparison of two names.
bool SameName(std::string_view a, std::string_view b);

} // namespace veyra
