#include "LBlowfish.h"
#include "LEntryNameKey.h"
#include "LRunCommand.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Bytes(const std::string& hex) {
    std::vector<unsigned char> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

std::string Text(const std::vector<unsigned char>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Published vectors write a block as two big-endian halves; containers store each half
// little-endian.
std::vector<unsigned char> ReverseHalves(std::vector<unsigned char> bytes) {
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        std::swap(bytes[i], bytes[i + 3]);
        std::swap(bytes[i + 1], bytes[i + 2]);
    }
    return bytes;
}

struct Vector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// Schneier's test vectors (Eric Young's set) whose key has no zero byte, the only ones a key
// text can carry.
constexpr Vector kSchneierVectors[] = {
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

TEST(Blowfish, MatchesSchneierVectorsWithHalvesByteReversed) {
    for (const Vector& vector : kSchneierVectors) {
        SCOPED_TRACE(vector.key);
        LBlowfishContext context;
        BlowfishInit(context, Text(Bytes(vector.key)).c_str());
        std::vector<unsigned char> buffer = ReverseHalves(Bytes(vector.plain));
        BlowfishEncryptBuffer(context, buffer.data(), 8);
        EXPECT_EQ(buffer, ReverseHalves(Bytes(vector.cipher)));
        BlowfishDecryptBuffer(context, buffer.data(), 8);
        EXPECT_EQ(buffer, ReverseHalves(Bytes(vector.plain)));
    }
}

// Schneier's variable-key-length set: the first n bytes of one key, so lengths that are not a
// multiple of four make the key words wrap around mid-word.
TEST(Blowfish, MatchesSchneierVectorsForKeysOfOneToSixteenBytes) {
    const std::string key = Text(Bytes("F0E1D2C3B4A5968778695A4B3C2D1E0F"));
    const char* expected[16] = {
        "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
        "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
        "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
        "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
    };
    for (size_t length = 1; length <= 16; ++length) {
        SCOPED_TRACE(length);
        LBlowfishContext context;
        BlowfishInit(context, key.substr(0, length).c_str());
        std::vector<unsigned char> buffer = ReverseHalves(Bytes("FEDCBA9876543210"));
        BlowfishEncryptBuffer(context, buffer.data(), 8);
        EXPECT_EQ(buffer, ReverseHalves(Bytes(expected[length - 1])));
    }
}

bool SameContext(const LBlowfishContext& a, const LBlowfishContext& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

LBlowfishContext KeyedWith(const std::string& key) {
    LBlowfishContext context;
    BlowfishInit(context, key.c_str());
    return context;
}

TEST(Blowfish, OnlyTheFirst72KeyBytesTakeEffect) {
    std::string key;
    for (int i = 0; i < 300; ++i) {
        key += static_cast<char>('!' + i % 90);
    }
    const LBlowfishContext first72 = KeyedWith(key.substr(0, 72));
    for (size_t length : {73, 100, 300}) {
        SCOPED_TRACE(length);
        EXPECT_TRUE(SameContext(KeyedWith(key.substr(0, length)), first72));
    }
    EXPECT_FALSE(SameContext(KeyedWith(key.substr(0, 71)), first72));
}

TEST(Blowfish, EmptyKeyLeavesTheContextAsItWas) {
    LBlowfishContext context = KeyedWith("earlier key");
    const LBlowfishContext before = context;
    BlowfishInit(context, "");
    EXPECT_TRUE(SameContext(context, before));
}

TEST(Blowfish, KeyingAgainStartsFromTheInitialTables) {
    LBlowfishContext context = KeyedWith("first key");
    BlowfishInit(context, "second key");
    EXPECT_TRUE(SameContext(context, KeyedWith("second key")));
}

TEST(Blowfish, EntryNamesUnderTheEntryNameKey) {
    EXPECT_EQ(std::string(kEntryNameKey), "0x5c0x1e0x9b0x660xd20x38");
    EXPECT_EQ(sizeof kEntryNameKey, 25u);
    // Checked against OpenSSL's Blowfish with the halves byte-reversed.
    std::vector<unsigned char> name(16, 0);
    std::memcpy(name.data(), "Docs/Letters", 12);
    LBlowfishContext context = KeyedWith(kEntryNameKey);
    BlowfishEncryptBuffer(context, name.data(), 16);
    EXPECT_EQ(name, Bytes("8458a5035cc68cc545464d4651fc57b4"));
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::vector<unsigned char> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The openssl tool takes a 16-byte key; random keys without zero bytes and 8 KB of random data.
TEST(Blowfish, AgreesWithOpensslOnRandomKeysAndData) {
    TestFolder folder;
    std::mt19937 random(4);
    for (int trial = 0; trial < 4; ++trial) {
        std::string key;
        for (int i = 0; i < 16; ++i) {
            key += static_cast<char>(1 + random() % 255);
        }
        std::vector<unsigned char> data(8192);
        for (unsigned char& byte : data) {
            byte = static_cast<unsigned char>(random());
        }
        std::ofstream(folder / "plain", std::ios::binary)
            .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        ASSERT_TRUE(LRunCommandArgv({"openssl", "enc", "-provider", "legacy", "-provider",
                                     "default", "-bf-ecb", "-nopad", "-K", Hex(key), "-in",
                                     folder / "plain", "-out", folder / "cipher"}));

        std::vector<unsigned char> buffer = ReverseHalves(data);
        BlowfishEncryptBuffer(KeyedWith(key), buffer.data(), 8192);
        EXPECT_EQ(ReverseHalves(buffer), ReadFile(folder / "cipher")) << "trial " << trial;
    }
}

}  // namespace
