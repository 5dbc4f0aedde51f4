#include "DesReference.h"
#include "LDes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

DesReferenceBlock Block(const char* hex) {
    DesReferenceBlock block{};
    for (int i = 0; i < 8; ++i) {
        block[i] = static_cast<unsigned char>(std::stoi(std::string(hex + 2 * i, 2), nullptr, 16));
    }
    return block;
}

// The reference's round keys in the engine's layout (LDes.h), in the order they are applied.
void PackRoundKeys(const DesReferenceRoundKeys& keys, bool decrypt, uint32_t (&packed)[32]) {
    for (int round = 0; round < 16; ++round) {
        const auto& key = keys[decrypt ? 15 - round : round];
        uint32_t group[8] = {};
        for (int box = 0; box < 8; ++box) {
            for (int bit = 0; bit < 6; ++bit) {
                group[box] = group[box] << 1 | key[6 * box + bit];
            }
        }
        packed[2 * round] = group[0] << 24 | group[2] << 16 | group[4] << 8 | group[6];
        packed[2 * round + 1] = group[1] << 24 | group[3] << 16 | group[5] << 8 | group[7];
    }
}

DesReferenceBlock EncryptWithPassword(const char* password, DesReferenceBlock block) {
    LDesContext context;
    DesKeyText(context, password);
    DesEncryptBuffer(context, block.data(), 8);
    return block;
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// FIPS 46 / FIPS 81 and the NBS known-answer tests, with standard round keys.
constexpr Vector kStandardVectors[] = {
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
    {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
    {"0000000000000000", "0000000000000000", "8CA64DE9C1B123A7"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "7359B2163E4EDC58"},
    {"3000000000000000", "1000000000000001", "958E6E627A05557B"},
    {"1111111111111111", "1111111111111111", "F40379AB9E0EC533"},
    {"0123456789ABCDEF", "1111111111111111", "17668DFC7292532D"},
    {"1111111111111111", "0123456789ABCDEF", "8A5AE1F81AB8F2DD"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "ED39D950FA74BCC4"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"0101010101010101", "4000000000000000", "DD7F121CA5015619"},
};

TEST(DesStandard, ReferenceAndBlockFunctionMatchClassicVectors) {
    for (const Vector& vector : kStandardVectors) {
        SCOPED_TRACE(vector.key);
        const DesReferenceRoundKeys keys = DesReferenceStandardKeys(Block(vector.key));
        const DesReferenceBlock plain = Block(vector.plain);
        const DesReferenceBlock cipher = Block(vector.cipher);
        EXPECT_EQ(DesReferenceCrypt(keys, plain, false), cipher);
        EXPECT_EQ(DesReferenceCrypt(keys, cipher, true), plain);

        uint32_t packed[32];
        DesReferenceBlock buffer = plain;
        PackRoundKeys(keys, false, packed);
        DesProcessBlocks(packed, buffer.data(), 8);
        EXPECT_EQ(buffer, cipher);
        PackRoundKeys(keys, true, packed);
        DesProcessBlocks(packed, buffer.data(), 8);
        EXPECT_EQ(buffer, plain);
    }
}

// Random keys (zero bytes included) and buffers of one to three blocks, so that blocks are
// enciphered both alone and side by side.
TEST(DesContainer, AgreesWithBitByBitReferenceInBothDirections) {
    std::mt19937 random(20261211);
    auto byte = [&random] { return static_cast<unsigned char>(random()); };
    for (int trial = 0; trial < 10000; ++trial) {
        LDesContext context{};
        for (int i = 0; i < 8; ++i) {
            context.keyText[i] = static_cast<char>(byte());
        }
        const DesReferenceRoundKeys keys = DesReferenceContainerKeys(context.keyText);
        const int blocks = 1 + trial % 3;
        std::vector<unsigned char> original(8 * blocks);
        for (unsigned char& b : original) {
            b = byte();
        }
        std::vector<unsigned char> encrypted = original;
        std::vector<unsigned char> decrypted = original;
        DesEncryptBuffer(context, encrypted.data(), 8 * blocks);
        DesDecryptBuffer(context, decrypted.data(), 8 * blocks);
        for (int b = 0; b < blocks; ++b) {
            DesReferenceBlock block;
            std::memcpy(block.data(), &original[8 * b], 8);
            ASSERT_EQ(
                0, std::memcmp(DesReferenceCrypt(keys, block, false).data(), &encrypted[8 * b], 8))
                << "encryption, trial " << trial << ", block " << b;
            ASSERT_EQ(
                0, std::memcmp(DesReferenceCrypt(keys, block, true).data(), &decrypted[8 * b], 8))
                << "decryption, trial " << trial << ", block " << b;
        }
    }
}

// Produced by the bit-by-bit reference; they pin the container's DES to what stored files hold.
constexpr Vector kContainerVectors[] = {
    {"password", "4E6F772069732074", "ACF3F59490458836"},
    {"abc", "0000000000000000", "C13711117F1250E0"},
    {"12345678", "0123456789ABCDEF", "2DDF46A7662A87F8"},
    {"correct horse battery staple", "FFFFFFFFFFFFFFFF", "3B2F6292C33C0983"},
    {"\xC3\xA9t\xC3\xA9 2026", "5A656C2074657374", "1EE428D849E3D65B"},
    {"\xFF\xFE\xFD\xFC\xFB\xFA\xF9\xF8", "0123456789ABCDEF", "1BD6B7B7F5B21953"},
    {"Z", "8000000000000001", "25BE979680BEDDAB"},
};

TEST(DesContainer, MatchesRecordedVectors) {
    for (const Vector& vector : kContainerVectors) {
        SCOPED_TRACE(vector.key);
        EXPECT_EQ(EncryptWithPassword(vector.key, Block(vector.plain)), Block(vector.cipher));
        LDesContext context;
        DesKeyText(context, vector.key);
        DesReferenceBlock buffer = Block(vector.cipher);
        DesDecryptBuffer(context, buffer.data(), 8);
        EXPECT_EQ(buffer, Block(vector.plain));
    }
}

TEST(DesContainer, StandardVectorsDoNotHold) {
    // The key 0123456789ABCDEF as a text: no zero byte, so all of it reaches the cipher.
    const char key[] = "\x01\x23\x45\x67\x89\xAB\xCD\xEF";
    EXPECT_NE(EncryptWithPassword(key, Block("4E6F772069732074")), Block("3FA40E8A984D4815"));
}

TEST(DesContainer, OnlyTheFirstEightCharactersKey) {
    std::vector<unsigned char> first(8192, 'x');
    std::vector<unsigned char> second = first;
    LDesContext context;
    DesKeyText(context, "password-one");
    DesEncryptBuffer(context, first.data(), 8192);
    DesKeyText(context, "password-two");
    DesEncryptBuffer(context, second.data(), 8192);
    EXPECT_EQ(first, second);
}

// A reused context must not keep bytes of an earlier, longer password.
TEST(DesKeyText, ZeroFillsAfterAShorterPassword) {
    LDesContext context;
    DesKeyText(context, "a much longer password");
    DesKeyText(context, "abc");
    EXPECT_STREQ(context.keyText, "abc");
    EXPECT_EQ(std::string(context.keyText, sizeof context.keyText),
              std::string("abc") + std::string(257, '\0'));

    DesReferenceBlock block = Block("0123456789ABCDEF");
    const DesReferenceBlock expected =
        DesReferenceCrypt(DesReferenceContainerKeys("abc\0\0\0\0\0"), block, false);
    DesEncryptBuffer(context, block.data(), 8);
    EXPECT_EQ(block, expected);
}

TEST(DesKeyText, CutsALongPasswordTo259Characters) {
    LDesContext context;
    std::memset(&context, 0x55, sizeof context);
    DesKeyText(context, std::string(300, 'p').c_str());
    EXPECT_EQ(std::string(context.keyText), std::string(259, 'p'));
}

}  // namespace
