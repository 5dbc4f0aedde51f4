#pragma once

#include <cstddef>
#include <list>
#include <utility>

// The program's linked list: items in order, added at the front (newest first) or at the
// end. A thin layer over std::list; the list owns its items and Clear deletes them all.
template <class T>
class LList : public std::list<T> {
public:
    using std::list<T>::list;

    void AddHead(T item) { this->push_front(std::move(item)); }
    void AddTail(T item) { this->push_back(std::move(item)); }
    void Clear() { this->clear(); }
    size_t GetCount() const { return this->size(); }
    bool IsEmpty() const { return this->empty(); }
};

// Makes target a copy of source, in the same order.
template <class T>
void LListCopy(LList<T>& target, const LList<T>& source) {
    if (&target != &source) {
        target.assign(source.begin(), source.end());
    }
}
