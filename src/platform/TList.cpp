#include "platform/TList.h"

TList::Iterator& TList::Iterator::operator++() {
    // A removed node keeps its old successor, so a pass standing on it (or on
    // a chain of removed nodes) still finds the next live element.
    auto next = node_->next;
    while (next && next->removed) {
        next = next->next;
    }
    node_ = std::move(next);
    return *this;
}

TList::~TList() {
    // Release the chain iteratively so a long list cannot exhaust the stack;
    // nodes still held by a pass in progress keep their links.
    auto node = std::move(head_);
    while (node && node.use_count() == 1) {
        auto next = std::move(node->next);
        node = std::move(next);
    }
}

void TList::AddLast(TObjectPtr value) {
    auto node = std::make_shared<Node>();
    node->value = std::move(value);
    node->prev = tail_;
    if (tail_) {
        tail_->next = node;
    } else {
        head_ = node;
    }
    tail_ = node.get();
    auto [entry, added] = index_.try_emplace(tail_->value.get(), Entry{tail_, 0});
    ++entry->second.count;
    ++count_;
}

std::shared_ptr<TList::Node> TList::FindNode(const TObject* value) const {
    auto it = index_.find(value);
    if (it == index_.end()) {
        return nullptr;
    }
    // The node is live and linked: its owner is its predecessor or the head.
    Node* node = it->second.first;
    return node->prev ? node->prev->next : head_;
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
    for (Node* later = node.next.get(); later; later = later->next.get()) {
        if (later->value == node.value) {
            it->second.first = later;
            return;
        }
    }
}

void TList::Unlink(Node& node) {
    ForgetInIndex(node);
    if (node.prev) {
        node.prev->next = node.next;
    } else {
        head_ = node.next;
    }
    if (node.next) {
        node.next->prev = node.prev;
    } else {
        tail_ = node.prev;
    }
    node.prev = nullptr;
    node.removed = true;
    --count_;
}

void TList::Remove(const TObjectPtr& value) {
    if (auto node = FindNode(value.get())) {
        Unlink(*node);
    }
}

void TList::Clear() {
    while (head_) {
        auto node = head_;
        Unlink(*node);
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
    for (auto node = head_; node; node = node->next, ++i) {
        if (i == index) {
            return node->value;
        }
    }
    return nullptr;
}
