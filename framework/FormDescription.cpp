#include "FormDescription.h"

#include "skin/package/AsciiText.h"

// The format, line by line:
//   object Name: TClass
//     Property = 12 | -3 | $FF | Ident | 'text' | [a, b] | ('line' 'line') | {0A0B}
//     Sub.Property = ...
//     object Child: TClass ... end
//   end
// Texts are single-quoted, '' stands for one quote; lists and hexadecimal
// blocks may run over several lines; "//" starts a comment line.

namespace veyra {
namespace {

// Nesting deeper than any real form is taken as a damaged description.
constexpr int kMaxDepth = 64;

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9');
}

// A character in quotes, for messages.
std::string Quoted(char c) {
    std::string text(3, '"');
    text[1] = c;
    return text;
}

class TParser {
public:
    explicit TParser(std::string_view text) : Text_(text) {
        // A UTF-8 byte-order mark is not part of the description.
        if (Text_.substr(0, 3) == "\xEF\xBB\xBF")
            Pos_ = 3;
    }

    TFormObject ParseRoot() {
        SkipBlank();
        TFormObject root = ParseObject(0);
        SkipBlank();
        if (!AtEnd())
            Fail("unexpected text after the final \"end\"");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EFormDescriptionError(Line_, what);
    }
    bool AtEnd() const { return Pos_ >= Text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : Text_[Pos_]; }

    void Advance() {
        if (Text_[Pos_] == '\n')
            ++Line_;
        ++Pos_;
    }

    // Skips spaces, line ends and comment lines.
    void SkipBlank() {
        while (!AtEnd()) {
            if (static_cast<unsigned char>(Peek()) <= ' ') {
                Advance();
            } else if (Text_.substr(Pos_, 2) == "//") {
                while (!AtEnd() && Peek() != '\n')
                    Advance();
            } else {
                break;
            }
        }
    }

    // Skips spaces and tabs only: a value ends at its line's end.
    void SkipSpaces() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r'))
            Advance();
    }

    void ExpectLineEnd() {
        SkipSpaces();
        if (Text_.substr(Pos_, 2) == "//")
            return;
        if (!AtEnd() && Peek() != '\n')
            Fail("unexpected " + Quoted(Peek()) + " after the value");
    }

    std::string Ident(const char* what) {
        SkipSpaces();
        if (!IsIdentStart(Peek()))
            Fail(std::string("expected ") + what);
        const std::size_t start = Pos_;
        while (!AtEnd() && IsIdentChar(Peek()))
            Advance();
        return std::string(Text_.substr(start, Pos_ - start));
    }

    std::string DottedName() {
        std::string name = Ident("a property name");
        while (Peek() == '.') {
            Advance();
            name += '.';
            name += Ident("a property name after \".\"");
        }
        return name;
    }

    TFormObject ParseObject(int depth) {
        if (depth > kMaxDepth)
            Fail("objects are nested too deeply");
        TFormObject object;
        object.Line = Line_;
        if (Ident("\"object\"") != "object")
            Fail("expected \"object\"");
        object.Name = Ident("the object's name");
        SkipSpaces();
        if (Peek() != ':')
            Fail("expected \":\" and a class name after the object's name");
        Advance();
        object.ClassName = Ident("a class name");
        ExpectLineEnd();
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("\"end\" missing for object " + object.Name + " (started on line " +
                     std::to_string(object.Line) + ")");
            const std::size_t mark = Pos_;
            const int markLine = Line_;
            const std::string word = Ident("a property, \"object\" or \"end\"");
            if (word == "end") {
                ExpectLineEnd();
                return object;
            }
            Pos_ = mark;
            Line_ = markLine;
            if (word == "object")
                object.Children.push_back(ParseObject(depth + 1));
            else
                object.Properties.push_back(ParseProperty());
        }
    }

    TFormProperty ParseProperty() {
        TFormProperty prop;
        prop.Line = Line_;
        prop.Name = DottedName();
        SkipSpaces();
        if (Peek() != '=')
            Fail("expected \"=\" after " + prop.Name);
        Advance();
        SkipSpaces();
        prop.Value = ParseValue();
        ExpectLineEnd();
        return prop;
    }

    TFormValue ParseValue() {
        const char c = Peek();
        if (c == '\'')
            return TFormValue{QuotedText()};
        if (c == '[')
            return TFormValue{SetValue()};
        if (c == '(')
            return TFormValue{ListValue()};
        if (c == '{')
            return TFormValue{BinaryValue()};
        if (c == '-' || c == '+' || c == '$' || (c >= '0' && c <= '9'))
            return TFormValue{Number()};
        if (IsIdentStart(c))
            return TFormValue{TFormValue::Ident{DottedName()}};
        if (AtEnd() || c == '\n' || c == '\r')
            Fail("a value is missing");
        Fail(Quoted(c) + " does not start a value");
    }

    std::string QuotedText() {
        std::string out;
        Advance(); // opening quote
        for (;;) {
            if (AtEnd() || Peek() == '\n' || Peek() == '\r')
                Fail("text not closed with \"'\" before the end of the line");
            const char c = Peek();
            Advance();
            if (c == '\'') {
                if (Peek() != '\'')
                    return out;
                Advance();
            }
            out += c;
        }
    }

    std::int64_t Number() {
        const std::size_t start = Pos_;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            Advance();
        }
        const int base = Peek() == '$' ? 16 : 10;
        if (base == 16)
            Advance();
        std::uint64_t magnitude = 0;
        int digits = 0;
        for (; !AtEnd(); Advance()) {
            const int d = base == 16 ? HexDigitValue(Peek())
                                     : (Peek() >= '0' && Peek() <= '9' ? Peek() - '0' : -1);
            if (d < 0)
                break;
            if (magnitude > (UINT64_MAX - static_cast<unsigned>(d)) / static_cast<unsigned>(base))
                Fail(NumberMessage(start, "the number ", "... is too large"));
            magnitude = magnitude * base + static_cast<unsigned>(d);
            ++digits;
        }
        if (digits == 0 || IsIdentChar(Peek()))
            Fail(NumberMessage(start, "\"", "\" is not a number"));
        if (magnitude > (negative ? std::uint64_t{1} << 63 : static_cast<std::uint64_t>(INT64_MAX)))
            Fail("the number is out of range");
        return negative ? static_cast<std::int64_t>(0 - magnitude)
                        : static_cast<std::int64_t>(magnitude);
    }

    // The text of a number read so far and the character after it, in a message.
    std::string NumberMessage(std::size_t start, const char* before, const char* after) const {
        std::string message(before);
        message.append(Text_.substr(start, Pos_ - start + 1));
        message.append(after);
        return message;
    }

    TFormValue::Set SetValue() {
        TFormValue::Set set;
        Advance(); // [
        SkipSpaces();
        if (Peek() == ']') {
            Advance();
            return set;
        }
        for (;;) {
            set.Names.push_back(Ident("a name in the set"));
            SkipSpaces();
            if (Peek() == ']') {
                Advance();
                return set;
            }
            if (Peek() != ',')
                Fail("expected \",\" or \"]\" in the set");
            Advance();
        }
    }

    TFormValue::List ListValue() {
        TFormValue::List list;
        Advance(); // (
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("list not closed with \")\"");
            if (Peek() == ')') {
                Advance();
                return list;
            }
            if (Peek() != '\'')
                Fail("expected a quoted text or \")\" in the list");
            list.Items.push_back(QuotedText());
        }
    }

    TFormValue::Binary BinaryValue() {
        TFormValue::Binary binary;
        Advance(); // {
        int high = -1;
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail("hexadecimal data not closed with \"}\"");
            const char c = Peek();
            if (c == '}') {
                if (high >= 0)
                    Fail("hexadecimal data has an odd number of digits");
                Advance();
                return binary;
            }
            const int v = HexDigitValue(c);
            if (v < 0)
                Fail(Quoted(c) + " is not a hexadecimal digit");
            Advance();
            if (high < 0) {
                high = v;
            } else {
                binary.Bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
                high = -1;
            }
        }
    }

    std::string_view Text_;
    std::size_t Pos_ = 0;
    int Line_ = 1;
};

} // namespace

const char* TFormValue::KindName() const {
    switch (Value.index()) {
    case 0:
        return "a number";
    case 1:
        return "a name";
    case 2:
        return "a text";
    case 3:
        return "a set";
    case 4:
        return "a list";
    default:
        return "binary data";
    }
}

TFormObject ParseFormDescription(std::string_view text) {
    return TParser(text).ParseRoot();
}

} // namespace veyra
