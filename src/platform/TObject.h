#pragma once

#include <memory>

// The root of every object the game keeps in lists and maps. Objects are held
// by shared pointers; the game's "Null" is an empty pointer. An object can
// take a reference to itself, so it stays alive while it removes itself from
// the list that held it.
class TObject : public std::enable_shared_from_this<TObject> {
public:
    virtual ~TObject() = default;
};

using TObjectPtr = std::shared_ptr<TObject>;

// Down-casts a list element; yields an empty pointer for another type.
template <class T> std::shared_ptr<T> As(const TObjectPtr& object) {
    return std::dynamic_pointer_cast<T>(object);
}
