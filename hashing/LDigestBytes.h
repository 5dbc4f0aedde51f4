#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Word loads and stores of the digests, in a fixed byte order whatever the host's.

inline uint32_t LLoadLE32(const unsigned char* bytes) {
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return std::endian::native == std::endian::little ? word : __builtin_bswap32(word);
}

inline uint32_t LLoadBE32(const unsigned char* bytes) {
    uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return std::endian::native == std::endian::big ? word : __builtin_bswap32(word);
}

inline uint64_t LLoadLE64(const unsigned char* bytes) {
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return std::endian::native == std::endian::little ? word : __builtin_bswap64(word);
}

inline void LStoreLE32(uint32_t word, unsigned char* bytes) {
    word = std::endian::native == std::endian::little ? word : __builtin_bswap32(word);
    std::memcpy(bytes, &word, sizeof word);
}

inline void LStoreBE32(uint32_t word, unsigned char* bytes) {
    word = std::endian::native == std::endian::big ? word : __builtin_bswap32(word);
    std::memcpy(bytes, &word, sizeof word);
}

inline void LStoreLE64(uint64_t word, unsigned char* bytes) {
    word = std::endian::native == std::endian::little ? word : __builtin_bswap64(word);
    std::memcpy(bytes, &word, sizeof word);
}

inline void LStoreBE64(uint64_t word, unsigned char* bytes) {
    word = std::endian::native == std::endian::big ? word : __builtin_bswap64(word);
    std::memcpy(bytes, &word, sizeof word);
}
