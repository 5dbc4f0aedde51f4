#include "LCommandEncrypt.h"

#include "LCommandPassword.h"
#include "LCommandPaths.h"
#include "LEncryptProcess.h"
#include "LFileChooser.h"
#include "LPath.h"
#include "LProcessRunAsDialog.h"
#include "LUserSettings.h"

namespace {

// The container path by the output-location setting; false when the save chooser was
// cancelled.
bool ContainerPathBySetting(const LCommandRequest& request, const std::string& extension,
                            std::string& path) {
    const int type = LUserSettingGet<int>("Crypto", "OutputLocationType", 0);
    if (type == 0) {
        std::string folder;
        LUserSettingGet("Crypto", "LastFolder", "", folder);
        path = folder;
        int filterIndex = 1;
        if (!LFileChooseSave(nullptr, path, "Please specify where to save encrypted file", folder,
                             {kLFilterZel}, "zel", filterIndex)) {
            return false;
        }
        LUserSettingSet("Crypto", "LastFolder", folder);
        return true;
    }
    const std::string& first = request.items.front();
    if (type == 1) {
        path = LPathReplaceExtension(first, extension);
        return true;
    }
    std::string location;
    LUserSettingGet("Crypto", "OutputLocation", "", location);
    path = LPathAppend(location, LPathReplaceExtension(LPathGetFileName(first), extension));
    return true;
}

std::string ResultText(LProcessResult result, const LCryptData& data) {
    switch (result) {
        case LProcessResultSuccess:
            return "Encryption finished successfully.";
        case LProcessResultStopped:
            return "Encryption is stopped by user.";
        default:
            return "Encryption aborted due to errors. " + data.errorText;
    }
}

}  // namespace

LCommandOutcome LCommandEncrypt(LCommandRequest& request, bool canAsk) {
    LCommandOutcome outcome;
    std::string sameName;
    if (!LCommandTidyItems(request.items, sameName)) {
        outcome.text = "Error. Two items have the same name:" + sameName + ".";
        return outcome;
    }
    // Without an item there is nothing to encrypt and nothing to name the container after.
    if (request.items.empty()) {
        outcome.text = "Error. Please specify files to encrypt.";
        return outcome;
    }
    LCryptData& data = request.data;
    const std::string extension = data.selfDecrypt ? ".app" : ".zel";
    std::string path;
    if (!request.destination.empty()) {
        path = LPathReplaceExtension(request.destination, extension);
    } else if (!ContainerPathBySetting(request, extension, path)) {
        outcome.cancelled = true;
        return outcome;
    }
    data.items = request.items;
    data.containerPath = path;
    if (!LCommandSettlePassword(data.password, true, canAsk)) {
        outcome.cancelled = true;
        return outcome;
    }
    LEncryptProcess run{&data};
    const LProcessResult result = ProcessRunAsDialog(nullptr, "Encrypting files", run);
    outcome.text = ResultText(result, data);
    if (result == LProcessResultSuccess) {
        outcome.leftOut = data.leftOut;
    }
    return outcome;
}
