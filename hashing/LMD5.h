#pragma once

#include <cstddef>
#include <cstdint>

#include "LDigestBuffer.h"

// MD5 as RFC 1321 defines it. Result texts are 32 lowercase hexadecimal digits and a zero.
struct LMD5Context {
    uint32_t state[4];
    LDigestBuffer pending;
};

void LMD5Init(LMD5Context& context);
void LMD5Update(LMD5Context& context, const void* data, size_t length);
// Pads, processes the last block and writes the 32 digits to result (at least 33 bytes).
void LMD5Final(LMD5Context& context, char* result);

// The MD5 text of a zero-terminated text's bytes (without the zero).
void LMD5CreateDigest(const char* text, char* result);
// The MD5 text of length bytes at data.
void LMD5CreateDigest(const void* data, size_t length, char* result);
