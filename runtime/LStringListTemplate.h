#pragma once

#include "LTextBuffer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of owned texts of at most 259 characters each (a longer text is cut when it
// is added). A thin layer over a vector of standard strings.
template <class T>
class LStringListTemplate {
public:
    // Adds a copy of the first 259 characters of text; a null text adds an empty item.
    void Add(const T* text) {
        std::basic_string_view<T> view;
        if (text != nullptr) {
            view = text;
        }
        items.emplace_back(view.substr(0, LTextBufferMaxLength));
    }

    // Adds an empty item buffer of size elements, zero-filled, for the caller to write a
    // zero-terminated text into; returns it.
    T* Add(size_t size) {
        items.emplace_back(size, T());
        return items.back().data();
    }

    // Item i as zero-terminated text; i must be below GetCount().
    const T* operator[](size_t i) const { return items[i].c_str(); }
    const T* GetItem(size_t i) const { return items[i].c_str(); }
    size_t GetCount() const { return items.size(); }
    bool IsEmpty() const { return items.empty(); }
    void Clear() { items.clear(); }

private:
    std::vector<std::basic_string<T>> items;
};
