#pragma once

#include <map>
#include <string>

#include "platform/TObject.h"

// An ordered map from text keys (compared as strings) to object references.
class TMap : public TObject {
    using Storage = std::map<std::string, TObjectPtr>;

public:
    class Iterator {
    public:
        explicit Iterator(Storage::const_iterator it) : it_(it) {}
        const TObjectPtr& operator*() const { return it_->second; }
        Iterator& operator++() {
            ++it_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return it_ != other.it_; }
        bool operator==(const Iterator& other) const { return it_ == other.it_; }

    private:
        Storage::const_iterator it_;
    };

    // Stores value under key, replacing what was there.
    void Insert(const std::string& key, TObjectPtr value) { entries_[key] = std::move(value); }
    // The value under key, or an empty pointer.
    TObjectPtr ValueForKey(const std::string& key) const {
        auto it = entries_.find(key);
        return it == entries_.end() ? nullptr : it->second;
    }
    bool Contains(const std::string& key) const { return entries_.count(key) != 0; }
    void Remove(const std::string& key) { entries_.erase(key); }
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }

    // Iteration visits the values in key order.
    Iterator begin() const { return Iterator(entries_.begin()); }
    Iterator end() const { return Iterator(entries_.end()); }

private:
    Storage entries_;
};
