#include "LMD5.h"

#include <cstring>

#include "LDigestBytes.h"
#include "LDigestText.h"

namespace {

inline uint32_t Rotate(uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

// The message word and constant are added before the round function, so that only the
// function's own result waits for b, c and d. The G function is split into two disjoint terms
// for the same reason.
template <int S>
inline void StepF(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t mk) {
    a += mk;
    a += ((c ^ d) & b) ^ d;
    a = b + Rotate(a, S);
}

template <int S>
inline void StepG(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t mk) {
    a += mk;
    a += ~d & c;
    a += d & b;
    a = b + Rotate(a, S);
}

template <int S>
inline void StepH(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t mk) {
    a += mk;
    a += b ^ c ^ d;
    a = b + Rotate(a, S);
}

template <int S>
inline void StepI(uint32_t& a, uint32_t b, uint32_t c, uint32_t d, uint32_t mk) {
    a += mk;
    a += c ^ (b | ~d);
    a = b + Rotate(a, S);
}

// Message words are read where they are used rather than copied first, so that they do not
// compete with the state for registers.
inline uint32_t Word(const unsigned char* block, int index) {
    return LLoadLE32(block + 4 * index);
}

void ProcessBlocks(uint32_t state[4], const unsigned char* data, size_t count) {
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (; count > 0; --count, data += 64) {
        const uint32_t a0 = a, b0 = b, c0 = c, d0 = d;

        StepF<7>(a, b, c, d, Word(data, 0) + 0xd76aa478);
        StepF<12>(d, a, b, c, Word(data, 1) + 0xe8c7b756);
        StepF<17>(c, d, a, b, Word(data, 2) + 0x242070db);
        StepF<22>(b, c, d, a, Word(data, 3) + 0xc1bdceee);
        StepF<7>(a, b, c, d, Word(data, 4) + 0xf57c0faf);
        StepF<12>(d, a, b, c, Word(data, 5) + 0x4787c62a);
        StepF<17>(c, d, a, b, Word(data, 6) + 0xa8304613);
        StepF<22>(b, c, d, a, Word(data, 7) + 0xfd469501);
        StepF<7>(a, b, c, d, Word(data, 8) + 0x698098d8);
        StepF<12>(d, a, b, c, Word(data, 9) + 0x8b44f7af);
        StepF<17>(c, d, a, b, Word(data, 10) + 0xffff5bb1);
        StepF<22>(b, c, d, a, Word(data, 11) + 0x895cd7be);
        StepF<7>(a, b, c, d, Word(data, 12) + 0x6b901122);
        StepF<12>(d, a, b, c, Word(data, 13) + 0xfd987193);
        StepF<17>(c, d, a, b, Word(data, 14) + 0xa679438e);
        StepF<22>(b, c, d, a, Word(data, 15) + 0x49b40821);

        StepG<5>(a, b, c, d, Word(data, 1) + 0xf61e2562);
        StepG<9>(d, a, b, c, Word(data, 6) + 0xc040b340);
        StepG<14>(c, d, a, b, Word(data, 11) + 0x265e5a51);
        StepG<20>(b, c, d, a, Word(data, 0) + 0xe9b6c7aa);
        StepG<5>(a, b, c, d, Word(data, 5) + 0xd62f105d);
        StepG<9>(d, a, b, c, Word(data, 10) + 0x02441453);
        StepG<14>(c, d, a, b, Word(data, 15) + 0xd8a1e681);
        StepG<20>(b, c, d, a, Word(data, 4) + 0xe7d3fbc8);
        StepG<5>(a, b, c, d, Word(data, 9) + 0x21e1cde6);
        StepG<9>(d, a, b, c, Word(data, 14) + 0xc33707d6);
        StepG<14>(c, d, a, b, Word(data, 3) + 0xf4d50d87);
        StepG<20>(b, c, d, a, Word(data, 8) + 0x455a14ed);
        StepG<5>(a, b, c, d, Word(data, 13) + 0xa9e3e905);
        StepG<9>(d, a, b, c, Word(data, 2) + 0xfcefa3f8);
        StepG<14>(c, d, a, b, Word(data, 7) + 0x676f02d9);
        StepG<20>(b, c, d, a, Word(data, 12) + 0x8d2a4c8a);

        StepH<4>(a, b, c, d, Word(data, 5) + 0xfffa3942);
        StepH<11>(d, a, b, c, Word(data, 8) + 0x8771f681);
        StepH<16>(c, d, a, b, Word(data, 11) + 0x6d9d6122);
        StepH<23>(b, c, d, a, Word(data, 14) + 0xfde5380c);
        StepH<4>(a, b, c, d, Word(data, 1) + 0xa4beea44);
        StepH<11>(d, a, b, c, Word(data, 4) + 0x4bdecfa9);
        StepH<16>(c, d, a, b, Word(data, 7) + 0xf6bb4b60);
        StepH<23>(b, c, d, a, Word(data, 10) + 0xbebfbc70);
        StepH<4>(a, b, c, d, Word(data, 13) + 0x289b7ec6);
        StepH<11>(d, a, b, c, Word(data, 0) + 0xeaa127fa);
        StepH<16>(c, d, a, b, Word(data, 3) + 0xd4ef3085);
        StepH<23>(b, c, d, a, Word(data, 6) + 0x04881d05);
        StepH<4>(a, b, c, d, Word(data, 9) + 0xd9d4d039);
        StepH<11>(d, a, b, c, Word(data, 12) + 0xe6db99e5);
        StepH<16>(c, d, a, b, Word(data, 15) + 0x1fa27cf8);
        StepH<23>(b, c, d, a, Word(data, 2) + 0xc4ac5665);

        StepI<6>(a, b, c, d, Word(data, 0) + 0xf4292244);
        StepI<10>(d, a, b, c, Word(data, 7) + 0x432aff97);
        StepI<15>(c, d, a, b, Word(data, 14) + 0xab9423a7);
        StepI<21>(b, c, d, a, Word(data, 5) + 0xfc93a039);
        StepI<6>(a, b, c, d, Word(data, 12) + 0x655b59c3);
        StepI<10>(d, a, b, c, Word(data, 3) + 0x8f0ccc92);
        StepI<15>(c, d, a, b, Word(data, 10) + 0xffeff47d);
        StepI<21>(b, c, d, a, Word(data, 1) + 0x85845dd1);
        StepI<6>(a, b, c, d, Word(data, 8) + 0x6fa87e4f);
        StepI<10>(d, a, b, c, Word(data, 15) + 0xfe2ce6e0);
        StepI<15>(c, d, a, b, Word(data, 6) + 0xa3014314);
        StepI<21>(b, c, d, a, Word(data, 13) + 0x4e0811a1);
        StepI<6>(a, b, c, d, Word(data, 4) + 0xf7537e82);
        StepI<10>(d, a, b, c, Word(data, 11) + 0xbd3af235);
        StepI<15>(c, d, a, b, Word(data, 2) + 0x2ad7d2bb);
        StepI<21>(b, c, d, a, Word(data, 9) + 0xeb86d391);

        a += a0;
        b += b0;
        c += c0;
        d += d0;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
}

}  // namespace

void LMD5Init(LMD5Context& context) {
    context.state[0] = 0x67452301;
    context.state[1] = 0xefcdab89;
    context.state[2] = 0x98badcfe;
    context.state[3] = 0x10325476;
    context.pending = LDigestBuffer{};
}

void LMD5Update(LMD5Context& context, const void* data, size_t length) {
    LDigestBufferUpdate(context.pending, data, length,
                        [&](const unsigned char* blocks, size_t count) {
                            ProcessBlocks(context.state, blocks, count);
                        });
}

void LMD5Final(LMD5Context& context, char* result) {
    LDigestBufferFinish(context.pending, 0x80, false,
                        [&](const unsigned char* blocks, size_t count) {
                            ProcessBlocks(context.state, blocks, count);
                        });
    unsigned char digest[16];
    for (int i = 0; i < 4; ++i) {
        LStoreLE32(context.state[i], digest + 4 * i);
    }
    LDigestWriteText(digest, sizeof digest, result);
}

void LMD5CreateDigest(const char* text, char* result) {
    LMD5CreateDigest(text, std::strlen(text), result);
}

void LMD5CreateDigest(const void* data, size_t length, char* result) {
    LMD5Context context;
    LMD5Init(context);
    LMD5Update(context, data, length);
    LMD5Final(context, result);
}
