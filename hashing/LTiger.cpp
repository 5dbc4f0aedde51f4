#include "LTiger.h"

#include "LDigestBytes.h"
#include "LDigestText.h"
#include "LTigerTables.h"

namespace {

inline unsigned Byte(uint64_t word, int index) {
    return static_cast<unsigned>(word >> (8 * index)) & 0xFF;
}

template <uint64_t Multiplier>
inline void Round(uint64_t& a, uint64_t& b, uint64_t& c, uint64_t x) {
    c ^= x;
    a -= LTigerTable[0][Byte(c, 0)] ^ LTigerTable[1][Byte(c, 2)] ^ LTigerTable[2][Byte(c, 4)] ^
         LTigerTable[3][Byte(c, 6)];
    b += LTigerTable[3][Byte(c, 1)] ^ LTigerTable[2][Byte(c, 3)] ^ LTigerTable[1][Byte(c, 5)] ^
         LTigerTable[0][Byte(c, 7)];
    b *= Multiplier;
}

template <uint64_t Multiplier>
inline void Pass(uint64_t& a, uint64_t& b, uint64_t& c, const uint64_t (&x)[8]) {
    Round<Multiplier>(a, b, c, x[0]);
    Round<Multiplier>(b, c, a, x[1]);
    Round<Multiplier>(c, a, b, x[2]);
    Round<Multiplier>(a, b, c, x[3]);
    Round<Multiplier>(b, c, a, x[4]);
    Round<Multiplier>(c, a, b, x[5]);
    Round<Multiplier>(a, b, c, x[6]);
    Round<Multiplier>(b, c, a, x[7]);
}

inline void KeySchedule(uint64_t (&x)[8]) {
    x[0] -= x[7] ^ 0xA5A5A5A5A5A5A5A5ULL;
    x[1] ^= x[0];
    x[2] += x[1];
    x[3] -= x[2] ^ (~x[1] << 19);
    x[4] ^= x[3];
    x[5] += x[4];
    x[6] -= x[5] ^ (~x[4] >> 23);
    x[7] ^= x[6];
    x[0] += x[7];
    x[1] -= x[0] ^ (~x[7] << 19);
    x[2] ^= x[1];
    x[3] += x[2];
    x[4] -= x[3] ^ (~x[2] >> 23);
    x[5] ^= x[4];
    x[6] += x[5];
    x[7] -= x[6] ^ 0x0123456789ABCDEFULL;
}

void ProcessBlocks(uint64_t state[3], const unsigned char* data, size_t count) {
    uint64_t a = state[0], b = state[1], c = state[2];
    for (; count > 0; --count, data += 64) {
        uint64_t x[8];
        for (int i = 0; i < 8; ++i) {
            x[i] = LLoadLE64(data + 8 * i);
        }
        const uint64_t a0 = a, b0 = b, c0 = c;
        Pass<5>(a, b, c, x);
        KeySchedule(x);
        Pass<7>(c, a, b, x);
        KeySchedule(x);
        Pass<9>(b, c, a, x);
        a ^= a0;
        b -= b0;
        c += c0;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
}

}  // namespace

void LTigerInit(LTigerContext& context) {
    context.state[0] = 0x0123456789ABCDEFULL;
    context.state[1] = 0xFEDCBA9876543210ULL;
    context.state[2] = 0xF096A5B4C3B2E187ULL;
    context.pending = LDigestBuffer{};
}

void LTigerUpdate(LTigerContext& context, const void* data, size_t length) {
    LDigestBufferUpdate(context.pending, data, length,
                        [&](const unsigned char* blocks, size_t count) {
                            ProcessBlocks(context.state, blocks, count);
                        });
}

void LTigerFinal(LTigerContext& context, char* result) {
    LDigestBufferFinish(context.pending, 0x01, false,
                        [&](const unsigned char* blocks, size_t count) {
                            ProcessBlocks(context.state, blocks, count);
                        });
    unsigned char digest[24];
    for (int i = 0; i < 3; ++i) {
        LStoreLE64(context.state[i], digest + 8 * i);
    }
    LDigestWriteText(digest, sizeof digest, result);
}
