#pragma once

#include <cstddef>

// Writes count bytes as lowercase hexadecimal, two digits a byte, and a terminating zero.
void LDigestWriteText(const unsigned char* bytes, size_t count, char* text);
