#pragma once

#include "LStringLongTemplate.h"
#include "LTextBuffer.h"

#include <cstddef>

// Helpers that cut a word or a line out of a text. Each returns the number of characters it
// scanned, so the caller can step past the whole piece; the buffer forms keep at most 259 of
// them. A null text reads as the empty text.

// Up to the character c or the end.
size_t LParseGetToCharacter(const char* text, char c, char (&buffer)[LTextBufferSize]);
size_t LParseGetToCharacter(const char* text, char c, LStringLongTemplate<char>& string);

// Up to the first character of the set or the end.
size_t LParseGetToCharacters(const char* text, const char* set, char (&buffer)[LTextBufferSize]);

// Up to the first byte at or below 32 (space and control characters).
size_t LParseGetToWhiteSpace(const char* text, char (&buffer)[LTextBufferSize]);

// As LParseGetToWhiteSpace, and the count also covers the bytes below 33 that follow.
size_t LParseGetToWhiteSpaceAndSkipIt(const char* text, char (&buffer)[LTextBufferSize]);

// Up to the first carriage return, line feed or the end; the line break is not counted.
size_t LParseGetToEndOfLine(const char* text, char (&buffer)[LTextBufferSize]);
size_t LParseGetToEndOfLine(const char* text, LStringLongTemplate<char>& string);
