#pragma once

#include <array>

// DES written out bit by bit from FIPS 46, for the tests only: slow and obvious, so that the
// engine's table-driven cipher and its container round keys have something independent to
// agree with. Bits are numbered as FIPS 46 numbers them: bit 1 is the most significant bit of
// byte 0.
using DesReferenceBlock = std::array<unsigned char, 8>;

// Per round, the 48 key bits combined with the expansion E, the six for S-box 1 first.
using DesReferenceRoundKeys = std::array<std::array<bool, 48>, 16>;

// FIPS 46: PC-1, the rotations and PC-2 of an 8-byte key.
DesReferenceRoundKeys DesReferenceStandardKeys(const DesReferenceBlock& key);

// The container's keys, step by step: the first 8 bytes of the key text, each with its bits
// reversed, keyed as FIPS 46 does; then S-box k takes the round key's group p(k) with its six
// bits reversed, p = (6, 5, 8, 7, 2, 1, 4, 3).
DesReferenceRoundKeys DesReferenceContainerKeys(const char* keyText);

// The block function; decrypt applies the round keys in reverse order.
DesReferenceBlock DesReferenceCrypt(const DesReferenceRoundKeys& keys,
                                    const DesReferenceBlock& block, bool decrypt);
