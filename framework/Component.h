#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ClassInfo.h"
#include "Object.h"

namespace veyra {

// A component operation that cannot be done: a bad or duplicate name.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TOperation { opInsert, opRemove };

// Component state flags.
enum TComponentStateFlag : std::uint32_t {
    csLoading = 1,
    csReading = 2,
    csDestroying = 4,
    csDesigning = 8
};

// A framework object in an owner tree: the owner destroys what it owns.
class TComponent : public TObject {
    VEYRA_CLASS()
public:
    // Creates the component and, when owner is given, hands it to owner.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The component that will destroy this one, or nullptr.
    TComponent* Owner() const { return Owner_; }
    // The components owned by this one, in the order they were added.
    const std::vector<TComponent*>& Components() const { return Components_; }
    int ComponentCount() const { return static_cast<int>(Components_.size()); }
    // The owned component called name (case-blind), or nullptr.
    TComponent* FindComponent(std::string_view name) const;

    const std::string& Name() const { return Name_; }
    // Renames the component; throws EComponentError for a name that is not an
    // identifier or that another component of the same owner has.
    void SetName(const std::string& name);
    std::int64_t Tag() const { return Tag_; }
    void SetTag(std::int64_t tag) { Tag_ = tag; }

    std::uint32_t ComponentState() const { return State_; }
    bool IsLoading() const { return (State_ & csLoading) != 0; }
    bool IsDestroying() const { return (State_ & csDestroying) != 0; }
    bool IsDesigning() const { return (State_ & csDesigning) != 0; }
    // Marks the component as being read from a stored description.
    void BeginLoading() { State_ |= csLoading | csReading; }

    // Runs once after the stored properties have been read; clears the loading state.
    virtual void Loaded();
    // Told when component is added to or removed from this one's owner tree, or
    // when a component this one asked to watch goes away.
    virtual void Notification(TComponent* component, TOperation operation);
    // Asks to be told (Notification, opRemove) when component is destroyed.
    void FreeNotification(TComponent* component);
    // Withdraws a FreeNotification request.
    void RemoveFreeNotification(TComponent* component);
    // Points field, a reference this component keeps, at component and
    // moves the free notification from the old one to it; answers false,
    // changing nothing, when field points there already.
    template <class T> bool ReplaceFreeNotification(T*& field, T* component) {
        if (component == field)
            return false;
        if (field)
            RemoveFreeNotification(field);
        field = component;
        if (field)
            FreeNotification(field);
        return true;
    }

    // Takes component into this one's ownership.
    void InsertComponent(TComponent* component);
    // Releases component from this one's ownership without destroying it.
    void RemoveComponent(TComponent* component);
    // Destroys every owned component, the last added first.
    void DestroyComponents();
    // Takes a component that a stored description nests inside this one
    // and that is no control (a menu's item, a tool bar's button); answers
    // whether it was taken.
    virtual bool InsertChildComponent(TComponent*) { return false; }

private:
    void NotifyTree(TComponent* component, TOperation operation);

    TComponent* Owner_ = nullptr;
    std::vector<TComponent*> Components_;
    std::vector<TComponent*> FreeNotifies_;
    std::string Name_;
    std::int64_t Tag_ = 0;
    std::uint32_t State_ = 0;
};

} // namespace veyra
