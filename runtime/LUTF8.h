#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversions between UTF-8 bytes and code points.

// The text becomes the UTF-8 form of the code points (one to four bytes each). A value that
// is no character (above U+10FFFF, or a UTF-16 surrogate) is written as U+FFFD; the result is
// false when that happened.
bool LUTF8Encode(std::u32string_view codePoints, std::string& text);

struct LUTF8DecodeResult {
    bool valid;        // the whole text was well-formed UTF-8
    size_t bytesRead;  // bytes decoded: the whole text, or up to the first invalid sequence
};

// The code points become those of the text, up to its first invalid sequence (a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate, a value above
// U+10FFFF).
LUTF8DecodeResult LUTF8Decode(std::string_view text, std::u32string& codePoints);

// Copies the zero-terminated text into buffer of size bytes as whole UTF-8 sequences (sized by
// their lead byte) while they fit with the terminating zero, so a cut never splits a
// character. Returns the number of bytes copied; buffer is terminated whenever size > 0. A
// null text copies nothing.
size_t LUTF8CopyBounded(char* buffer, size_t size, const char* text);
