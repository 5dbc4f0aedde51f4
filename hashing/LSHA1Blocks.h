#pragma once

#include <cstddef>
#include <cstdint>

// The SHA-1 compression function over count 64-byte blocks, in three forms: with the
// processor's SHA instructions where it has them, else with its AVX2 and BMI2 instructions where
// it has those, else the portable form.
using LSHA1BlocksFunction = void (*)(uint32_t state[5], const unsigned char* data, size_t count);

void LSHA1BlocksPortable(uint32_t state[5], const unsigned char* data, size_t count);

// True when this processor has AVX2, BMI and BMI2.
bool LSHA1HasBitManipulation();
// Only to be called when LSHA1HasBitManipulation() is true.
void LSHA1BlocksBitManipulation(uint32_t state[5], const unsigned char* data, size_t count);

// The fastest form without the SHA instructions that this processor can run.
LSHA1BlocksFunction LSHA1BlocksWithoutSHAExtensions();

// True when this processor has the SHA instructions (and SSE4.1, which their use needs).
bool LSHA1HasSHAExtensions();
// Only to be called when LSHA1HasSHAExtensions() is true.
void LSHA1BlocksSHAExtensions(uint32_t state[5], const unsigned char* data, size_t count);

// The fastest form this processor can run, chosen once.
LSHA1BlocksFunction LSHA1Blocks();
