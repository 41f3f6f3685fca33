#include "platform/TList.h"

void TList::Release(Node* node) {
    while (node && --node->refs == 0) {
        Node* next = node->next;
        delete node;
        node = next;
    }
}

TList::Iterator& TList::Iterator::operator=(const Iterator& other) {
    Hold(other.node_);
    Release(node_);
    node_ = other.node_;
    return *this;
}

TList::Iterator& TList::Iterator::operator++() {
    // A removed node keeps its old successor, so a pass standing on it (or on
    // a chain of removed nodes) still finds the next live element.
    Node* next = node_->next;
    while (next && next->removed) {
        next = next->next;
    }
    Hold(next);
    Release(node_);
    node_ = next;
    return *this;
}

TList::~TList() {
    // Nodes still held by a pass in progress keep their links.
    Release(head_);
}

void TList::AddLast(TObjectPtr value) {
    auto* node = new Node{std::move(value)};
    node->refs = 1;
    node->prev = tail_;
    if (tail_) {
        tail_->next = node;
    } else {
        head_ = node;
    }
    tail_ = node;
    auto [entry, added] = index_.try_emplace(node->value.get(), Entry{node, 0});
    ++entry->second.count;
    ++count_;
}

TList::Node* TList::FindNode(const TObject* value) const {
    auto it = index_.find(value);
    return it == index_.end() ? nullptr : it->second.first;
}

void TList::ForgetInIndex(Node& node) {
    auto it = index_.find(node.value.get());
    if (it == index_.end()) {
        return;
    }
    if (--it->second.count == 0) {
        index_.erase(it);
        return;
    }
    if (it->second.first != &node) {
        return;
    }
    // The same object is in the list again further on: that node comes first now.
    for (Node* later = node.next; later; later = later->next) {
        if (later->value == node.value) {
            it->second.first = later;
            return;
        }
    }
}

void TList::Unlink(Node& node) {
    ForgetInIndex(node);
    // The link that owned this node now owns its successor; the node keeps
    // its own reference to the successor for any pass standing on it.
    Node* next = node.next;
    Hold(next);
    if (node.prev) {
        node.prev->next = next;
    } else {
        head_ = next;
    }
    if (next) {
        next->prev = node.prev;
    } else {
        tail_ = node.prev;
    }
    node.prev = nullptr;
    node.removed = true;
    --count_;
    Release(&node);
}

void TList::Remove(const TObjectPtr& value) {
    if (Node* node = FindNode(value.get())) {
        Unlink(*node);
    }
}

void TList::Clear() {
    while (head_) {
        Unlink(*head_);
    }
}

bool TList::Contains(const TObjectPtr& value) const {
    return FindNode(value.get()) != nullptr;
}

TObjectPtr TList::First() const {
    return head_ ? head_->value : nullptr;
}

TObjectPtr TList::Last() const {
    return tail_ ? tail_->value : nullptr;
}

TObjectPtr TList::ValueAtIndex(int index) const {
    int i = 0;
    for (Node* node = head_; node; node = node->next, ++i) {
        if (i == index) {
            return node->value;
        }
    }
    return nullptr;
}
