#include "LStringTrim.h"

#include <cstring>

namespace {

bool IsSpace(char c) {
    return c == ' ';
}

bool IsFormatting(char c) {
    return c != 0 && static_cast<unsigned char>(c) < 32;
}

template <class Predicate>
void RemoveLeading(char* text, Predicate drop) {
    if (text == nullptr) {
        return;
    }
    size_t n = 0;
    while (drop(text[n])) {
        ++n;
    }
    if (n > 0) {
        std::memmove(text, text + n, std::strlen(text + n) + 1);
    }
}

template <class Predicate>
void RemoveTrailing(char* text, Predicate drop) {
    if (text == nullptr) {
        return;
    }
    size_t length = std::strlen(text);
    while (length > 0 && drop(text[length - 1])) {
        --length;
    }
    text[length] = 0;
}

}  // namespace

void LStringTrim(char* text) {
    RemoveLeading(text, IsSpace);
    RemoveTrailing(text, IsSpace);
}

void LStringTrimFormatting(char* text) {
    LStringRemoveLeadingFormatting(text);
    LStringRemoveTrailingFormatting(text);
}

void LStringRemoveLeadingFormatting(char* text) {
    RemoveLeading(text, IsFormatting);
}

void LStringRemoveTrailingFormatting(char* text) {
    RemoveTrailing(text, IsFormatting);
}
