#pragma once

#include <cstdint>

// DES in electronic-codebook mode, keyed from the first 8 bytes of a text. The block function
// is the standard one on big-endian blocks; the round keys are the container's own (see
// LDes.cpp), so standard DES test vectors do not hold for the buffer operations.
//
// Round-key layout, two words per round: the low 6 bits of the bytes of the first word, from
// the most significant, are combined with the inputs of S-boxes 1, 3, 5 and 7; those of the
// second word with S-boxes 2, 4, 6 and 8.
struct LDesContext {
    char keyText[260];
    uint32_t roundKeys[32];
};

// Zero-fills the key text and copies the password into it (at most 259 characters).
void DesKeyText(LDesContext& context, const char* password);

// Compute the round keys from the key text, then encipher or decipher the whole 8-byte blocks
// of buffer in place; a shorter tail is left as it is and nothing past length is touched.
void DesEncryptBuffer(LDesContext& context, unsigned char* buffer, unsigned int length);
void DesDecryptBuffer(LDesContext& context, unsigned char* buffer, unsigned int length);

// The block function alone, under round keys in the layout above, applied in the order given.
void DesProcessBlocks(const uint32_t (&roundKeys)[32], unsigned char* buffer, unsigned int length);
