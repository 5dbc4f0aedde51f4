#include "LStringFormat.h"

#include <cstdio>
#include <cstring>

namespace {

// "%", up to 257 width and precision characters, the letter and a zero fill 260 bytes.
constexpr size_t kMaxWidthCharacters = 257;

bool IsIntegerConversion(char letter) {
    return letter != 0 && std::strchr("diouxXc", letter) != nullptr;
}

bool IsFloatConversion(char letter) {
    return letter != 0 && std::strchr("fFeEgGaA", letter) != nullptr;
}

// Collects the width and precision after "%" into spec. Only one "." is handed on, so the C
// library always sees a well-formed conversion.
const char* CollectWidth(const char* p, std::string& spec) {
    size_t collected = 0;
    bool seenDot = false;
    bool dropRest = false;
    for (; (*p >= '0' && *p <= '9') || *p == '.'; ++p) {
        if (*p == '.') {
            dropRest = dropRest || seenDot;
            seenDot = true;
        }
        if (!dropRest && collected < kMaxWidthCharacters) {
            spec.push_back(*p);
        }
        ++collected;
    }
    return p;
}

template <class V>
void AppendFromLibrary(std::string& out, const std::string& spec, V value) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int needed = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (needed <= 0) {
        return;
    }
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(needed) + 1);
    std::snprintf(out.data() + start, static_cast<size_t>(needed) + 1, spec.c_str(), value);
    out.resize(start + static_cast<size_t>(needed));
#pragma GCC diagnostic pop
}

void AppendConversion(std::string& out, std::string& spec, char letter, va_list* args) {
    spec.push_back(letter);
    if (letter == '%') {
        out.push_back('%');
    } else if (letter == 's') {
        if (const char* text = va_arg(*args, const char*)) {
            out.append(text);
        }
    } else if (IsFloatConversion(letter)) {
        AppendFromLibrary(out, spec, va_arg(*args, double));
    } else if (letter == 'p') {
        AppendFromLibrary(out, spec, va_arg(*args, void*));
    } else if (letter == 'n') {
        // Writing through a caller's pointer is never wanted from a formatter.
        va_arg(*args, void*);
    } else if (IsIntegerConversion(letter)) {
        AppendFromLibrary(out, spec, va_arg(*args, int));
    } else {
        va_arg(*args, int);
    }
}

}  // namespace

void LFormatAppend(std::string& out, const char* format, va_list args) {
    if (format == nullptr) {
        return;
    }
    va_list list;
    va_copy(list, args);
    const char* p = format;
    while (*p != 0) {
        if (*p != '%') {
            const char* start = p;
            while (*p != 0 && *p != '%') {
                ++p;
            }
            out.append(start, p);
            continue;
        }
        std::string spec = "%";
        p = CollectWidth(p + 1, spec);
        if (*p == 0) {
            break;
        }
        AppendConversion(out, spec, *p, &list);
        ++p;
    }
    va_end(list);
}
