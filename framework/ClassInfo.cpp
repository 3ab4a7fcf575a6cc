#include "ClassInfo.h"

#include <map>
#include <stdexcept>

#include "Object.h"
#include "TextConv.h"

namespace veyra {

int TPropInfo::ValueIndex(std::string_view name) const {
    for (std::size_t i = 0; i < ValueNames.size(); ++i)
        if (SameText(ValueNames[i], name))
            return static_cast<int>(i);
    return -1;
}

bool TPropInfo::ConstantValue(std::string_view name, std::int64_t& value) const {
    for (const auto& [constantName, constantValue] : Constants) {
        if (SameText(constantName, name)) {
            value = constantValue;
            return true;
        }
    }
    return false;
}

TMethodInfo::TMethodInfo(std::string name, TPublishedMethod notify)
    : Name_(std::move(name)), EventType_(&typeid(TNotifyEvent)), Bind_([notify](TObject& self) {
          TObject* form = &self;
          return std::any(TNotifyEvent([form, notify](TObject* sender) { notify(*form, sender); }));
      }) {
    if (!notify)
        throw std::invalid_argument("the published method " + Name_ + " has no function");
}

TMethodInfo::TMethodInfo(std::string name, const std::type_info& eventType, TBinder bind)
    : Name_(std::move(name)), EventType_(&eventType), Bind_(std::move(bind)) {}

bool TMethodInfo::Fits(const TPropInfo& event) const {
    return event.Kind == TTypeKind::tkMethod && event.EventType && *event.EventType == *EventType_;
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent,
                       std::vector<TPropInfo> properties, Factory factory,
                       std::vector<TMethodInfo> methods)
    : Name_(std::move(name)), Parent_(parent), Properties_(std::move(properties)),
      Factory_(factory), Methods_(std::move(methods)) {}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent_)
        if (c == &other)
            return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent_)
        if (c->Name_ == name)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent_)
        for (const TPropInfo& p : c->Properties_)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> out;
    if (Parent_)
        out = Parent_->Properties();
    for (const TPropInfo& p : Properties_)
        out.push_back(&p);
    return out;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent_)
        for (const TMethodInfo& method : c->Methods_)
            if (SameText(method.Name(), name))
                return &method;
    return nullptr;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
    return Factory_ ? Factory_(owner) : nullptr;
}

namespace {

std::map<std::string, const TClassInfo*>& ClassRegistry() {
    static std::map<std::string, const TClassInfo*> registry;
    return registry;
}

} // namespace

void RegisterComponentClass(const TClassInfo& cls) {
    ClassRegistry()[UpperAscii(cls.ClassName())] = &cls;
}

const TClassInfo* FindClass(std::string_view name) {
    const auto it = ClassRegistry().find(UpperAscii(name));
    return it == ClassRegistry().end() ? nullptr : it->second;
}

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const std::string& TObject::ClassName() const {
    return ClassType().ClassName();
}

bool TObject::InheritsFrom(const TClassInfo& cls) const {
    return ClassType().InheritsFrom(cls);
}

} // namespace veyra
