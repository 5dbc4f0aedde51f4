#include "LCommandDecrypt.h"

#include "LCommandPassword.h"
#include "LDecryptProcess.h"
#include "LPath.h"
#include "LUserSettings.h"

#include <cstdio>

namespace {

// Types 0 and 1 both put the files beside the container, since nobody is asked here; any
// other value leaves the destination to the run.
std::string DestinationBySetting(const std::string& containerPath) {
    const int type = LUserSettingGet<int>("Crypto", "OutputLocationType", 0);
    if (type == 0 || type == 1) {
        return LPathGetFolder(containerPath);
    }
    std::string location;
    if (type == 2) {
        LUserSettingGet("Crypto", "OutputLocation", "", location);
    }
    return location;
}

}  // namespace

LCommandOutcome LCommandDecryptQuiet(LCommandRequest& request, LProcessInterface& process,
                                     bool canAsk) {
    LCommandOutcome outcome;
    LCryptData& data = request.data;
    if (!LCommandSettlePassword(data.password, false, canAsk)) {
        outcome.cancelled = true;
        return outcome;
    }
    data.destination = request.destination.empty() ? DestinationBySetting(data.containerPath)
                                                   : request.destination;
    LDecryptProcess run{&data};
    switch (Process(process, run)) {
        case LProcessResultSuccess:
            outcome.text = "Decryption finished successfully.";
            outcome.leftOut = data.leftOut;
            break;
        case LProcessResultStopped:
            outcome.text = "Decryption is stopped by user.";
            break;
        default:
            outcome.text = "Decryption aborted due to errors.";
            // The result text is fixed; the reason goes beside it.
            if (!data.errorText.empty()) {
                std::fprintf(stderr, "%s\n", data.errorText.c_str());
            }
            break;
    }
    return outcome;
}
