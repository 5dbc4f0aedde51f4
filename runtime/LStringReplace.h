#pragma once

#include "LStringLongTemplate.h"

// Replaces every occurrence of pattern, searching on after each inserted replacement, so
// replacements are never searched again and matches do not overlap. An empty or null pattern
// changes nothing; a null replacement removes the matches.
void LReplaceText(LStringLongTemplate<char>& string, const char* pattern, const char* replacement);

// Replaces every byte c of a zero-terminated text in place; a null text is left alone.
void LStringReplaceChar(char* text, char c, char replacement);

// Removes every byte c of a zero-terminated text in place; a null text is left alone.
void LStringRemoveChar(char* text, char c);
