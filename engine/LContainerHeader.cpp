#include "LContainerHeader.h"

#include "LContainerFormat.h"
#include "LMD5.h"

#include <unistd.h>
#include <cctype>

void LContainerPasswordCheck(const char* password, unsigned char check[32]) {
    char digest[49];
    LMD5CreateDigest(password, digest);
    for (uint32_t i = 0; i < kContainerCheckLength; ++i) {
        check[i] = static_cast<unsigned char>(digest[i]) ^ kContainerCheckMask;
    }
}

bool LContainerCheckMatches(const unsigned char* stored, const char* password) {
    unsigned char expected[kContainerCheckLength];
    LContainerPasswordCheck(password, expected);
    for (uint32_t i = 0; i < kContainerCheckLength; ++i) {
        int mine = std::tolower(expected[i] ^ kContainerCheckMask);
        int theirs = std::tolower(stored[i] ^ kContainerCheckMask);
        if (mine != theirs) {
            return false;
        }
    }
    return true;
}

bool LContainerWriteHeader(LWriteFileRef& output, int algorithm, const char* password) {
    unsigned char check[kContainerCheckLength];
    LContainerPasswordCheck(password, check);
    return output.Write(kContainerMagic, 4) && output.Write(kContainerVersion, 4) &&
           output.WriteUInt32(0) && output.WriteUInt32(static_cast<uint32_t>(algorithm)) &&
           output.WriteUInt32(0) && output.WriteUInt32(kContainerCheckLength) &&
           output.Write(check, sizeof check);
}

bool LContainerWriteFileCount(LWriteFileRef& output, uint32_t count) {
    int64_t end = output.Position();
    return end >= 0 && output.Seek(kContainerFileCountOffset) && output.WriteUInt32(count) &&
           output.Seek(end);
}
