#include "LEncryptArchive.h"

namespace {

constexpr const char* kNotAvailable = "Compression is not available yet.";

}  // namespace

bool LEncryptPrepareArchive(LCryptData& data, LTempFolder& /*archiveFolder*/) {
    data.errorText = kNotAvailable;
    return false;
}

LProcessResult LEncryptPack(LProcessInterface& /*process*/, LCryptData& data) {
    data.errorText = kNotAvailable;
    return LProcessResultFailed;
}
