#pragma once

#include "LSizedArray.h"
#include "LStringLongTemplate.h"

#include <cstddef>

// The standard Base64 alphabet.
inline constexpr char s_chBase64EncodingTable[65] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Flags of LBase64Encode.
enum : unsigned {
    LBase64FlagNoPadding = 1,     // no "=" after a last group of one or two bytes
    LBase64FlagNoLineBreaks = 2,  // one line, however long
};

// The text becomes the Base64 form of the data. Without LBase64FlagNoLineBreaks, every 19th
// group of three bytes (a line of 76 characters) is followed by CR LF; so 57 bytes end with
// CR LF, and the characters of a last partial group follow that line break. Null data gives the
// empty text.
template <class T>
void LBase64Encode(const void* data, size_t length, LStringLongTemplate<T>& text,
                   unsigned flags = 0);
template <>
void LBase64Encode<char>(const void* data, size_t length, LStringLongTemplate<char>& text,
                         unsigned flags);

// The bytes become the decoded text. Characters outside the alphabet ("=", spaces, line
// breaks, ...) are skipped; a last group of two or three characters gives one or two bytes,
// a lone last character nothing. A zero byte between groups ends the text.
template <class T>
void LBase64Decode(const LStringLongTemplate<T>& text, LSizedArray<unsigned char>& bytes);
template <>
void LBase64Decode<char>(const LStringLongTemplate<char>& text, LSizedArray<unsigned char>& bytes);
