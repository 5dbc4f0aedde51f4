#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "LDigestBytes.h"

// The SHA-1 compression function without the processor's SHA instructions, written once and
// compiled for more than one instruction set (see LSHA1Blocks.h). The message schedule is
// computed four words at a time in vector registers, with the round constants added, one block
// ahead of the rounds, so that it fills the gaps of the rounds' long chain of dependent
// additions. Everything here is inlined into the caller so that it takes on the caller's
// instruction set.
namespace LSHA1Rounds {

using Vector = uint32_t __attribute__((vector_size(16)));
using Lanes = int32_t __attribute__((vector_size(16)));

#define ZEL_SHA1_INLINE inline __attribute__((always_inline))

ZEL_SHA1_INLINE uint32_t Rotate(uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}
ZEL_SHA1_INLINE Vector Rotate(Vector x, int n) {
    return (x << n) | (x >> (32 - n));
}

ZEL_SHA1_INLINE Vector LoadWords(const unsigned char* bytes) {
    return Vector{LLoadBE32(bytes), LLoadBE32(bytes + 4), LLoadBE32(bytes + 8),
                  LLoadBE32(bytes + 12)};
}

inline constexpr uint32_t kConstants[4] = {0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};

// Words 4G to 4G+3 of the schedule, plus their round constant, into out.
template <int G>
ZEL_SHA1_INLINE void ScheduleGroup(Vector (&w)[20], const unsigned char* block, uint32_t* out) {
    const Vector zero = {0, 0, 0, 0};
    if constexpr (G < 4) {
        w[G] = LoadWords(block + 16 * G);
    } else if constexpr (G < 8) {
        // w[t] = rotl(w[t-3] ^ w[t-8] ^ w[t-14] ^ w[t-16], 1). The last of the four words needs
        // the first, so it is computed without it and corrected.
        Vector back3 = __builtin_shuffle(w[G - 1], zero, Lanes{1, 2, 3, 4});
        Vector back14 = __builtin_shuffle(w[G - 4], w[G - 3], Lanes{2, 3, 4, 5});
        Vector sum = back3 ^ w[G - 2] ^ back14 ^ w[G - 4];
        w[G] = Rotate(sum, 1) ^ __builtin_shuffle(zero, Rotate(sum, 2), Lanes{0, 1, 2, 4});
    } else {
        // From word 32 on the same schedule is w[t] = rotl(w[t-6] ^ w[t-16] ^ w[t-28] ^
        // w[t-32], 2), with no dependency inside a group of four.
        Vector back6 = __builtin_shuffle(w[G - 2], w[G - 1], Lanes{2, 3, 4, 5});
        w[G] = Rotate(back6 ^ w[G - 4] ^ w[G - 7] ^ w[G - 8], 2);
    }
    Vector withConstant = w[G] + kConstants[G / 5];
    __builtin_memcpy(out + 4 * G, &withConstant, sizeof withConstant);
}

template <int... G>
ZEL_SHA1_INLINE void Schedule(const unsigned char* block, uint32_t* out,
                              std::integer_sequence<int, G...>) {
    Vector w[20];
    (ScheduleGroup<G>(w, block, out), ...);
}

// Round I. The five working words stay in place and their roles turn by one each round.
template <int I>
ZEL_SHA1_INLINE void Round(uint32_t (&v)[5], const uint32_t* scheduled) {
    constexpr int s = I % 5;
    uint32_t& a = v[(5 - s) % 5];
    uint32_t& b = v[(6 - s) % 5];
    uint32_t& c = v[(7 - s) % 5];
    uint32_t& d = v[(8 - s) % 5];
    uint32_t& e = v[(9 - s) % 5];
    e += scheduled[I];
    if constexpr (I < 20) {
        e += d ^ (b & (c ^ d));
    } else if constexpr (I < 40 || I >= 60) {
        e += b ^ c ^ d;
    } else {
        // Majority as two terms without common bits, so they can be added in any order.
        e += (b & c) + (d & (b ^ c));
    }
    e += Rotate(a, 5);
    b = Rotate(b, 30);
}

// The 80 rounds of one block; with ScheduleNext, the next block's schedule in between.
template <bool ScheduleNext, int... I>
ZEL_SHA1_INLINE void Rounds(uint32_t (&v)[5], const uint32_t* scheduled,
                            const unsigned char* nextBlock, uint32_t* nextScheduled,
                            std::integer_sequence<int, I...>) {
    [[maybe_unused]] Vector w[20];
    auto step = [&]<int J>(std::integral_constant<int, J>) __attribute__((always_inline)) {
        if constexpr (ScheduleNext && J % 4 == 0) {
            ScheduleGroup<J / 4>(w, nextBlock, nextScheduled);
        }
        Round<J>(v, scheduled);
    };
    (step(std::integral_constant<int, I>()), ...);
}

ZEL_SHA1_INLINE void Blocks(uint32_t state[5], const unsigned char* data, size_t count) {
    if (count == 0) {
        return;
    }
    alignas(16) uint32_t scheduled[2][80];
    Schedule(data, scheduled[0], std::make_integer_sequence<int, 20>());
    for (int current = 0; count > 0; --count, data += 64, current ^= 1) {
        uint32_t v[5] = {state[0], state[1], state[2], state[3], state[4]};
        if (count > 1) {
            Rounds<true>(v, scheduled[current], data + 64, scheduled[current ^ 1],
                         std::make_integer_sequence<int, 80>());
        } else {
            Rounds<false>(v, scheduled[current], nullptr, nullptr,
                          std::make_integer_sequence<int, 80>());
        }
        // After 80 rounds the roles have turned back to where they began.
        for (int i = 0; i < 5; ++i) {
            state[i] += v[i];
        }
    }
}

#undef ZEL_SHA1_INLINE

}  // namespace LSHA1Rounds
