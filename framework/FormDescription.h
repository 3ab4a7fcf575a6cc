#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veyra {

// A stored form description that cannot be read; the message names the line.
class EFormDescriptionError : public std::runtime_error {
public:
    EFormDescriptionError(int line, const std::string& what)
        : std::runtime_error("Form description, line " + std::to_string(line) + ": " + what),
          Line_(line) {}
    // The line, counted from 1, where the problem was found.
    int Line() const { return Line_; }

private:
    int Line_;
};

// One property value as written: a number, a name, a quoted text (UTF-8), a
// set of names, a list of texts, or hexadecimal bytes.
struct TFormValue {
    struct Ident {
        std::string Name;
    };
    struct Set {
        std::vector<std::string> Names;
    };
    struct List {
        std::vector<std::string> Items;
    };
    struct Binary {
        std::vector<std::uint8_t> Bytes;
    };
    std::variant<std::int64_t, Ident, std::string, Set, List, Binary> Value;

    // A short word for the kind of value, for error messages.
    const char* KindName() const;
};

// "Name = value" in an object block; Name may be a dotted path ("Font.Height").
struct TFormProperty {
    std::string Name;
    TFormValue Value;
    int Line = 0;
};

// "object Name: TClass ... end", with its properties and nested objects in order.
struct TFormObject {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
};

// Parses a form description (UTF-8 text) into its object tree.
// Throws EFormDescriptionError naming the line of the first problem.
TFormObject ParseFormDescription(std::string_view text);

} // namespace veyra
