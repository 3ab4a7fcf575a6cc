#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ClassInfo.h"

namespace veyra {

// Reading and writing published properties by name. None of these throws: a
// missing object, a missing property or a property of another kind reads as
// -1, empty or nullptr and is not written.

// The property called name of object's class, or nullptr.
const TPropInfo* FindPropInfo(const TObject* object, std::string_view name);
// Whether object has a published property called name.
bool HasProperty(const TObject* object, std::string_view name);
// An integer property's value; -1 when missing or not an integer.
std::int64_t GetIntProp(const TObject* object, std::string_view name);
// An enumeration's value name ("True", "alClient"); empty when missing or not an enumeration.
std::string GetEnumPropText(const TObject* object, std::string_view name);
// A set's value names, "[a,b]"; empty when missing or not a set.
std::string GetSetPropText(const TObject* object, std::string_view name);
// A string property as UTF-16: wide strings as they are, byte strings from the ANSI code page.
std::wstring GetStrPropW(const TObject* object, std::string_view name);
// An object property whose value is a cls (or derives from it); nullptr otherwise.
TObject* GetObjectPropOf(const TObject* object, std::string_view name, const TClassInfo& cls);
// Sets a property from text by its kind: integers (decimal or $hex, or a named
// constant), enumerations by value name, sets as "[a,b]", strings as they are.
// Returns whether the property was written; bad text leaves it unchanged.
bool SetPropText(TObject* object, std::string_view name, std::wstring_view text);

// Parses a whole integer: optional sign, decimal digits or "$" and hex digits.
bool ParseInteger(std::string_view text, std::int64_t& value);

} // namespace veyra
