#include "LTextParse.h"

#include <algorithm>
#include <cstring>

namespace {

const char* OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

bool IsWhiteSpace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool IsEndOfLine(char c) {
    return c == 0 || c == '\r' || c == '\n';
}

size_t KeepInBuffer(const char* text, size_t scanned, char (&buffer)[LTextBufferSize]) {
    const size_t kept = std::min(scanned, LTextBufferMaxLength);
    std::memcpy(buffer, text, kept);
    buffer[kept] = 0;
    return scanned;
}

size_t ScanToCharacter(const char* text, char c) {
    const char* found = std::strchr(text, c);
    return found != nullptr ? static_cast<size_t>(found - text) : std::strlen(text);
}

size_t ScanToWhiteSpace(const char* text) {
    size_t n = 0;
    while (!IsWhiteSpace(text[n])) {
        ++n;
    }
    return n;
}

size_t ScanToEndOfLine(const char* text) {
    size_t n = 0;
    while (!IsEndOfLine(text[n])) {
        ++n;
    }
    return n;
}

}  // namespace

size_t LParseGetToCharacter(const char* text, char c, char (&buffer)[LTextBufferSize]) {
    text = OrEmpty(text);
    return KeepInBuffer(text, ScanToCharacter(text, c), buffer);
}

size_t LParseGetToCharacter(const char* text, char c, LStringLongTemplate<char>& string) {
    text = OrEmpty(text);
    const size_t scanned = ScanToCharacter(text, c);
    string.assign(text, scanned);
    return scanned;
}

size_t LParseGetToCharacters(const char* text, const char* set, char (&buffer)[LTextBufferSize]) {
    text = OrEmpty(text);
    return KeepInBuffer(text, std::strcspn(text, OrEmpty(set)), buffer);
}

size_t LParseGetToWhiteSpace(const char* text, char (&buffer)[LTextBufferSize]) {
    text = OrEmpty(text);
    return KeepInBuffer(text, ScanToWhiteSpace(text), buffer);
}

size_t LParseGetToWhiteSpaceAndSkipIt(const char* text, char (&buffer)[LTextBufferSize]) {
    text = OrEmpty(text);
    size_t n = KeepInBuffer(text, ScanToWhiteSpace(text), buffer);
    while (text[n] != 0 && IsWhiteSpace(text[n])) {
        ++n;
    }
    return n;
}

size_t LParseGetToEndOfLine(const char* text, char (&buffer)[LTextBufferSize]) {
    text = OrEmpty(text);
    return KeepInBuffer(text, ScanToEndOfLine(text), buffer);
}

size_t LParseGetToEndOfLine(const char* text, LStringLongTemplate<char>& string) {
    text = OrEmpty(text);
    const size_t scanned = ScanToEndOfLine(text);
    string.assign(text, scanned);
    return scanned;
}
