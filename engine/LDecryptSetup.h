#pragma once

#include "LCryptData.h"

#include <string>

// What a decryption settles before it reads the container, when its caller left
// it open. Both return false when the user cancelled the question.

// The destination: by "Crypto"/"OutputLocationType" (1 the container's folder,
// 2 "Crypto"/"OutputLocation"), else, and always for a self-decrypting run, by
// asking for a folder, which is remembered in "Crypto"/"LastOutputFolder".
bool LDecryptSettleDestination(const LCryptData& data, std::string& destination);

// The password, asked for when there is none.
bool LDecryptSettlePassword(std::string& password);
