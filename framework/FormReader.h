#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FormDescription.h"

namespace veyra {

class TComponent;
class TObject;
struct TPropInfo;

// Builds a component tree from a stored form description: the root object
// describes root itself, nested objects are created (owned by root, parented
// to the enclosing control), properties are written through the property
// registry, references are resolved, and then Loaded runs on every component
// in creation order. Errors name the line; what was created is destroyed again.
class TFormReader {
public:
    // Reads description (UTF-8) into root.
    static void Read(TComponent& root, std::string_view description);
    // Reads the description stored as resource name (RCDATA) of the executable.
    static void ReadFromResource(TComponent& root, const wchar_t* name);

private:
    struct TFixup {
        TObject* Target;
        const TPropInfo* Property;
        std::string Reference;
        int Line;
    };

    explicit TFormReader(TComponent& root) : Root_(root) {}
    void ReadRoot(const TFormObject& object);
    void ReadChild(const TFormObject& object, TComponent* container);
    void ReadProperties(TObject& target, const TFormObject& object);
    void WriteProperty(TObject& target, const TFormObject& object, const TFormProperty& prop);
    void WriteValue(TObject& target, const TPropInfo& info, const TFormProperty& prop);
    // Binds the event info of target to the root's published method that prop names.
    void BindMethod(TObject& target, const TPropInfo& info, const TFormProperty& prop);
    void ResolveFixups();
    void Unwind() noexcept;

    TComponent& Root_;
    std::vector<TComponent*> Created_;
    std::vector<TFixup> Fixups_;
};

} // namespace veyra
