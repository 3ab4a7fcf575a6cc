#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace veyra {

class TObject;
class TClassInfo;

// What a published property holds. Booleans are enumerations named False and
// True; sets are bit masks over their value names.
enum class TTypeKind { tkInteger, tkEnumeration, tkSet, tkString, tkWString, tkClass, tkMethod, tkStrings, tkBinary };

// The framework's event type: a handler that is told who raised the event.
using TNotifyEvent = std::function<void(TObject* sender)>;

// One published property: its name, kind, value names and typed accessors.
// Only the accessors that match the kind are set; a missing setter makes the
// property read-only.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    std::vector<std::string> ValueNames;                         // enumerations and sets
    std::vector<std::pair<std::string, std::int64_t>> Constants; // integers that may be written by name
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
    std::function<void(TObject&, TNotifyEvent)> SetMethod;
    std::function<std::vector<std::wstring>(const TObject&)> GetStrings;
    std::function<void(TObject&, const std::vector<std::wstring>&)> SetStrings;
    std::function<std::vector<std::uint8_t>(const TObject&)> GetBinary;
    std::function<void(TObject&, const std::vector<std::uint8_t>&)> SetBinary;

    // The class of a tkClass value, or nullptr.
    const TClassInfo* ObjectClass() const { return ObjectClassOf ? &ObjectClassOf() : nullptr; }
    bool IsOrdinal() const
    {
        return Kind == TTypeKind::tkInteger || Kind == TTypeKind::tkEnumeration || Kind == TTypeKind::tkSet;
    }
    // The index of a value name (case-blind), or -1.
    int ValueIndex(std::string_view name) const;
    // The value of a named integer constant, if there is one of that name.
    bool ConstantValue(std::string_view name, std::int64_t& value) const;
};

// A published method of a form class, bound by name to the events of the
// components that its stored description creates.
using TPublishedMethod = void (*)(TObject& self, TObject* sender);

} // namespace veyra
