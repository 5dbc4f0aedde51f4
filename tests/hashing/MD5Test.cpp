#include <gtest/gtest.h>

#include <string>

#include "LMD5.h"

namespace {

struct TextCase {
    const char* text;
    const char* digest;
};

// The test suite of RFC 1321, appendix A.5.
const TextCase kRfc1321Suite[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"1234567890123456789012345678901234567890"
     "1234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(MD5, TextFormMatchesRfc1321Suite) {
    for (const TextCase& c : kRfc1321Suite) {
        char result[49];
        LMD5CreateDigest(c.text, result);
        EXPECT_STREQ(result, c.digest) << '"' << c.text << '"';
    }
}

TEST(MD5, DataFormHashesEmbeddedZerosAndAMillionA) {
    char result[49];
    const std::string million(1000000, 'a');
    LMD5CreateDigest(million.data(), million.size(), result);
    EXPECT_STREQ(result, "7707d6ae4e027c70eea2a935c2296f21");

    // The data form counts its length, not up to the first zero.
    const char withZero[] = {'a', '\0', 'b'};
    LMD5CreateDigest(withZero, sizeof withZero, result);
    EXPECT_STREQ(result, "70350f6027bce3713f6b76473084309b");
}

// Lengths around the padding limit of 56 bytes and the block size, fed in uneven pieces, must
// give what one update gives.
TEST(MD5, PiecewiseUpdatesEqualOneUpdate) {
    std::string data;
    for (int i = 0; i < 300; ++i) {
        data.push_back(static_cast<char>(i * 7 + 3));
    }
    for (size_t length : {55, 56, 57, 63, 64, 65, 119, 120, 128, 300}) {
        char whole[49];
        LMD5CreateDigest(data.data(), length, whole);
        for (size_t piece : {1, 3, 63, 65}) {
            LMD5Context context;
            LMD5Init(context);
            for (size_t at = 0; at < length; at += piece) {
                LMD5Update(context, data.data() + at, std::min(piece, length - at));
            }
            char pieces[49];
            LMD5Final(context, pieces);
            EXPECT_STREQ(pieces, whole) << "length " << length << " piece " << piece;
        }
    }
}

}  // namespace
