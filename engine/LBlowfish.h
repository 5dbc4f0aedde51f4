#pragma once

#include <cstdint>

// Blowfish in electronic-codebook mode, keyed from a text. A block is two 32-bit halves, each
// stored little-endian (bytes 0 to 3 the left half, 4 to 7 the right), which is how containers
// hold it on every host.
struct LBlowfishContext {
    uint32_t P[18];
    uint32_t S[4][256];
};

// Keys the context with the bytes of key up to its NUL; only the first 72 take effect. An empty
// key leaves the context as it was.
void BlowfishInit(LBlowfishContext& context, const char* key);

// Encipher or decipher the whole 8-byte blocks of buffer in place; a shorter tail is left as
// it is and nothing past length is touched.
void BlowfishEncryptBuffer(const LBlowfishContext& context, unsigned char* buffer,
                           unsigned int length);
void BlowfishDecryptBuffer(const LBlowfishContext& context, unsigned char* buffer,
                           unsigned int length);
