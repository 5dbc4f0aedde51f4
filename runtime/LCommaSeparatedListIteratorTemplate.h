#pragma once

#include "LStringLongTemplate.h"

#include <type_traits>

// Reads the items of a comma-separated text one by one:
//   for (LCommaSeparatedListIteratorTemplate<char> it(text); !it.IsAtEnd(); it.Next()) ...
// An item in double quotes may hold commas, and "" inside it stands for one double quote;
// other items lose their trailing spaces and control bytes. An empty field between two commas
// is an empty item; a comma at the very end adds none. A null text has no items.
template <class T>
class LCommaSeparatedListIteratorTemplate {
public:
    explicit LCommaSeparatedListIteratorTemplate(const T* text)
        : cursor(text != nullptr ? text : Empty()) {
        SkipBlanks();
        Next();
    }

    // Reads the next item, or sets the at-end flag when there is none.
    void Next() {
        if (*cursor == 0) {
            item.clear();
            atEnd = true;
            return;
        }
        if (*cursor == '"') {
            ReadQuoted();
        } else {
            ReadPlain();
        }
        SkipBlanks();
    }

    const LStringLongTemplate<T>& GetItem() const { return item; }
    bool IsAtEnd() const { return atEnd; }

private:
    static const T* Empty() {
        static const T empty[1] = {};
        return empty;
    }

    static bool IsBlank(T c) { return static_cast<std::make_unsigned_t<T>>(c) <= 32; }

    void SkipBlanks() {
        while (*cursor != 0 && IsBlank(*cursor)) {
            ++cursor;
        }
    }

    void SkipPastComma() {
        while (*cursor != 0 && *cursor != ',') {
            ++cursor;
        }
        if (*cursor == ',') {
            ++cursor;
        }
    }

    void ReadQuoted() {
        item.clear();
        for (++cursor; *cursor != 0; ++cursor) {
            if (*cursor == '"') {
                if (cursor[1] != '"') {
                    ++cursor;
                    break;
                }
                ++cursor;
            }
            item.push_back(*cursor);
        }
        SkipPastComma();
    }

    void ReadPlain() {
        const T* start = cursor;
        while (*cursor != 0 && *cursor != ',') {
            ++cursor;
        }
        const T* end = cursor;
        while (end > start && IsBlank(end[-1])) {
            --end;
        }
        item.assign(start, end);
        SkipPastComma();
    }

    const T* cursor;
    LStringLongTemplate<T> item;
    bool atEnd = false;
};
