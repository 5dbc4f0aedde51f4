#include "LSHA1Blocks.h"
#include "LSHA1Rounds.h"

void LSHA1BlocksPortable(uint32_t state[5], const unsigned char* data, size_t count) {
    LSHA1Rounds::Blocks(state, data, count);
}
