#pragma once

#include <string>

// Where a command's password comes from when -password did not give one: the environment
// variable ZEL_PASSWORD (so scripts need not show it in the process list), else the password
// dialog of an encryption or a decryption. Without a way to ask (canAsk false) stderr says
// what was missing. False when the user cancelled or nobody could be asked.
bool LCommandSettlePassword(std::string& password, bool encryption, bool canAsk);
