#pragma once

#include <concepts>
#include <string>
#include <string_view>

// Settings shared by every copy of the program: the file SharedSettings.xml in the shared
// folder, one top-level element per section, one element per key inside it, the value in its
// attribute "value". Read under a shared lock; rewritten under an exclusive lock taken without
// waiting, and a write that cannot have that lock is dropped.

// The path of SharedSettings.xml; the shared folder is created if missing.
std::string GetSharedFileWithinSharedFolder();

// value := the stored text cut to 259 bytes, or the default (null reads as "") when the file,
// section, key or attribute is missing.
void LSharedSettingGet(std::string_view section, std::string_view key, const char* defaultText,
                       std::string& value);
// The integer form reads as the user store's does.
template <std::same_as<int> T>
T LSharedSettingGet(std::string_view section, std::string_view key, T defaultValue);

void LSharedSettingSet(std::string_view section, std::string_view key, std::string_view text);
template <std::same_as<int> T>
void LSharedSettingSet(std::string_view section, std::string_view key, T value);
