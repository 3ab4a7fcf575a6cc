#include "FormReader.h"

#include <windows.h>

#include "ClassInfo.h"
#include "Component.h"
#include "Control.h"
#include "TextConv.h"
#include "WinControl.h"

namespace veyra {
namespace {

std::string Describe(const TFormObject& object, const TFormProperty& prop) {
    return "property " + prop.Name + " of " + object.Name + " (" + object.ClassName + ")";
}

std::int64_t OrdinalValue(const TPropInfo& info, const TFormValue& value, const std::string& where,
                          int line) {
    if (info.Kind == TTypeKind::tkInteger) {
        if (const auto* number = std::get_if<std::int64_t>(&value.Value))
            return *number;
        std::int64_t constant = 0;
        if (const auto* ident = std::get_if<TFormValue::Ident>(&value.Value);
            ident && info.ConstantValue(ident->Name, constant))
            return constant;
        throw EFormDescriptionError(line, where + " takes a number, not " + value.KindName());
    }
    if (info.Kind == TTypeKind::tkEnumeration) {
        const auto* ident = std::get_if<TFormValue::Ident>(&value.Value);
        const int index = ident ? info.ValueIndex(ident->Name) : -1;
        if (index < 0)
            throw EFormDescriptionError(line, where + " takes one of its value names");
        return index;
    }
    const auto* set = std::get_if<TFormValue::Set>(&value.Value);
    if (!set)
        throw EFormDescriptionError(line, where + " takes a set, not " + value.KindName());
    std::int64_t bits = 0;
    for (const std::string& name : set->Names) {
        const int index = info.ValueIndex(name);
        if (index < 0 || index >= 63)
            throw EFormDescriptionError(line, where + " has no value " + name);
        bits |= std::int64_t{1} << index;
    }
    return bits;
}

template <class T>
const T& ValueAs(const TFormValue& value, const std::string& where, const char* kind, int line) {
    const T* v = std::get_if<T>(&value.Value);
    if (!v)
        throw EFormDescriptionError(line, where + " takes " + kind + ", not " + value.KindName());
    return *v;
}

} // namespace

void TFormReader::Read(TComponent& root, std::string_view description) {
    const TFormObject tree = ParseFormDescription(description);
    TFormReader reader(root);
    try {
        reader.ReadRoot(tree);
        reader.ResolveFixups();
    } catch (...) {
        reader.Unwind();
        throw;
    }
    for (TComponent* component : reader.Created_)
        component->Loaded();
}

void TFormReader::ReadFromResource(TComponent& root, const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    const HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        throw std::runtime_error("The form description " + WideToUtf8(name) +
                                 " is missing from the program");
    Read(root, std::string_view(static_cast<const char*>(bytes), SizeofResource(module, info)));
}

void TFormReader::ReadRoot(const TFormObject& object) {
    if (!Root_.ClassType().InheritsFrom(object.ClassName))
        throw EFormDescriptionError(object.Line, "the description is of " + object.ClassName +
                                                     ", not of " + Root_.ClassName());
    Root_.BeginLoading();
    Created_.push_back(&Root_);
    try {
        Root_.SetName(object.Name);
    } catch (const EComponentError& e) {
        throw EFormDescriptionError(object.Line, e.what());
    }
    ReadProperties(Root_, object);
    for (const TFormObject& child : object.Children)
        ReadChild(child, &Root_);
}

void TFormReader::ReadChild(const TFormObject& object, TComponent* container) {
    const TClassInfo* cls = FindClass(object.ClassName);
    if (!cls)
        throw EFormDescriptionError(object.Line, "unknown class " + object.ClassName);
    TComponent* component = cls->Create(nullptr);
    if (!component)
        throw EFormDescriptionError(object.Line,
                                    "the class " + object.ClassName + " cannot be created by name");
    component->BeginLoading();
    try {
        component->SetName(object.Name);
        Root_.InsertComponent(component);
    } catch (const EComponentError& e) {
        delete component;
        throw EFormDescriptionError(object.Line, e.what());
    }
    Created_.push_back(component);
    if (auto* control = As<TControl>(component)) {
        if (auto* parent = As<TWinControl>(container)) {
            control->SetParent(parent);
        } else {
            throw EFormDescriptionError(
                object.Line, object.Name + " is a control and needs a windowed control around it");
        }
    } else if (container) {
        container->InsertChildComponent(component);
    }
    ReadProperties(*component, object);
    for (const TFormObject& child : object.Children)
        ReadChild(child, component);
}

void TFormReader::ReadProperties(TObject& target, const TFormObject& object) {
    for (const TFormProperty& prop : object.Properties)
        WriteProperty(target, object, prop);
}

void TFormReader::WriteProperty(TObject& target, const TFormObject& object,
                                const TFormProperty& prop) {
    // "Font.Height": walk the sub-objects to the last part.
    TObject* owner = &target;
    std::string_view path = prop.Name;
    for (std::size_t dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        const std::string part(path.substr(0, dot));
        const TPropInfo* info = owner->ClassType().FindProperty(part);
        TObject* sub = info && info->Kind == TTypeKind::tkClass && info->GetObject
                           ? info->GetObject(*owner)
                           : nullptr;
        if (!sub)
            throw EFormDescriptionError(prop.Line, Describe(object, prop) + ": " + part +
                                                       " is not a sub-object");
        owner = sub;
        path.remove_prefix(dot + 1);
    }
    const TPropInfo* info = owner->ClassType().FindProperty(path);
    if (!info)
        throw EFormDescriptionError(prop.Line, object.ClassName + " has no property " + prop.Name);
    try {
        WriteValue(*owner, *info, prop);
    } catch (const EFormDescriptionError&) {
        throw;
    } catch (const std::exception& e) {
        throw EFormDescriptionError(prop.Line, Describe(object, prop) + ": " + e.what());
    }
}

void TFormReader::WriteValue(TObject& target, const TPropInfo& info, const TFormProperty& prop) {
    const std::string where = "property " + prop.Name;
    const TFormValue& value = prop.Value;
    switch (info.Kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkSet: {
        const std::int64_t v = OrdinalValue(info, value, where, prop.Line);
        if (info.SetOrd)
            info.SetOrd(target, v);
        return;
    }
    case TTypeKind::tkString:
        if (info.SetAnsi)
            info.SetAnsi(target, WideToAnsi(Utf8ToWide(
                                     ValueAs<std::string>(value, where, "a text", prop.Line))));
        return;
    case TTypeKind::tkWString:
        if (info.SetWide)
            info.SetWide(target,
                         Utf8ToWide(ValueAs<std::string>(value, where, "a text", prop.Line)));
        return;
    case TTypeKind::tkClass:
        // Components may be named before they are created: resolved at the end.
        Fixups_.push_back(
            {&target, &info,
             ValueAs<TFormValue::Ident>(value, where, "a component name", prop.Line).Name,
             prop.Line});
        return;
    case TTypeKind::tkMethod:
        BindMethod(target, info, prop);
        return;
    case TTypeKind::tkStrings: {
        std::vector<std::wstring> lines;
        for (const std::string& item :
             ValueAs<TFormValue::List>(value, where, "a list", prop.Line).Items)
            lines.push_back(Utf8ToWide(item));
        info.SetStrings(target, lines);
        return;
    }
    case TTypeKind::tkBinary:
        info.SetBinary(
            target, ValueAs<TFormValue::Binary>(value, where, "hexadecimal data", prop.Line).Bytes);
        return;
    }
}

void TFormReader::BindMethod(TObject& target, const TPropInfo& info, const TFormProperty& prop) {
    const std::string& name =
        ValueAs<TFormValue::Ident>(prop.Value, "property " + prop.Name, "a method name", prop.Line)
            .Name;
    const TMethodInfo* method = Root_.ClassType().FindMethod(name);
    if (!method)
        throw EFormDescriptionError(prop.Line, Root_.ClassName() + " has no method " + name);
    // As a form designer would, refuse a handler whose parameters differ:
    // the event would call it with arguments of other types.
    if (!method->Fits(info))
        throw EFormDescriptionError(prop.Line, "the method " + name + " of " + Root_.ClassName() +
                                                   " does not take the parameters of the event " +
                                                   prop.Name);
    if (info.SetMethod)
        info.SetMethod(target, method->Bind(Root_));
}

void TFormReader::ResolveFixups() {
    for (const TFixup& fixup : Fixups_) {
        TComponent* found =
            SameText(Root_.Name(), fixup.Reference) ? &Root_ : Root_.FindComponent(fixup.Reference);
        if (!found || !found->InheritsFrom(*fixup.Property->ObjectClass()))
            throw EFormDescriptionError(fixup.Line, "property " + fixup.Property->Name + ": no " +
                                                        fixup.Property->ObjectClass()->ClassName() +
                                                        " named " + fixup.Reference);
        if (fixup.Property->SetObject)
            fixup.Property->SetObject(*fixup.Target, found);
    }
}

void TFormReader::Unwind() noexcept {
    // Newest first, so that children go before their parents.
    for (auto it = Created_.rbegin(); it != Created_.rend(); ++it) {
        if (*it == &Root_)
            continue;
        try {
            delete *it;
        } catch (...) {
        }
    }
    Created_.clear();
    Root_.Loaded();
}

} // namespace veyra
