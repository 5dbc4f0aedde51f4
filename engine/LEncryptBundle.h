#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"

#include <string>

// Makes the self-decrypting bundle data.containerPath around the finished
// container at container. Bundles are not built yet: it answers so in
// data.errorText and fails.
LProcessResult LEncryptMakeBundle(LProcessInterface& process, LCryptData& data,
                                  const std::string& container);
