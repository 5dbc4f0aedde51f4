#include "LDigestText.h"

void LDigestWriteText(const unsigned char* bytes, size_t count, char* text) {
    static constexpr char digits[] = "0123456789abcdef";
    for (size_t i = 0; i < count; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    text[2 * count] = '\0';
}
