#pragma once

#include "LWriteFileRef.h"

#include <cstdint>

// The stored password check: the MD5 text of the password with every byte XORed with 0xFE.
void LContainerPasswordCheck(const char* password, unsigned char check[32]);

// Whether a stored check of 32 bytes belongs to the password; hexadecimal digits of either
// case match.
bool LContainerCheckMatches(const unsigned char* stored, const char* password);

// Magic, version, a file count of 0 (fixed up at the end), algorithm, reserved word and the
// password check. False when a write failed.
bool LContainerWriteHeader(LWriteFileRef& output, int algorithm, const char* password);

// Writes the count of file and link entries into the header and returns to the end.
bool LContainerWriteFileCount(LWriteFileRef& output, uint32_t count);
