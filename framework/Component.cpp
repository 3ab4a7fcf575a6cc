#include "Component.h"

#include <algorithm>

#include "TextConv.h"

namespace veyra {
namespace {

bool IsIdentifier(std::string_view name) {
    if (name.empty())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 0 && c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info("TComponent", &TObject::StaticClass(),
                                 TPropertyList<TComponent>()
                                     .String("Name", &TComponent::Name, &TComponent::SetName)
                                     .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
                                     .Take());
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    State_ |= csDestroying;
    // Those that watch this component forget it before it goes.
    const std::vector<TComponent*> watchers = FreeNotifies_;
    for (TComponent* watcher : watchers) {
        Erase(watcher->FreeNotifies_, this);
        watcher->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (Owner_)
        Owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!Components_.empty()) {
        TComponent* last = Components_.back();
        RemoveComponent(last);
        delete last;
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : Components_)
        if (SameText(c->Name_, name))
            return c;
    return nullptr;
}

void TComponent::SetName(const std::string& name) {
    if (name == Name_)
        return;
    if (!name.empty() && !IsIdentifier(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (Owner_) {
        TComponent* other = Owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    Name_ = name;
}

void TComponent::Loaded() {
    State_ &= ~(csLoading | csReading);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove)
        Erase(FreeNotifies_, component);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(FreeNotifies_.begin(), FreeNotifies_.end(), component) == FreeNotifies_.end())
        FreeNotifies_.push_back(component);
    if (std::find(component->FreeNotifies_.begin(), component->FreeNotifies_.end(), this) ==
        component->FreeNotifies_.end())
        component->FreeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    Erase(FreeNotifies_, component);
    Erase(component->FreeNotifies_, this);
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->Owner_ == this)
        return;
    if (component->Owner_)
        component->Owner_->RemoveComponent(component);
    if (!component->Name_.empty() && FindComponent(component->Name_))
        throw EComponentError("A component named " + component->Name_ + " already exists");
    Components_.push_back(component);
    component->Owner_ = this;
    NotifyTree(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->Owner_ != this)
        return;
    NotifyTree(component, TOperation::opRemove);
    Erase(Components_, component);
    component->Owner_ = nullptr;
}

void TComponent::NotifyTree(TComponent* component, TOperation operation) {
    Notification(component, operation);
    const std::vector<TComponent*> owned = Components_;
    for (TComponent* c : owned)
        if (c != component)
            c->Notification(component, operation);
}

} // namespace veyra
