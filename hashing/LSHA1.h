#pragma once

#include <cstddef>
#include <cstdint>

#include "LDigestBuffer.h"

// SHA-1 as FIPS 180-1 defines it. Result texts are 40 lowercase hexadecimal digits and a zero.
struct LSHA1Context {
    uint32_t state[5];
    LDigestBuffer pending;
};

void LSHA1Init(LSHA1Context& context);
void LSHA1Update(LSHA1Context& context, const void* data, size_t length);
// Pads, processes the last block and writes the 40 digits to result (at least 41 bytes).
void LSHA1Final(LSHA1Context& context, char* result);
