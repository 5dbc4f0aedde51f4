#include "LDontShowAgainSetting.h"

#include "LMessageBox.h"
#include "LUserSettings.h"

bool LMessageBoxDontShowAgainSetting(LWindow* parent, const std::string& message,
                                     const std::string& caption, const std::string& section,
                                     const std::string& key, const std::string& button) {
    if (LUserSettingGet<bool>(section, key, false)) {
        return false;
    }
    bool tick = false;
    LMessageBoxDontShowAgain(parent, message, caption, "Do not show again.", tick, button);
    LUserSettingSet<bool>(section, key, tick);
    return true;
}
