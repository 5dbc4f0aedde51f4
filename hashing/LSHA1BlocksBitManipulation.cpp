#include "LSHA1Blocks.h"
#include "LSHA1Rounds.h"

#if defined(__x86_64__) || defined(__i386__)

bool LSHA1HasBitManipulation() {
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
           __builtin_cpu_supports("bmi2");
}

// The same rounds with three-operand vector instructions and rotations that leave their source
// alone, which saves most of the register copies.
__attribute__((target("avx2,bmi,bmi2"))) void LSHA1BlocksBitManipulation(uint32_t state[5],
                                                                         const unsigned char* data,
                                                                         size_t count) {
    LSHA1Rounds::Blocks(state, data, count);
}

#else

bool LSHA1HasBitManipulation() {
    return false;
}

void LSHA1BlocksBitManipulation(uint32_t state[5], const unsigned char* data, size_t count) {
    LSHA1BlocksPortable(state, data, count);
}

#endif
