#pragma once

#include "LBlowfish.h"
#include "LContainerFormat.h"
#include "LContentCipher.h"
#include "LEntryNameKey.h"

#include <string>
#include <vector>

// Builds container bytes field by field from the layout, independently of the writer, so tests
// can state what a container must hold and craft damaged ones.
class ContainerBytes {
public:
    std::vector<unsigned char> bytes;

    ContainerBytes& Raw(const void* data, size_t length) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), p, p + length);
        return *this;
    }
    ContainerBytes& U32(uint32_t value) {
        unsigned char b[4];
        LPutUInt32LE(b, value);
        return Raw(b, 4);
    }
    ContainerBytes& U64(uint64_t value) {
        unsigned char b[8];
        LPutUInt64LE(b, value);
        return Raw(b, 8);
    }
    // Header with the check of a known MD5 text (hexDigest: 32 digits, any case).
    ContainerBytes& Header(uint32_t fileCount, uint32_t algorithm, const std::string& hexDigest) {
        const unsigned char magic[] = {0x20, 0x52, 0x4F, 0x51, 0x20, 0x30, 0x2E, 0x31};
        Raw(magic, 8).U32(fileCount).U32(algorithm).U32(0).U32(
            static_cast<uint32_t>(hexDigest.size()));
        for (char c : hexDigest) {
            bytes.push_back(static_cast<unsigned char>(c) ^ 0xFE);
        }
        return *this;
    }
    // Type, length and the name enciphered under the entry-name key.
    ContainerBytes& EntryHead(uint32_t type, const std::string& name) {
        std::vector<unsigned char> padded((name.size() + 7) / 8 * 8, 0);
        std::copy(name.begin(), name.end(), padded.begin());
        LBlowfishContext key{};
        BlowfishInit(key, kEntryNameKey);
        BlowfishEncryptBuffer(key, padded.data(), static_cast<unsigned int>(padded.size()));
        return U32(type).U32(static_cast<uint32_t>(name.size())).Raw(padded.data(), padded.size());
    }
    // Content in zero-filled 8192-byte blocks, enciphered under the password.
    ContainerBytes& Content(const std::string& content, int algorithm, const char* password) {
        std::vector<unsigned char> data((content.size() + 8191) / 8192 * 8192, 0);
        std::copy(content.begin(), content.end(), data.begin());
        LContentCipher cipher(algorithm, password);
        cipher.Encipher(data.data(), static_cast<unsigned int>(data.size()));
        return Raw(data.data(), data.size());
    }
    ContainerBytes& FileEntry(uint32_t type, const std::string& name, const std::string& content,
                              int algorithm, const char* password) {
        EntryHead(type, name).U64(content.size()).U64((content.size() + 8191) / 8192 * 8192);
        return Content(content, algorithm, password);
    }
};

// MD5 of "secret", a fixed point that does not depend on our own digest code.
inline const char kSecretMD5[] = "5ebe2294ecd0e0f08eab7690d2a6ee69";
