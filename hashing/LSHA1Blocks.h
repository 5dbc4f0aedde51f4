#pragma once

#include <cstddef>
#include <cstdint>

// The SHA-1 compression function over count 64-byte blocks. The processor's SHA instructions
// are used where it has them; the portable form serves everywhere else.
using LSHA1BlocksFunction = void (*)(uint32_t state[5], const unsigned char* data, size_t count);

void LSHA1BlocksPortable(uint32_t state[5], const unsigned char* data, size_t count);

// True when this processor has the SHA instructions (and SSE4.1, which their use needs).
bool LSHA1HasSHAExtensions();
// Only to be called when LSHA1HasSHAExtensions() is true.
void LSHA1BlocksSHAExtensions(uint32_t state[5], const unsigned char* data, size_t count);

// The fastest form this processor can run, chosen once.
LSHA1BlocksFunction LSHA1Blocks();
