#include "LSHA1Blocks.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <utility>

#define ZEL_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

namespace {

struct Registers {
    __m128i abcd;
    __m128i e[2];
    __m128i msg[4];
};

// Four rounds, group G of 20. The message schedule runs three groups ahead of the rounds
// (sha1msg1, xor, sha1msg2 over the four message registers), and E alternates between two
// registers because sha1nexte derives the next E from the state four rounds back.
template <int G>
ZEL_SHA_TARGET inline void Group(Registers& r, const unsigned char* block) {
    constexpr int cur = G % 4;
    __m128i& eIn = r.e[G % 2];
    __m128i& eOut = r.e[(G + 1) % 2];
    if constexpr (G < 4) {
        const __m128i byteSwap = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
        r.msg[cur] = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * G)), byteSwap);
    }
    if constexpr (G == 0) {
        eIn = _mm_add_epi32(eIn, r.msg[cur]);
    } else {
        eIn = _mm_sha1nexte_epu32(eIn, r.msg[cur]);
    }
    eOut = r.abcd;
    if constexpr (G >= 3 && G <= 18) {
        r.msg[(G + 1) % 4] = _mm_sha1msg2_epu32(r.msg[(G + 1) % 4], r.msg[cur]);
    }
    r.abcd = _mm_sha1rnds4_epu32(r.abcd, eIn, G / 5);
    if constexpr (G >= 1 && G <= 16) {
        r.msg[(G + 3) % 4] = _mm_sha1msg1_epu32(r.msg[(G + 3) % 4], r.msg[cur]);
    }
    if constexpr (G >= 2 && G <= 17) {
        r.msg[(G + 2) % 4] = _mm_xor_si128(r.msg[(G + 2) % 4], r.msg[cur]);
    }
}

template <int... G>
ZEL_SHA_TARGET inline void Groups(Registers& r, const unsigned char* block,
                                  std::integer_sequence<int, G...>) {
    (Group<G>(r, block), ...);
}

}  // namespace

bool LSHA1HasSHAExtensions() {
    return __builtin_cpu_supports("sha") && __builtin_cpu_supports("sse4.1") &&
           __builtin_cpu_supports("ssse3");
}

ZEL_SHA_TARGET void LSHA1BlocksSHAExtensions(uint32_t state[5], const unsigned char* data,
                                             size_t count) {
    Registers r;
    // The instructions keep A in the highest lane and E in the highest lane of its own register.
    r.abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    r.e[0] = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (; count > 0; --count, data += 64) {
        const __m128i abcdSaved = r.abcd;
        const __m128i eSaved = r.e[0];
        Groups(r, data, std::make_integer_sequence<int, 20>());
        // Group 19 left the state from before its rounds in e[0].
        r.e[0] = _mm_sha1nexte_epu32(r.e[0], eSaved);
        r.abcd = _mm_add_epi32(r.abcd, abcdSaved);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(r.abcd, 0x1B));
    state[4] = static_cast<uint32_t>(_mm_extract_epi32(r.e[0], 3));
}

#else

bool LSHA1HasSHAExtensions() {
    return false;
}

void LSHA1BlocksSHAExtensions(uint32_t state[5], const unsigned char* data, size_t count) {
    LSHA1BlocksPortable(state, data, count);
}

#endif
