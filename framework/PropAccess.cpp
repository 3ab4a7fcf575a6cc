#include "PropAccess.h"

#include <charconv>
#include <limits>

#include "TextConv.h"

namespace veyra {
namespace {

template <class F> auto Guarded(F&& f, decltype(f()) fallback) noexcept -> decltype(f()) {
    try {
        return f();
    } catch (...) {
        return fallback;
    }
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

bool ParseSet(const TPropInfo& prop, std::string_view text, std::int64_t& value) {
    text = Trim(text);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return false;
    text = text.substr(1, text.size() - 2);
    value = 0;
    while (!Trim(text).empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trim(text.substr(0, comma));
        const int index = prop.ValueIndex(item);
        if (index < 0 || index >= 63)
            return false;
        value |= std::int64_t{1} << index;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return true;
}

bool OrdinalFromText(const TPropInfo& prop, std::string_view text, std::int64_t& value) {
    switch (prop.Kind) {
    case TTypeKind::tkInteger:
        return ParseInteger(Trim(text), value) || prop.ConstantValue(Trim(text), value);
    case TTypeKind::tkEnumeration: {
        const int index = prop.ValueIndex(Trim(text));
        value = index;
        return index >= 0;
    }
    case TTypeKind::tkSet:
        return ParseSet(prop, text, value);
    default:
        return false;
    }
}

} // namespace

bool ParseInteger(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return false;
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    // A hexadecimal literal may spell a 32-bit pattern such as $FF00000F.
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 63 : std::numeric_limits<std::int64_t>::max();
    if (magnitude > limit)
        return false;
    value =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

const TPropInfo* FindPropInfo(const TObject* object, std::string_view name) {
    return object ? object->ClassType().FindProperty(name) : nullptr;
}

bool HasProperty(const TObject* object, std::string_view name) {
    return FindPropInfo(object, name) != nullptr;
}

std::int64_t GetIntProp(const TObject* object, std::string_view name) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p || p->Kind != TTypeKind::tkInteger || !p->GetOrd)
        return -1;
    return Guarded([&] { return p->GetOrd(*object); }, std::int64_t{-1});
}

std::string GetEnumPropText(const TObject* object, std::string_view name) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p || p->Kind != TTypeKind::tkEnumeration || !p->GetOrd)
        return {};
    return Guarded(
        [&] {
            const std::int64_t v = p->GetOrd(*object);
            return v >= 0 && v < static_cast<std::int64_t>(p->ValueNames.size()) ? p->ValueNames[v]
                                                                                 : std::string();
        },
        std::string());
}

std::string GetSetPropText(const TObject* object, std::string_view name) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p || p->Kind != TTypeKind::tkSet || !p->GetOrd)
        return {};
    return Guarded(
        [&] {
            const std::int64_t v = p->GetOrd(*object);
            std::string out = "[";
            for (std::size_t i = 0; i < p->ValueNames.size() && i < 63; ++i) {
                if (v & (std::int64_t{1} << i)) {
                    if (out.size() > 1)
                        out += ',';
                    out += p->ValueNames[i];
                }
            }
            return out + "]";
        },
        std::string());
}

std::wstring GetStrPropW(const TObject* object, std::string_view name) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p)
        return {};
    if (p->Kind == TTypeKind::tkWString && p->GetWide)
        return Guarded([&] { return p->GetWide(*object); }, std::wstring());
    if (p->Kind == TTypeKind::tkString && p->GetAnsi)
        return Guarded([&] { return AnsiToWide(p->GetAnsi(*object)); }, std::wstring());
    return {};
}

TObject* GetObjectPropOf(const TObject* object, std::string_view name, const TClassInfo& cls) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p || p->Kind != TTypeKind::tkClass || !p->GetObject)
        return nullptr;
    TObject* value = Guarded([&] { return p->GetObject(*object); }, static_cast<TObject*>(nullptr));
    return value && value->InheritsFrom(cls) ? value : nullptr;
}

bool SetPropText(TObject* object, std::string_view name, std::wstring_view text) {
    const TPropInfo* p = FindPropInfo(object, name);
    if (!p)
        return false;
    try {
        if (p->IsOrdinal()) {
            std::int64_t value = 0;
            if (!p->SetOrd || !OrdinalFromText(*p, WideToUtf8(text), value))
                return false;
            p->SetOrd(*object, value);
            return true;
        }
        if (p->Kind == TTypeKind::tkWString && p->SetWide) {
            p->SetWide(*object, std::wstring(text));
            return true;
        }
        if (p->Kind == TTypeKind::tkString && p->SetAnsi) {
            p->SetAnsi(*object, WideToAnsi(text));
            return true;
        }
    } catch (...) {
        // A setter that refuses the value leaves the property as it was.
    }
    return false;
}

} // namespace veyra
