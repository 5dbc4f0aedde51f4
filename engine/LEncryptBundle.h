#pragma once

#include "LCryptData.h"
#include "LProcessInterface.h"

#include <string>

// Makes the self-decrypting bundle data.containerPath around the finished
// container at container. When that fails, data.errorText says so and what the
// attempt made is removed; anything that was at the path before is left alone.
LProcessResult LEncryptMakeBundle(LProcessInterface& process, LCryptData& data,
                                  const std::string& container);
