#include "LStringReplace.h"

#include <cstring>
#include <string_view>

void LReplaceText(LStringLongTemplate<char>& string, const char* pattern, const char* replacement) {
    if (pattern == nullptr || *pattern == 0) {
        return;
    }
    const std::string_view wanted(pattern);
    const std::string_view with(replacement != nullptr ? replacement : "");
    for (size_t at = string.find(wanted); at != std::string::npos;
         at = string.find(wanted, at + with.size())) {
        string.replace(at, wanted.size(), with);
    }
}

void LStringReplaceChar(char* text, char c, char replacement) {
    if (text == nullptr || c == 0) {
        return;
    }
    for (char* p = std::strchr(text, c); p != nullptr; p = std::strchr(p + 1, c)) {
        *p = replacement;
        if (replacement == 0) {
            return;
        }
    }
}

void LStringRemoveChar(char* text, char c) {
    if (text == nullptr || c == 0) {
        return;
    }
    char* out = text;
    for (const char* in = text; *in != 0; ++in) {
        if (*in != c) {
            *out++ = *in;
        }
    }
    *out = 0;
}
