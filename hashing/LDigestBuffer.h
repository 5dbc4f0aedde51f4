#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "LDigestBytes.h"

// The 64-byte block buffering and the length padding that MD5, SHA-1 and Tiger share. Whole
// blocks of the input are handed to the algorithm straight from the caller's data; only a
// block split between two updates is copied.
struct LDigestBuffer {
    uint64_t bitCount = 0;
    unsigned char buffer[64] = {};
    size_t fill = 0;
};

// processBlocks(const unsigned char* blocks, size_t count) runs the compression function.
template <class ProcessBlocks>
void LDigestBufferUpdate(LDigestBuffer& pending, const void* data, size_t length,
                         ProcessBlocks processBlocks) {
    auto bytes = static_cast<const unsigned char*>(data);
    pending.bitCount += static_cast<uint64_t>(length) << 3;
    if (pending.fill > 0) {
        size_t take = length < 64 - pending.fill ? length : 64 - pending.fill;
        std::memcpy(pending.buffer + pending.fill, bytes, take);
        pending.fill += take;
        bytes += take;
        length -= take;
        if (pending.fill < 64) {
            return;
        }
        processBlocks(pending.buffer, 1);
        pending.fill = 0;
    }
    if (length >= 64) {
        processBlocks(bytes, length / 64);
        bytes += length & ~size_t{63};
        length &= 63;
    }
    if (length > 0) {
        std::memcpy(pending.buffer, bytes, length);
        pending.fill = length;
    }
}

// Appends padByte, zero bytes up to 56 bytes into a block and the message length in bits, and
// processes what is left.
template <class ProcessBlocks>
void LDigestBufferFinish(LDigestBuffer& pending, unsigned char padByte, bool bigEndianLength,
                         ProcessBlocks processBlocks) {
    uint64_t bitCount = pending.bitCount;
    pending.buffer[pending.fill++] = padByte;
    if (pending.fill > 56) {
        std::memset(pending.buffer + pending.fill, 0, 64 - pending.fill);
        processBlocks(pending.buffer, 1);
        pending.fill = 0;
    }
    std::memset(pending.buffer + pending.fill, 0, 56 - pending.fill);
    if (bigEndianLength) {
        LStoreBE64(bitCount, pending.buffer + 56);
    } else {
        LStoreLE64(bitCount, pending.buffer + 56);
    }
    processBlocks(pending.buffer, 1);
    pending.fill = 0;
}
