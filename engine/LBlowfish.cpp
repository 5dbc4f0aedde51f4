#include "LBlowfish.h"

#include "LBlowfishTables.h"

#include <cstring>

namespace {

uint32_t LoadLittleEndian(const unsigned char* bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

void StoreLittleEndian(unsigned char* bytes, uint32_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
    bytes[2] = static_cast<unsigned char>(value >> 16);
    bytes[3] = static_cast<unsigned char>(value >> 24);
}

inline uint32_t F(const LBlowfishContext& context, uint32_t x) {
    return ((context.S[0][x >> 24] + context.S[1][(x >> 16) & 0xFF]) ^
            context.S[2][(x >> 8) & 0xFF]) +
           context.S[3][x & 0xFF];
}

// Blocks are independent in this mode, so kLanes of them go through the rounds side by side:
// the table look-ups of one lane then overlap the latency of the others.
template <int kLanes>
inline void EncipherLanes(const LBlowfishContext& context, uint32_t (&left)[kLanes],
                          uint32_t (&right)[kLanes]) {
    uint32_t l[kLanes];
    uint32_t r[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) {
        l[lane] = left[lane] ^ context.P[0];
        r[lane] = right[lane];
    }
    for (int i = 1; i < 16; i += 2) {
        for (int lane = 0; lane < kLanes; ++lane) {
            r[lane] ^= F(context, l[lane]) ^ context.P[i];
        }
        for (int lane = 0; lane < kLanes; ++lane) {
            l[lane] ^= F(context, r[lane]) ^ context.P[i + 1];
        }
    }
    for (int lane = 0; lane < kLanes; ++lane) {
        left[lane] = r[lane] ^ context.P[17];
        right[lane] = l[lane];
    }
}

template <int kLanes>
inline void DecipherLanes(const LBlowfishContext& context, uint32_t (&left)[kLanes],
                          uint32_t (&right)[kLanes]) {
    uint32_t l[kLanes];
    uint32_t r[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) {
        l[lane] = left[lane] ^ context.P[17];
        r[lane] = right[lane];
    }
    for (int i = 16; i > 1; i -= 2) {
        for (int lane = 0; lane < kLanes; ++lane) {
            r[lane] ^= F(context, l[lane]) ^ context.P[i];
        }
        for (int lane = 0; lane < kLanes; ++lane) {
            l[lane] ^= F(context, r[lane]) ^ context.P[i - 1];
        }
    }
    for (int lane = 0; lane < kLanes; ++lane) {
        left[lane] = r[lane] ^ context.P[0];
        right[lane] = l[lane];
    }
}

template <int kLanes, bool kEncipher>
inline void CryptLanes(const LBlowfishContext& context, unsigned char* blocks) {
    uint32_t left[kLanes];
    uint32_t right[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) {
        left[lane] = LoadLittleEndian(blocks + 8 * lane);
        right[lane] = LoadLittleEndian(blocks + 8 * lane + 4);
    }
    if constexpr (kEncipher) {
        EncipherLanes<kLanes>(context, left, right);
    } else {
        DecipherLanes<kLanes>(context, left, right);
    }
    for (int lane = 0; lane < kLanes; ++lane) {
        StoreLittleEndian(blocks + 8 * lane, left[lane]);
        StoreLittleEndian(blocks + 8 * lane + 4, right[lane]);
    }
}

template <bool kEncipher>
void CryptBuffer(const LBlowfishContext& context, unsigned char* buffer, unsigned int length) {
    constexpr int kLanes = 4;
    const unsigned int blocks = length / 8;
    unsigned int block = 0;
    for (; block + kLanes <= blocks; block += kLanes) {
        CryptLanes<kLanes, kEncipher>(context, buffer + 8 * block);
    }
    for (; block < blocks; ++block) {
        CryptLanes<1, kEncipher>(context, buffer + 8 * block);
    }
}

// The key bytes taken cyclically, four at a time, most significant first.
uint32_t NextKeyWord(const unsigned char* key, size_t length, size_t& position) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        word = word << 8 | key[position];
        position = (position + 1) % length;
    }
    return word;
}

}  // namespace

void BlowfishInit(LBlowfishContext& context, const char* key) {
    const size_t length = std::strlen(key);
    if (length == 0) {
        return;
    }
    std::memcpy(context.P, kBlowfishInitialP, sizeof context.P);
    std::memcpy(context.S, kBlowfishInitialS, sizeof context.S);
    const auto* bytes = reinterpret_cast<const unsigned char*>(key);
    size_t position = 0;
    for (uint32_t& word : context.P) {
        word ^= NextKeyWord(bytes, length, position);
    }
    // Each encipherment of the running block replaces the next two words: first all of P,
    // then the S-boxes in order.
    uint32_t left[1] = {0};
    uint32_t right[1] = {0};
    for (int i = 0; i < 18; i += 2) {
        EncipherLanes<1>(context, left, right);
        context.P[i] = left[0];
        context.P[i + 1] = right[0];
    }
    for (auto& box : context.S) {
        for (int i = 0; i < 256; i += 2) {
            EncipherLanes<1>(context, left, right);
            box[i] = left[0];
            box[i + 1] = right[0];
        }
    }
}

void BlowfishEncryptBuffer(const LBlowfishContext& context, unsigned char* buffer,
                           unsigned int length) {
    CryptBuffer<true>(context, buffer, length);
}

void BlowfishDecryptBuffer(const LBlowfishContext& context, unsigned char* buffer,
                           unsigned int length) {
    CryptBuffer<false>(context, buffer, length);
}
