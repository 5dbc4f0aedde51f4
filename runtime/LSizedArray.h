#pragma once

#include <cstddef>
#include <vector>

// Owned elements with a size; the result of Base64 decoding. A thin layer over std::vector.
template <class T>
class LSizedArray : public std::vector<T> {
public:
    using std::vector<T>::vector;

    size_t GetSize() const { return this->size(); }
    const T* GetData() const { return this->data(); }
    T* GetData() { return this->data(); }
};
