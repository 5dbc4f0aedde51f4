#include <utility>

#include "LDigestBytes.h"
#include "LSHA1Blocks.h"

namespace {

inline uint32_t Rotate(uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

// Round I of 80. The five working words stay in place and their roles turn by one each round,
// so no word is copied; the message schedule is a ring of 16 words.
template <int I>
inline void Round(uint32_t (&v)[5], uint32_t (&w)[16]) {
    constexpr int s = I % 5;
    uint32_t& a = v[(5 - s) % 5];
    uint32_t& b = v[(6 - s) % 5];
    uint32_t& c = v[(7 - s) % 5];
    uint32_t& d = v[(8 - s) % 5];
    uint32_t& e = v[(9 - s) % 5];
    if constexpr (I >= 16) {
        w[I & 15] = Rotate(w[(I + 13) & 15] ^ w[(I + 8) & 15] ^ w[(I + 2) & 15] ^ w[I & 15], 1);
    }
    e += w[I & 15];
    if constexpr (I < 20) {
        e += 0x5A827999 + (d ^ (b & (c ^ d)));
    } else if constexpr (I < 40) {
        e += 0x6ED9EBA1 + (b ^ c ^ d);
    } else if constexpr (I < 60) {
        // Majority as two terms without common bits, so they can be added in any order.
        e += 0x8F1BBCDC + (b & c) + (d & (b ^ c));
    } else {
        e += 0xCA62C1D6 + (b ^ c ^ d);
    }
    e += Rotate(a, 5);
    b = Rotate(b, 30);
}

template <int... I>
inline void Rounds(uint32_t (&v)[5], uint32_t (&w)[16], std::integer_sequence<int, I...>) {
    (Round<I>(v, w), ...);
}

}  // namespace

void LSHA1BlocksPortable(uint32_t state[5], const unsigned char* data, size_t count) {
    for (; count > 0; --count, data += 64) {
        uint32_t w[16];
        for (int i = 0; i < 16; ++i) {
            w[i] = LLoadBE32(data + 4 * i);
        }
        uint32_t v[5] = {state[0], state[1], state[2], state[3], state[4]};
        Rounds(v, w, std::make_integer_sequence<int, 80>());
        // After 80 rounds the roles have turned back to where they began.
        for (int i = 0; i < 5; ++i) {
            state[i] += v[i];
        }
    }
}
