#include <string>

#include "LSMTPPassword.h"
#include "LSettingValue.h"
#include "LUserSettings.h"
#include "LUserSettingsFile.h"

namespace {

// The enciphered text is read whole: for long passwords it is longer than 259 characters.
std::string WholeText(std::string_view section, const std::string& key) {
    std::string text;
    LUserSettingsRead(LUserSettingKey(section, key), text);
    return text;
}

}  // namespace

void LUserSettingSetEncrypted(std::string_view section, std::string_view key,
                              const std::string& text) {
    std::string stored = LSettingCutBytes(text);
    LEncipherSMTPPassword(stored);
    LUserSettingsWrite(LUserSettingKey(section, "__" + std::string(key)), stored);
}

void LUserSettingGetEncrypted(std::string_view section, std::string_view key, std::string& value,
                              const char* defaultText) {
    std::string stored = WholeText(section, "__" + std::string(key));
    if (stored.empty()) {
        stored = WholeText(section, "_" + std::string(key));
    }
    if (stored.empty()) {
        LUserSettingGet(section, key, defaultText, value);
        return;
    }
    LDecipherSMTPPassword(stored);
    value = stored;
}
