#include "LEncryptProcess.h"

#include "LCollectFiles.h"
#include "LEncryptArchive.h"
#include "LEncryptBundle.h"
#include "LEncryptFreeSpace.h"
#include "LEncryptPlaceOutput.h"
#include "LEncryptTempContainer.h"
#include "LEncryptWriteContainer.h"
#include "LOutputPath.h"
#include "LTempFiles.h"
#include "LTempFolder.h"
#include "LUserSettings.h"

namespace {

LProcessResult Fail(LCryptData& data, const std::string& text) {
    data.errorText = text;
    return LProcessResultFailed;
}

// Every check between the settled path and the temporary folder, in the order
// the user meets them.
LProcessResult CheckBeforeWriting(LCryptData& data) {
    if (!LEncryptTargetHasSpace(data.containerPath, data.totalBytes)) {
        return Fail(data, "Not enough free space on target drive to create encrypted file");
    }
    if (data.password.empty()) {
        return Fail(data, "There is no password.");
    }
    return LProcessResultSuccess;
}

// Writes the container into temp and puts the output in place.
LProcessResult WriteAndPlace(LProcessInterface& process, LCryptData& data, const std::string& temp,
                             LOutputKind kind) {
    if (!LEncryptTempHasSpace(temp, data.totalBytes)) {
        return Fail(data, "Not enough free space on drive to create temp file");
    }
    LEncryptTempContainer container;
    if (!container.Open(temp)) {
        return Fail(data, "Could not write encrypted file.");
    }
    LWriteFileRef output = container.Output();
    LProcessResult result = LEncryptWriteContainer(process, data, output);
    if (result != LProcessResultSuccess) {
        return result;
    }
    if (!container.Finish()) {
        return Fail(data, "Could not write encrypted file.");
    }
    if (kind == LOutputKind::SelfDecrypting) {
        return LEncryptMakeBundle(process, data, container.Path());
    }
    if (!LEncryptMoveIntoPlace(container.Path(), data.containerPath)) {
        return Fail(data, "Could not move file to \"" + data.containerPath + "\".");
    }
    return LProcessResultSuccess;
}

// From the collected files to the output in place. The archive folder, when
// there is one, belongs to the caller, which removes it however this ends.
LProcessResult Encrypt(LProcessInterface& process, LCryptData& data, int locationType) {
    if (!LCollectFiles(process, data)) {
        return LProcessResultStopped;
    }
    LProcessResult result = LOutputPathSettle(data, locationType);
    if (result != LProcessResultSuccess) {
        return result;
    }
    if (data.compress) {
        process.SetStatus("Compressing...", 1);
        if ((result = LEncryptPack(process, data)) != LProcessResultSuccess) {
            return result;
        }
    }
    process.SetStatus("Encrypting...", 0);
    // The kind settles the final name first, so that the file it would replace is
    // the one whose size counts as free space.
    LOutputKind kind = LOutputPathKind(data.containerPath);
    if ((result = CheckBeforeWriting(data)) != LProcessResultSuccess) {
        return result;
    }
    LTempFolder temp(LFolderCreateTempBeside(data.containerPath));
    if (!temp.IsSet()) {
        return Fail(data, "Could not write encrypted file.");
    }
    return WriteAndPlace(process, data, temp.Path(), kind);
}

}  // namespace

LProcessResult Process(LProcessInterface& process, LEncryptProcess& run) {
    if (run.data == nullptr) {
        return LProcessResultFailed;
    }
    LCryptData& data = *run.data;
    data.leftOut.clear();
    int locationType = LUserSettingGet<int>("Crypto", "OutputLocationType", 0);
    process.SetStatus("Encrypting...", 0);
    process.SetStatus("Preparing to encrypt", 1);
    process.SetProgress(0);
    LTempFolder archiveFolder;
    if (data.compress && !LEncryptPrepareArchive(data, archiveFolder)) {
        return LProcessResultFailed;
    }
    LProcessResult result = Encrypt(process, data, locationType);
    if (result == LProcessResultSuccess) {
        process.SetProgress(1);
    }
    return result;
}
