#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>

// The C string basics for the program's character types. A null text reads as the empty text.

template <class T>
size_t tstrlen(const T* text) {
    size_t n = 0;
    while (text != nullptr && text[n] != 0) {
        ++n;
    }
    return n;
}

// The text's length in bytes, without the terminating zero.
template <class T>
size_t tstrbytes(const T* text) {
    return tstrlen(text) * sizeof(T);
}

inline size_t lstrlen(const char* text) {
    return tstrlen(text);
}

namespace LStringBasicsDetail {

template <class T, class Fold>
int Compare(const T* a, const T* b, Fold fold) {
    using U = std::make_unsigned_t<T>;
    static const T empty[1] = {};
    a = a != nullptr ? a : empty;
    b = b != nullptr ? b : empty;
    for (;; ++a, ++b) {
        const U ca = fold(static_cast<U>(*a));
        const U cb = fold(static_cast<U>(*b));
        if (ca != cb || ca == 0) {
            return ca < cb ? -1 : (ca > cb ? 1 : 0);
        }
    }
}

template <class U>
U FoldASCII(U c) {
    return c >= 'A' && c <= 'Z' ? static_cast<U>(c - 'A' + 'a') : c;
}

}  // namespace LStringBasicsDetail

// Byte comparison: negative, 0 or positive as a sorts before, with or after b.
template <class T>
int tstrcmp(const T* a, const T* b) {
    using U = std::make_unsigned_t<T>;
    return LStringBasicsDetail::Compare(a, b, [](U c) { return c; });
}

// As tstrcmp, with the ASCII letters compared without regard to case.
template <class T>
int tstricmp(const T* a, const T* b) {
    return LStringBasicsDetail::Compare(a, b,
                                        LStringBasicsDetail::FoldASCII<std::make_unsigned_t<T>>);
}

// Copies source into target's size elements: at most size - 1 characters, always terminated.
template <class T>
void tstrcpy(T* target, size_t size, const T* source) {
    if (size == 0) {
        return;
    }
    const size_t n = std::min(tstrlen(source), size - 1);
    std::copy(source, source + n, target);
    target[n] = 0;
}

// Copies source into a fixed buffer, cut to fit.
template <class T, size_t N>
void tstrcpy(T (&target)[N], const T* source) {
    tstrcpy(target, N, source);
}
