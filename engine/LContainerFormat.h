#pragma once

#include <cstdint>
#include <cstring>

// Fixed facts of the container layout. Every integer is little-endian on disk.
constexpr unsigned char kContainerMagic[4] = {0x20, 0x52, 0x4F, 0x51};    // "QOR " read big-endian
constexpr unsigned char kContainerVersion[4] = {0x20, 0x30, 0x2E, 0x31};  // "1.0 " read big-endian
constexpr uint32_t kContainerCheckLength = 32;                            // MD5 as hexadecimal text
constexpr uint32_t kContainerHeaderSize = 24 + kContainerCheckLength;
constexpr uint32_t kContainerFileCountOffset = 8;
constexpr uint32_t kContainerCheckOffset = 20;
constexpr uint32_t kContainerBlockSize = 8192;
constexpr uint32_t kContainerMaxNameLength = 259;
// A link's content is its target and a zero byte; one block is all a writer ever produces.
constexpr uint64_t kContainerMaxLinkData = kContainerBlockSize;
constexpr unsigned char kContainerCheckMask = 0xFE;

enum LContainerEntryType : uint32_t {
    LContainerEntryFile = 0,
    LContainerEntryFolder = 1,
    LContainerEntryLink = 2,
};

inline void LPutUInt32LE(unsigned char* out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline void LPutUInt64LE(unsigned char* out, uint64_t value) {
    for (int i = 0; i < 8; ++i) {
        out[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline uint32_t LGetUInt32LE(const unsigned char* in) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | in[i];
    }
    return value;
}

inline uint64_t LGetUInt64LE(const unsigned char* in) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | in[i];
    }
    return value;
}

// The name length rounded up to whole cipher blocks.
constexpr uint32_t LContainerPaddedNameLength(uint32_t length) {
    return (length + 7u) & ~7u;
}
