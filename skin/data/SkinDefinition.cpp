#include "SkinDefinition.h"

#include <algorithm>

#include "skin/package/AsciiText.h"

namespace veyra {

bool SameName(std::string_view a, std::string_view b) {
    return EqualsIgnoreAsciiCase(a, b);
}

TSkinDefinition::TSkinDefinition() : Fixed_{&Left, &Right, &Top, &Bottom, &Buttons, &Title} {}

TSkinDefinition& TSkinDefinition::operator=(TSkinDefinition&& other) noexcept {
    Sections = std::move(other.Sections);
    SkinName = std::move(other.SkinName);
    Colours = std::move(other.Colours);
    FrameColour = other.FrameColour;
    Left = std::move(other.Left);
    Right = std::move(other.Right);
    Top = std::move(other.Top);
    Bottom = std::move(other.Bottom);
    Buttons = std::move(other.Buttons);
    Title = std::move(other.Title);
    TitleButtons = std::move(other.TitleButtons);
    Notes = std::move(other.Notes);
    Elements_ = std::move(other.Elements_);
    return *this;
}

TDataSkinObject* TSkinDefinition::Find(std::string_view name) {
    for (TDataSkinObject* element : Fixed_)
        if (SameName(element->Name, name))
            return element;
    for (const auto& element : Elements_)
        if (SameName(element->Name, name))
            return element.get();
    return nullptr;
}

const TDataSkinObject* TSkinDefinition::Find(std::string_view name) const {
    return const_cast<TSkinDefinition*>(this)->Find(name);
}

std::vector<const TDataSkinObject*> TSkinDefinition::ElementsInLoadOrder() const {
    std::vector<const TDataSkinObject*> all(Fixed_.begin(), Fixed_.end());
    for (const auto& element : Elements_)
        all.push_back(element.get());
    return all;
}

TDataSkinObject& TSkinDefinition::Put(std::unique_ptr<TDataSkinObject> element) {
    Remove(element->Name);
    Elements_.push_back(std::move(element));
    return *Elements_.back();
}

void TSkinDefinition::Remove(std::string_view name) {
    std::erase_if(Elements_, [name](const auto& element) { return SameName(element->Name, name); });
}

} // namespace veyra
