#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace veyra {

class TObject;
class TClassInfo;

// What a published property holds. Booleans are enumerations named False and
// True; sets are bit masks over their value names.
enum class TTypeKind {
    tkInteger,
    tkEnumeration,
    tkSet,
    tkString,
    tkWString,
    tkClass,
    tkMethod,
    tkStrings,
    tkBinary
};

// The framework's event type: a handler that is told who raised the event.
using TNotifyEvent = std::function<void(TObject* sender)>;

// One published property: its name, kind, value names and typed accessors.
// Only the accessors that match the kind are set; a missing setter makes the
// property read-only.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    std::vector<std::string> ValueNames; // enumerations and sets
    std::vector<std::pair<std::string, std::int64_t>>
        Constants; // integers that may be written by name
    // The class of a tkClass value, asked for when needed: two classes may
    // refer to each other (a page control and its pages).
    const TClassInfo& (*ObjectClassOf)() = nullptr;

    std::function<std::int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, std::int64_t)> SetOrd;
    std::function<std::string(const TObject&)> GetAnsi;
    std::function<void(TObject&, const std::string&)> SetAnsi;
    std::function<std::wstring(const TObject&)> GetWide;
    std::function<void(TObject&, const std::wstring&)> SetWide;
    std::function<TObject*(const TObject&)> GetObject;
    std::function<void(TObject&, TObject*)> SetObject;
    // The handler type of a tkMethod property (a std::function), and its
    // setter, which takes a handler of exactly that type wrapped in std::any.
    const std::type_info* EventType = nullptr;
    std::function<void(TObject&, const std::any&)> SetMethod;
    std::function<std::vector<std::wstring>(const TObject&)> GetStrings;
    std::function<void(TObject&, const std::vector<std::wstring>&)> SetStrings;
    std::function<std::vector<std::uint8_t>(const TObject&)> GetBinary;
    std::function<void(TObject&, const std::vector<std::uint8_t>&)> SetBinary;

    // The class of a tkClass value, or nullptr.
    const TClassInfo* ObjectClass() const { return ObjectClassOf ? &ObjectClassOf() : nullptr; }
    bool IsOrdinal() const {
        return Kind == TTypeKind::tkInteger || Kind == TTypeKind::tkEnumeration ||
               Kind == TTypeKind::tkSet;
    }
    // The index of a value name (case-blind), or -1.
    int ValueIndex(std::string_view name) const;
    // The value of a named integer constant, if there is one of that name.
    bool ConstantValue(std::string_view name, std::int64_t& value) const;
};

// A published notify-event method of a form class, written as a plain
// function that is given the form.
using TPublishedMethod = void (*)(TObject& self, TObject* sender);

// A published method of a form class: its name, the event handler type it
// fits, and how to make such a handler that calls it on one form. The stored
// description binds it by name to the events of the components it creates.
class TMethodInfo {
public:
    // Makes the handler (the std::function of EventType) that calls the method on self.
    using TBinder = std::function<std::any(TObject& self)>;

    // A notify-event method; notify must not be null.
    TMethodInfo(std::string name, TPublishedMethod notify);
    // A method whose handlers are of type eventType, made by bind.
    TMethodInfo(std::string name, const std::type_info& eventType, TBinder bind);

    // The name the description uses.
    const std::string& Name() const { return Name_; }
    // The handler type of the events the method fits.
    const std::type_info& EventType() const { return *EventType_; }
    // Whether the method fits the event property event (same handler type).
    bool Fits(const TPropInfo& event) const;
    // A handler of EventType that calls the method on self; self must be of
    // the class that publishes the method (or derive from it).
    std::any Bind(TObject& self) const { return Bind_(self); }

private:
    std::string Name_;
    const std::type_info* EventType_;
    TBinder Bind_;
};

} // namespace veyra
