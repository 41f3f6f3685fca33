#pragma once

#include <unordered_map>

#include "platform/TObject.h"

// An ordered list of object references. A pass over the list survives the
// removal of the element it stands on and of any other element: removed
// elements not yet reached are skipped, elements appended during the pass may
// be visited. Removing an element that is not in the list does nothing.
//
// Nodes are counted by hand (not by shared pointers): a pass costs no atomic
// operations. Lists belong to the game thread and are never shared between
// threads.
class TList : public TObject {
    struct Node {
        TObjectPtr value;
        Node* next = nullptr; // owns one reference to its successor
        Node* prev = nullptr;
        int refs = 0;
        bool removed = false;
    };

public:
    class Iterator {
    public:
        explicit Iterator(Node* node) : node_(node) { Hold(node_); }
        Iterator(const Iterator& other) : node_(other.node_) { Hold(node_); }
        Iterator& operator=(const Iterator& other);
        ~Iterator() { Release(node_); }
        const TObjectPtr& operator*() const { return node_->value; }
        Iterator& operator++();
        bool operator==(const Iterator& other) const { return node_ == other.node_; }
        bool operator!=(const Iterator& other) const { return node_ != other.node_; }

    private:
        Node* node_;
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
    static void Hold(Node* node) {
        if (node) {
            ++node->refs;
        }
    }
    // Drops one reference; a node nobody holds any more is freed together
    // with the run of successors only it held (iteratively, so a long list
    // cannot exhaust the stack).
    static void Release(Node* node);

    Node* FindNode(const TObject* value) const;
    void Unlink(Node& node);
    void ForgetInIndex(Node& node);

    // The first live node of each object and how often the object is in the
    // list, so removal does not walk the list.
    struct Entry {
        Node* first;
        int count;
    };
    std::unordered_map<const TObject*, Entry> index_;

    Node* head_ = nullptr; // owns one reference to the first node
    Node* tail_ = nullptr;
    int count_ = 0;
};
