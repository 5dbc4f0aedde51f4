#pragma once

#include "LCommandOutcome.h"
#include "LCommandRequest.h"
#include "LProcessInterface.h"

// The quiet decryption of a command vector: settles the password and the destination (from
// -destination, else by "Crypto"/"OutputLocationType") and runs the decryption without a
// window under process, overwriting existing files without asking.
LCommandOutcome LCommandDecryptQuiet(LCommandRequest& request, LProcessInterface& process,
                                     bool canAsk);
