#pragma once

#include <concepts>
#include <string>
#include <string_view>

// The user's preferences: text values addressed by section and key, read from and written
// through to the per-user preferences file on every call (nothing is cached). Values handed
// back hold at most 259 bytes, cut before a UTF-8 character that would not fit whole.

template <typename T>
concept LUserSettingType = std::same_as<T, bool> || std::same_as<T, int>;

// value := the stored text, or the default (cut to 259 bytes; null reads as "") when the key
// has none. True when a value was found.
bool LUserSettingGet(std::string_view section, std::string_view key, const char* defaultText,
                     std::string& value);

// bool: the default for empty or missing text, else true unless the text begins with '0'.
// int: the default for empty or missing text, else its leading decimal number (0 if none).
template <LUserSettingType T>
T LUserSettingGet(std::string_view section, std::string_view key, T defaultValue);

// The integer value brought into [minimum, maximum].
int LUserSettingGetInt(std::string_view section, std::string_view key, int defaultValue,
                       int minimum, int maximum);

// Stores the text (null stores "") and writes it through before returning.
void LUserSettingSet(std::string_view section, std::string_view key, const char* text);
void LUserSettingSet(std::string_view section, std::string_view key, const std::string& text);

// bool is stored as "1" or "0", int as decimal text.
template <LUserSettingType T>
void LUserSettingSet(std::string_view section, std::string_view key, T value);

// Stores the text (cut to 259 bytes) in its enciphered form (LEncipherSMTPPassword) under the
// key "__<key>".
void LUserSettingSetEncrypted(std::string_view section, std::string_view key,
                              const std::string& text);

// value := the deciphered text under "__<key>", else under "_<key>"; when neither holds text,
// the plain key's value (or defaultText) unaltered.
void LUserSettingGetEncrypted(std::string_view section, std::string_view key, std::string& value,
                              const char* defaultText = "");

// The preferences key of a section and key: "section/key", with no second slash when the
// section already ends with one, cut to 519 bytes.
std::string LUserSettingKey(std::string_view section, std::string_view key);
