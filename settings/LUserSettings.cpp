#include "LUserSettings.h"

#include "LSettingValue.h"
#include "LUserSettingsFile.h"

namespace {

constexpr std::size_t kKeyLimit = 519;

// The stored text, or "" when the key has none.
std::string StoredText(std::string_view section, std::string_view key) {
    std::string text;
    LUserSettingsRead(LUserSettingKey(section, key), text);
    return text;
}

}  // namespace

std::string LUserSettingKey(std::string_view section, std::string_view key) {
    std::string composed(section);
    if (composed.empty() || composed.back() != '/') {
        composed += '/';
    }
    composed += key;
    return composed.substr(0, kKeyLimit);
}

bool LUserSettingGet(std::string_view section, std::string_view key, const char* defaultText,
                     std::string& value) {
    value = LSettingCutBytes(defaultText ? defaultText : "");
    std::string stored;
    if (!LUserSettingsRead(LUserSettingKey(section, key), stored)) {
        return false;
    }
    value = LSettingCutUTF8(stored);
    return true;
}

template <>
bool LUserSettingGet<bool>(std::string_view section, std::string_view key, bool defaultValue) {
    return LSettingTextToBool(LSettingCutUTF8(StoredText(section, key)), defaultValue);
}

template <>
int LUserSettingGet<int>(std::string_view section, std::string_view key, int defaultValue) {
    return LSettingTextToInt(LSettingCutUTF8(StoredText(section, key)), defaultValue);
}

int LUserSettingGetInt(std::string_view section, std::string_view key, int defaultValue,
                       int minimum, int maximum) {
    return LSettingClamp(LUserSettingGet<int>(section, key, defaultValue), minimum, maximum);
}

void LUserSettingSet(std::string_view section, std::string_view key, const std::string& text) {
    // Like the platform's preferences service, a write that fails is not reported.
    LUserSettingsWrite(LUserSettingKey(section, key), text);
}

void LUserSettingSet(std::string_view section, std::string_view key, const char* text) {
    LUserSettingSet(section, key, std::string(text ? text : ""));
}

template <>
void LUserSettingSet<bool>(std::string_view section, std::string_view key, bool value) {
    LUserSettingSet(section, key, value ? "1" : "0");
}

template <>
void LUserSettingSet<int>(std::string_view section, std::string_view key, int value) {
    LUserSettingSet(section, key, std::to_string(value));
}
