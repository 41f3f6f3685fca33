#pragma once

#include <memory>
#include <typeinfo>

// The root of every object the game keeps in lists and maps. Objects are held
// by shared pointers; the game's "Null" is an empty pointer. An object can
// take a reference to itself, so it stays alive while it removes itself from
// the list that held it.
class TObject : public std::enable_shared_from_this<TObject> {
public:
    virtual ~TObject() = default;
};

using TObjectPtr = std::shared_ptr<TObject>;

// Down-casts a list element without taking a reference; null for another
// type. Lists mostly hold exactly one type, so an exact match is checked first
// and the full cast is only paid for base classes and strangers.
template <class T> T* AsPtr(TObject* object) {
    if (!object) {
        return nullptr;
    }
    if (typeid(*object) == typeid(T)) {
        return static_cast<T*>(object);
    }
    return dynamic_cast<T*>(object);
}

template <class T> T* AsPtr(const TObjectPtr& object) {
    return AsPtr<T>(object.get());
}

// Down-casts a list element; yields an empty pointer for another type.
template <class T> std::shared_ptr<T> As(const TObjectPtr& object) {
    if (T* cast = AsPtr<T>(object)) {
        return std::shared_ptr<T>(object, cast);
    }
    return nullptr;
}
