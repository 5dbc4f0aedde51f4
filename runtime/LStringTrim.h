#pragma once

// In-place trimming of zero-terminated texts; a null text is left alone.

// Removes leading and trailing spaces (byte 32 only; tabs and line breaks stay).
void LStringTrim(char* text);

// Removes leading and trailing bytes below 32 (tabs, line breaks, other control bytes); spaces
// stay.
void LStringTrimFormatting(char* text);
void LStringRemoveLeadingFormatting(char* text);
void LStringRemoveTrailingFormatting(char* text);
