#include "ClassInfo.h"

#include <map>

#include "Object.h"
#include "TextConv.h"

namespace veyra {

int TPropInfo::ValueIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < ValueNames.size(); ++i)
        if (SameText(ValueNames[i], name))
            return static_cast<int>(i);
    return -1;
}

bool TPropInfo::ConstantValue(std::string_view name, std::int64_t& value) const
{
    for (const auto& [constantName, constantValue] : Constants) {
        if (SameText(constantName, name)) {
            value = constantValue;
            return true;
        }
    }
    return false;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent, std::vector<TPropInfo> properties,
                       Factory factory, std::vector<std::pair<std::string, TPublishedMethod>> methods)
    : Name_(std::move(name)), Parent_(parent), Properties_(std::move(properties)), Factory_(factory),
      Methods_(std::move(methods))
{
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c; c = c->Parent_)
        if (c == &other)
            return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Parent_)
        if (c->Name_ == name)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Parent_)
        for (const TPropInfo& p : c->Properties_)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const
{
    std::vector<const TPropInfo*> out;
    if (Parent_)
        out = Parent_->Properties();
    for (const TPropInfo& p : Properties_)
        out.push_back(&p);
    return out;
}

TPublishedMethod TClassInfo::FindMethod(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Parent_)
        for (const auto& [methodName, method] : c->Methods_)
            if (SameText(methodName, name))
                return method;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const
{
    return Factory_ ? Factory_(owner) : nullptr;
}

namespace {

std::map<std::string, const TClassInfo*>& ClassRegistry()
{
    static std::map<std::string, const TClassInfo*> registry;
    return registry;
}

} // namespace

void RegisterComponentClass(const TClassInfo& cls)
{
    ClassRegistry()[UpperAscii(cls.ClassName())] = &cls;
}

const TClassInfo* FindClass(std::string_view name)
{
    const auto it = ClassRegistry().find(UpperAscii(name));
    return it == ClassRegistry().end() ? nullptr : it->second;
}

const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const
{
    return ClassType().ClassName();
}

bool TObject::InheritsFrom(const TClassInfo& cls) const
{
    return ClassType().InheritsFrom(cls);
}

} // namespace veyra
