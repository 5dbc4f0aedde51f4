#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// The growable array. A thin layer over std::vector.
template <class T>
class LVector : public std::vector<T> {
public:
    using std::vector<T>::vector;

    size_t GetCount() const { return this->size(); }
    void Add(const T& item) { this->push_back(item); }
    void Add(T&& item) { this->push_back(std::move(item)); }
};
