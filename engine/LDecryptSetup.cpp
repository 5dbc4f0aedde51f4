#include "LDecryptSetup.h"

#include "LDecryptPasswordDialog.h"
#include "LFileChooser.h"
#include "LPath.h"
#include "LUserSettings.h"

namespace {

constexpr char kSection[] = "Crypto";

std::string ConfiguredDestination(const LCryptData& data) {
    std::string destination;
    switch (LUserSettingGet<int>(kSection, "OutputLocationType", 0)) {
        case 1:
            destination = LPathGetFolder(data.containerPath);
            break;
        case 2:
            LUserSettingGet(kSection, "OutputLocation", "", destination);
            break;
        default:
            break;
    }
    return destination;
}

}  // namespace

bool LDecryptSettleDestination(const LCryptData& data, std::string& destination) {
    if (destination.empty() && !data.selfDecrypt) {
        destination = ConfiguredDestination(data);
    }
    if (!destination.empty()) {
        return true;
    }
    std::string chosen;
    LUserSettingGet(kSection, "LastOutputFolder", "", chosen);
    if (!LFolderChoose(nullptr, chosen, "Please specify folder to decrypt files to.")) {
        return false;
    }
    destination = chosen;
    LUserSettingSet(kSection, "LastOutputFolder", destination);
    return true;
}

bool LDecryptSettlePassword(std::string& password) {
    if (!password.empty()) {
        return true;
    }
    LDecryptPasswordDialog dialog;
    if (!dialog.DoModal(nullptr)) {
        return false;
    }
    password = dialog.Password();
    return true;
}
