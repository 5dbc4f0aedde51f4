#include "LUTF8.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t value) {
    return value >= 0xD800 && value <= 0xDFFF;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendEncoded(char32_t value, std::string& text) {
    if (value < 0x80) {
        text.push_back(static_cast<char>(value));
        return;
    }
    const int extra = value < 0x800 ? 1 : (value < 0x10000 ? 2 : 3);
    static constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    text.push_back(static_cast<char>(kLeadMarks[extra] | (value >> (6 * extra))));
    for (int i = extra - 1; i >= 0; --i) {
        text.push_back(static_cast<char>(0x80 | ((value >> (6 * i)) & 0x3F)));
    }
}

// The length of the well-formed sequence that starts at text[0], with its value; 0 when the
// bytes there are not one.
size_t DecodeOne(std::string_view text, char32_t& value) {
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        value = lead;
        return 1;
    } else if (lead >= 0xC0 && lead < 0xE0) {
        length = 2, smallest = 0x80, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3, smallest = 0x800, value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4, smallest = 0x10000, value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuation(byte)) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    const bool wellFormed = value >= smallest && value <= kLastCodePoint && !IsSurrogate(value);
    return wellFormed ? length : 0;
}

// The length its lead byte gives a sequence, as the bounded copy counts it.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC0) {
        return 1;
    }
    if (lead < 0xE0) {
        return 2;
    }
    if (lead < 0xF0) {
        return 3;
    }
    if (lead < 0xF8) {
        return 4;
    }
    return lead < 0xFC ? 5 : 6;
}

}  // namespace

bool LUTF8Encode(std::u32string_view codePoints, std::string& text) {
    text.clear();
    bool allCharacters = true;
    for (char32_t value : codePoints) {
        if (value > kLastCodePoint || IsSurrogate(value)) {
            value = kReplacement;
            allCharacters = false;
        }
        AppendEncoded(value, text);
    }
    return allCharacters;
}

LUTF8DecodeResult LUTF8Decode(std::string_view text, std::u32string& codePoints) {
    codePoints.clear();
    size_t at = 0;
    while (at < text.size()) {
        char32_t value = 0;
        const size_t length = DecodeOne(text.substr(at), value);
        if (length == 0) {
            return {false, at};
        }
        codePoints.push_back(value);
        at += length;
    }
    return {true, at};
}

size_t LUTF8CopyBounded(char* buffer, size_t size, const char* text) {
    if (size == 0) {
        return 0;
    }
    size_t copied = 0;
    // Bytes past size could never be copied, so the text is measured no further.
    const size_t length = text != nullptr ? strnlen(text, size) : 0;
    while (copied < length) {
        // A sequence cut short by the end of the text ends there: nothing past it is read.
        size_t next = SequenceLength(static_cast<unsigned char>(text[copied]));
        next = std::min(next, length - copied);
        if (copied + next + 1 > size) {
            break;
        }
        copied += next;
    }
    if (copied > 0) {
        std::memcpy(buffer, text, copied);
    }
    buffer[copied] = 0;
    return copied;
}
