#pragma once

#include <string>

namespace veyra {

class TClassInfo;

// Declares a framework class's class record: every framework class knows its
// name, its ancestry and its published properties.
#define VEYRA_CLASS()                                                                              \
public:                                                                                            \
    static const ::veyra::TClassInfo& StaticClass();                                               \
    const ::veyra::TClassInfo& ClassType() const override {                                        \
        return StaticClass();                                                                      \
    }

// The root of every framework class.
class TObject {
public:
    virtual ~TObject() = default;

    // The class record of TObject itself.
    static const TClassInfo& StaticClass();
    // The class record of the object's own class.
    virtual const TClassInfo& ClassType() const { return StaticClass(); }

    // The object's class name, for example "TPageControl".
    const std::string& ClassName() const;
    // Whether the object's class is cls or derives from it.
    bool InheritsFrom(const TClassInfo& cls) const;
    // Whether the object is a T.
    template <class T> bool Is() const { return InheritsFrom(T::StaticClass()); }
};

// The object as a T, or nullptr when it is none or not a T.
template <class T> T* As(TObject* object) {
    return object && object->Is<T>() ? static_cast<T*>(object) : nullptr;
}

} // namespace veyra
