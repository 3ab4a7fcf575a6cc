#pragma once

#include "Messages.h"

namespace veyra {

// A message hook bound to one object: a code pointer and the object it runs
// on. Two hooks are equal when both parts are, so a hook that was saved can be
// recognised and put back exactly.
class TWndMethod {
public:
    using Code = void (*)(void* data, TMessage& message);

    TWndMethod() = default;
    TWndMethod(void* data, Code code) : Data_(data), Code_(code) {}

    // A hook that calls Method on object; the same Method always gives the same code.
    template <auto Method, class T> static TWndMethod Of(T* object) {
        return TWndMethod(object, &Trampoline<Method, T>);
    }

    // Runs the hook; an empty hook leaves the message unanswered.
    void operator()(TMessage& message) const {
        if (Code_)
            Code_(Data_, message);
    }

    explicit operator bool() const { return Code_ != nullptr; }
    bool operator==(const TWndMethod&) const = default;

    void* Data() const { return Data_; }

private:
    template <auto Method, class T> static void Trampoline(void* data, TMessage& message) {
        (static_cast<T*>(data)->*Method)(message);
    }

    void* Data_ = nullptr;
    Code Code_ = nullptr;
};

} // namespace veyra
