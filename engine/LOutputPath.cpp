#include "LOutputPath.h"

#include "LCollectFiles.h"
#include "LFileChooser.h"
#include "LPath.h"
#include "LUserSettings.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr const char* kSection = "Crypto";

std::string Setting(const char* key) {
    std::string value;
    LUserSettingGet(kSection, key, "", value);
    return value;
}

// The save chooser, proposing the current name (or "Untitled") as a ".cry" file
// in folder.
bool AskForPath(std::string& containerPath, const std::string& folder) {
    const std::string name = LPathGetFileName(containerPath);
    std::string path = name.empty() ? folder : LPathAppend(folder, name);
    std::string chosenFolder;
    int filterIndex = 0;
    if (!LFileChooseSave(nullptr, path, "Please specify where to save encrypted file", chosenFolder,
                         {kLFilterZel}, "cry", filterIndex)) {
        return false;
    }
    containerPath = path;
    LUserSettingSet(kSection, "LastFolder", chosenFolder);
    return true;
}

}  // namespace

LProcessResult LOutputPathSettle(LCryptData& data, int locationType) {
    std::string folder = Setting(locationType == 2 ? "OutputLocation" : "LastFolder");
    const bool bare = LPathGetFolder(data.containerPath).empty();
    if (data.containerPath.empty() || (bare && (locationType == 0 || locationType == 1))) {
        if (!AskForPath(data.containerPath, folder)) {
            return LProcessResultStopped;
        }
    } else if (bare && locationType == 2) {
        data.containerPath = LPathAppend(folder, data.containerPath);
    }
    data.containerPath = LCollectNormalPath(data.containerPath);
    return LProcessResultSuccess;
}

LOutputKind LOutputPathKind(std::string& containerPath) {
    std::string extension = LPathGetExtension(containerPath);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".app") {
        return LOutputKind::SelfDecrypting;
    }
    containerPath = LPathReplaceExtension(containerPath, ".zel");
    return LOutputKind::Container;
}
