#pragma once

#include "LStringFormat.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// The growable byte string. A thin layer over std::basic_string: every standard operation
// works, and the named operations below keep the rules the rest of the program relies on. A
// null text given to it reads as the empty text.
template <class T>
class LStringLongTemplate : public std::basic_string<T> {
public:
    using Base = std::basic_string<T>;

    LStringLongTemplate() = default;
    LStringLongTemplate(const T* text) : Base(OrEmpty(text)) {}
    LStringLongTemplate(const T* text, size_t length) : Base(text ? Base(text, length) : Base()) {}
    LStringLongTemplate(const Base& text) : Base(text) {}
    LStringLongTemplate(Base&& text) : Base(std::move(text)) {}

    LStringLongTemplate& operator=(const T* text) {
        Base::assign(OrEmpty(text));
        return *this;
    }

    const T* GetString() const { return this->c_str(); }
    size_t GetLength() const { return this->size(); }
    bool IsEmpty() const { return this->empty(); }

    // Makes room for n characters; never shrinks.
    void GrowToSize(size_t n) {
        if (this->capacity() < n) {
            this->reserve(n);
        }
    }

    void Append(const T* text) { Base::append(OrEmpty(text)); }
    void Append(const Base& text) { Base::append(text); }

    // Puts the text in front of the current content.
    void Insert(const T* text) { Base::insert(0, OrEmpty(text)); }

    // Takes over the other string's buffer; the other string becomes empty.
    void Assign(LStringLongTemplate& other) {
        if (&other != this) {
            Base::operator=(std::move(other));
            other.clear();
        }
    }

    // At most count characters of text from index start, stopping at its end; empty when start
    // is at or past the end.
    void AssignSubString(const T* text, size_t start, size_t count) {
        const std::basic_string_view<T> whole(OrEmpty(text));
        if (start >= whole.size()) {
            this->clear();
            return;
        }
        Base::assign(whole.substr(start, count));
    }

    // The string becomes the text formatted by tplprintf.
    void sprintf(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        static_assert(std::is_same_v<T, char>, "formatting works on byte strings");
        this->clear();
        va_list args;
        va_start(args, format);
        LFormatAppend(*this, format, args);
        va_end(args);
    }

    // Appends the text formatted by tplprintf.
    void tsprintfappend(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        static_assert(std::is_same_v<T, char>, "formatting works on byte strings");
        va_list args;
        va_start(args, format);
        LFormatAppend(*this, format, args);
        va_end(args);
    }

private:
    static const T* OrEmpty(const T* text) {
        static const T empty[1] = {};
        return text ? text : empty;
    }
};
