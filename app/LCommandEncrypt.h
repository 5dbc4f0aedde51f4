#pragma once

#include "LCommandOutcome.h"
#include "LCommandRequest.h"

// The encryption a command vector asked for: names the container (by -destination, else by
// "Crypto"/"OutputLocationType"), settles the password and runs the encryption under a
// progress window titled "Encrypting files".
LCommandOutcome LCommandEncrypt(LCommandRequest& request, bool canAsk);
