#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading rules shared by the user store and the shared store. Every value is text.

// Values handed to callers hold at most this many bytes (a 260-byte buffer with its zero).
constexpr std::size_t kSettingValueLimit = 259;

// Empty text gives the default; otherwise true unless the text begins with '0'.
bool LSettingTextToBool(std::string_view text, bool defaultValue);

// Empty text gives the default; otherwise the leading decimal number (0 when there is none),
// held within the range of int.
int LSettingTextToInt(const std::string& text, int defaultValue);

// A value not above the minimum gives the minimum; one not below the maximum the maximum.
int LSettingClamp(int value, int minimum, int maximum);

// The first 259 bytes.
std::string LSettingCutBytes(std::string_view text);

// At most 259 bytes, cut before the first UTF-8 sequence that would not fit whole.
std::string LSettingCutUTF8(const std::string& text);
