#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "LSHA1.h"
#include "LSHA1Blocks.h"

namespace {

std::string SHA1Text(const std::string& data) {
    LSHA1Context context;
    LSHA1Init(context);
    LSHA1Update(context, data.data(), data.size());
    char result[49];
    LSHA1Final(context, result);
    return result;
}

TEST(SHA1, MatchesFips180Suite) {
    struct Case {
        std::string data;
        const char* digest;
    };
    const Case cases[] = {
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        // A result whose first word begins with zero digits keeps all 40 digits.
        {"16055", "000055d41c8a62052dd426592e8a4a3342bf565d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SHA1Text(c.data), c.digest) << c.data.substr(0, 60);
    }
}

TEST(SHA1, PiecewiseUpdatesEqualOneUpdate) {
    std::string data;
    for (int i = 0; i < 300; ++i) {
        data.push_back(static_cast<char>(i * 13 + 1));
    }
    for (size_t length : {55, 56, 57, 64, 65, 119, 120, 300}) {
        const std::string whole = SHA1Text(data.substr(0, length));
        for (size_t piece : {1, 7, 64, 65}) {
            LSHA1Context context;
            LSHA1Init(context);
            for (size_t at = 0; at < length; at += piece) {
                LSHA1Update(context, data.data() + at, std::min(piece, length - at));
            }
            char result[49];
            LSHA1Final(context, result);
            EXPECT_EQ(result, whole) << "length " << length << " piece " << piece;
        }
    }
}

// Every compression function this processor can run must agree with the portable one, on one
// block, on two (where the next block's schedule is worked into the rounds) and on many.
TEST(SHA1, EveryFormAgreesWithThePortableForm) {
    struct Form {
        const char* name;
        bool available;
        LSHA1BlocksFunction blocks;
    };
    const Form forms[] = {
        {"AVX2 and BMI2", LSHA1HasBitManipulation(), LSHA1BlocksBitManipulation},
        {"SHA instructions", LSHA1HasSHAExtensions(), LSHA1BlocksSHAExtensions},
    };
    std::mt19937 random(1);
    std::vector<unsigned char> data(64 * 257);
    for (unsigned char& byte : data) {
        byte = static_cast<unsigned char>(random());
    }
    for (const Form& form : forms) {
        if (!form.available) {
            std::cout << "this processor cannot run the form with " << form.name << '\n';
            continue;
        }
        for (size_t blocks : {1, 2, 3, 257}) {
            uint32_t portable[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
            uint32_t other[5];
            std::memcpy(other, portable, sizeof portable);
            LSHA1BlocksPortable(portable, data.data(), blocks);
            form.blocks(other, data.data(), blocks);
            EXPECT_EQ(0, std::memcmp(portable, other, sizeof portable))
                << form.name << ", " << blocks << " blocks";
        }
    }
}

}  // namespace
