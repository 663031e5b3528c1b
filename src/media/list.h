// A doubly linked list in insertion order, the game's collection type.
// Removing the entry that is being visited does not disturb the iteration:
// a removed node keeps its link to the node that followed it.
#pragma once

#include <deque>
#include <vector>

template <class T> class TList {
  public:
    struct Node {
        T value{};
        Node* prev = nullptr;
        Node* next = nullptr;
        bool removed = false;
    };
    class iterator {
      public:
        explicit iterator(Node* n) : n_(n) { skip(); }
        T& operator*() const { return n_->value; }
        iterator& operator++() {
            n_ = n_->next;
            skip();
            return *this;
        }
        bool operator!=(const iterator& o) const { return n_ != o.n_; }
        bool operator==(const iterator& o) const { return n_ == o.n_; }

      private:
        void skip() {
            while (n_ && n_->removed) n_ = n_->next;
        }
        Node* n_;
    };
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    void AddLast(const T& v) {
        Node* n = &pool_.emplace_back();
        n->value = v;
        n->prev = tail_;
        if (tail_)
            tail_->next = n;
        else
            head_ = n;
        tail_ = n;
        ++count_;
    }
    // Removes the first entry equal to v; returns false if there is none.
    bool Remove(const T& v) {
        for (Node* n = head_; n; n = n->next) {
            if (n->value == v) {
                Unlink(n);
                return true;
            }
        }
        return false;
    }
    void Clear() {
        // Nodes stay in the pool and keep their links, so an iteration in
        // progress skips the removed entries and ends cleanly.
        for (Node* n = head_; n; n = n->next) n->removed = true;
        head_ = tail_ = nullptr;
        count_ = 0;
    }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    T First() const { return head_ ? head_->value : T{}; }
    T Last() const { return tail_ ? tail_->value : T{}; }
    iterator begin() const { return iterator(head_); }
    iterator end() const { return iterator(nullptr); }
    std::vector<T> ToVector() const {
        std::vector<T> v;
        for (Node* n = head_; n; n = n->next) v.push_back(n->value);
        return v;
    }

  private:
    void Unlink(Node* n) {
        if (n->prev)
            n->prev->next = n->next;
        else
            head_ = n->next;
        if (n->next)
            n->next->prev = n->prev;
        else
            tail_ = n->prev;
        n->removed = true; // n->next stays, so a visitor standing on n goes on
        --count_;
    }
    std::deque<Node> pool_;
    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    int count_ = 0;
};

template <class T> void ListAddLast(TList<T>* l, const T& v) {
    l->AddLast(v);
}
template <class T> bool ListRemove(TList<T>* l, const T& v) {
    return l->Remove(v);
}
template <class T> void ListClear(TList<T>* l) {
    l->Clear();
}
template <class T> int ListCount(const TList<T>* l) {
    return l->Count();
}
