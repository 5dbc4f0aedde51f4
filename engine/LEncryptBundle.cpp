#include "LEncryptBundle.h"

LProcessResult LEncryptMakeBundle(LProcessInterface& /*process*/, LCryptData& data,
                                  const std::string& /*container*/) {
    data.errorText = "Self-decrypting output is not available yet.";
    return LProcessResultFailed;
}
