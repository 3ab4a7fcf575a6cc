#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "Object.h"
#include "PropInfo.h"

namespace veyra {

class TComponent;

// A framework class's record: name, parent class, published properties and
// methods, and how the form reader creates an instance.
class TClassInfo {
public:
    using Factory = TComponent* (*)(TComponent* owner);

    TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties = {},
               Factory factory = nullptr, std::vector<TMethodInfo> methods = {});

    // The class name as declared, for example "TFormMain".
    const std::string& ClassName() const { return Name_; }
    // The parent class, or nullptr for TObject.
    const TClassInfo* ClassParent() const { return Parent_; }
    // Whether this class is other or derives from it.
    bool InheritsFrom(const TClassInfo& other) const;
    // Whether this class or an ancestor is called name (exact comparison).
    bool InheritsFrom(std::string_view name) const;
    // The property called name (case-blind), searched from this class up; nullptr if none.
    const TPropInfo* FindProperty(std::string_view name) const;
    // Every published property, the root class's first.
    std::vector<const TPropInfo*> Properties() const;
    // The published method called name (case-blind), from this class up; nullptr if none.
    const TMethodInfo* FindMethod(std::string_view name) const;
    // A new instance owned by owner (the caller owns it when owner is null); nullptr
    // when the class cannot be created by name.
    TComponent* Create(TComponent* owner) const;

private:
    std::string Name_;
    const TClassInfo* Parent_;
    std::vector<TPropInfo> Properties_;
    Factory Factory_;
    std::vector<TMethodInfo> Methods_;
};

namespace detail {

// The class and the event handler type of a member function pointer.
template <class M> struct TMethodTraits;
template <class C, class R, class... A> struct TMethodTraits<R (C::*)(A...)> {
    using Class = C;
    using Handler = std::function<R(A...)>;
};
template <class C, class R, class... A>
struct TMethodTraits<R (C::*)(A...) noexcept> : TMethodTraits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct TMethodTraits<R (C::*)(A...) const> : TMethodTraits<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct TMethodTraits<R (C::*)(A...) const noexcept> : TMethodTraits<R (C::*)(A...)> {};

template <auto Method, class C, class R, class... A>
std::any BindMethod(TObject& self, std::function<R(A...)>*) {
    // A class that publishes a method of another class is a registration
    // fault; it must not turn into a call on an object of the wrong type.
    auto* object = dynamic_cast<C*>(&self);
    if (!object)
        throw std::logic_error("the method belongs to a class the form is not of");
    return std::function<R(A...)>(
        [object](A... args) -> R { return (object->*Method)(std::forward<A>(args)...); });
}

} // namespace detail

// Publishes the member function Method under name, with the handler type its
// parameters give: PublishMethod<&TFormMain::SkinDataFormSkin>("SkinDataFormSkin").
template <auto Method> TMethodInfo PublishMethod(std::string name) {
    using Traits = detail::TMethodTraits<decltype(Method)>;
    using Class = typename Traits::Class;
    using Handler = typename Traits::Handler;
    static_assert(std::is_base_of_v<TObject, Class>,
                  "a published method belongs to a framework class");
    return TMethodInfo(std::move(name), typeid(Handler), [](TObject& self) {
        return detail::BindMethod<Method, Class>(self, static_cast<Handler*>(nullptr));
    });
}

// Makes a class known to the form reader by its name.
void RegisterComponentClass(const TClassInfo& cls);
// The registered class called name (case-blind), or nullptr.
const TClassInfo* FindClass(std::string_view name);

// Builds the property list of class T from typed getters and setters.
template <class T> class TPropertyList {
public:
    // An integer property; constants lists names that may be written instead of numbers.
    template <class G, class S>
    TPropertyList& Integer(std::string name, G get, S set,
                           std::vector<std::pair<std::string, std::int64_t>> constants = {}) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkInteger);
        p.Constants = std::move(constants);
        BindOrd(p, get, set);
        return *this;
    }
    // An enumeration with its value names in order.
    template <class G, class S>
    TPropertyList& Enum(std::string name, std::vector<std::string> values, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkEnumeration);
        p.ValueNames = std::move(values);
        BindOrd(p, get, set);
        return *this;
    }
    // A Boolean: an enumeration of False and True.
    template <class G, class S> TPropertyList& Bool(std::string name, G get, S set) {
        return Enum(std::move(name), {"False", "True"}, get, set);
    }
    // A set whose bit i is the value name i.
    template <class G, class S>
    TPropertyList& Set(std::string name, std::vector<std::string> values, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkSet);
        p.ValueNames = std::move(values);
        BindOrd(p, get, set);
        return *this;
    }
    // A byte string in the system's ANSI code page.
    template <class G, class S> TPropertyList& String(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkString);
        p.GetAnsi = [get](const TObject& o) { return std::string(std::invoke(get, Self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetAnsi = [set](TObject& o, const std::string& v) { std::invoke(set, Self(o), v); };
        return *this;
    }
    // A UTF-16 string.
    template <class G, class S> TPropertyList& WString(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkWString);
        p.GetWide = [get](const TObject& o) { return std::wstring(std::invoke(get, Self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetWide = [set](TObject& o, const std::wstring& v) { std::invoke(set, Self(o), v); };
        return *this;
    }
    // An object reference (or an owned sub-object) of class cls.
    template <class V, class G, class S> TPropertyList& Object(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkClass);
        p.ObjectClassOf = &V::StaticClass;
        p.GetObject = [get](const TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetObject = [set](TObject& o, TObject* v) { std::invoke(set, Self(o), As<V>(v)); };
        return *this;
    }
    // An event stored in member; published methods bind to it when their
    // parameters are exactly the handler's.
    template <class Handler, class C>
    TPropertyList& Event(std::string name, std::function<Handler> C::*member) {
        static_assert(std::is_base_of_v<C, T>,
                      "the event is a member of the class or of an ancestor");
        TPropInfo& p = Add(std::move(name), TTypeKind::tkMethod);
        p.EventType = &typeid(std::function<Handler>);
        p.SetMethod = [member](TObject& o, const std::any& handler) {
            Self(o).*member = std::any_cast<const std::function<Handler>&>(handler);
        };
        return *this;
    }
    // A list of text lines.
    template <class G, class S> TPropertyList& Strings(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkStrings);
        p.GetStrings = [get](const TObject& o) {
            return std::vector<std::wstring>(std::invoke(get, Self(o)));
        };
        p.SetStrings = [set](TObject& o, const std::vector<std::wstring>& v) {
            std::invoke(set, Self(o), v);
        };
        return *this;
    }
    // Binary data, stored as hexadecimal in form descriptions.
    template <class G, class S> TPropertyList& Binary(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TTypeKind::tkBinary);
        p.GetBinary = [get](const TObject& o) { return std::invoke(get, Self(o)); };
        p.SetBinary = [set](TObject& o, const std::vector<std::uint8_t>& v) {
            std::invoke(set, Self(o), v);
        };
        return *this;
    }

    // The finished list.
    std::vector<TPropInfo> Take() { return std::move(Items_); }

private:
    static T& Self(TObject& o) { return static_cast<T&>(o); }
    static const T& Self(const TObject& o) { return static_cast<const T&>(o); }

    TPropInfo& Add(std::string name, TTypeKind kind) {
        Items_.push_back(TPropInfo{});
        Items_.back().Name = std::move(name);
        Items_.back().Kind = kind;
        return Items_.back();
    }

    template <class G, class S> static void BindOrd(TPropInfo& p, G get, S set) {
        p.GetOrd = [get](const TObject& o) {
            return static_cast<std::int64_t>(std::invoke(get, Self(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            p.SetOrd = [set](TObject& o, std::int64_t v) {
                // The value has the type the getter gives.
                using Value = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
                std::invoke(set, Self(o), static_cast<Value>(v));
            };
        }
    }

    std::vector<TPropInfo> Items_;
};

} // namespace veyra
