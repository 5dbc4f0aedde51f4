#pragma once

#include <cstddef>
#include <cstdint>

#include "LDigestBuffer.h"

// Tiger in its first published three-pass definition (1996): message completed with 0x01, not
// the 0x80 of Tiger2. Result texts are 48 lowercase hexadecimal digits and a zero: the three
// result words in order, each word's bytes least significant first.
struct LTigerContext {
    uint64_t state[3];
    LDigestBuffer pending;
};

void LTigerInit(LTigerContext& context);
void LTigerUpdate(LTigerContext& context, const void* data, size_t length);
// Pads, processes the last block and writes the 48 digits to result (at least 49 bytes).
void LTigerFinal(LTigerContext& context, char* result);
