#include "LDecryptProcess.h"

#include "LContainerReader.h"
#include "LDecryptDestination.h"
#include "LDecryptEntries.h"
#include "LDecryptSetup.h"

namespace {

// Opens the container and checks its header and the password.
LProcessResult OpenContainer(LProcessInterface& process, LCryptData& data, LContainerReader& reader,
                             const std::string& password) {
    switch (reader.Open(data.containerPath, password.c_str())) {
        case LContainerReadOK:
            return LProcessResultSuccess;
        case LContainerReadWrongPassword:
        case LContainerReadDamaged:
            return LDecryptFail(process, data, reader.ErrorText());
        default:
            return LProcessResultFailed;
    }
}

}  // namespace

LProcessResult Process(LProcessInterface& process, LDecryptProcess& params) {
    LCryptData* data = params.data;
    if (data == nullptr || data->containerPath.empty()) {
        return LProcessResultFailed;
    }
    process.SetStatus("Decrypting...", 0);
    process.SetStatus("Preparing to decrypt", 1);
    process.SetProgress(0);
    std::string destinationPath = data->destination;
    std::string password = data->password;
    if (!LDecryptSettleDestination(*data, destinationPath) || !LDecryptSettlePassword(password)) {
        return LProcessResultStopped;
    }
    LContainerReader reader;
    LProcessResult opened = OpenContainer(process, *data, reader, password);
    if (opened != LProcessResultSuccess) {
        return opened;
    }
    LDecryptDestination destination;
    if (!destination.Open(destinationPath)) {
        return LDecryptFail(
            process, *data,
            "Could not open the folder \"" + destinationPath + "\" to decrypt files to.");
    }
    return LDecryptEntries(process, reader, destination, destinationPath, *data).Run();
}
