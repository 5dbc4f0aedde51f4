#pragma once

#include <cstddef>
#include <list>
#include <utility>

// A small map whose newest key comes first: iteration visits the keys from the most recently
// added to the oldest. Setting a key that is already there replaces its value in place,
// without moving it. Keys are compared with ==.
template <class K, class V>
class LMap {
public:
    using Entry = std::pair<K, V>;
    using const_iterator = typename std::list<Entry>::const_iterator;

    void Set(const K& key, const V& value) {
        if (V* existing = Find(key)) {
            *existing = value;
        } else {
            entries.emplace_front(key, value);
        }
    }

    // The value of key, or null when the map does not hold it.
    V* Find(const K& key) { return FindIn(entries, key); }
    const V* Find(const K& key) const { return FindIn(entries, key); }

    void Clear() { entries.clear(); }
    size_t GetCount() const { return entries.size(); }
    bool IsEmpty() const { return entries.empty(); }

    const_iterator begin() const { return entries.begin(); }
    const_iterator end() const { return entries.end(); }

private:
    template <class List>
    static auto FindIn(List& list, const K& key) -> decltype(&list.front().second) {
        for (auto& entry : list) {
            if (entry.first == key) {
                return &entry.second;
            }
        }
        return nullptr;
    }

    std::list<Entry> entries;
};
