#include "LDes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// FIPS 46 tables; bit 1 is the most significant bit of the first byte.
constexpr unsigned char kPermutedChoice1[56] = {
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18, 10, 2,  59, 51, 43,
    35, 27, 19, 11, 3,  60, 52, 44, 36, 63, 55, 47, 39, 31, 23, 15, 7,  62, 54,
    46, 38, 30, 22, 14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4,
};

constexpr unsigned char kPermutedChoice2[48] = {
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32,
};

constexpr unsigned char kRotations[16] = {1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};

constexpr unsigned char kPermutationP[32] = {
    16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23, 26, 5,  18, 31, 10,
    2,  8, 24, 14, 32, 27, 3,  9,  19, 13, 30, 6,  22, 11, 4,  25,
};

constexpr unsigned char kSBoxes[8][4][16] = {
    {{14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7},
     {0, 15, 7, 4, 14, 2, 13, 1, 10, 6, 12, 11, 9, 5, 3, 8},
     {4, 1, 14, 8, 13, 6, 2, 11, 15, 12, 9, 7, 3, 10, 5, 0},
     {15, 12, 8, 2, 4, 9, 1, 7, 5, 11, 3, 14, 10, 0, 6, 13}},
    {{15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
     {3, 13, 4, 7, 15, 2, 8, 14, 12, 0, 1, 10, 6, 9, 11, 5},
     {0, 14, 7, 11, 10, 4, 13, 1, 5, 8, 12, 6, 9, 3, 2, 15},
     {13, 8, 10, 1, 3, 15, 4, 2, 11, 6, 7, 12, 0, 5, 14, 9}},
    {{10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8},
     {13, 7, 0, 9, 3, 4, 6, 10, 2, 8, 5, 14, 12, 11, 15, 1},
     {13, 6, 4, 9, 8, 15, 3, 0, 11, 1, 2, 12, 5, 10, 14, 7},
     {1, 10, 13, 0, 6, 9, 8, 7, 4, 15, 14, 3, 11, 5, 2, 12}},
    {{7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
     {13, 8, 11, 5, 6, 15, 0, 3, 4, 7, 2, 12, 1, 10, 14, 9},
     {10, 6, 9, 0, 12, 11, 7, 13, 15, 1, 3, 14, 5, 2, 8, 4},
     {3, 15, 0, 6, 10, 1, 13, 8, 9, 4, 5, 11, 12, 7, 2, 14}},
    {{2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9},
     {14, 11, 2, 12, 4, 7, 13, 1, 5, 0, 15, 10, 3, 9, 8, 6},
     {4, 2, 1, 11, 10, 13, 7, 8, 15, 9, 12, 5, 6, 3, 0, 14},
     {11, 8, 12, 7, 1, 14, 2, 13, 6, 15, 0, 9, 10, 4, 5, 3}},
    {{12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
     {10, 15, 4, 2, 7, 12, 9, 5, 6, 1, 13, 14, 0, 11, 3, 8},
     {9, 14, 15, 5, 2, 8, 12, 3, 7, 0, 4, 10, 1, 13, 11, 6},
     {4, 3, 2, 12, 9, 5, 15, 10, 11, 14, 1, 7, 6, 0, 8, 13}},
    {{4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1},
     {13, 0, 11, 7, 4, 9, 1, 10, 14, 3, 5, 12, 2, 15, 8, 6},
     {1, 4, 11, 13, 12, 3, 7, 14, 10, 15, 6, 8, 0, 5, 9, 2},
     {6, 11, 13, 8, 1, 4, 10, 7, 9, 5, 0, 15, 14, 2, 3, 12}},
    {{13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7},
     {1, 15, 13, 8, 10, 3, 7, 4, 12, 5, 6, 11, 0, 14, 9, 2},
     {7, 11, 4, 1, 9, 12, 14, 2, 0, 6, 10, 13, 15, 3, 5, 8},
     {2, 1, 14, 7, 4, 10, 8, 13, 15, 12, 9, 0, 3, 5, 6, 11}},
};

constexpr uint32_t RotateLeft(uint32_t value, int count) {
    return value << count | value >> (32 - count);
}

// The rounds keep both halves rotated left by one bit, so that every S-box input (six
// consecutive bits of the expansion E) lies in one byte of the half or of the half rotated by
// four. kSpread[k][v] is P(S_{k+1}(v)) in that rotated layout.
constexpr std::array<std::array<uint32_t, 64>, 8> MakeSpreadTables() {
    std::array<std::array<uint32_t, 64>, 8> tables{};
    for (int box = 0; box < 8; ++box) {
        for (int input = 0; input < 64; ++input) {
            const int row = (input >> 4 & 2) | (input & 1);
            const int column = input >> 1 & 0xF;
            const uint32_t substituted = uint32_t(kSBoxes[box][row][column]) << (28 - 4 * box);
            uint32_t permuted = 0;
            for (int bit = 0; bit < 32; ++bit) {
                permuted |= (substituted >> (32 - kPermutationP[bit]) & 1) << (31 - bit);
            }
            tables[box][input] = RotateLeft(permuted, 1);
        }
    }
    return tables;
}

constexpr auto kSpread = MakeSpreadTables();

uint32_t LoadBigEndian(const unsigned char* bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
           uint32_t(bytes[3]);
}

void StoreBigEndian(unsigned char* bytes, uint32_t value) {
    bytes[0] = static_cast<unsigned char>(value >> 24);
    bytes[1] = static_cast<unsigned char>(value >> 16);
    bytes[2] = static_cast<unsigned char>(value >> 8);
    bytes[3] = static_cast<unsigned char>(value);
}

// Exchanges the bits of a selected by mask << shift with the bits of b selected by mask.
inline void SwapMove(uint32_t& a, uint32_t& b, int shift, uint32_t mask) {
    const uint32_t t = ((a >> shift) ^ b) & mask;
    b ^= t;
    a ^= t << shift;
}

// The initial permutation, leaving both halves in the rotated layout of the rounds.
inline void InitialPermutation(uint32_t& left, uint32_t& right) {
    SwapMove(left, right, 4, 0x0F0F0F0F);
    SwapMove(left, right, 16, 0x0000FFFF);
    SwapMove(right, left, 2, 0x33333333);
    SwapMove(right, left, 8, 0x00FF00FF);
    right = RotateLeft(right, 1);
    const uint32_t t = (left ^ right) & 0xAAAAAAAA;
    left ^= t;
    right ^= t;
    left = RotateLeft(left, 1);
}

// The inverse of InitialPermutation, step by step in reverse.
inline void FinalPermutation(uint32_t& left, uint32_t& right) {
    left = RotateLeft(left, 31);
    const uint32_t t = (left ^ right) & 0xAAAAAAAA;
    left ^= t;
    right ^= t;
    right = RotateLeft(right, 31);
    SwapMove(right, left, 8, 0x00FF00FF);
    SwapMove(right, left, 2, 0x33333333);
    SwapMove(left, right, 16, 0x0000FFFF);
    SwapMove(left, right, 4, 0x0F0F0F0F);
}

inline uint32_t Feistel(uint32_t half, const uint32_t* key) {
    const uint32_t odd = RotateLeft(half, 28) ^ key[0];
    const uint32_t even = half ^ key[1];
    return kSpread[0][odd >> 24 & 0x3F] | kSpread[2][odd >> 16 & 0x3F] |
           kSpread[4][odd >> 8 & 0x3F] | kSpread[6][odd & 0x3F] | kSpread[1][even >> 24 & 0x3F] |
           kSpread[3][even >> 16 & 0x3F] | kSpread[5][even >> 8 & 0x3F] | kSpread[7][even & 0x3F];
}

// Blocks are independent in this mode, so kLanes of them go through the rounds side by side
// and the table look-ups of one lane overlap the latency of the others.
template <int kLanes>
inline void ProcessLanes(const uint32_t (&roundKeys)[32], unsigned char* blocks) {
    uint32_t left[kLanes];
    uint32_t right[kLanes];
    for (int lane = 0; lane < kLanes; ++lane) {
        left[lane] = LoadBigEndian(blocks + 8 * lane);
        right[lane] = LoadBigEndian(blocks + 8 * lane + 4);
        InitialPermutation(left[lane], right[lane]);
    }
    for (int round = 0; round < 16; round += 2) {
        for (int lane = 0; lane < kLanes; ++lane) {
            left[lane] ^= Feistel(right[lane], roundKeys + 2 * round);
        }
        for (int lane = 0; lane < kLanes; ++lane) {
            right[lane] ^= Feistel(left[lane], roundKeys + 2 * round + 2);
        }
    }
    for (int lane = 0; lane < kLanes; ++lane) {
        // The halves leave the last round exchanged.
        FinalPermutation(right[lane], left[lane]);
        StoreBigEndian(blocks + 8 * lane, right[lane]);
        StoreBigEndian(blocks + 8 * lane + 4, left[lane]);
    }
}

// The container's round keys. They follow the standard schedule (PC-1, the rotations, PC-2)
// with three changes that stored files depend on: key bits are counted from the least
// significant end of each byte; each 24-bit half round key is filled from its least significant
// end; and every finished key word has its byte order reversed. Together these give S-box k the
// round-key group p(k) = (6, 5, 8, 7, 2, 1, 4, 3)[k] with its six bits reversed.
void ContainerRoundKeys(const char* keyText, bool decrypt, uint32_t (&roundKeys)[32]) {
    const auto* key = reinterpret_cast<const unsigned char*>(keyText);
    unsigned char chosen[56];
    for (int j = 0; j < 56; ++j) {
        const int l = kPermutedChoice1[j] - 1;
        chosen[j] = key[l / 8] >> (l % 8) & 1;
    }
    int shift = 0;
    for (int round = 0; round < 16; ++round) {
        shift += kRotations[round];
        unsigned char rotated[56];
        for (int j = 0; j < 28; ++j) {
            rotated[j] = chosen[(j + shift) % 28];
            rotated[j + 28] = chosen[28 + (j + shift) % 28];
        }
        uint32_t high = 0;
        uint32_t low = 0;
        for (int j = 0; j < 24; ++j) {
            high |= uint32_t(rotated[kPermutedChoice2[j] - 1]) << j;
            low |= uint32_t(rotated[kPermutedChoice2[j + 24] - 1]) << j;
        }
        // Groups 1 and 3 of each half go to the odd S-boxes, groups 2 and 4 to the even ones.
        const uint32_t odd = (high >> 18 & 0x3F) << 24 | (high >> 6 & 0x3F) << 16 |
                             (low >> 18 & 0x3F) << 8 | (low >> 6 & 0x3F);
        const uint32_t even = (high >> 12 & 0x3F) << 24 | (high & 0x3F) << 16 |
                              (low >> 12 & 0x3F) << 8 | (low & 0x3F);
        const int slot = 2 * (decrypt ? 15 - round : round);
        roundKeys[slot] = __builtin_bswap32(odd);
        roundKeys[slot + 1] = __builtin_bswap32(even);
    }
}

}  // namespace

void DesKeyText(LDesContext& context, const char* password) {
    std::memset(context.keyText, 0, sizeof context.keyText);
    std::memcpy(context.keyText, password,
                std::min(std::strlen(password), sizeof context.keyText - 1));
}

void DesProcessBlocks(const uint32_t (&roundKeys)[32], unsigned char* buffer, unsigned int length) {
    constexpr int kLanes = 2;
    const unsigned int blocks = length / 8;
    unsigned int block = 0;
    for (; block + kLanes <= blocks; block += kLanes) {
        ProcessLanes<kLanes>(roundKeys, buffer + 8 * block);
    }
    for (; block < blocks; ++block) {
        ProcessLanes<1>(roundKeys, buffer + 8 * block);
    }
}

void DesEncryptBuffer(LDesContext& context, unsigned char* buffer, unsigned int length) {
    ContainerRoundKeys(context.keyText, false, context.roundKeys);
    DesProcessBlocks(context.roundKeys, buffer, length);
}

void DesDecryptBuffer(LDesContext& context, unsigned char* buffer, unsigned int length) {
    ContainerRoundKeys(context.keyText, true, context.roundKeys);
    DesProcessBlocks(context.roundKeys, buffer, length);
}
