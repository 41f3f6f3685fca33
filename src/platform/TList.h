#pragma once

#include <unordered_map>

#include "platform/TObject.h"

// An ordered list of object references. A pass over the list survives the
// removal of the element it stands on and of any other element: removed
// elements not yet reached are skipped, elements appended during the pass may
// be visited. Removing an element that is not in the list does nothing.
class TList : public TObject {
    struct Node {
        TObjectPtr value;
        std::shared_ptr<Node> next;
        Node* prev = nullptr;
        bool removed = false;
    };

public:
    class Iterator {
    public:
        explicit Iterator(std::shared_ptr<Node> node) : node_(std::move(node)) {}
        const TObjectPtr& operator*() const { return node_->value; }
        Iterator& operator++();
        bool operator==(const Iterator& other) const { return node_ == other.node_; }
        bool operator!=(const Iterator& other) const { return node_ != other.node_; }

    private:
        std::shared_ptr<Node> node_;
    };

    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    ~TList() override;

    static std::shared_ptr<TList> Create() { return std::make_shared<TList>(); }

    void AddLast(TObjectPtr value);
    // Removes the first element that is this object; nothing when absent.
    void Remove(const TObjectPtr& value);
    void Clear();
    bool Contains(const TObjectPtr& value) const;
    int Count() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }
    TObjectPtr First() const;
    TObjectPtr Last() const;
    TObjectPtr ValueAtIndex(int index) const;

    Iterator begin() const { return Iterator(head_); }
    Iterator end() const { return Iterator(nullptr); }

private:
    std::shared_ptr<Node> FindNode(const TObject* value) const;
    void Unlink(Node& node);
    void ForgetInIndex(Node& node);

    // The first live node of each object and how often the object is in the
    // list, so removal does not walk the list.
    struct Entry {
        Node* first;
        int count;
    };
    std::unordered_map<const TObject*, Entry> index_;

    std::shared_ptr<Node> head_;
    Node* tail_ = nullptr;
    int count_ = 0;
};
