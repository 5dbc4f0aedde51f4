#include "LPackFile.h"

#include "LEncryptPlaceOutput.h"
#include "LFileStatus.h"
#include "LFolderTree.h"
#include "LPath.h"
#include "LStandardFolders.h"
#include "LTempFiles.h"
#include "LTempFolder.h"
#include "LZipCommand.h"

std::string LPackFileTemplateArchive() {
    return LPathAppend(LGetBundleResourcesFolder(), "resources/zip/template.zip");
}

LProcessResult Process(LProcessInterface& /*process*/, const LPackFileData& pack) {
    LTempFolder temp(LFolderCreateTemp());
    std::string archive = LPackFileTemplateArchive();
    if (!temp.IsSet() || !LFileExists(archive)) {
        return LProcessResultFailed;
    }
    // What unzip says does not matter: the bundle it should have made is checked next.
    LZipExtractCommand(archive, "", temp.Path());
    std::string bundle = LPathAppend(temp.Path(), "template.app");
    if (!LFolderExists(bundle) || !LFolderCopyTree(bundle, pack.applicationPath)) {
        return LProcessResultFailed;
    }
    std::string target = LPathAppend(pack.applicationPath, "Contents/Resources/target.zel");
    if (!LFolderExists(LPathGetFolder(target)) ||
        !LEncryptMoveIntoPlace(pack.containerPath, target)) {
        return LProcessResultFailed;
    }
    return LProcessResultSuccess;
}
