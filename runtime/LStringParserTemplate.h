#pragma once

#include <cstddef>
#include <string_view>

// A cursor that walks forward through a zero-terminated text. A null text reads as empty.
template <class T>
class LStringParserTemplate {
public:
    explicit LStringParserTemplate(const T* text) : rest(text != nullptr ? text : Empty()) {}

    // Moves just past the next occurrence of pattern and returns true; without one, moves to
    // the end and returns false. An empty pattern is found where the cursor stands.
    bool SkipToStringAndSkip(const T* pattern) {
        const std::basic_string_view<T> wanted(pattern != nullptr ? pattern : Empty());
        const size_t at = rest.find(wanted);
        if (at == std::basic_string_view<T>::npos) {
            rest.remove_prefix(rest.size());
            return false;
        }
        rest.remove_prefix(at + wanted.size());
        return true;
    }

    // Moves to the next character of the set, or to the end.
    void SkipToCharacter(const T* set) {
        const size_t at = rest.find_first_of(set != nullptr ? set : Empty());
        rest.remove_prefix(at == std::basic_string_view<T>::npos ? rest.size() : at);
    }

    // The text from the cursor on, zero-terminated.
    const T* GetPosition() const { return rest.data(); }
    bool IsAtEnd() const { return rest.empty(); }

private:
    static const T* Empty() {
        static const T empty[1] = {};
        return empty;
    }

    std::basic_string_view<T> rest;
};
