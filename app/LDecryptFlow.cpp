#include "LDecryptFlow.h"

#include "LCommandPassword.h"
#include "LContainerProbe.h"
#include "LDecryptProcess.h"
#include "LExtractCompressed.h"
#include "LFileChooser.h"
#include "LMessageBox.h"
#include "LPath.h"
#include "LProcessRunAsDialog.h"
#include "LUserSettings.h"

#include <sys/stat.h>

namespace {

LCommandOutcome Cancelled() {
    LCommandOutcome outcome;
    outcome.cancelled = true;
    return outcome;
}

LCommandOutcome Failed(LWindow* parent, const std::string& message) {
    LMessageBoxError(parent, message);
    return {message, false, {}};
}

bool ChooseContainer(LWindow* parent, std::string& path) {
    std::string folder;
    LUserSettingGet("Settings", "LastInputFolder", "", folder);
    return LFileChooseOpen(parent, path, "Select file to decrypt", folder, {kLFilterZel}, "zel");
}

// False when the user cancelled the folder chooser.
bool SettleDestination(LWindow* parent, const std::string& containerPath,
                       std::string& destination) {
    const int type = LUserSettingGet<int>("Crypto", "OutputLocationType", 0);
    if (type == 1) {
        destination = LPathGetFolder(containerPath);
    } else if (type == 2) {
        LUserSettingGet("Crypto", "OutputLocation", "", destination);
    } else if (type == 0) {
        LUserSettingGet("Crypto", "LastOutputFolder", "", destination);
        if (!LFolderChoose(parent, destination, "Please specify folder to decrypt files to.")) {
            return false;
        }
        LUserSettingSet("Crypto", "LastOutputFolder", destination);
    }
    return true;
}

bool HoldsArchive(const std::string& destination) {
    struct stat status {};
    const std::string archive = LPathAppend(destination, "crypted.zip");
    return !destination.empty() && lstat(archive.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// After a finished run: the offer to extract "crypted.zip"; false when its extraction was
// cancelled.
bool OfferExtraction(LWindow* parent, const std::string& destination,
                     std::vector<std::string>& leftOut) {
    if (!HoldsArchive(destination)) {
        return true;
    }
    if (!LMessageBoxTwoButtons(parent,
                               "Some of the files were compressed before encryption.  would you "
                               "like to extract them now?",
                               kLMessageBoxCaption, "Decompress", "Leave Compressed")) {
        return true;
    }
    return LExtractCompressed(parent, LPathAppend(destination, "crypted.zip"), destination,
                              leftOut);
}

}  // namespace

LCommandOutcome LDecryptFlow(LWindow* parent, std::string path, bool canAsk) {
    if (path.empty() && !ChooseContainer(parent, path)) {
        return Cancelled();
    }
    if (!LContainerTestExtension(path)) {
        return Failed(parent, "Not a valid ZEL or CRY file");
    }
    LCryptData data;
    data.containerPath = path;
    LUserSettingSet("Settings", "LastInputFolder", LPathGetFolder(path));
    if (!LCommandSettlePassword(data.password, false, canAsk)) {
        return Cancelled();
    }
    if (!LContainerTestPassword(path, data.password.c_str())) {
        return Failed(parent, "Invalid Password");
    }
    if (!SettleDestination(parent, path, data.destination)) {
        return Cancelled();
    }
    LDecryptProcess run{&data};
    const LProcessResult result = ProcessRunAsDialog(parent, "Decrypting files", run);
    if (result == LProcessResultStopped) {
        return Cancelled();
    }
    if (result != LProcessResultSuccess) {
        return Failed(parent, "Decryption aborted due to errors");
    }
    LCommandOutcome outcome;
    outcome.leftOut = data.leftOut;
    if (!OfferExtraction(parent, data.destination, outcome.leftOut)) {
        outcome.cancelled = true;
        return outcome;
    }
    outcome.text = "All files decrypted successfully.";
    LMessageBoxInfo(parent, outcome.text, "Decryption Successful");
    return outcome;
}
